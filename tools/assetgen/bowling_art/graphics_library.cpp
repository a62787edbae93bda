#include "tools/assetgen/bowling_art/graphics.h"

namespace bowling_art {

std::vector<TPictureItemData> GraphicsLibrary() {
  std::vector<TPictureItemData> all;
  auto add = [&all](std::vector<TPictureItemData> items) {
    for (TPictureItemData& item : items) all.push_back(std::move(item));
  };
  add(MakeSign());
  add(MakeFonts());
  all.push_back(MakeMeter());
  add(MakeScoreSheet());
  add(MakePinDisplay());
  add(MakePointers());
  all.push_back(MakeHelp());
  return all;
}

}  // namespace bowling_art
