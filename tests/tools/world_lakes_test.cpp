// The generated lakes: a campaign a player can work through, and maps that play can use - on the
// grid, with the boat on water, the whole lake reachable, shores that match their neighbours and
// objects with their markers where play will meet them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "fishing/iso_map.h"
#include "fishing/lake_map.h"
#include "fishing/map_objects.h"
#include "media/bitmap_file.h"
#include "tests/tools/world_data.h"
#include "tools/assetgen/tile_set.h"

namespace {

using world_test::DataFolder;
using world_test::LakeFile;
using world_test::LakeNames;

struct TLakeValues {
  std::string name;
  int maxFish, maxMonster, biggest, difficulty, time, entryFee, prizeMoney, limit, winIf, level;
  bool timed;
  std::string kind, imageLib;
};

TLakeValues ReadValues(const std::string& name) {
  const TIniFile ini(LakeFile(name, ".ini"));
  auto number = [&](const char* key) { return ini.ReadInteger("Lake Data", key, -12345); };
  return {name,
          number("MaxFish"),
          number("Maxmonster"),
          number("Biggest"),
          number("Difficulty"),
          number("Time"),
          number("EntryFee"),
          number("PrizeMoney"),
          number("Limit"),
          number("WinIf"),
          number("Level"),
          ini.ReadBool("Lake Data", "Timed", false),
          ini.ReadString("Lake Data", "MonsterKind", ""),
          ini.ReadString("Lake Data", "ImageLib", "")};
}

TMapGeometry Geometry(const TIsoMap& map) { return {map.tileWidth, map.tileHeight, map.lastCol, map.lastRow}; }

// The cells next to (col, row) across its four diamond edges, found by the cell lookup of play
// just outside the middle of each edge: north-west, north-east, south-east, south-west.
std::vector<TCell> EdgeNeighbours(const TIsoMap& map, int col, int row) {
  const int x0 = col * 64 + (row % 2) * 32;
  const int y0 = row * 16;
  const int probes[4][2] = {{x0 + 14, y0 + 5}, {x0 + 50, y0 + 5}, {x0 + 50, y0 + 27}, {x0 + 14, y0 + 27}};
  std::vector<TCell> cells;
  for (const auto& p : probes) cells.push_back(TileAt(Geometry(map), p[0], p[1]));
  return cells;
}

TEST(WorldLakes, CampaignOpensEveryLakeAndPaysForTheBestGear) {
  WORLD_NEEDS_DATA();
  const std::vector<std::string> names = LakeNames();
  ASSERT_GE(names.size(), 9u);
  EXPECT_EQ(names.back(), "World_Championship");

  std::vector<TLakeValues> lakes;
  for (const std::string& name : names) lakes.push_back(ReadValues(name));
  // The practice lake is free and has no contest; the player starts with $50 and two lakes.
  EXPECT_EQ(lakes[0].winIf, 0);
  EXPECT_EQ(lakes[0].entryFee, 0);
  EXPECT_LE(lakes[1].entryFee, 50);

  std::set<std::string> kinds;
  int lakesOpen = 2;
  long long earned = 0;
  for (size_t i = 0; i < lakes.size(); ++i) {
    const TLakeValues& lake = lakes[i];
    SCOPED_TRACE(lake.name);
    EXPECT_LT(static_cast<int>(i), lakesOpen) << "no earlier lake opens this one";
    EXPECT_GE(lake.biggest, 3);
    EXPECT_LT(lake.difficulty, 100);
    EXPECT_GE(lake.maxFish, lake.limit);
    EXPECT_LE(lake.maxFish, 257);
    EXPECT_LE(lake.maxMonster, 257);
    EXPECT_TRUE(lake.imageLib == "canada.dxg" || lake.imageLib == "tropic.dxg");
    if (lake.maxMonster > 0) {
      EXPECT_TRUE(lake.kind == "Serpent" || lake.kind == "Gator" || lake.kind == "Kraken") << lake.kind;
      kinds.insert(lake.kind);
    }
    if (lake.timed) {
      EXPECT_GE(lake.time, 120);
    }
    if (i > 0) {
      EXPECT_GT(lake.winIf, 0);
      EXPECT_GE(lake.entryFee, lakes[i - 1].entryFee);
      EXPECT_GT(lake.prizeMoney, lake.entryFee);
      // A limit of average fish (length Biggest / 2, weight about a third of it plus one) can win.
      const double average = lake.biggest / 2.0 / 3.0 + 1.0;
      EXPECT_LE(lake.winIf, lake.limit * average) << "the contest is out of reach";
      earned += lake.prizeMoney - lake.entryFee;
    }
    lakesOpen = std::max(lakesOpen, lake.level);
  }
  EXPECT_GE(kinds.size(), 2u);
  EXPECT_TRUE(std::any_of(lakes.begin(), lakes.end(), [](const TLakeValues& l) { return l.timed; }));
  // Winning each contest once buys every lure, rod and boat upgrade.
  EXPECT_GE(earned, 25 + 50 + 100 + 250 + 500 + 1000 + 5000 + 15000);
}

TEST(WorldLakes, MapsFitTheGridAndStartTheBoatOnReachableWater) {
  WORLD_NEEDS_DATA();
  for (const std::string& name : LakeNames()) {
    SCOPED_TRACE(name);
    const TIsoMap map = ReadIsoMap(LakeFile(name, ".iso"));
    EXPECT_LE(map.lastCol, kMaxMapCol);
    EXPECT_LE(map.lastRow, kMaxMapRow);
    EXPECT_EQ(map.tileWidth, 64);
    EXPECT_EQ(map.tileHeight, 32);
    // Big enough to explore: several screens each way once the camera's 64-pixel margins are off.
    EXPECT_GE(map.lastCol * 64 - 128, 2 * 640);
    EXPECT_GE(map.lastRow * 16 - 128, 4 * 380);

    // Land all round, cell (0, 0) included: points beyond the map count as that cell, so the boat
    // cannot leave and the fish placed at random all land in the lake itself.
    for (int c = 0; c <= map.lastCol; ++c) {
      EXPECT_FALSE(IsWaterTile(map.Cell(c, 0)));
      EXPECT_FALSE(IsWaterTile(map.Cell(c, map.lastRow)));
    }
    for (int r = 0; r <= map.lastRow; ++r) {
      EXPECT_FALSE(IsWaterTile(map.Cell(0, r)));
      EXPECT_FALSE(IsWaterTile(map.Cell(map.lastCol, r)));
    }
    EXPECT_FALSE(IsPlacementTile(map.Cell(0, 0)));

    int boatX = 300, boatY = 300;
    for (const TIsoObject& object : map.objects) {
      if (object.name == "levelstart") {
        boatX = object.col * 64;
        boatY = object.row * 16;
      }
    }
    const TCell start = TileAt(Geometry(map), boatX, boatY);
    ASSERT_TRUE(IsWaterTile(map.Cell(start.col, start.row)));
    for (const TCell n : EdgeNeighbours(map, start.col, start.row)) EXPECT_TRUE(IsWaterTile(map.Cell(n.col, n.row)));

    // Every water cell can be reached by boat from the start (through diamond edges).
    std::set<std::pair<int, int>> seen{{start.col, start.row}};
    std::deque<TCell> queue{start};
    while (!queue.empty()) {
      const TCell cell = queue.front();
      queue.pop_front();
      for (const TCell n : EdgeNeighbours(map, cell.col, cell.row)) {
        if (IsWaterTile(map.Cell(n.col, n.row)) && seen.insert({n.col, n.row}).second) queue.push_back(n);
      }
    }
    int water = 0;
    int placement = 0;
    for (int c = 0; c <= map.lastCol; ++c) {
      for (int r = 0; r <= map.lastRow; ++r) {
        if (IsWaterTile(map.Cell(c, r))) {
          ++water;
          EXPECT_TRUE(seen.count({c, r})) << "water cell (" << c << ", " << r << ") cannot be reached";
        }
        placement += IsPlacementTile(map.Cell(c, r));
      }
    }
    // Fish are placed where the tile is below 4; a quarter of the map at least keeps that quick.
    EXPECT_GE(placement * 4, (map.lastCol + 1) * (map.lastRow + 1)) << water << " water cells";
  }
}

TEST(WorldLakes, ShorePiecesMatchTheWaterAcrossEachEdge) {
  WORLD_NEEDS_DATA();
  for (const std::string& name : LakeNames()) {
    SCOPED_TRACE(name);
    const TIsoMap map = ReadIsoMap(LakeFile(name, ".iso"));
    int shores = 0;
    for (int c = 1; c < map.lastCol; ++c) {
      for (int r = 2; r < map.lastRow - 1; ++r) {
        const int tile = map.Cell(c, r);
        if (tile < tiles::kGrass || tile >= tiles::kSand + 16) continue;
        const int mask = (tile - tiles::kGrass) % 16;
        const std::vector<TCell> n = EdgeNeighbours(map, c, r);
        for (int k = 0; k < 4; ++k) {
          // Markers stand in the water, so they count as water beside a shore.
          const int other = map.Cell(n[k].col, n[k].row);
          const bool wet = IsWaterTile(other) || other >= tiles::kBuoyMarker;
          EXPECT_EQ(wet, (mask >> k & 1) != 0) << "cell (" << c << ", " << r << ") edge " << k;
        }
        shores += mask != 0;
      }
    }
    EXPECT_GT(shores, 50);
  }
}

TEST(WorldLakes, ObjectsSitOnTheirMarkersAndSwimmersOnWater) {
  WORLD_NEEDS_DATA();
  for (const std::string& name : LakeNames()) {
    SCOPED_TRACE(name);
    const TLakeValues values = ReadValues(name);
    const TIsoMap map = ReadIsoMap(LakeFile(name, ".iso"));
    std::map<std::string, int> count;
    for (const TIsoObject& object : map.objects) {
      if (object.name.empty()) continue;
      ++count[object.name];
      EXPECT_EQ(object.active, 1);
      const int tile = map.Cell(object.col, object.row);
      if (object.name == "buoy") {
        EXPECT_EQ(tile, tiles::kBuoyMarker);
      }
      if (object.name == "talk") {
        EXPECT_EQ(tile, tiles::kTalkMarker);
      }
      if (object.name == "treasure") {
        EXPECT_EQ(tile, tiles::kTreasureMarker);
      }
      if (object.name == "moretime") {
        EXPECT_EQ(tile, tiles::kTimeMarker);
      }
      if (object.name == "buoy" || object.name == "talk") {
        EXPECT_FALSE(object.text.empty());
        EXPECT_LE(object.text.size(), 120u) << "too long to read in the picture";
      }
      if (object.name == "treasure" || object.name == "moretime") {
        ASSERT_TRUE(WholeNumber(object.param).has_value());
        EXPECT_GT(*WholeNumber(object.param), 0);
      }
      if (object.name == "singlefish" || object.name == "monster") {
        const auto slot = WholeNumber(object.param);
        ASSERT_TRUE(slot.has_value());
        EXPECT_LT(*slot, object.name == "singlefish" ? values.maxFish : values.maxMonster);
        const TCell at = TileAt(Geometry(map), (object.col + 1) * 64, (object.row + 1) * 16);
        EXPECT_TRUE(IsWaterTile(map.Cell(at.col, at.row)));
      }
    }
    EXPECT_EQ(count["levelstart"], 1);
    EXPECT_GE(count["buoy"], 2);
    EXPECT_GE(count["talk"], 1);
    EXPECT_GE(count["treasure"], 1);
    EXPECT_EQ(count["moretime"] > 0, values.timed);
  }
}

TEST(WorldLakes, MapPicturesAreReadableOverviews) {
  WORLD_NEEDS_DATA();
  for (const std::string& name : LakeNames()) {
    SCOPED_TRACE(name);
    const TPicture picture = ReadBitmapFile(LakeFile(name, ".bmp"));
    EXPECT_EQ(picture.Width, 200);
    EXPECT_EQ(picture.Height, 198);
    std::set<uint32_t> colours(picture.Pixels.begin(), picture.Pixels.end());
    EXPECT_GT(colours.size(), 8u);
  }
}

TEST(WorldLakes, OptionsFileRunsAtSixtyFramesWithDefaultsOtherwise) {
  WORLD_NEEDS_DATA();
  const TIniFile ini((DataFolder() / "tarnhook.ini").string());
  EXPECT_EQ(ini.ReadInteger("Tarnhook", "speed", -1), 1);
  EXPECT_EQ(ini.ReadInteger("Tarnhook", "flip", -1), 0);
  EXPECT_EQ(ini.ReadInteger("Tarnhook", "mousedrive", -1), 1);
  EXPECT_EQ(ini.ReadInteger("Tarnhook", "keydrive", -1), 0);
  EXPECT_EQ(ini.ReadInteger("Tarnhook", "soundon", -1), 1);
  EXPECT_EQ(ini.ReadInteger("Tarnhook", "soundoff", -1), 0);
  EXPECT_EQ(ini.ReadInteger("Tarnhook", "bgsound", -1), 1);
}

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(WorldLakes, GenerationGivesTheSameBytesEveryTime) {
  const std::filesystem::path tool = std::filesystem::path(TH_BIN_DIR) / ".." / "tools" / "assetgen_world";
  if (!std::filesystem::exists(tool)) GTEST_SKIP() << "assetgen_world is not built";
  const std::filesystem::path base = std::filesystem::temp_directory_path() / "world_determinism";
  std::filesystem::remove_all(base);
  for (const char* run : {"a", "b"}) {
    const std::string command = tool.string() + " " + (base / run).string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(base / "a")) {
    if (!entry.is_regular_file()) continue;
    const auto relative = std::filesystem::relative(entry.path(), base / "a");
    EXPECT_EQ(Slurp(entry.path()), Slurp(base / "b" / relative)) << relative;
    ++files;
  }
  EXPECT_GE(files, 2 + 8 * 3 + 2);  // the practice lake comes from its text map, not from here
  std::filesystem::remove_all(base);
}

}  // namespace
