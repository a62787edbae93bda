// The shore rule: which piece a grass or sand cell shows follows from its four diamond neighbours.
// A neighbour counts as water when play treats its tile as water (0..3, 44..52) or when it holds
// one of the object markers (53..56), which stand in the water. Cells beyond the grid are land.
//
//   mask bit   edge         neighbour of an even row   of an odd row
//   1          north-west   (col - 1, row - 1)         (col, row - 1)
//   2          north-east   (col, row - 1)             (col + 1, row - 1)
//   4          south-east   (col, row + 1)             (col + 1, row + 1)
//   8          south-west   (col - 1, row + 1)         (col, row + 1)
#pragma once

#include <cstdint>

#include "fishing/iso_map.h"

namespace shore {

constexpr int32_t kGrass = 4;   // 4 + mask: grass, plain when the mask is 0
constexpr int32_t kSand = 20;   // 20 + mask: sand
constexpr int32_t kFirstMarker = 53;
constexpr int32_t kLastMarker = 56;

}  // namespace shore

// The four diamond neighbours of a cell, in the order of the mask bits. Cells off the grid come
// back with col = -1.
struct TNeighbours {
  int col[4];
  int row[4];
};
TNeighbours DiamondNeighbours(int col, int row, int lastCol, int lastRow);

// Whether a neighbour holding this tile puts a shore on the edge it shares.
bool WetForShore(int32_t tile);
// The shore mask of cell (col, row) from the tiles of its neighbours in the map.
int ShoreMask(const TIsoMap& map, int col, int row);
// Whether a tile is ground that takes a shore piece (grass or sand, any mask).
bool IsShoreGround(int32_t tile);
// The ground tile with its mask cleared (4 for any grass, 20 for any sand); other tiles unchanged.
int32_t PlainGround(int32_t tile);
