#include "media/dib_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "media/dib_rle.h"

namespace {

constexpr uint32_t kNoCompression = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitFields = 3;

[[noreturn]] void InvalidDib() { throw EInvalidGraphic("DIB is invalid"); }
[[noreturn]] void InvalidPixelFormat() { throw EInvalidGraphic("PixelFormat in invalid"); }

struct TDibHeader {
  uint32_t Size = 0;
  int64_t Width = 0;
  int64_t Height = 0;  // negative: top row first
  uint32_t BitCount = 0;
  uint32_t Compression = kNoCompression;
  uint32_t ImageSize = 0;
  uint32_t ColorsUsed = 0;
  std::array<uint32_t, 3> Masks{};  // red, green, blue (from a long header)
};

bool AcceptedHeaderSize(uint32_t size, TDibSource source) {
  if (size == 12 || size == 40) return true;
  return source == TDibSource::BitmapFile &&
         (size == 52 || size == 56 || size == 108 || size == 124);
}

TDibHeader ReadHeader(TByteReader& in, TDibSource source) {
  TDibHeader header;
  header.Size = in.U32();
  if (!AcceptedHeaderSize(header.Size, source)) InvalidDib();
  if (header.Size == 12) {
    header.Width = in.U16();
    header.Height = in.U16();
    in.U16();  // planes
    header.BitCount = in.U16();
    return header;
  }
  TByteReader fields = in.Slice(header.Size - 4);
  header.Width = fields.I32();
  header.Height = fields.I32();
  fields.U16();  // planes
  header.BitCount = fields.U16();
  header.Compression = fields.U32();
  header.ImageSize = fields.U32();
  fields.Skip(8);  // pixels per metre
  header.ColorsUsed = fields.U32();
  fields.U32();  // colours important
  if (header.Size >= 52) {
    for (uint32_t& mask : header.Masks) mask = fields.U32();
  }
  return header;
}

TDibChannel ChannelOf(uint32_t mask) {
  TDibChannel channel;
  while (!(mask & 1)) {
    mask >>= 1;
    ++channel.Shift;
  }
  while (mask & 1) {
    mask >>= 1;
    ++channel.Bits;
  }
  if (mask != 0) InvalidPixelFormat();  // not contiguous
  return channel;
}

// Colour masks of a 16- or 32-bit picture: checked and split into channels.
TDib::TChannels BitFieldChannels(const TDibHeader& header, TDibSource source) {
  const std::array<uint32_t, 3>& m = header.Masks;
  if (header.BitCount == 16 && source == TDibSource::LibraryPicture) {
    const bool rgb555 = m[0] == 0x7C00 && m[1] == 0x03E0 && m[2] == 0x001F;
    const bool rgb565 = m[0] == 0xF800 && m[1] == 0x07E0 && m[2] == 0x001F;
    if (!rgb555 && !rgb565) InvalidPixelFormat();
  }
  const uint64_t limit = header.BitCount == 16 ? 0xFFFFull : 0xFFFFFFFFull;
  if (m[0] == 0 || m[1] == 0 || m[2] == 0) InvalidPixelFormat();
  if ((m[0] & m[1]) || (m[0] & m[2]) || (m[1] & m[2])) InvalidPixelFormat();
  if ((m[0] | m[1] | m[2]) > limit) InvalidPixelFormat();
  return {ChannelOf(m[0]), ChannelOf(m[1]), ChannelOf(m[2])};
}

}  // namespace

TDib ReadDib(TByteReader& in, TDibSource source, uint32_t pixelOffset, const TSharedBytes& owner) {
  TDibHeader header = ReadHeader(in, source);
  const uint32_t c = header.Compression;
  if (c != kNoCompression && c != kRle8 && c != kRle4 && c != kBitFields) InvalidDib();
  const uint32_t bits = header.BitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    throw EInvalidGraphic(Fmt("BitCount in invalid (%d)", static_cast<int>(bits)));
  }
  if ((c == kRle8 && bits != 8) || (c == kRle4 && bits != 4)) InvalidDib();
  if (c == kBitFields && bits != 16 && bits != 32) InvalidPixelFormat();

  if (header.Width < 0) InvalidDib();
  const bool topDown = header.Height < 0;
  const int64_t width = header.Width;
  const int64_t height = topDown ? -header.Height : header.Height;
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
    InvalidDib();
  }
  if (topDown && (c == kRle8 || c == kRle4)) InvalidDib();

  // Colour masks: after a 40-byte header for bit fields; the default layouts otherwise.
  if (c == kBitFields && header.Size == 40) {
    for (uint32_t& mask : header.Masks) mask = in.U32();
  } else if (c != kBitFields) {
    header.Masks = bits == 16 ? std::array<uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                              : std::array<uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
  }
  TDib::TChannels channels{};
  if (bits == 16 || bits == 32) channels = BitFieldChannels(header, source);

  // Colour table: entries beyond the stored ones stay black.
  uint32_t colors = header.ColorsUsed;
  if (colors == 0 && bits <= 8) colors = 1u << bits;
  if (colors > 256) colors = 256;
  const uint32_t entrySize = header.Size == 12 ? 3 : 4;
  const uint8_t* table = in.Bytes(uint64_t{colors} * entrySize);
  TDib::TPalette palette{};
  for (uint32_t i = 0; i < colors; ++i) {
    const uint8_t* e = table + i * entrySize;
    palette[i] = e[0] | (uint32_t{e[1]} << 8) | (uint32_t{e[2]} << 16);
  }

  if (pixelOffset != 0 && pixelOffset >= in.Position()) in.Seek(pixelOffset);

  if (width == 0 || height == 0) return TDib{};
  const auto w = static_cast<int32_t>(width);
  const auto h = static_cast<int32_t>(height);

  if (c == kRle8 || c == kRle4) {
    // The code is run through now, so a broken picture fails as the library is read; the pixels
    // are decoded when first used.
    TByteReader code = header.ImageSize != 0 ? in.Slice(header.ImageSize) : in.Rest();
    CheckRle(code, static_cast<int>(bits), h);
    const size_t size = code.Size();
    const uint8_t* start = code.Bytes(size);
    TSharedBytes bytes(owner, start);
    if (!owner) {
      auto copy = std::make_shared_for_overwrite<uint8_t[]>(std::max<size_t>(size, 1));
      std::memcpy(copy.get(), start, size);
      bytes = std::move(copy);
    }
    return TDib::FromRle(w, h, static_cast<int>(bits), std::move(bytes), size, palette, channels);
  }

  // The rows are kept as stored, in one block.
  const uint64_t stride = (uint64_t{bits} * static_cast<uint64_t>(width) + 31) / 32 * 4;
  const uint64_t size = stride * static_cast<uint64_t>(height);
  const uint8_t* stored = in.Bytes(size);
  TSharedBytes rows(owner, stored);
  if (!owner) {
    auto copy = std::make_shared_for_overwrite<uint8_t[]>(static_cast<size_t>(size));
    std::memcpy(copy.get(), stored, static_cast<size_t>(size));
    rows = std::move(copy);
  }
  return TDib(w, h, static_cast<int>(bits), topDown, static_cast<size_t>(stride), std::move(rows),
              palette, channels);
}
