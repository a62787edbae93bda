// The lake's tile map during a trip: the tile classes, the staggered cell lookup, and copying a map
// read from its .iso file into the trip record.
//
// Rows are staggered half a tile. With hw = tileWidth div 2 and hh = tileHeight div 2, cell
// (col, row) has its bounding box's top-left at x0 = col * tileWidth + (row mod 2) * hw,
// y0 = row * hh, and its diamond has the corners left (x0, y0 + hh), bottom (x0 + hw, y0 + tileHeight),
// right (x0 + tileWidth, y0 + hh) and top (x0 + hw, y0).
#pragma once

#include <cstdint>
#include <string>

#include "fishing/iso_map.h"
#include "fishing/lake_trip.h"

// The size and extent of a map, all the cell lookup needs.
struct TMapGeometry {
  int32_t tileWidth = 64;
  int32_t tileHeight = 32;
  int32_t lastCol = 0;
  int32_t lastRow = 0;
};

struct TCell {
  int32_t col = 0;
  int32_t row = 0;
  bool operator==(const TCell&) const = default;
};

// Water for the boat, the fish, the pointer and the cast target: 0..3 and 44..52 (so -1 is land).
bool IsWaterTile(int32_t tile);
// Where fish and monsters may be placed: any tile number below 4 (so -1, no tile, is accepted).
bool IsPlacementTile(int32_t tile);

// The cell whose diamond holds the world pixel (x, y), edges included; where diamonds share an edge
// the later cell of the scan wins (higher row, then higher column). A point beyond every diamond
// gives cell (0, 0). At most nine cells are tested.
TCell TileAt(const TMapGeometry& map, int32_t x, int32_t y);
TCell TileAt(const LakeTrip& trip, int32_t x, int32_t y);

// The trip's map geometry.
TMapGeometry GeometryOf(const LakeTrip& trip);
// The tile number of the cell under a world pixel.
int32_t TileUnder(const LakeTrip& trip, int32_t x, int32_t y);
// Whether the cell under a world pixel is water.
bool WaterUnder(const LakeTrip& trip, int32_t x, int32_t y);

// An object name as play compares it: lower-cased (A..Z), trimmed of surrounding blanks and
// control characters, at most 36 characters.
std::string NormalizedObjectName(const std::string& name);

// Copies the map into the trip: geometry, cell tiles (animation counters at 0) and the 65 objects
// with their names normalised.
void LoadLakeMap(LakeTrip& trip, const TIsoMap& map);
