#include "media/dib_reader.h"

#include <array>
#include <cstring>
#include <vector>

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

// One channel of a bit-field pixel: its position and width within the pixel.
struct TChannel {
  int Shift = 0;
  int Bits = 0;
};

TChannel ChannelOf(uint32_t mask) {
  TChannel channel;
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

// Widens a channel value of `bits` bits to 8 bits by repeating its high bits below it.
uint32_t Widen(uint32_t value, int bits) {
  if (bits >= 8) return (value >> (bits - 8)) & 255;
  uint32_t out = value << (8 - bits);
  for (int shift = bits; shift < 8; shift += bits) out |= out >> shift;
  return out & 255;
}

// Colour masks of a 16- or 32-bit picture: checked and split into channels.
std::array<TChannel, 3> BitFieldChannels(const TDibHeader& header, TDibSource source) {
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

using TPalette = std::array<uint32_t, 256>;

void ConvertIndices(const uint8_t* indices, int64_t count, const TPalette& palette,
                    uint32_t* out) {
  for (int64_t i = 0; i < count; ++i) out[i] = palette[indices[i]];
}

// Converts one stored row of uncompressed or bit-field pixels to 0x00RRGGBB.
void ConvertRow(const uint8_t* src, const TDibHeader& header, const TPalette& palette,
                const std::array<TChannel, 3>& channels, uint32_t* out) {
  const int64_t width = header.Width;
  switch (header.BitCount) {
    case 1:
      for (int64_t x = 0; x < width; ++x) out[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
      break;
    case 4:
      for (int64_t x = 0; x < width; ++x) {
        out[x] = palette[(x & 1) ? src[x >> 1] & 15 : src[x >> 1] >> 4];
      }
      break;
    case 8:
      ConvertIndices(src, width, palette, out);
      break;
    case 24: {
      // Four pixels from three little-endian words; the row's last pixels byte by byte, so no
      // read goes past the row.
      int64_t x = 0;
      for (; x + 4 <= width; x += 4, src += 12) {
        uint32_t w[3];
        std::memcpy(w, src, 12);
        out[x] = w[0] & 0xFFFFFF;
        out[x + 1] = (w[0] >> 24) | ((w[1] & 0xFFFF) << 8);
        out[x + 2] = (w[1] >> 16) | ((w[2] & 0xFF) << 16);
        out[x + 3] = w[2] >> 8;
      }
      for (; x < width; ++x, src += 3) {
        out[x] = src[0] | (uint32_t{src[1]} << 8) | (uint32_t{src[2]} << 16);
      }
      break;
    }
    default: {  // 16 and 32 bits through the channel masks
      const int bytes = header.BitCount / 8;
      for (int64_t x = 0; x < width; ++x, src += bytes) {
        uint32_t v = src[0] | (uint32_t{src[1]} << 8);
        if (bytes == 4) v |= (uint32_t{src[2]} << 16) | (uint32_t{src[3]} << 24);
        const auto channel = [&](const TChannel& c) {
          const uint32_t raw = c.Bits >= 32 ? v : (v >> c.Shift) & ((1u << c.Bits) - 1);
          return Widen(raw, c.Bits);
        };
        out[x] = (channel(channels[0]) << 16) | (channel(channels[1]) << 8) | channel(channels[2]);
      }
      break;
    }
  }
}

}  // namespace

TPicture ReadDib(TByteReader& in, TDibSource source, uint32_t pixelOffset) {
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
  std::array<TChannel, 3> channels{};
  if (bits == 16 || bits == 32) channels = BitFieldChannels(header, source);

  // Colour table: entries beyond the stored ones stay black.
  uint32_t colors = header.ColorsUsed;
  if (colors == 0 && bits <= 8) colors = 1u << bits;
  if (colors > 256) colors = 256;
  const uint32_t entrySize = header.Size == 12 ? 3 : 4;
  const uint8_t* table = in.Bytes(uint64_t{colors} * entrySize);
  TPalette palette{};
  for (uint32_t i = 0; i < colors; ++i) {
    const uint8_t* e = table + i * entrySize;
    palette[i] = e[0] | (uint32_t{e[1]} << 8) | (uint32_t{e[2]} << 16);
  }

  if (pixelOffset != 0 && pixelOffset >= in.Position()) in.Seek(pixelOffset);

  TPicture picture;
  if (width == 0 || height == 0) return picture;
  const size_t pixelCount = static_cast<size_t>(width * height);

  if (c == kRle8 || c == kRle4) {
    TByteReader code = header.ImageSize != 0 ? in.Slice(header.ImageSize) : in.Rest();
    std::vector<uint8_t> indices(pixelCount, 0);
    DecodeRle(code, static_cast<int>(bits), static_cast<int32_t>(width),
              static_cast<int32_t>(height), indices.data());
    picture.Width = static_cast<int32_t>(width);
    picture.Height = static_cast<int32_t>(height);
    picture.Pixels.reserve(pixelCount);
    std::vector<uint32_t> row(static_cast<size_t>(width));
    for (int64_t y = 0; y < height; ++y) {
      ConvertIndices(indices.data() + (height - 1 - y) * width, width, palette, row.data());
      picture.Pixels.insert(picture.Pixels.end(), row.begin(), row.end());
    }
    return picture;
  }

  const uint64_t stride = (uint64_t{bits} * static_cast<uint64_t>(width) + 31) / 32 * 4;
  const uint8_t* rows = in.Bytes(stride * static_cast<uint64_t>(height));
  picture.Width = static_cast<int32_t>(width);
  picture.Height = static_cast<int32_t>(height);
  // Rows are converted into a small buffer that stays in the cache and appended to reserved
  // space, so the picture's memory is written once instead of cleared and then filled.
  picture.Pixels.reserve(pixelCount);
  std::vector<uint32_t> row(static_cast<size_t>(width));
  for (int64_t y = 0; y < height; ++y) {
    const int64_t stored = topDown ? y : height - 1 - y;
    ConvertRow(rows + stored * stride, header, palette, channels, row.data());
    picture.Pixels.insert(picture.Pixels.end(), row.begin(), row.end());
  }
  return picture;
}
