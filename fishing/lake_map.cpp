#include "fishing/lake_map.h"

#include <algorithm>

bool IsWaterTile(int32_t tile) {
  const auto t = static_cast<uint32_t>(tile);
  return t <= 3 || (t >= 44 && t <= 52);
}

bool IsPlacementTile(int32_t tile) { return tile < 4; }

namespace {

struct TCorner {
  int64_t x;
  int64_t y;
};

// The sign test of one diamond edge A -> B for the point P; 64-bit because P may lie far off the map.
int64_t EdgeSide(TCorner a, TCorner b, int64_t px, int64_t py) {
  return (a.y - b.y) * (px - b.x) + (b.x - a.x) * (py - b.y);
}

bool InDiamond(const TMapGeometry& map, int32_t col, int32_t row, int64_t px, int64_t py) {
  const int64_t hw = map.tileWidth / 2;
  const int64_t hh = map.tileHeight / 2;
  // row % 2 is -1 for row -1, the row above the map that the scan may visit.
  const int64_t x0 = int64_t{col} * map.tileWidth + (row % 2) * hw;
  const int64_t y0 = int64_t{row} * hh;
  const TCorner left{x0, y0 + hh};
  const TCorner bottom{x0 + hw, y0 + map.tileHeight};
  const TCorner right{x0 + map.tileWidth, y0 + hh};
  const TCorner top{x0 + hw, y0};
  const int64_t s1 = EdgeSide(left, bottom, px, py);
  const int64_t s2 = EdgeSide(bottom, right, px, py);
  const int64_t s3 = EdgeSide(right, top, px, py);
  const int64_t s4 = EdgeSide(top, left, px, py);
  return (s1 >= 0 && s2 >= 0 && s3 >= 0 && s4 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0 && s4 <= 0);
}

}  // namespace

TCell TileAt(const TMapGeometry& map, int32_t x, int32_t y) {
  const int32_t hh = map.tileHeight / 2;
  if (map.tileWidth <= 0 || hh <= 0) return {};
  const int32_t c0 = std::max(0, x / map.tileWidth - 1);
  const int32_t r0 = std::max(0, y / hh - 1);
  bool found = false;
  TCell cell;
  const int32_t lastR = std::min(map.lastRow, r0 + 1);
  const int32_t lastC = std::min(map.lastCol, c0 + 1);
  for (int32_t r = r0 - 1; r <= lastR; ++r) {
    for (int32_t c = c0 - 1; c <= lastC; ++c) {
      if (InDiamond(map, c, r, x, y)) {
        cell = {c, r};
        found = true;
      }
    }
  }
  if (!found) return {};
  cell.col = std::clamp(cell.col, 0, map.lastCol);
  cell.row = std::clamp(cell.row, 0, map.lastRow);
  return cell;
}

TMapGeometry GeometryOf(const LakeTrip& trip) {
  return {trip.tileWidth, trip.tileHeight, trip.lastCol, trip.lastRow};
}

TCell TileAt(const LakeTrip& trip, int32_t x, int32_t y) { return TileAt(GeometryOf(trip), x, y); }

int32_t TileUnder(const LakeTrip& trip, int32_t x, int32_t y) {
  const TCell cell = TileAt(trip, x, y);
  return trip.cells[cell.col][cell.row].tile;
}

bool WaterUnder(const LakeTrip& trip, int32_t x, int32_t y) {
  return IsWaterTile(TileUnder(trip, x, y));
}

std::string NormalizedObjectName(const std::string& name) {
  size_t first = 0;
  size_t last = name.size();
  while (first < last && static_cast<unsigned char>(name[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(name[last - 1]) <= ' ') --last;
  std::string result = name.substr(first, std::min<size_t>(last - first, 36));
  for (char& ch : result) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return result;
}

void LoadLakeMap(LakeTrip& trip, const TIsoMap& map) {
  trip.lastCol = map.lastCol;
  trip.lastRow = map.lastRow;
  trip.tileWidth = map.tileWidth;
  trip.tileHeight = map.tileHeight;
  for (int32_t col = 0; col <= map.lastCol; ++col) {
    for (int32_t row = 0; row <= map.lastRow; ++row) {
      trip.cells[col][row] = TileCell{map.Cell(col, row), 0};
    }
  }
  for (int i = 0; i < kMapObjects; ++i) {
    const TIsoObject& source = map.objects[i];
    MapObject& object = trip.mapObjects[i];
    object.col = source.col;
    object.row = source.row;
    object.active = source.active;
    object.name = NormalizedObjectName(source.name);
    object.param = source.param.substr(0, 36);
    object.text = source.text.substr(0, 255);
  }
}
