// Pictures for test libraries: solid blocks of colour, so that a drawn frame can be checked pixel
// by pixel.
#pragma once

#include <cstdint>
#include <string>

#include "media/library_writer.h"
#include "media/picture.h"

// A width x height picture of one colour (0x00RRGGBB).
TPicture Solid(int width, int height, uint32_t rgb);
// An item of count patterns of w x h side by side, each a slightly different shade of rgb.
TPictureItemData Strip(const std::string& name, int w, int h, int count, uint32_t rgb);
// An item of one w x h pattern of rgb.
TPictureItemData Single(const std::string& name, int w, int h, uint32_t rgb);
