// The bowlers' and alleys' libraries made by the generator's own code, encoded and read back with
// the program's reader once per test program, shared by the bowling people tests.
#pragma once

#include <cstdint>
#include <string>

#include "media/picture_collection.h"
#include "tests/tools/item_pixels.h"

namespace bowling_people_test {

// A bowler's or an alley's "anis.dxg" as the program loads it.
TPictureCollection& BowlerAnis(const std::string& name);
TPictureCollection& AlleyAnis(const std::string& name);

// True when (x, y) of pattern p is drawn.
bool Drawn(const TPictureCollectionItem& item, int pattern, int x, int y);
// Distance between two 0x00RRGGBB colours (sum of the channel differences).
int ColourDistance(uint32_t a, uint32_t b);

}  // namespace bowling_people_test
