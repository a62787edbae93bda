#include "fishing/iso_map.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

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

// Reads little-endian values from one buffer; every read first checks that its bytes are there.
class TByteReader {
 public:
  TByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Left() const { return size_ - pos_; }

  void Need(size_t count) const {
    if (count > Left()) throw EReadError("Stream read error");
  }

  int32_t Int32() {
    Need(4);
    const uint8_t* p = data_ + pos_;
    pos_ += 4;
    const uint32_t value = uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) |
                           (uint32_t{p[3]} << 24);
    return static_cast<int32_t>(value);
  }

  uint8_t Byte() {
    Need(1);
    return data_[pos_++];
  }

  // A short string in a field of 1 + capacity bytes; the whole field is consumed.
  std::string ShortString(size_t capacity, const char* what, int index) {
    Need(1 + capacity);
    const uint8_t length = data_[pos_];
    if (length > capacity) {
      throw EDataError(Fmt("Map object %d: its %s is %u characters long, but the field holds at most %zu",
                           index, what, unsigned{length}, capacity));
    }
    std::string text(reinterpret_cast<const char*>(data_ + pos_ + 1), length);
    pos_ += 1 + capacity;
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

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
  map.lastCol = in.Int32();
  map.lastRow = in.Int32();
  map.tileWidth = in.Int32();
  map.tileHeight = in.Int32();
  for (int i = 0; i < 6; ++i) in.Int32();
  CheckGrid(map.lastCol, map.lastRow, map.tileWidth, map.tileHeight);

  // The grid is at most 513 x 2049 cells, so the byte count cannot overflow; the bytes must be
  // present before the cells are allocated.
  const size_t count = CellCount(map.lastCol, map.lastRow);
  in.Need(count * 4);
  map.cells.resize(count);
  for (size_t i = 0; i < count; ++i) map.cells[i] = in.Int32();

  for (int i = 0; i < kMapObjectCount; ++i) {
    in.Need(kMapObjectRecordSize);
    TIsoObject& object = map.objects[i];
    object.col = in.Int32();
    object.row = in.Int32();
    object.name = in.ShortString(kNameField, "name", i);
    object.param = in.ShortString(kNameField, "param", i);
    object.active = in.Byte();
    object.text = in.ShortString(kTextField, "text", i);
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
