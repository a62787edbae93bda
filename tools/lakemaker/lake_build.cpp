#include "tools/lakemaker/lake_build.h"

#include <algorithm>
#include <optional>

#include "fishing/lake_check.h"
#include "fishing/lake_map.h"
#include "fishing/lake_trip.h"
#include "fishing/map_objects.h"
#include "media/errors.h"
#include "tools/lakemaker/shore_rule.h"
#include "tools/lakemaker/tile_key.h"

namespace {

// The marker tile an object stands on, or -1 for objects without one.
int32_t MarkerOf(const std::string& name) {
  if (name == "buoy") return 53;
  if (name == "treasure") return 54;
  if (name == "moretime") return 55;
  if (name == "talk") return 56;
  return -1;
}

bool OnMap(const TIsoMap& map, int32_t col, int32_t row) {
  return col >= 0 && col <= map.lastCol && row >= 0 && row <= map.lastRow;
}

std::string KindText(int32_t tile) {
  const TTileKind* kind = KindOfTile(tile);
  return kind ? DescribeKind(*kind) : Fmt("tile %d", tile);
}

// The letters the picture fonts of play can draw.
const std::string& FontGlyphs() {
  static const std::string glyphs = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 \"<>=()-'!_+\\/{}^&%.$#?*";
  return glyphs;
}

TCell StartCell(const TIsoMap& map, int32_t& x, int32_t& y) {
  x = 300;
  y = 300;
  for (const TIsoObject& object : map.objects) {
    if (NormalizedObjectName(object.name) == "levelstart") {
      x = object.col * map.tileWidth;
      y = object.row * (map.tileHeight / 2);
    }
  }
  return TileAt(TMapGeometry{map.tileWidth, map.tileHeight, map.lastCol, map.lastRow}, x, y);
}

// Water cells joined to the start through diamond edges (markers and land stop the boat).
std::vector<char> ReachableWater(const TIsoMap& map, TCell start) {
  const size_t rows = static_cast<size_t>(map.lastRow) + 1;
  std::vector<char> seen(map.cells.size(), 0);
  if (!IsWaterTile(map.Cell(start.col, start.row))) return seen;
  std::vector<TCell> stack{start};
  seen[start.col * rows + start.row] = 1;
  while (!stack.empty()) {
    const TCell cell = stack.back();
    stack.pop_back();
    const TNeighbours n = DiamondNeighbours(cell.col, cell.row, map.lastCol, map.lastRow);
    for (int k = 0; k < 4; ++k) {
      if (n.col[k] < 0) continue;
      char& mark = seen[n.col[k] * rows + n.row[k]];
      if (mark || !IsWaterTile(map.Cell(n.col[k], n.row[k]))) continue;
      mark = 1;
      stack.push_back({n.col[k], n.row[k]});
    }
  }
  return seen;
}

class TChecker {
 public:
  TChecker(const TLakeSource& source, const TIsoMap& map, TSourceProblems& problems, std::vector<std::string>& notes)
      : s_(source), map_(map), problems_(problems), notes_(notes) {}

  void Run() {
    if (s_.cells.empty()) return;
    Ring();
    for (const TSourceObject& object : s_.objects) Object(object);
    for (const TTileOverride& tile : s_.tiles) {
      if (!OnMap(map_, tile.col, tile.row)) {
        problems_.Add(Fmt("line %d: the cell %d, %d is off the map (%s).", tile.line, tile.col, tile.row, Extent().c_str()));
      }
    }
    Start();
    PlainWater();
    AsPlayWould();
  }

 private:
  std::string Extent() const {
    return Fmt("columns 0..%d, rows 0..%d", map_.lastCol, map_.lastRow);
  }

  // Beyond the map play finds cell (0, 0), and the view never shows the outer cells: water there
  // would let the boat and the fish leave the lake.
  void Ring() {
    for (int32_t c = 0; c <= map_.lastCol; ++c) {
      for (int32_t r = 0; r <= map_.lastRow; ++r) {
        if (c != 0 && r != 0 && c != map_.lastCol && r != map_.lastRow) continue;
        if (!IsWaterTile(map_.Cell(c, r))) continue;
        problems_.Add(s_.Where(c, r) + ": " + KindText(map_.Cell(c, r)) +
                      " on the edge of the map; the outer ring must be land, or the boat could leave the lake.");
      }
    }
  }

