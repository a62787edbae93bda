// Library pictures: each DIB variant decoded to known pixels, the BMP-file variants, the picture
// payload kinds, and the errors for malformed headers and data.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "media/bitmap_file.h"
#include "media/dib_reader.h"
#include "media/dib_rle.h"
#include "media/dib_writer.h"
#include "media/file_bytes.h"
#include "media/item_surfaces.h"
#include "tests/media/library_streams.h"

namespace {

constexpr uint32_t W = 0xFFFFFF;

TPicture Decode(const TBytes& dib) {
  const std::vector<uint8_t> payload = DibPayload(dib.Data);
  return ReadPictureData(TByteReader(payload.data(), payload.size())).Decode();
}

std::string DecodeError(const TBytes& dib) {
  return ErrorOf([&] { Decode(dib); });
}

TEST(LibraryDib, OneBitBottomUp) {
  TBytes dib = InfoHeader(3, 2, 1);
  dib.U32(0x000000).U32(0xFFFFFF);            // colour table (2 entries by default)
  dib.U8(0xA0).U8(0).U8(0).U8(0);             // bottom row: 1 0 1
  dib.U8(0x60).U8(0).U8(0).U8(0);             // top row:    0 1 1
  const TPicture picture = Decode(dib);
  EXPECT_EQ(picture, (TPicture{3, 2, {0, W, W, W, 0, W}}));
}

TEST(LibraryDib, FourBitIndicesBeyondThePaletteReadBlack) {
  TBytes dib = InfoHeader(3, 1, 4, 0, 0, 2);
  dib.U32(0x112233).U32(0x445566);
  dib.U8(0x01).U8(0x50).U8(0).U8(0);
  EXPECT_EQ(Decode(dib), (TPicture{3, 1, {0x112233, 0x445566, 0}}));
}

TEST(LibraryDib, EightBitTopDownWithAFullColourTable) {
  TBytes dib = InfoHeader(2, -2, 8);
  for (uint32_t i = 0; i < 256; ++i) dib.U32(i * 0x010101);
  dib.U8(1).U8(2).U8(0).U8(0);
  dib.U8(3).U8(255).U8(0).U8(0);
  EXPECT_EQ(Decode(dib), (TPicture{2, 2, {0x010101, 0x020202, 0x030303, 0xFFFFFF}}));
}

TEST(LibraryDib, CoreHeaderUsesThreeByteColourEntries) {
  TBytes dib;
  dib.U32(12).U16(2).U16(1).U16(1).U16(8);
  for (int i = 0; i < 256; ++i) dib.U8(static_cast<uint8_t>(i)).U8(0).U8(0x10);
  dib.U8(0).U8(7).U8(0).U8(0);
  EXPECT_EQ(Decode(dib), (TPicture{2, 1, {0x100000, 0x100007}}));
}

TEST(LibraryDib, SixteenBitMaskSetsWidenExactly) {
  TBytes rgb555 = InfoHeader(3, 1, 16);
  rgb555.U16(0x7FFF).U16(0x7C00).U16(0x0001).U16(0);
  EXPECT_EQ(Decode(rgb555), (TPicture{3, 1, {W, 0xFF0000, 0x000008}}));

  TBytes rgb565 = InfoHeader(3, 1, 16, 3);
  rgb565.U32(0xF800).U32(0x07E0).U32(0x001F);
  rgb565.U16(0x07E0).U16(0xF800).U16(0x0821).U16(0);
  EXPECT_EQ(Decode(rgb565), (TPicture{3, 1, {0x00FF00, 0xFF0000, 0x080408}}));

  // Every 5-6-5 value comes back exactly when the low bits are dropped again.
  TBytes all = InfoHeader(256, 256, 16, 3);
  all.U32(0xF800).U32(0x07E0).U32(0x001F);
  for (uint32_t v = 0; v < 65536; ++v) all.U16(static_cast<uint16_t>(v));
  const TPicture picture = Decode(all);
  for (uint32_t v = 0; v < 65536; ++v) {
    const uint32_t p = picture.At(v % 256, 255 - static_cast<int>(v / 256));
    const uint32_t back = ((p >> 19) << 11) | (((p >> 10) & 63) << 5) | ((p >> 3) & 31);
    ASSERT_EQ(back, v);
  }

  TBytes other = InfoHeader(1, 1, 16, 3);
  other.U32(0x0F00).U32(0x00F0).U32(0x000F).U32(0);
  EXPECT_EQ(DecodeError(other), "PixelFormat in invalid");
}

TEST(LibraryDib, TwentyFourAndThirtyTwoBits) {
  TBytes rgb24 = InfoHeader(2, 2, 24);
  rgb24.U8(1).U8(2).U8(3).U8(4).U8(5).U8(6).U16(0);  // bottom row, padded to 8 bytes
  rgb24.U8(7).U8(8).U8(9).U8(10).U8(11).U8(12).U16(0);
  EXPECT_EQ(Decode(rgb24), (TPicture{2, 2, {0x090807, 0x0C0B0A, 0x030201, 0x060504}}));

  TBytes rgb32 = InfoHeader(1, 1, 32);
  rgb32.U8(1).U8(2).U8(3).U8(0xEE);
  EXPECT_EQ(Decode(rgb32), (TPicture{1, 1, {0x030201}}));

  TBytes fields = InfoHeader(1, 1, 32, 3);
  fields.U32(0x000000FF).U32(0x0000FF00).U32(0x00FF0000).U32(0x00332211);
  EXPECT_EQ(Decode(fields), (TPicture{1, 1, {0x112233}}));

  TBytes overlapping = InfoHeader(1, 1, 32, 3);
  overlapping.U32(0xFF).U32(0x1FF).U32(0xFF0000).U32(0);
  EXPECT_EQ(DecodeError(overlapping), "PixelFormat in invalid");
  TBytes zero = InfoHeader(1, 1, 32, 3);
  zero.U32(0).U32(0).U32(0).U32(0);
  EXPECT_EQ(DecodeError(zero), "PixelFormat in invalid");
}

// Any span of any row converts to the same colours as the whole picture decodes to, whatever
// the bit count (spans starting inside a byte, or inside a 24-bit word group).
TEST(LibraryDib, StoredRowsConvertAnySpan) {
  uint32_t seed = 99;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<uint8_t>(seed >> 24);
  };
  constexpr int kWidth = 13;
  constexpr int kHeight = 3;
  for (const uint16_t bits : {1, 4, 8, 16, 24, 32}) {
    TBytes dib = InfoHeader(kWidth, kHeight, bits);
    if (bits <= 8) {
      for (int i = 0; i < (1 << bits); ++i) dib.U32(static_cast<uint32_t>(i) * 0x010305);
    }
    const int stride = (bits * kWidth + 31) / 32 * 4;
    for (int i = 0; i < stride * kHeight; ++i) dib.U8(next());
    const std::vector<uint8_t> payload = DibPayload(dib.Data);
    const TDib stored = ReadPictureData(TByteReader(payload.data(), payload.size()));
    const TPicture whole = stored.Decode();
    ASSERT_EQ(whole.Pixels.size(), size_t{kWidth * kHeight});
    for (int y = 0; y < kHeight; ++y) {
      for (int left = 0; left < kWidth; ++left) {
        for (int count = 1; left + count <= kWidth; ++count) {
          std::vector<uint32_t> span(static_cast<size_t>(count));
          stored.ConvertRow(y, left, count, span.data());
          for (int i = 0; i < count; ++i) {
            ASSERT_EQ(span[i], whole.At(left + i, y)) << bits << " bits, row " << y << ", " << left;
          }
        }
      }
    }
  }
}

