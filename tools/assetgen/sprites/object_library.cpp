#include "tools/assetgen/sprites/items.h"
#include "tools/assetgen/sprites/models.h"

namespace sprites {

std::vector<TPictureItemData> ObjectLibrary() {
  std::vector<TPictureItemData> all;
  auto add = [&all](std::vector<TPictureItemData> items) {
    for (TPictureItemData& item : items) all.push_back(std::move(item));
  };
  add(MakeDashboard());
  add(MakeFonts());
  add(MakePanels());
  add(MakeMarkers());
  all.push_back(MakeFish());
  add(MakeBoats());
  add(MakeAnglers());
  add(MakeMonsters());
  return all;
}

}  // namespace sprites
