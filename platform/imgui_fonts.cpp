#include "platform/imgui_fonts.h"

#include <imgui.h>

#include <cstdlib>
#include <filesystem>

namespace {

// Basic Latin, Latin-1, and the characters Windows-1252 puts at 0x80..0x9F.
const ImWchar kRanges[] = {0x0020, 0x00FF, 0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x0178, 0x017D, 0x017E,
                           0x0192, 0x0192, 0x02C6, 0x02C6, 0x02DC, 0x02DC, 0x2013, 0x2014, 0x2018, 0x201E,
                           0x2020, 0x2022, 0x2026, 0x2026, 0x2030, 0x2030, 0x2039, 0x203A, 0x20AC, 0x20AC,
                           0x2122, 0x2122, 0xFFFD, 0xFFFD, 0};

constexpr int kHeights[] = {TMenuFonts::kDefaultHeight, 11, 12, 14, 16, 18, 21, 24, 28, 32};

}  // namespace

void TMenuFonts::Load(ImFontAtlas& atlas) {
  fonts_.clear();
  const bool haveRegular = std::filesystem::exists(kRegularPath);
  const bool haveBold = std::filesystem::exists(kBoldPath);
  if (!haveRegular) {
    fonts_.push_back(TEntry{kDefaultHeight, false, atlas.AddFontDefault()});
    return;
  }
  for (int bold = 0; bold < (haveBold ? 2 : 1); ++bold) {
    for (int height : kHeights) {
      ImFontConfig config;
      config.OversampleH = 2;
      config.OversampleV = 1;
      ImFont* font = atlas.AddFontFromFileTTF(bold ? kBoldPath : kRegularPath, static_cast<float>(height), &config,
                                              kRanges);
      if (font) fonts_.push_back(TEntry{height, bold != 0, font});
    }
  }
  if (fonts_.empty()) fonts_.push_back(TEntry{kDefaultHeight, false, atlas.AddFontDefault()});
}

ImFont* TMenuFonts::Pick(int height, bool bold) const {
  if (height <= 0) height = kDefaultHeight;
  const TEntry* best = nullptr;
  for (const TEntry& e : fonts_) {
    const bool better = !best || (e.Bold == bold && best->Bold != bold) ||
                        (e.Bold == best->Bold && std::abs(e.Height - height) < std::abs(best->Height - height));
    if (better) best = &e;
  }
  return best ? best->Font : nullptr;
}