TBytes Rle8Header(int32_t width, int32_t height, const std::vector<uint8_t>& code) {
  TBytes dib = InfoHeader(width, height, 8, 1, static_cast<uint32_t>(code.size()), 4);
  dib.U32(0).U32(0x0000FF).U32(0x00FF00).U32(0xFF0000);
  dib.Add(code);
  return dib;
}

TEST(LibraryDib, RunLengthEightBits) {
  // Bottom row: a run of four 1s; top row: literal 2 3 2 (padded), end of bitmap.
  const TBytes dib = Rle8Header(4, 2, {4, 1, 0, 0, 0, 3, 2, 3, 2, 0, 0, 1});
  EXPECT_EQ(Decode(dib), (TPicture{4, 2, {0x00FF00, 0xFF0000, 0x00FF00, 0, 0xFF, 0xFF, 0xFF, 0xFF}}));

  // A move skips pixels, which stay index 0; a move past the last row ends the picture.
  const TBytes moved = Rle8Header(3, 2, {0, 2, 1, 1, 1, 3, 0, 2, 0, 9, 5, 1});
  EXPECT_EQ(Decode(moved), (TPicture{3, 2, {0, 0xFF0000, 0, 0, 0, 0}}));

  // Runs and literals longer than the row are cut at its edge; code without an end works.
  const TBytes longRuns = Rle8Header(2, 2, {9, 1, 0, 0, 0, 5, 2, 3, 2, 3, 2, 0});
  EXPECT_EQ(Decode(longRuns), (TPicture{2, 2, {0x00FF00, 0xFF0000, 0xFF, 0xFF}}));

  // Code cut inside an instruction is an error.
  EXPECT_EQ(DecodeError(Rle8Header(4, 1, {0, 4, 1, 2})), "Stream read error");
  EXPECT_EQ(DecodeError(Rle8Header(4, 1, {3})), "Stream read error");
  // Top-down run-length pictures and mismatched bit counts are refused.
  EXPECT_EQ(DecodeError(Rle8Header(4, -1, {0, 1})), "DIB is invalid");
  TBytes rle4With8Bits = InfoHeader(1, 1, 8, 2, 2, 1);
  rle4With8Bits.U32(0).U8(0).U8(1);
  EXPECT_EQ(DecodeError(rle4With8Bits), "DIB is invalid");
}

