#include <cstdio>

#include "tools/assetgen/bowling_art/led_shows.h"

namespace bowling_art {

const std::vector<std::string>& LedShowNames() {
  static const std::vector<std::string> names = {
      "intro",   "credits", "gameover", "wingame", "winall",  "strike1", "strike2",
      "strike3", "spare1",  "spare2",   "spare3",  "gutter1", "gutter2", "gutter3"};
  return names;
}

std::vector<LedShow> LedShows() {
  std::vector<LedShow> shows = {IntroShow(), CreditsShow(), GameOverShow(), WinGameShow(), WinAllShow()};
  for (int v = 1; v <= 3; ++v) shows.push_back(StrikeShow(v));
  for (int v = 1; v <= 3; ++v) shows.push_back(SpareShow(v));
  for (int v = 1; v <= 3; ++v) shows.push_back(GutterShow(v));
  return shows;
}

std::vector<TPictureItemData> LedShowLibrary(const LedShow& show) {
  std::vector<TPictureItemData> items;
  char name[32];
  for (size_t i = 0; i < show.Frames.size(); ++i) {
    std::snprintf(name, sizeof name, "frame%03zu", i);
    TPictureItemData item;
    item.Name = name;
    item.PatternWidth = LedFrame::kWidth;
    item.PatternHeight = LedFrame::kHeight;
    item.Transparent = false;
    item.Picture.Width = LedFrame::kWidth;
    item.Picture.Height = LedFrame::kHeight;
    item.Picture.Pixels.resize(static_cast<size_t>(LedFrame::kWidth) * LedFrame::kHeight);
    for (int y = 0; y < LedFrame::kHeight; ++y) {
      for (int x = 0; x < LedFrame::kWidth; ++x) {
        item.Picture.Pixels[static_cast<size_t>(y) * LedFrame::kWidth + x] =
            show.Frames[i].At(x, y) ? 0xFFFFFFu : 0x000000u;
      }
    }
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace bowling_art
