// The picture the bowling form holds itself: the menu backdrop under the notebook of pages,
// generated at build time and compiled into the program as an image library, so the program never
// fails for a missing one. Item: "image" (640 x 480).
#pragma once

#include <cstddef>
#include <cstdint>

extern const uint8_t kBowlingFormPictures[];
extern const size_t kBowlingFormPicturesSize;
