#include "media/dib.h"

#include <cstring>
#include <utility>

#include "media/dib_rle.h"

namespace {

// Widens a channel value of `bits` bits to 8 bits by repeating its high bits below it.
uint32_t Widen(uint32_t value, int bits) {
  if (bits >= 8) return (value >> (bits - 8)) & 255;
  uint32_t out = value << (8 - bits);
  for (int shift = bits; shift < 8; shift += bits) out |= out >> shift;
  return out & 255;
}

uint32_t Unpack(uint32_t pixel, const TDibChannel& c) {
  const uint32_t raw = c.Bits >= 32 ? pixel : (pixel >> c.Shift) & ((1u << c.Bits) - 1);
  return Widen(raw, c.Bits);
}

// A bit-field pixel as 0x00RRGGBB.
uint32_t UnpackPixel(uint32_t pixel, const TDib::TChannels& channels) {
  return Unpack(pixel, channels[0]) << 16 | Unpack(pixel, channels[1]) << 8 |
         Unpack(pixel, channels[2]);
}

// Four 24-bit pixels from three little-endian words; the last pixels of a span byte by byte, so
// no read goes past it.
void ConvertBgr24(const uint8_t* src, int count, uint32_t* out) {
  int x = 0;
  for (; x + 4 <= count; x += 4, src += 12) {
    uint32_t w[3];
    std::memcpy(w, src, 12);
    out[x] = w[0] & 0xFFFFFF;
    out[x + 1] = (w[0] >> 24) | ((w[1] & 0xFFFF) << 8);
    out[x + 2] = (w[1] >> 16) | ((w[2] & 0xFF) << 16);
    out[x + 3] = w[2] >> 8;
  }
  for (; x < count; ++x, src += 3) {
    out[x] = src[0] | (uint32_t{src[1]} << 8) | (uint32_t{src[2]} << 16);
  }
}

}  // namespace

TDib::TDib(int32_t width, int32_t height, int bitCount, bool topDown, size_t stride,
           TSharedBytes rows, const TPalette& palette,
           const TChannels& channels)
    : width_(width),
      height_(height),
      bitCount_(bitCount),
      topDown_(topDown),
      stride_(stride),
      rows_(std::move(rows)),
      palette_(palette),
      channels_(channels) {
  plainRgb32_ = bitCount == 32 && channels[0].Shift == 16 && channels[0].Bits == 8 &&
                channels[1].Shift == 8 && channels[1].Bits == 8 && channels[2].Shift == 0 &&
                channels[2].Bits == 8;
}

TDib TDib::FromPicture(const TPicture& picture) {
  if (picture.Empty()) return TDib{};
  const size_t count = static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height);
  if (picture.Pixels.size() < count) return TDib{};
  auto rows = std::make_shared_for_overwrite<uint8_t[]>(count * 4);
  std::memcpy(rows.get(), picture.Pixels.data(), count * 4);
  const TChannels channels{TDibChannel{16, 8}, TDibChannel{8, 8}, TDibChannel{0, 8}};
  return TDib(picture.Width, picture.Height, 32, true, static_cast<size_t>(picture.Width) * 4,
              std::move(rows), TPalette{}, channels);
}

TDib TDib::FromRle(int32_t width, int32_t height, int rleBits, TSharedBytes code, size_t codeSize,
                   const TPalette& palette, const TChannels& channels) {
  TDib dib(width, height, 8, false, static_cast<size_t>(width), nullptr, palette, channels);
  dib.rle_ = std::make_shared<TRleRows>(TRleRows{std::move(code), codeSize, rleBits, nullptr});
  return dib;
}

const uint8_t* TDib::Rows() const {
  if (!rle_) return rows_.get();
  if (!rle_->Rows) {
    // Pixels the code never writes keep index 0.
    auto indices = std::make_shared<uint8_t[]>(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    TByteReader code(rle_->Code.get(), rle_->CodeSize);
    DecodeRle(code, rle_->Bits, width_, height_, indices.get());
    rle_->Rows = std::move(indices);
    rle_->Code.reset();
  }
  return rle_->Rows.get();
}

void TDib::ConvertRow(int y, int left, int count, uint32_t* out) const {
  const size_t stored = topDown_ ? static_cast<size_t>(y) : static_cast<size_t>(height_ - 1 - y);
  const uint8_t* row = Rows() + stored * stride_;
  switch (bitCount_) {
    case 1:
      for (int i = 0; i < count; ++i) {
        const int x = left + i;
        out[i] = palette_[(row[x >> 3] >> (7 - (x & 7))) & 1];
      }
      break;
    case 4:
      for (int i = 0; i < count; ++i) {
        const int x = left + i;
        out[i] = palette_[(x & 1) ? row[x >> 1] & 15 : row[x >> 1] >> 4];
      }
      break;
    case 8: {
      const uint8_t* src = row + left;
      for (int i = 0; i < count; ++i) out[i] = palette_[src[i]];
      break;
    }
    case 24:
      ConvertBgr24(row + static_cast<size_t>(left) * 3, count, out);
      break;
    case 16: {
      const uint8_t* src = row + static_cast<size_t>(left) * 2;
      for (int i = 0; i < count; ++i, src += 2) {
        out[i] = UnpackPixel(src[0] | (uint32_t{src[1]} << 8), channels_);
      }
      break;
    }
    default: {  // 32
      const uint8_t* src = row + static_cast<size_t>(left) * 4;
      if (plainRgb32_) {
        std::memcpy(out, src, static_cast<size_t>(count) * 4);
        for (int i = 0; i < count; ++i) out[i] &= 0xFFFFFF;
        break;
      }
      for (int i = 0; i < count; ++i, src += 4) {
        uint32_t v;
        std::memcpy(&v, src, 4);
        out[i] = UnpackPixel(v, channels_);
      }
      break;
    }
  }
}

TPicture TDib::Decode() const {
  TPicture picture;
  if (Empty()) return picture;
  picture.Width = width_;
  picture.Height = height_;
  picture.Pixels.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
  for (int y = 0; y < height_; ++y) {
    ConvertRow(y, 0, width_, picture.Pixels.data() + static_cast<size_t>(y) * width_);
  }
  return picture;
}

const uint8_t* TDib::IndexRow(int y) const {
  if (bitCount_ != 8 || Empty()) return nullptr;
  const size_t stored = topDown_ ? static_cast<size_t>(y) : static_cast<size_t>(height_ - 1 - y);
  return Rows() + stored * stride_;
}