TEST(LibraryDib, RunLengthCodeIsCheckedWhenReadAndDecodedOnFirstUse) {
  const std::vector<uint8_t> cut = DibPayload(Rle8Header(4, 1, {0, 4, 1, 2}).Data);
  EXPECT_EQ(ErrorOf([&] { ReadPictureData(TByteReader(cut.data(), cut.size())); }), "Stream read error")
      << "the read itself fails, not the first draw";
  // Read without an owner, the picture keeps the code it needs: the bytes it came from may go.
  std::vector<uint8_t> payload = DibPayload(Rle8Header(4, 2, {4, 1, 0, 0, 0, 3, 2, 3, 2, 0, 0, 1}).Data);
  const TDib dib = ReadPictureData(TByteReader(payload.data(), payload.size()));
  const TDib copy = dib;
  payload.assign(payload.size(), 0xEE);
  EXPECT_EQ(dib.Decode(), (TPicture{4, 2, {0x00FF00, 0xFF0000, 0x00FF00, 0, 0xFF, 0xFF, 0xFF, 0xFF}}));
  ASSERT_NE(copy.IndexRow(0), nullptr);
  EXPECT_EQ(copy.IndexRow(0), dib.IndexRow(0)) << "copies share one decode";
  EXPECT_EQ(copy.IndexRow(1)[3], 1);
}