  void Object(const TSourceObject& object) {
    const std::string name = NormalizedObjectName(object.name);
    const std::string what = Fmt("line %d: %s at column %d, row %d", object.line, name.c_str(), object.col, object.row);
    if (!OnMap(map_, object.col, object.row)) {
      problems_.Add(what + " is off the map (" + Extent() + ").");
      return;
    }
    const int32_t marker = MarkerOf(name);
    const int32_t under = s_.cells[static_cast<size_t>(object.col) * s_.rows + object.row];
    if (marker >= 0 && !IsWaterTile(under) && under != marker) {
      problems_.Add(what + " stands on " + KindText(under) + " (" + s_.Where(object.col, object.row) +
                    "); it must be on water, where its marker floats.");
    }
    const bool swimmer = name == "singlefish" || name == "monster";
    if (swimmer || name == "treasure" || name == "moretime") {
      const std::optional<int32_t> value = WholeNumber(object.param);
      if (!value) {
        problems_.Add(what + ": its value \"" + object.param + "\" is not a whole number" +
                      (swimmer ? " (the fish's slot)." : name == "treasure" ? " (dollars)." : " (seconds)."));
        return;
      }
      if (swimmer) Swimmer(object, name, what, *value);
    }
    if (name == "buoy" || name == "talk") Text(object, what);
    if (name != "levelstart" && name != "singlefish" && name != "monster" && marker < 0) {
      notes_.push_back(what + ": play knows no object \"" + name + "\"; it does nothing.");
    }
  }

  // A fish or monster of the object circles or lurks at ((col + 1) * 64, (row + 1) * 16).
  void Swimmer(const TSourceObject& object, const std::string& name, const std::string& what, int32_t slot) {
    const int32_t count = name == "singlefish" ? s_.rules.MaxFish : s_.rules.Maxmonster;
    if (slot < 0 || slot >= count) {
      problems_.Add(what + Fmt(": slot %d, but the lake's %d %s use slots 0..%d, so it would never swim.", slot, count,
                               name == "singlefish" ? "fish" : "monsters", count - 1));
    }
    const int32_t x = (object.col + 1) * map_.tileWidth;
    const int32_t y = (object.row + 1) * (map_.tileHeight / 2);
    const TCell cell = TileAt(TMapGeometry{map_.tileWidth, map_.tileHeight, map_.lastCol, map_.lastRow}, x, y);
    if (!IsWaterTile(map_.Cell(cell.col, cell.row))) {
      problems_.Add(what + Fmt(": it swims at pixel (%d, %d), in cell %d, %d, which is ", x, y, cell.col, cell.row) +
                    KindText(map_.Cell(cell.col, cell.row)) + "; it must be water.");
    }
  }

  void Text(const TSourceObject& object, const std::string& what) {
    for (const char ch : object.text) {
      if (FontGlyphs().find(ch) == std::string::npos) {
        notes_.push_back(what + ": play's picture fonts cannot draw '" + std::string(1, ch) +
                         "' (they know capitals, digits, the blank and \"<>=()-'!_+\\/{}^&%.$#?*).");
        return;
      }
    }
  }

  void Start() {
    int32_t x = 0;
    int32_t y = 0;
    const TCell start = StartCell(map_, x, y);
    const std::string where = s_.Where(start.col, start.row);
    if (!IsWaterTile(map_.Cell(start.col, start.row))) {
      problems_.Add(Fmt("The boat starts at pixel (%d, %d), in cell %d, %d (", x, y, start.col, start.row) + where +
                    "), which is " + KindText(map_.Cell(start.col, start.row)) +
                    "; put the levelstart object on water.");
      return;
    }
    const std::vector<char> reach = ReachableWater(map_, start);
    if (std::count(reach.begin(), reach.end(), 1) <= 1) {
      problems_.Add(Fmt("No water is reachable from the boat's start in cell %d, %d (", start.col, start.row) + where +
                    "): land or markers close it in.");
      return;
    }
    const size_t rows = static_cast<size_t>(map_.lastRow) + 1;
    for (const TSourceObject& object : s_.objects) {
      const std::string name = NormalizedObjectName(object.name);
      if (MarkerOf(name) < 0 || !OnMap(map_, object.col, object.row)) continue;
      const TNeighbours n = DiamondNeighbours(object.col, object.row, map_.lastCol, map_.lastRow);
      bool reached = false;
      for (int k = 0; k < 4; ++k) reached = reached || (n.col[k] >= 0 && reach[n.col[k] * rows + n.row[k]]);
      if (!reached) {
        problems_.Add(Fmt("line %d: %s at column %d, row %d cannot be reached from the boat's start.", object.line,
                          name.c_str(), object.col, object.row));
      }
    }
  }

