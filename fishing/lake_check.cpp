#include "fishing/lake_check.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "fishing/lake_map.h"
#include "fishing/map_objects.h"
#include "media/errors.h"
#include "media/iso_math.h"

namespace {

[[noreturn]] void Refuse(const std::string& reason) {
  throw EDataError("This lake cannot be fished: " + reason);
}

int32_t TileOf(const TIsoMap& map, TCell cell) { return map.Cell(cell.col, cell.row); }

struct TPlacementRange {
  int32_t width;   // x is drawn from 0 .. width - 1 (0 when width is 0)
  int32_t height;
  bool needFarFromBoat;
  int32_t boatX;
  int32_t boatY;
};

bool Accepts(const TIsoMap& map, const TMapGeometry& geometry, const TPlacementRange& range,
             int64_t x, int64_t y) {
  if (x < 0 || y < 0 || x >= std::max(range.width, 1) || y >= std::max(range.height, 1)) return false;
  const auto px = static_cast<int32_t>(x);
  const auto py = static_cast<int32_t>(y);
  if (!IsPlacementTile(TileOf(map, TileAt(geometry, px, py)))) return false;
  return !range.needFarFromBoat || IsoDistance(px, py, range.boatX, range.boatY) > 100;
}

// Whether the random draw can ever succeed. Every placement tile is probed at its centre and half
// way to each corner, and the corners of the draw range stand for the points beyond the map (which
// count as cell (0, 0)); each probe is a point the draw can produce, looked up as placement does.
bool PlacementPossible(const TIsoMap& map, const TPlacementRange& range) {
  const TMapGeometry geometry{map.tileWidth, map.tileHeight, map.lastCol, map.lastRow};
  const int64_t w = std::max(range.width, 1) - 1;
  const int64_t h = std::max(range.height, 1) - 1;
  if (Accepts(map, geometry, range, 0, 0) || Accepts(map, geometry, range, w, 0) ||
      Accepts(map, geometry, range, 0, h) || Accepts(map, geometry, range, w, h)) {
    return true;
  }
  const int64_t hw = map.tileWidth / 2;
  const int64_t hh = map.tileHeight / 2;
  for (int32_t col = 0; col <= map.lastCol; ++col) {
    for (int32_t row = 0; row <= map.lastRow; ++row) {
      if (!IsPlacementTile(map.Cell(col, row))) continue;
      const int64_t cx = int64_t{col} * map.tileWidth + (row % 2) * hw + hw;
      const int64_t cy = int64_t{row} * hh + hh;
      if (Accepts(map, geometry, range, cx, cy) || Accepts(map, geometry, range, cx - hw / 2, cy) ||
          Accepts(map, geometry, range, cx + hw / 2, cy) ||
          Accepts(map, geometry, range, cx, cy - hh / 2) ||
          Accepts(map, geometry, range, cx, cy + hh / 2)) {
        return true;
      }
    }
  }
  return false;
}

bool OnGrid(const TIsoObject& object) {
  return object.col >= 0 && object.col < kGridCols && object.row >= 0 && object.row < kGridRows;
}

}  // namespace

void CheckLakeValues(const LakeTrip& trip) {
  if (trip.lastFish < -1 || trip.lastFish >= kSwimmerSlots) {
    Refuse(Fmt("MaxFish is %lld, but a lake holds 0 to %d fish.",
               static_cast<long long>(trip.lastFish) + 1, kSwimmerSlots));
  }
  if (trip.lastMonster < -1 || trip.lastMonster >= kSwimmerSlots) {
    Refuse(Fmt("Maxmonster is %lld, but a lake holds 0 to %d monsters.",
               static_cast<long long>(trip.lastMonster) + 1, kSwimmerSlots));
  }
  if (trip.Difficulty >= 100) {
    Refuse(Fmt("Difficulty is %d, but it must be below 100.", trip.Difficulty));
  }
  if (trip.Biggest < 3) {
    Refuse(Fmt("Biggest is %d, but fish are at least 3 inches long.", trip.Biggest));
  }
}

void CheckLakeMap(const LakeTrip& trip, const TIsoMap& map) {
  if (map.lastCol < 0 || map.lastCol >= kGridCols || map.lastRow < 0 || map.lastRow >= kGridRows) {
    Refuse(Fmt("its map has %lld x %lld cells, more than the %d x %d a lake can have.",
               static_cast<long long>(map.lastCol) + 1, static_cast<long long>(map.lastRow) + 1,
               kGridCols, kGridRows));
  }
  float boatX = 300;
  float boatY = 300;
  for (int i = 0; i < kMapObjectCount; ++i) {
    const TIsoObject& object = map.objects[i];
    const std::string name = NormalizedObjectName(object.name);
    const bool swimmer = name == "singlefish" || name == "monster";
    if ((swimmer || name == "levelstart") && !OnGrid(object)) {
      Refuse(Fmt("map object %d (\"%s\") lies at column %d, row %d, outside the map grid.", i,
                 name.c_str(), object.col, object.row));
    }
    if (swimmer || name == "treasure" || name == "moretime") {
      const std::optional<int32_t> value = WholeNumber(object.param);
      if (!value) {
        Refuse(Fmt("map object %d (\"%s\") has the value \"%s\", which is not a whole number.", i,
                   name.c_str(), object.param.c_str()));
      }
      if (swimmer && (*value < 0 || *value >= kSwimmerSlots)) {
        Refuse(Fmt("map object %d (\"%s\") names slot %d, but slots run from 0 to %d.", i,
                   name.c_str(), *value, kSwimmerSlots - 1));
      }
    }
    if (name == "levelstart") {
      boatX = static_cast<float>(object.col * map.tileWidth);
      boatY = static_cast<float>(object.row * (map.tileHeight / 2));
    }
  }
  TPlacementRange range{map.lastCol * map.tileWidth, map.lastRow * map.tileHeight, false, 0, 0};
  if (trip.lastFish >= 0 && !PlacementPossible(map, range)) {
    Refuse("its map has no open water where fish can be placed.");
  }
  range.needFarFromBoat = true;
  range.boatX = Round(boatX);
  range.boatY = Round(boatY);
  if (trip.lastMonster >= 0 && !PlacementPossible(map, range)) {
    Refuse("its map has no open water more than 100 pixels from the boat's start for its monsters.");
  }
}