// The check a library runs on every picture as it is read raises exactly where decoding would:
// over random codes of both depths, cut anywhere, with moves and literals of every length.
TEST(LibraryDib, RunLengthCheckFailsExactlyWhereDecodingFails) {
  std::mt19937 random(7);
  int failures = 0;
  for (int trial = 0; trial < 20000; ++trial) {
    std::vector<uint8_t> code;
    const int instructions = static_cast<int>(random() % 12);
    for (int i = 0; i < instructions; ++i) {
      switch (random() % 5) {
        case 0:  // a run
          code.insert(code.end(), {static_cast<uint8_t>(1 + random() % 255), static_cast<uint8_t>(random())});
          break;
        case 1:  // end of line, end of bitmap
          code.insert(code.end(), {0, static_cast<uint8_t>(random() % 2)});
          break;
        case 2:  // a move
          code.insert(code.end(), {0, 2, static_cast<uint8_t>(random() % 8), static_cast<uint8_t>(random() % 4)});
          break;
        default: {  // literal pixels and their bytes
          const uint8_t count = static_cast<uint8_t>(3 + random() % 40);
          code.insert(code.end(), {0, count});
          for (int b = 0; b < count; ++b) code.push_back(static_cast<uint8_t>(random()));
        }
      }
    }
    code.resize(code.size() - std::min<size_t>(code.size(), random() % 3));
    const int bits = trial % 2 ? 8 : 4;
    const int width = 1 + static_cast<int>(random() % 9);
    const int height = 1 + static_cast<int>(random() % 5);
    std::vector<uint8_t> indices(static_cast<size_t>(width * height));
    const std::string decoded = ErrorOf([&] {
      TByteReader reader(code.data(), code.size());
      DecodeRle(reader, bits, width, height, indices.data());
    });
    const std::string checked = ErrorOf([&] { CheckRle(TByteReader(code.data(), code.size()), bits, height); });
    ASSERT_EQ(checked, decoded) << "trial " << trial;
    failures += !checked.empty();
  }
  EXPECT_GT(failures, 1000);
  EXPECT_LT(failures, 19000);
}

TEST(LibraryDib, RunLengthFourBits) {
  TBytes dib = InfoHeader(5, 2, 4, 2, 12, 4);
  dib.U32(0).U32(0x0000FF).U32(0x00FF00).U32(0xFF0000);
  // Bottom: run of 5 alternating 1,2; top: odd literal of 3 (1 3 2), padded to 2 bytes, then end.
  for (uint8_t b : {5, 0x12, 0, 0, 0, 3, 0x13, 0x20, 0, 0, 0, 1}) dib.U8(b);
  EXPECT_EQ(Decode(dib), (TPicture{5, 2, {0xFF, 0xFF0000, 0x00FF00, 0, 0,  //
                                          0xFF, 0x00FF00, 0xFF, 0x00FF00, 0xFF}}));
}

TEST(LibraryDib, MalformedHeaders) {
  EXPECT_EQ(DecodeError(TBytes().U32(20).U32(0).U32(0)), "DIB is invalid");
  EXPECT_EQ(DecodeError(TBytes().U32(66)), "DIB is invalid");
  EXPECT_EQ(DecodeError(InfoHeader(1, 1, 7)), "BitCount in invalid (7)");
  EXPECT_EQ(DecodeError(InfoHeader(1, 1, 0)), "BitCount in invalid (0)");
  EXPECT_EQ(DecodeError(InfoHeader(1, 1, 30000)), "BitCount in invalid (30000)");
  EXPECT_EQ(DecodeError(InfoHeader(1, 1, 24, 4)), "DIB is invalid");
  EXPECT_EQ(DecodeError(InfoHeader(1, INT_MIN, 24)), "DIB is invalid");
  EXPECT_EQ(DecodeError(InfoHeader(-1, 1, 24)), "DIB is invalid");
  EXPECT_EQ(DecodeError(InfoHeader(16385, 1, 24)), "DIB is invalid");
  EXPECT_EQ(DecodeError(InfoHeader(16384, 16384, 8, 1)), "DIB is invalid");  // over 64 megapixels
  EXPECT_EQ(DecodeError(InfoHeader(65535, 65535, 32).U32(0)), "DIB is invalid");
  // Millions of pixels promised, a few bytes present.
  EXPECT_EQ(DecodeError(InfoHeader(4000, 4000, 24).U32(0).U32(0)), "Stream read error");
  // A huge colour count reads at most 256 entries, which must be there.
  EXPECT_EQ(DecodeError(InfoHeader(1, 1, 24, 0, 0, 0x12341234).U32(0)), "Stream read error");
  EXPECT_THROW(Decode(InfoHeader(1, 1, 24, 5)), EInvalidGraphic);
}

