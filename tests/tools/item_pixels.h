// A library item's pixels as the program's 16-bit (5-6-5) surfaces see them, for the generator
// tests.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "media/picture_collection.h"

// The item's pixel (0x00RRGGBB) at (x, y) of pattern p.
uint32_t PixelOf(const TPictureCollectionItem& item, int pattern, int x, int y);
// The raw 16-bit 5-6-5 value the program's surfaces hold for a picture pixel.
uint16_t Raw565(uint32_t pixel);
// True when the item's colour key hides the pixel on a 16-bit surface.
bool Keyed(const TPictureCollectionItem& item, uint32_t pixel);
// The middle (x, y) of the pixels pattern 0 draws, in pixels from its top-left corner; nothing
// when it draws none.
std::optional<std::pair<double, double>> DrawnCentre(const TPictureCollectionItem& item);
