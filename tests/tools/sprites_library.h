// The generated object library and form pictures, made once per test program and read back
// through the library format, shared by the sprite tests.
#pragma once

#include <string>

#include "media/picture_collection.h"

namespace sprites_test {

// objects.dxg as the game loads it.
TPictureCollection& Objects();
// The four pictures embedded in the fishing program (the generated kFormPictures).
TPictureCollection& FormPictures();

// The item's pixel at (x, y) of pattern p.
uint32_t PixelOf(const TPictureCollectionItem& item, int pattern, int x, int y);
// True when the pixel is hidden by the item's colour key on a 16-bit (5-6-5) surface.
bool Keyed(const TPictureCollectionItem& item, uint32_t pixel);

}  // namespace sprites_test
