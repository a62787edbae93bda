// The four pictures the fishing form holds (title screen, menu background, default lake map, angler
// portrait), generated at build time and compiled into the program as an image library, so the
// program never fails for a missing one. Items: "title", "menu", "map", "portrait".
#pragma once

#include <cstddef>
#include <cstdint>

extern const uint8_t kFormPictures[];
extern const size_t kFormPicturesSize;