TEST(LibraryDib, PayloadKinds) {
  const TPicture picture{2, 1, {0x102030, 0x405060}};
  EXPECT_EQ(Decode(TBytes()), TPicture{});  // "TDIB" and nothing after it
  const auto decode = [](const std::vector<uint8_t>& payload) {
    return ReadPictureData(TByteReader(payload.data(), payload.size())).Decode();
  };
  EXPECT_EQ(decode({}), TPicture{});
  EXPECT_EQ(decode(TBytes().U8(7).Text("TBitmap").U32(0).Data), TPicture{});
  EXPECT_EQ(decode(TBytes().U8(4).Text("TPNG").U32(3).Data), TPicture{});
  const std::vector<uint8_t> file = EncodeBitmapFile(picture);
  EXPECT_EQ(decode(TBytes().U8(7).Text("TBitmap").U32(static_cast<uint32_t>(file.size())).Add(file).Data),
            picture);
  // The BMP file must fit in its stated length.
  EXPECT_EQ(ErrorOf([&] {
              decode(TBytes().U8(7).Text("TBitmap").U32(static_cast<uint32_t>(file.size()) + 1).Add(file).Data);
            }),
            "Stream read error");
  EXPECT_EQ(ErrorOf([&] { decode(TBytes().U8(7).Text("TBitmap").U32(3).Text("XY!").Data); }),
            "DIB is invalid");
}

TEST(LibraryDib, BitmapFilesWithLongHeadersAndPixelOffsets) {
  // A 124-byte header holding 32-bit masks with alpha, pixels placed after a gap.
  TBytes file;
  file.Text("BM").U32(0).U32(0).U32(14 + 124 + 6);
  file.U32(124).U32(1).U32(static_cast<uint32_t>(-2)).U16(1).U16(32).U32(3).U32(8).U32(0).U32(0);
  file.U32(0).U32(0).U32(0x00FF0000).U32(0x0000FF00).U32(0x000000FF).U32(0xFF000000);
  while (file.Data.size() < 14 + 124) file.U8(0);
  file.U8(9).U8(9).U8(9).U8(9).U8(9).U8(9);  // gap before the pixel rows
  file.U32(0xFF010203).U32(0x80040506);
  const TPicture picture = ReadBitmap(TByteReader(file.Data.data(), file.Data.size())).Decode();
  EXPECT_EQ(picture, (TPicture{1, 2, {0x010203, 0x040506}}));

  // The same header inside a library picture is refused.
  TBytes dib;
  dib.Add(std::vector<uint8_t>(file.Data.begin() + 14, file.Data.end()));
  EXPECT_EQ(DecodeError(dib), "DIB is invalid");
}

TEST(LibraryDib, BitmapFilesFromDisk) {
  const TPicture picture{3, 2, {1, 2, 3, 4, 5, 6}};
  const std::string path = testing::TempDir() + "library_dib_map.bmp";
  WriteFileBytes(path, EncodeBitmapFile(picture));
  EXPECT_EQ(ReadBitmapFile(path), picture);
  std::remove(path.c_str());
  EXPECT_EQ(ErrorOf([&] { ReadBitmapFile(path); }), "Cannot open file " + path);
}

