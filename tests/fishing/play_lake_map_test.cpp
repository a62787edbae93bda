// The lake map during a trip: the cell lookup, the tile classes, object names, and the checks that
// refuse a lake play cannot run.
#include <gtest/gtest.h>

#include "fishing/iso_map.h"
#include "fishing/lake_check.h"
#include "fishing/lake_map.h"
#include "fishing/map_objects.h"
#include "media/errors.h"
#include "play_rig.h"

namespace {

using play_test::SetObject;
using play_test::WaterMap;

const TMapGeometry kMap{64, 32, 20, 40};

TEST(PlayTileAt, CentresAndSharedEdges) {
  EXPECT_EQ(TileAt(kMap, 32, 16), (TCell{0, 0}));
  // Row 1 is staggered half a tile to the right.
  EXPECT_EQ(TileAt(kMap, 64, 32), (TCell{0, 1}));
  EXPECT_EQ(TileAt(kMap, 96 + 32, 48 + 16), (TCell{1, 3}));
  // The edge between (0, 0) and (0, 1): the later cell of the scan wins.
  EXPECT_EQ(TileAt(kMap, 48, 24), (TCell{0, 1}));
  // The corner that four diamonds share goes to the highest row, then the highest column.
  EXPECT_EQ(TileAt(kMap, 64, 16), (TCell{0, 1}));
  EXPECT_EQ(TileAt(kMap, 640, 160), (TCell{9, 9}));
}

TEST(PlayTileAt, OffTheMapIsCellZero) {
  EXPECT_EQ(TileAt(kMap, 100000, 100), (TCell{0, 0}));
  EXPECT_EQ(TileAt(kMap, -500, -500), (TCell{0, 0}));
  EXPECT_EQ(TileAt(kMap, 100, 5000), (TCell{0, 0}));
  EXPECT_EQ(TileAt(kMap, INT32_MAX, INT32_MIN), (TCell{0, 0}));
  // Above row 0 a half diamond of the row before it is found and clamped into the map.
  EXPECT_EQ(TileAt(kMap, 64, 0), (TCell{1, 0}));
}

TEST(PlayTileAt, TestsAtMostTheNineNeighbours) {
  // A point in the last column's right half lies beyond every scanned cell once clamped.
  const TMapGeometry small{64, 32, 2, 4};
  EXPECT_EQ(TileAt(small, 2 * 64 + 32, 16), (TCell{2, 0}));
  EXPECT_EQ(TileAt(small, 3 * 64 + 40, 16), (TCell{0, 0}));
}

TEST(PlayTileClasses, WaterAndPlacement) {
  for (int tile : {0, 1, 2, 3, 44, 48, 52}) EXPECT_TRUE(IsWaterTile(tile)) << tile;
  for (int tile : {-1, 4, 20, 43, 53, 1000}) EXPECT_FALSE(IsWaterTile(tile)) << tile;
  EXPECT_TRUE(IsPlacementTile(-1));
  EXPECT_TRUE(IsPlacementTile(3));
  EXPECT_FALSE(IsPlacementTile(4));
  EXPECT_FALSE(IsPlacementTile(44));
}

TEST(PlayObjects, NamesAreLowerCasedAndTrimmed) {
  EXPECT_EQ(NormalizedObjectName("Buoy "), "buoy");
  EXPECT_EQ(NormalizedObjectName("  LevelStart\t"), "levelstart");
  EXPECT_EQ(NormalizedObjectName(std::string(36, 'X')), std::string(36, 'x'));

  auto trip = std::make_unique<LakeTrip>();
  TIsoMap map = WaterMap(10, 30);
  SetObject(map, 3, 5, 6, " TREASURE ", "10");
  map.Cell(4, 7) = -1;
  trip->cells[4][7].frame = 9;
  LoadLakeMap(*trip, map);
  EXPECT_EQ(trip->mapObjects[3].name, "treasure");
  EXPECT_EQ(trip->mapObjects[3].param, "10");
  EXPECT_EQ(trip->cells[4][7].tile, -1);
  EXPECT_EQ(trip->cells[4][7].frame, 0);
  EXPECT_EQ(trip->lastRow, 30);
}

TEST(PlayObjects, LengthBytesPastTheFieldAreCutToIt) {
  // A lake file whose name and param claim more characters than their 36-character fields.
  TIsoMap map = WaterMap(10, 30);
  SetObject(map, 2, 5, 6, "Treasure" + std::string(28, ' '), std::string(35, '0') + "7");
  std::vector<uint8_t> bytes = EncodeIsoMap(map);
  const size_t record = kIsoHeaderSize + 4 * map.cells.size() + 2 * kMapObjectRecordSize;
  bytes[record + 8] = 60;
  bytes[record + 8 + 37] = 200;
  const TIsoMap read = ReadIsoMap(bytes.data(), bytes.size());
  EXPECT_EQ(read.objects[2].param, std::string(35, '0') + "7");
  EXPECT_EQ(read.objects[2].active, 1);
  auto trip = std::make_unique<LakeTrip>();
  LoadLakeMap(*trip, read);
  EXPECT_EQ(trip->mapObjects[2].name, "treasure");
  EXPECT_EQ(WholeNumber(trip->mapObjects[2].param), 7);
  EXPECT_EQ(trip->mapObjects[3].name, "");
}

TEST(PlayObjects, WholeNumbers) {
  EXPECT_EQ(WholeNumber("25"), 25);
  EXPECT_EQ(WholeNumber(" -7 "), -7);
  EXPECT_EQ(WholeNumber("$10"), 16);
  EXPECT_FALSE(WholeNumber(""));
  EXPECT_FALSE(WholeNumber("1.5"));
  EXPECT_FALSE(WholeNumber("ten"));
  EXPECT_FALSE(WholeNumber("99999999999"));
}

std::string Refusal(const LakeTrip& trip, const TIsoMap& map) {
  try {
    CheckLakeValues(trip);
    CheckLakeMap(trip, map);
  } catch (const EDataError& error) {
    return error.Message();
  }
  return {};
}

TEST(PlayLakeCheck, LakeValuesAtTheirBounds) {
  auto trip = std::make_unique<LakeTrip>();
  const TIsoMap map = WaterMap(20, 60);
  trip->lastFish = 256;
  trip->lastMonster = 256;
  trip->Difficulty = 99;
  trip->Biggest = 3;
  EXPECT_EQ(Refusal(*trip, map), "");
  trip->lastFish = -1;
  trip->lastMonster = -1;
  EXPECT_EQ(Refusal(*trip, map), "");

  trip->lastFish = 257;
  EXPECT_NE(Refusal(*trip, map).find("MaxFish is 258"), std::string::npos);
  trip->lastFish = -2;
  EXPECT_NE(Refusal(*trip, map).find("MaxFish is -1"), std::string::npos);
  trip->lastFish = 0;
  trip->lastMonster = 257;
  EXPECT_NE(Refusal(*trip, map).find("Maxmonster is 258"), std::string::npos);
  trip->lastMonster = 0;
  trip->Difficulty = 100;
  EXPECT_NE(Refusal(*trip, map).find("Difficulty is 100"), std::string::npos);
  trip->Difficulty = 10;
  trip->Biggest = 2;
  EXPECT_NE(Refusal(*trip, map).find("Biggest is 2"), std::string::npos);
}

TEST(PlayLakeCheck, ObjectParams) {
  auto trip = std::make_unique<LakeTrip>();
  trip->lastFish = 3;
  trip->lastMonster = 0;
  trip->Biggest = 10;
  TIsoMap map = WaterMap(20, 60);
  SetObject(map, 0, 5, 10, "singlefish", "256");
  SetObject(map, 1, 6, 10, "Monster", "0");
  SetObject(map, 2, 7, 10, "treasure", " 50 ");
  SetObject(map, 3, 8, 10, "moretime", "$1E");
  SetObject(map, 4, 9, 10, "anything", "not a number");
  EXPECT_EQ(Refusal(*trip, map), "");

  for (const char* bad : {"257", "-1", "1.0", "", "fish"}) {
    TIsoMap copy = map;
    copy.objects[0].param = bad;
    EXPECT_NE(Refusal(*trip, copy).find("map object 0"), std::string::npos) << bad;
  }
  TIsoMap copy = map;
  copy.objects[1].param = "300";
  EXPECT_NE(Refusal(*trip, copy).find("map object 1 (\"monster\") names slot 300"), std::string::npos);
  copy = map;
  copy.objects[2].param = "1.5";
  EXPECT_NE(Refusal(*trip, copy).find("\"1.5\", which is not a whole number"), std::string::npos);
  copy = map;
  copy.objects[3].param = "soon";
  EXPECT_NE(Refusal(*trip, copy).find("map object 3"), std::string::npos);
  copy = map;
  copy.objects[0].col = 513;
  EXPECT_NE(Refusal(*trip, copy).find("outside the map grid"), std::string::npos);
}

TEST(PlayLakeCheck, WaterForPlacement) {
  auto trip = std::make_unique<LakeTrip>();
  trip->lastFish = 0;
  trip->lastMonster = -1;
  TIsoMap land = WaterMap(20, 60);
  for (int32_t& tile : land.cells) tile = 5;
  EXPECT_NE(Refusal(*trip, land).find("no open water where fish"), std::string::npos);

  // No fish, no monsters: nothing needs placing.
  trip->lastFish = -1;
  EXPECT_EQ(Refusal(*trip, land), "");

  // A pond of two cells: fish fit; monsters do not when the boat starts in it.
  TIsoMap pond = land;
  pond.Cell(8, 30) = 3;
  pond.Cell(8, 31) = 3;
  trip->lastFish = 5;
  EXPECT_EQ(Refusal(*trip, pond), "");
  trip->lastMonster = 0;
  SetObject(pond, 0, 8, 31, "levelstart", "");
  EXPECT_NE(Refusal(*trip, pond).find("for its monsters"), std::string::npos);
  pond.objects[0].row = 10;
  EXPECT_EQ(Refusal(*trip, pond), "");

  // Cells without a tile (-1) count as placement tiles.
  TIsoMap empty = land;
  empty.Cell(10, 20) = -1;
  EXPECT_EQ(Refusal(*trip, empty), "");

  // Water only in the last column is never reached by the draw (x stays below lastCol x width).
  TIsoMap edge = land;
  for (int r = 0; r <= 60; r += 2) edge.Cell(20, r) = 3;
  trip->lastMonster = -1;
  EXPECT_NE(Refusal(*trip, edge).find("no open water"), std::string::npos);
}

}  // namespace
