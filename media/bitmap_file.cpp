#include "media/bitmap_file.h"

#include <cstring>
#include <utility>

#include "media/dib_reader.h"
#include "media/file_bytes.h"

TDib ReadBitmap(TByteReader file, const TSharedBytes& owner) {
  uint8_t magic[2];
  file.Read(magic, 2);
  if (std::memcmp(magic, "BM", 2) != 0) throw EInvalidGraphic("DIB is invalid");
  file.U32();  // file size: not trusted
  file.U32();  // reserved
  const uint32_t pixelOffset = file.U32();
  return ReadDib(file, TDibSource::BitmapFile, pixelOffset, owner);
}

TPicture ReadBitmapFile(const std::string& path) {
  const TSharedFile file = ReadSharedFile(path);
  return ReadBitmap(TByteReader(file.Bytes.get(), file.Size), file.Bytes).Decode();
}

TDib ReadPictureData(TByteReader payload, const TSharedBytes& owner) {
  if (payload.AtEnd()) return TDib{};
  const std::string kind = payload.ShortString();
  if (kind == "TBitmap") {
    const uint32_t length = payload.U32();
    TByteReader file = payload.Slice(length);
    if (length == 0) return TDib{};
    return ReadBitmap(file, owner);
  }
  if (kind == "TDIB") {
    if (payload.AtEnd()) return TDib{};
    return ReadDib(payload, TDibSource::LibraryPicture, 0, owner);
  }
  return TDib{};
}
