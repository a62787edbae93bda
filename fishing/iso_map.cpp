#include "fishing/iso_map.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "media/byte_reader.h"
#include "media/errors.h"

namespace {

// Tile sizes outside this range cannot be drawn or looked up sensibly: the cell lookup divides by
// half the height, and the map's pixel extent (columns x tile width) must stay far inside int32.
constexpr int32_t kMinTileSize = 2;
constexpr int32_t kMaxTileSize = 1024;

constexpr size_t kNameField = 36;   // name and param: length byte + 36 characters
constexpr size_t kTextField = 255;  // text: length byte + 255 characters

// The largest file the reader ever needs: the biggest grid plus the object records. Bytes past the
// records are ignored, so a longer file is read only this far.
constexpr size_t kMaxIsoFileSize = kIsoHeaderSize +
                                   size_t{4} * (kMaxMapCol + 1) * (kMaxMapRow + 1) +
                                   size_t{kMapObjectCount} * kMapObjectRecordSize;

// A short string in a field of 1 + capacity bytes; the whole field is consumed. A length byte
// larger than the field is cut to the field: only the field's own characters are ever read.
std::string FieldString(TByteReader& in, size_t capacity) {
  TByteReader field = in.Slice(1 + capacity);
  const size_t length = std::min<size_t>(field.U8(), capacity);
  const uint8_t* text = field.Bytes(length);
  return std::string(reinterpret_cast<const char*>(text), length);
}

void PutInt32(std::vector<uint8_t>& out, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v >> 16));
  out.push_back(static_cast<uint8_t>(v >> 24));
}

void PutShortString(std::vector<uint8_t>& out, const std::string& text, size_t capacity) {
  out.push_back(static_cast<uint8_t>(text.size()));
  out.insert(out.end(), text.begin(), text.end());
  out.insert(out.end(), capacity - text.size(), 0);
}

// The grid and tile-size rules shared by the reader and the writer.
void CheckGrid(int32_t lastCol, int32_t lastRow, int32_t tileWidth, int32_t tileHeight) {
  if (lastCol < 0 || lastCol > kMaxMapCol) {
    throw EDataError(Fmt("The map's last column is %d; it must be within 0..%d", lastCol, kMaxMapCol));
  }
  if (lastRow < 0 || lastRow > kMaxMapRow) {
    throw EDataError(Fmt("The map's last row is %d; it must be within 0..%d", lastRow, kMaxMapRow));
  }
  if (tileWidth < kMinTileSize || tileWidth > kMaxTileSize || tileHeight < kMinTileSize ||
      tileHeight > kMaxTileSize) {
    throw EDataError(Fmt("The map's tiles are %d x %d pixels; each side must be within %d..%d",
                         tileWidth, tileHeight, kMinTileSize, kMaxTileSize));
  }
}

size_t CellCount(int32_t lastCol, int32_t lastRow) {
  return static_cast<size_t>(lastCol + 1) * static_cast<size_t>(lastRow + 1);
}

}  // namespace

TIsoMap ReadIsoMap(const uint8_t* data, size_t size) {
  TByteReader in(data, size);
  TIsoMap map;
  map.lastCol = in.I32();
  map.lastRow = in.I32();
  map.tileWidth = in.I32();
  map.tileHeight = in.I32();
  in.Skip(24);
  CheckGrid(map.lastCol, map.lastRow, map.tileWidth, map.tileHeight);

  // The grid is at most 513 x 2049 cells, so the byte count cannot overflow; the bytes must be
  // present before the cells are allocated.
  const size_t count = CellCount(map.lastCol, map.lastRow);
  TByteReader cells = in.Slice(count * 4);
  map.cells.resize(count);
  for (size_t i = 0; i < count; ++i) map.cells[i] = cells.I32();

  for (int i = 0; i < kMapObjectCount; ++i) {
    TByteReader record = in.Slice(kMapObjectRecordSize);
    TIsoObject& object = map.objects[i];
    object.col = record.I32();
    object.row = record.I32();
    object.name = FieldString(record, kNameField);
    object.param = FieldString(record, kNameField);
    object.active = record.U8();
    object.text = FieldString(record, kTextField);
  }
  return map;
}

TIsoMap ReadIsoMap(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EFOpenError(Fmt("Cannot open file %s", path.c_str()));
  std::vector<uint8_t> bytes;
  char chunk[65536];
  while (bytes.size() < kMaxIsoFileSize && file) {
    const size_t want = std::min(sizeof chunk, kMaxIsoFileSize - bytes.size());
    file.read(chunk, static_cast<std::streamsize>(want));
    bytes.insert(bytes.end(), chunk, chunk + file.gcount());
  }
  if (file.bad()) throw EReadError("Stream read error");
  return ReadIsoMap(bytes.data(), bytes.size());
}

std::vector<uint8_t> EncodeIsoMap(const TIsoMap& map) {
  CheckGrid(map.lastCol, map.lastRow, map.tileWidth, map.tileHeight);
  const size_t count = CellCount(map.lastCol, map.lastRow);
  if (map.cells.size() != count) {
    throw EDataError(Fmt("The map holds %zu cells; columns 0..%d and rows 0..%d need %zu", map.cells.size(),
                         map.lastCol, map.lastRow, count));
  }
  for (int i = 0; i < kMapObjectCount; ++i) {
    const TIsoObject& object = map.objects[i];
    if (object.name.size() > kNameField || object.param.size() > kNameField ||
        object.text.size() > kTextField) {
      throw EDataError(Fmt("Map object %d: name and param hold at most %zu characters, text at most %zu",
                           i, kNameField, kTextField));
    }
  }

  std::vector<uint8_t> out;
  out.reserve(kIsoHeaderSize + count * 4 + size_t{kMapObjectCount} * kMapObjectRecordSize);
  PutInt32(out, map.lastCol);
  PutInt32(out, map.lastRow);
  PutInt32(out, map.tileWidth);
  PutInt32(out, map.tileHeight);
  for (int i = 0; i < 6; ++i) PutInt32(out, 0);
  for (const int32_t tile : map.cells) PutInt32(out, tile);
  for (const TIsoObject& object : map.objects) {
    PutInt32(out, object.col);
    PutInt32(out, object.row);
    PutShortString(out, object.name, kNameField);
    PutShortString(out, object.param, kNameField);
    out.push_back(object.active);
    PutShortString(out, object.text, kTextField);
  }
  return out;
}

void WriteIsoMap(const std::string& path, const TIsoMap& map) {
  const std::vector<uint8_t> bytes = EncodeIsoMap(map);
  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) throw EStreamError(Fmt("Cannot create file %s", path.c_str()));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    if (!file) {
      file.close();
      std::remove(temporary.c_str());
      throw EStreamError(Fmt("Cannot create file %s", path.c_str()));
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    throw EStreamError(Fmt("Cannot create file %s", path.c_str()));
  }
}
