// The bowling program's generated pictures read back through the library format, as the program
// loads them, shared by the bowling art tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "media/picture_collection.h"

namespace bowling_art_test {

// graphics.dxg as the program loads it (made once per test program).
TPictureCollection& Graphics();
// The backdrop compiled into the bowling program (the generated kBowlingFormPictures).
TPictureCollection& FormPictures();
// The LED show of that name, encoded and read back.
std::unique_ptr<TPictureCollection> ReadShow(const std::string& name);

// The item's pixel (0x00RRGGBB) at (x, y) of pattern p.
uint32_t PixelOf(const TPictureCollectionItem& item, int pattern, int x, int y);
// The raw 16-bit 5-6-5 value the program's surfaces hold for a picture pixel.
uint16_t Raw565(uint32_t pixel);
// True when the colour key hides the pixel on a 16-bit surface.
bool Keyed(const TPictureCollectionItem& item, uint32_t pixel);
// Perceived brightness 0..255.
int Luminance(uint32_t pixel);

}  // namespace bowling_art_test
