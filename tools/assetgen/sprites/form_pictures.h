// The four pictures the fishing program carries inside itself: the title screen, the menu
// background with its menu bar, the default lake map and the angler portrait, and the C++ source
// that embeds them as an image library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/library_writer.h"

namespace sprites {

// Where the menu form places its invisible hot buttons, its panels and its status line.
struct MenuLayout {
  int X, Y, W, H;
  const char* Caption;
};
const std::vector<MenuLayout>& MenuButtons();

// Items "title" (640 x 480), "menu" (641 x 480), "map" (200 x 198), "portrait" (120 x 120).
std::vector<TPictureItemData> FormPictures();

// C++ source defining kFormPictures (the encoded library) and kFormPicturesSize.
std::string FormPicturesSource(const std::vector<uint8_t>& library);

}  // namespace sprites
