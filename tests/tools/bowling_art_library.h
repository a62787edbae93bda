// The bowling program's generated pictures read back through the library format, as the program
// loads them, shared by the bowling art tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "media/picture_collection.h"
#include "tests/tools/item_pixels.h"

namespace bowling_art_test {

// graphics.dxg as the program loads it (made once per test program).
TPictureCollection& Graphics();
// The backdrop compiled into the bowling program (the generated kBowlingFormPictures).
TPictureCollection& FormPictures();
// The LED show of that name, encoded and read back.
std::unique_ptr<TPictureCollection> ReadShow(const std::string& name);

// Perceived brightness 0..255.
int Luminance(uint32_t pixel);

}  // namespace bowling_art_test
