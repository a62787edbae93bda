// The lake map reader and writer: byte layout, round trips, and clean errors for malformed files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fishing/iso_map.h"
#include "media/errors.h"

namespace {

TIsoMap SmallMap() {
  TIsoMap map;
  map.lastCol = 2;
  map.lastRow = 4;
  map.cells.assign(3 * 5, 4);
  map.Cell(1, 2) = 3;
  map.Cell(2, 4) = -1;
  map.Cell(0, 0) = 52;
  map.objects[0] = {1, 2, "levelstart", "", 1, ""};
  map.objects[1] = {2, 3, "Buoy ", "", 1, "WELCOME TO THE LAKE"};
  map.objects[64] = {0, 1, std::string(36, 'n'), std::string(36, 'p'), 255, std::string(255, 't')};
  return map;
}

int32_t Int32At(const std::vector<uint8_t>& bytes, size_t offset) {
  return static_cast<int32_t>(bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
                              (uint32_t{bytes[offset + 3]} << 24));
}

void SetInt32(std::vector<uint8_t>& bytes, size_t offset, int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

TIsoMap Read(const std::vector<uint8_t>& bytes) { return ReadIsoMap(bytes.data(), bytes.size()); }

std::string ErrorOf(const std::vector<uint8_t>& bytes) {
  try {
    Read(bytes);
  } catch (const Exception& e) {
    return e.Message();
  }
  return "no error";
}

TEST(WorldIsoMap, EncodesTheDocumentedLayout) {
  const TIsoMap map = SmallMap();
  const std::vector<uint8_t> bytes = EncodeIsoMap(map);
  ASSERT_EQ(bytes.size(), size_t{kIsoHeaderSize} + 4 * 15 + kMapObjectCount * kMapObjectRecordSize);
  EXPECT_EQ(Int32At(bytes, 0), 2);
  EXPECT_EQ(Int32At(bytes, 4), 4);
  EXPECT_EQ(Int32At(bytes, 8), 64);
  EXPECT_EQ(Int32At(bytes, 12), 32);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Int32At(bytes, 16 + 4 * i), 0);
  // Column by column: cell (1, 2) is the 5 + 2 = 7th value.
  EXPECT_EQ(Int32At(bytes, 40), 52);
  EXPECT_EQ(Int32At(bytes, 40 + 4 * 7), 3);
  EXPECT_EQ(Int32At(bytes, 40 + 4 * 14), -1);
  const size_t object1 = kIsoHeaderSize + 4 * 15 + kMapObjectRecordSize;
  EXPECT_EQ(Int32At(bytes, object1), 2);
  EXPECT_EQ(Int32At(bytes, object1 + 4), 3);
  EXPECT_EQ(bytes[object1 + 8], 5);  // name length byte
  EXPECT_EQ(std::string(bytes.begin() + object1 + 9, bytes.begin() + object1 + 14), "Buoy ");
  EXPECT_EQ(bytes[object1 + 8 + 37 + 37], 1);        // active
  EXPECT_EQ(bytes[object1 + 8 + 37 + 37 + 1], 19);   // text length byte
}

TEST(WorldIsoMap, ReadGivesBackWhatWasWritten) {
  const TIsoMap map = SmallMap();
  const TIsoMap back = Read(EncodeIsoMap(map));
  EXPECT_EQ(back.lastCol, map.lastCol);
  EXPECT_EQ(back.lastRow, map.lastRow);
  EXPECT_EQ(back.tileWidth, 64);
  EXPECT_EQ(back.tileHeight, 32);
  EXPECT_EQ(back.cells, map.cells);
  for (int i = 0; i < kMapObjectCount; ++i) {
    EXPECT_EQ(back.objects[i].col, map.objects[i].col);
    EXPECT_EQ(back.objects[i].row, map.objects[i].row);
    EXPECT_EQ(back.objects[i].name, map.objects[i].name);  // kept as stored, blanks and case too
    EXPECT_EQ(back.objects[i].param, map.objects[i].param);
    EXPECT_EQ(back.objects[i].active, map.objects[i].active);
    EXPECT_EQ(back.objects[i].text, map.objects[i].text);
  }
}

TEST(WorldIsoMap, IgnoresHeaderExtrasAndTrailingBytes) {
  std::vector<uint8_t> bytes = EncodeIsoMap(SmallMap());
  SetInt32(bytes, 20, 12345);
  bytes.push_back(7);
  EXPECT_EQ(Read(bytes).cells, SmallMap().cells);
}

TEST(WorldIsoMap, LargestGridRoundTripsThroughAFile) {
  TIsoMap map;
  map.lastCol = kMaxMapCol;
  map.lastRow = kMaxMapRow;
  map.cells.assign(size_t{kMaxMapCol + 1} * (kMaxMapRow + 1), 3);
  map.Cell(kMaxMapCol, kMaxMapRow) = 44;
  const std::string path = (std::filesystem::temp_directory_path() / "world_iso_largest.iso").string();
  WriteIsoMap(path, map);
  const TIsoMap back = ReadIsoMap(path);
  std::remove(path.c_str());
  EXPECT_EQ(back.Cell(kMaxMapCol, kMaxMapRow), 44);
  EXPECT_EQ(back.cells.size(), map.cells.size());
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(WorldIsoMap, RefusesGridsOutsideTheFixedArray) {
  const std::vector<uint8_t> good = EncodeIsoMap(SmallMap());
  struct Case {
    size_t offset;
    int32_t value;
  };
  for (const Case c : {Case{0, -1}, Case{0, 513}, Case{0, INT32_MAX}, Case{4, -1}, Case{4, 2049},
                       Case{4, INT32_MIN}, Case{8, 0}, Case{8, -64}, Case{12, 1}, Case{12, 1 << 30}}) {
    std::vector<uint8_t> bytes = good;
    SetInt32(bytes, c.offset, c.value);
    EXPECT_THROW(Read(bytes), EDataError) << "offset " << c.offset << " value " << c.value;
  }
  std::vector<uint8_t> bytes = good;
  SetInt32(bytes, 0, 600);
  EXPECT_EQ(ErrorOf(bytes), "The map's last column is 600; it must be within 0..512");
}

TEST(WorldIsoMap, EveryTruncationIsAReadError) {
  const std::vector<uint8_t> good = EncodeIsoMap(SmallMap());
  for (size_t length = 0; length < good.size(); ++length) {
    const std::vector<uint8_t> cut(good.begin(), good.begin() + length);
    EXPECT_EQ(ErrorOf(cut), "Stream read error") << "length " << length;
  }
}

TEST(WorldIsoMap, CellsPromisedBeyondTheFileAreRefusedBeforeAllocating) {
  std::vector<uint8_t> bytes(kIsoHeaderSize, 0);
  SetInt32(bytes, 0, kMaxMapCol);
  SetInt32(bytes, 4, kMaxMapRow);
  SetInt32(bytes, 8, 64);
  SetInt32(bytes, 12, 32);
  EXPECT_THROW(Read(bytes), EReadError);
}

TEST(WorldIsoMap, CutsStringLengthsLargerThanTheirField) {
  const std::vector<uint8_t> good = EncodeIsoMap(SmallMap());
  const size_t object64 = kIsoHeaderSize + 4 * 15 + 64 * kMapObjectRecordSize;
  std::vector<uint8_t> bytes = good;
  bytes[object64 + 8] = 37;
  bytes[object64 + 8 + 37] = 255;
  const TIsoMap map = Read(bytes);
  EXPECT_EQ(map.objects[64].name, std::string(36, 'n'));
  EXPECT_EQ(map.objects[64].param, std::string(36, 'p'));
  EXPECT_EQ(map.objects[64].active, 255);
  EXPECT_EQ(map.objects[64].text, std::string(255, 't'));
}

TEST(WorldIsoMap, MissingFileAndUnwritableFolderGiveFileErrors) {
  EXPECT_THROW(ReadIsoMap("/nonexistent-folder/lake.iso"), EFOpenError);
  try {
    ReadIsoMap("/nonexistent-folder/lake.iso");
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file /nonexistent-folder/lake.iso");
  }
  EXPECT_THROW(WriteIsoMap("/nonexistent-folder/lake.iso", SmallMap()), EStreamError);
}

TEST(WorldIsoMap, WriterRefusesMapsTheFormatCannotHold) {
  TIsoMap map = SmallMap();
  map.cells.pop_back();
  EXPECT_THROW(EncodeIsoMap(map), EDataError);
  map = SmallMap();
  map.objects[5].name = std::string(37, 'x');
  EXPECT_THROW(EncodeIsoMap(map), EDataError);
  map = SmallMap();
  map.objects[5].text = std::string(256, 'x');
  EXPECT_THROW(EncodeIsoMap(map), EDataError);
  map = SmallMap();
  map.lastCol = 513;
  EXPECT_THROW(EncodeIsoMap(map), EDataError);
}

}  // namespace
