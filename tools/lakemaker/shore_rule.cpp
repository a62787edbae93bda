#include "tools/lakemaker/shore_rule.h"

#include "fishing/lake_map.h"

TNeighbours DiamondNeighbours(int col, int row, int lastCol, int lastRow) {
  // Odd rows sit half a tile to the right, so their upper and lower neighbours are a column on.
  const int shift = row % 2;
  TNeighbours n{{col - 1 + shift, col + shift, col + shift, col - 1 + shift},
                {row - 1, row - 1, row + 1, row + 1}};
  for (int k = 0; k < 4; ++k) {
    if (n.col[k] < 0 || n.col[k] > lastCol || n.row[k] < 0 || n.row[k] > lastRow) n.col[k] = -1;
  }
  return n;
}

bool WetForShore(int32_t tile) {
  return IsWaterTile(tile) || (tile >= shore::kFirstMarker && tile <= shore::kLastMarker);
}

int ShoreMask(const TIsoMap& map, int col, int row) {
  const TNeighbours n = DiamondNeighbours(col, row, map.lastCol, map.lastRow);
  int mask = 0;
  for (int k = 0; k < 4; ++k) {
    if (n.col[k] >= 0 && WetForShore(map.Cell(n.col[k], n.row[k]))) mask |= 1 << k;
  }
  return mask;
}

bool IsShoreGround(int32_t tile) { return tile >= shore::kGrass && tile < shore::kSand + 16; }

int32_t PlainGround(int32_t tile) {
  if (tile >= shore::kGrass && tile < shore::kSand) return shore::kGrass;
  if (tile >= shore::kSand && tile < shore::kSand + 16) return shore::kSand;
  return tile;
}
