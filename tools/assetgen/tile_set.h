// Tile numbers of every lake tile library ("canada.dxg", "tropic.dxg", ...). All looks use the same
// numbers, so one map generator serves them all; only the pictures differ. Tiles are 64 x 32
// diamonds; taller items rise above their diamond (their bottom 32 rows are the diamond). Pixels
// outside the diamond (and above a tall item's picture) are black, the colour key; a pixel belongs
// to a diamond when its centre lies inside it, so neighbouring diamonds never overlap or leave gaps.
// Every picture has the same pixels on the rim of its diamond as its neighbours expect: water tiles
// share one texture that repeats with the tile grid, animations only move inside the diamond, and
// shore pieces keep their water strip away from corners where a land neighbour could not match it.
//
// Water for the boat and fish: 0..3 and 44..52. Everything else is land.
#pragma once

namespace tiles {

// Open water.
constexpr int kWaterRipple1 = 0;  // animated ripples (several patterns, 8 ticks each)
constexpr int kWaterRipple2 = 1;  // animated, another phase
constexpr int kWaterSparkle = 2;  // animated glints
constexpr int kWater = 3;         // plain water, one pattern

// Land cells: full ground, and shore pieces that join it to water. A shore tile is chosen by the
// four diamond edges that touch water: bit 0 = upper-left (north-west) edge, bit 1 = upper-right
// (north-east), bit 2 = lower-right (south-east), bit 3 = lower-left (south-west).
constexpr int kGrass = 4;        // 4 + mask, mask 0..15 (4 = plain grass)
constexpr int kSand = 20;        // 20 + mask, mask 0..15 (20 = plain sand)

// Land features standing on grass or sand (taller pictures).
constexpr int kPine = 36;
constexpr int kLeafTree = 37;
constexpr int kBush = 38;
constexpr int kRock = 39;
constexpr int kCabin = 40;
constexpr int kPalm = 41;
constexpr int kCactus = 42;
constexpr int kFlowers = 43;

// Water with something in it (still water for play).
constexpr int kShallows = 44;
constexpr int kReeds = 45;
constexpr int kLilyPads = 46;
constexpr int kDockWater = 47;    // wooden jetty over water
constexpr int kWaterRock = 48;    // a small rock the boat slips past
constexpr int kShallowRipple = 49;  // animated
constexpr int kWeed = 50;
constexpr int kLog = 51;
constexpr int kDeepWater = 52;

constexpr int kCount = 53;  // items 0..52 in every tile library

// Markers that show where map objects wait. They stand in the water but are land for play, so the
// boat stops against them, which is what sets off their object; "treasure" and "moretime" turn
// their cell into plain water once taken.
constexpr int kBuoyMarker = 53;      // red and white buoy ("buoy" objects)
constexpr int kTreasureMarker = 54;  // a floating chest ("treasure")
constexpr int kTimeMarker = 55;      // a yellow float with a clock ("moretime")
constexpr int kTalkMarker = 56;      // an angler standing on a jetty ("talk")

constexpr int kLibraryCount = 57;  // items the generated libraries hold

inline bool IsWater(int tile) {
  const unsigned t = static_cast<unsigned>(tile);
  return t <= 3 || (t >= 44 && t <= 52);
}

}  // namespace tiles