TEST(LibraryDib, WriterRoundTripsEveryLayout) {
  TPicture flat{300, 7, {}};
  flat.Pixels.assign(300 * 7, 0xABCDEF);  // one colour: run-length coded
  flat.Pixels[5] = 0x010203;
  TPicture noisy{17, 9, {}};  // few colours, no runs: plain 8 bits
  for (int i = 0; i < 17 * 9; ++i) noisy.Pixels.push_back(static_cast<uint32_t>((i * 7919) % 13));
  TPicture rich{33, 11, {}};  // many colours: 24 bits
  for (int i = 0; i < 33 * 11; ++i) rich.Pixels.push_back(static_cast<uint32_t>(i * 40503) & 0xFFFFFF);
  for (const TPicture& picture : {flat, noisy, rich, TPicture{1, 1, {0x00FF00}}}) {
    const std::vector<uint8_t> dib = EncodeDib(picture);
    TByteReader in(dib.data(), dib.size());
    EXPECT_EQ(ReadDib(in, TDibSource::LibraryPicture).Decode(), picture);
    const std::vector<uint8_t> file = EncodeBitmapFile(picture);
    EXPECT_EQ(ReadBitmap(TByteReader(file.data(), file.size())).Decode(), picture);
  }
  EXPECT_EQ(EncodeDib(flat)[16], 1);   // RLE8
  EXPECT_EQ(EncodeDib(noisy)[16], 0);  // plain
  EXPECT_EQ(EncodeDib(noisy)[14], 8);
  EXPECT_EQ(EncodeDib(rich)[14], 24);
}

// Surfaces of a 256-colour picture are packed from its indices directly; they must hold what the
// same picture gives as 0x00RRGGBB pixels, in blocks cut anywhere and in both pixel formats.
TEST(LibraryDib, PaletteSurfacesEqualThoseOfTheDecodedPicture) {
  constexpr int kWidth = 701;  // wider than one block of 16-pixel patterns, rows padded
  constexpr int kHeight = 5;
  TBytes dib = InfoHeader(kWidth, kHeight, 8);
  for (int i = 0; i < 256; ++i) dib.U32(static_cast<uint32_t>(i) * 0x0F0B07);
  uint32_t seed = 7;
  for (int i = 0; i < (kWidth + 3) / 4 * 4 * kHeight; ++i) {
    seed = seed * 1664525u + 1013904223u;
    dib.U8(static_cast<uint8_t>(seed >> 24));
  }
  const std::vector<uint8_t> payload = DibPayload(dib.Data);
  const TDib stored = ReadPictureData(TByteReader(payload.data(), payload.size()));
  ASSERT_NE(stored.IndexRow(0), nullptr);
  const TDib decoded = TDib::FromPicture(stored.Decode());
  ASSERT_EQ(decoded.IndexRow(0), nullptr);
  const TPatternGrid grid = MakePatternGrid(kWidth, kHeight, 16, 1, 0, 0);
  for (const TPixelFormat format : {TPixelFormat::RGB565, TPixelFormat::RGB555}) {
    TItemSurfaces fast;
    TItemSurfaces plain;
    fast.Format = plain.Format = format;
    fast.Build(stored, grid, false, clBlack);
    plain.Build(decoded, grid, false, clBlack);
    ASSERT_EQ(fast.Surfaces.size(), plain.Surfaces.size());
    ASSERT_GT(fast.Surfaces.size(), 1u);
    for (size_t i = 0; i < fast.Surfaces.size(); ++i) {
      const TDirectDrawSurface& a = *fast.Surfaces[i];
      const TDirectDrawSurface& b = *plain.Surfaces[i];
      ASSERT_EQ(a.Width(), b.Width());
      ASSERT_EQ(a.Height(), b.Height());
      for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) ASSERT_EQ(a.PixelAt(x, y), b.PixelAt(x, y)) << i << " " << x << "," << y;
      }
    }
  }
}

}  // namespace
