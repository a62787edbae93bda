// The generated object library and form pictures, made once per test program and read back
// through the library format, shared by the sprite tests.
#pragma once

#include <string>

#include "media/picture_collection.h"
#include "tests/tools/item_pixels.h"

namespace sprites_test {

// objects.dxg as the game loads it.
TPictureCollection& Objects();
// The four pictures embedded in the fishing program (the generated kFormPictures).
TPictureCollection& FormPictures();


}  // namespace sprites_test
