// A picture as a library or BMP file stores it: the pixel rows as they lie in the file, with what
// is needed to read them (bit count, row order, colour table, colour masks). Keeping the stored
// rows makes loading a library little more than reading it: colours are worked out only when a
// picture is drawn to surfaces or decoded, and a 256-colour picture keeps a quarter of the memory.
//
// Run-length pictures keep their code, checked when read, and are decoded on first use into one
// index byte per pixel (bit count 8): a library's pictures cost nothing more until one is drawn or
// decoded. Rows are shared between copies and never change once made; a picture read from a
// library file points into the file's bytes, which stay in memory while any of its pictures does.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "media/file_bytes.h"
#include "media/picture.h"


// One channel of a bit-field pixel: its position and width within the pixel.
struct TDibChannel {
  int Shift = 0;
  int Bits = 0;
};

class TDib {
 public:
  using TPalette = std::array<uint32_t, 256>;
  using TChannels = std::array<TDibChannel, 3>;  // red, green, blue

  TDib() = default;
  // Rows of `stride` bytes of `bitCount`-bit pixels (1, 4, 8, 16, 24 or 32); the palette maps
  // indices of pictures of 8 bits or fewer, the channels unpack 16- and 32-bit pixels.
  TDib(int32_t width, int32_t height, int bitCount, bool topDown, size_t stride,
       TSharedBytes rows, const TPalette& palette, const TChannels& channels);
  // A 32-bit copy of a decoded picture (empty when it has fewer pixels than its size says).
  static TDib FromPicture(const TPicture& picture);
  // A run-length picture of width x height from its code (rleBits 8 or 4), which must decode
  // without error (see dib_rle.h); the indices are decoded on first use.
  static TDib FromRle(int32_t width, int32_t height, int rleBits, TSharedBytes code, size_t codeSize,
                      const TPalette& palette, const TChannels& channels);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // Pixels left .. left+count-1 of row y (0 the top row) as 0x00RRGGBB; the span must lie inside
  // the picture.
  void ConvertRow(int y, int left, int count, uint32_t* out) const;
  // The whole picture as 0x00RRGGBB.
  TPicture Decode() const;
  // For a picture of 8-bit palette indices: row y's stored indices (0 the top row), else nullptr.
  const uint8_t* IndexRow(int y) const;
  // The palette's 256 colours as picture pixels (0x00RRGGBB).
  const TPalette& Palette() const { return palette_; }

 private:
  // A run-length picture's code and, once decoded, its rows; shared by copies.
  struct TRleRows {
    TSharedBytes Code;
    size_t CodeSize = 0;
    int Bits = 8;
    TSharedBytes Rows;
  };
  // The stored rows, decoding a run-length picture's first.
  const uint8_t* Rows() const;

  int32_t width_ = 0;
  int32_t height_ = 0;
  int bitCount_ = 32;
  bool topDown_ = true;
  bool plainRgb32_ = true;  // 32 bits with the 0xFF0000 / 0xFF00 / 0xFF masks
  size_t stride_ = 0;
  TSharedBytes rows_;
  std::shared_ptr<TRleRows> rle_;
  TPalette palette_{};
  TChannels channels_{};
};
