// The lake map file "lakes\<lake>.iso": the staggered tile grid and the 65 map objects.
//
//   offset  size                          field
//   0       4                             lastCol (int32)
//   4       4                             lastRow (int32)
//   8       4                             tileWidth (int32, pixels)
//   12      4                             tileHeight (int32, pixels)
//   16      24                            six int32 values, read and ignored (written as 0)
//   40      4 * (lastCol+1) * (lastRow+1) cell tile numbers (int32), column by column:
//                                         for each column 0..lastCol its rows 0..lastRow; -1 = no tile
//   then    65 * 339                      the object records
//
// Object record, 339 bytes: col (int32), row (int32), name (37 bytes: length byte + up to 36
// characters), param (37 bytes, same form), active (1 byte), text (256 bytes: length byte + up to
// 255 characters). All integers little-endian; strings are Windows-1252. A name or param whose
// length byte is larger than 36 is cut to the field's 36 characters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kMaxMapCol = 512;   // the grid holds columns 0..512
constexpr int kMaxMapRow = 2048;  // and rows 0..2048
constexpr int kMapObjectCount = 65;
constexpr int kMapObjectRecordSize = 339;
constexpr int kIsoHeaderSize = 40;

struct TIsoObject {
  int32_t col = 0;
  int32_t row = 0;
  std::string name;   // as stored (the reader of play lower-cases and trims it)
  std::string param;
  uint8_t active = 0;
  std::string text;
};

// A map as stored in the file; cells[col * (lastRow + 1) + row].
struct TIsoMap {
  int32_t lastCol = 0;
  int32_t lastRow = 0;
  int32_t tileWidth = 64;
  int32_t tileHeight = 32;
  std::vector<int32_t> cells;
  TIsoObject objects[kMapObjectCount];

  int32_t& Cell(int col, int row) { return cells[static_cast<size_t>(col) * (lastRow + 1) + row]; }
  int32_t Cell(int col, int row) const { return cells[static_cast<size_t>(col) * (lastRow + 1) + row]; }
};

// Reads a whole .iso file. Raises EFOpenError "Cannot open file %s" when it cannot be opened,
// EReadError "Stream read error" when it ends early, and EDataError with a plain-words reason for a
// grid outside 0..512 x 0..2048 or a tile side outside 2..1024 pixels (the cell lookup divides by
// half the height). Bytes after the records are ignored.
TIsoMap ReadIsoMap(const std::string& path);
TIsoMap ReadIsoMap(const uint8_t* data, size_t size);

// Writes the file (whole, through a temporary file and a rename). Raises EDataError for a map the
// format cannot hold (the reader's rules, a cell count that does not match the grid, strings longer
// than their fields) and EStreamError "Cannot create file %s" when the file cannot be written.
void WriteIsoMap(const std::string& path, const TIsoMap& map);
std::vector<uint8_t> EncodeIsoMap(const TIsoMap& map);