  // Fish and monsters are placed on plain water (tiles 0..3) only.
  void PlainWater() {
    const int64_t plain = std::count_if(map_.cells.begin(), map_.cells.end(),
                                        [](int32_t tile) { return tile >= 0 && tile <= 3; });
    const int64_t need = int64_t{s_.rules.MaxFish} + s_.rules.Maxmonster;
    if (plain < need) {
      problems_.Add(Fmt("The map has %lld plain-water cells ('~', '-', '=', '*'), fewer than the %lld its %d fish "
                        "and %d monsters need, one each.", static_cast<long long>(plain),
                        static_cast<long long>(need), s_.rules.MaxFish, s_.rules.Maxmonster));
    }
  }

  void AsPlayWould() {
    if (!problems_.Empty()) return;
    auto trip = std::make_unique<LakeTrip>();  // holds the whole fixed grid: too big for the stack
    trip->lastFish = s_.rules.MaxFish - 1;
    trip->lastMonster = s_.rules.Maxmonster - 1;
    trip->Biggest = s_.rules.Biggest;
    trip->Difficulty = s_.rules.Difficulty;
    try {
      CheckLakeValues(*trip);
      CheckLakeMap(*trip, map_);
    } catch (const Exception& e) {
      problems_.Add(e.Message());
    }
  }

  const TLakeSource& s_;
  const TIsoMap& map_;
  TSourceProblems& problems_;
  std::vector<std::string>& notes_;
};

}  // namespace

std::unique_ptr<TIsoMap> AssembleLakeMap(const TLakeSource& source) {
  auto map = std::make_unique<TIsoMap>();
  map->lastCol = std::max(source.cols, 1) - 1;
  map->lastRow = std::max(source.rows, 1) - 1;
  map->cells = source.cells;
  map->cells.resize(static_cast<size_t>(map->lastCol + 1) * (map->lastRow + 1), -1);
  for (size_t i = 0; i < source.objects.size() && i < static_cast<size_t>(kMapObjectCount); ++i) {
    const TSourceObject& from = source.objects[i];
    TIsoObject& object = map->objects[i];
    object.col = from.col;
    object.row = from.row;
    object.name = from.name;
    object.param = from.param;
    object.text = from.text;
    object.active = 1;
    const int32_t marker = MarkerOf(NormalizedObjectName(from.name));
    if (marker >= 0 && OnMap(*map, from.col, from.row) && IsWaterTile(map->Cell(from.col, from.row))) {
      map->Cell(from.col, from.row) = marker;
    }
  }
  // Every ground cell is plain until here, so the masks see the final water and markers; a
  // finished shore piece is still land, so the order of the cells does not matter.
  for (int32_t c = 0; c <= map->lastCol; ++c) {
    for (int32_t r = 0; r <= map->lastRow; ++r) {
      int32_t& tile = map->Cell(c, r);
      if (tile == shore::kGrass || tile == shore::kSand) tile += ShoreMask(*map, c, r);
    }
  }
  for (const TTileOverride& tile : source.tiles) {
    if (OnMap(*map, tile.col, tile.row)) map->Cell(tile.col, tile.row) = tile.tile;
  }
  return map;
}

void CheckLakeSource(const TLakeSource& source, const TIsoMap& map, TSourceProblems& problems,
                     std::vector<std::string>& notes) {
  TChecker(source, map, problems, notes).Run();
}
