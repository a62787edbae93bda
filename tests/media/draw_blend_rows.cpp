// The blender's rows: the SSE2 rows against the plain ones for every weight and every pair of
// channel values, odd lengths and offsets; and DrawBlended and FillRectBlended, scaled, keyed and
// clipped, against the pixel-by-pixel mix on both 16-bit formats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "media/blend_rows.h"
#include "media/blender.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "tests/media/draw_fake_host.h"

namespace {

constexpr TPixelFormat kFormats[] = {TPixelFormat::RGB565, TPixelFormat::RGB555};

// The blender written out channel by channel: each channel becomes
// (s * alpha + d * (255 - alpha) + 127) div 255 in its own units; a 5-5-5 pixel's top bit is lost.
uint16_t Mixed(uint16_t s, uint16_t d, int alpha, TPixelFormat format) {
  const int redShift = format == TPixelFormat::RGB565 ? 11 : 10;
  const int greenBits = format == TPixelFormat::RGB565 ? 0x3F : 0x1F;
  const auto mix = [alpha](int a, int b) { return (a * alpha + b * (255 - alpha) + 127) / 255; };
  const int r = mix((s >> redShift) & 0x1F, (d >> redShift) & 0x1F);
  const int g = mix((s >> 5) & greenBits, (d >> 5) & greenBits);
  const int b = mix(s & 0x1F, d & 0x1F);
  return static_cast<uint16_t>((r << redShift) | (g << 5) | b);
}

// 4096 source and destination pixels in which every channel meets every value of the other side:
// green runs through all 64 x 64 pairs, red and blue through all 32 x 32 (twice over), and the
// unused top bit of a 5-5-5 pixel is set on some.
void ChannelPairs(TPixelFormat format, std::vector<uint16_t>& source, std::vector<uint16_t>& dest) {
  const bool wide = format == TPixelFormat::RGB565;
  source.clear();
  dest.clear();
  for (int i = 0; i < 4096; ++i) {
    const int s = i / 64;
    const int d = i % 64;
    const int top = wide ? 0 : ((i * 7) & 1) << 15;
    const int sGreen = wide ? s : s % 32;
    const int dGreen = wide ? d : d % 32;
    if (wide) {
      source.push_back(static_cast<uint16_t>(((s % 32) << 11) | (sGreen << 5) | (d % 32)));
      dest.push_back(static_cast<uint16_t>(((d % 32) << 11) | (dGreen << 5) | (s % 32)));
    } else {
      source.push_back(static_cast<uint16_t>(top | ((s % 32) << 10) | (sGreen << 5) | (d % 32)));
      dest.push_back(static_cast<uint16_t>(top | ((d % 32) << 10) | (dGreen << 5) | (s % 32)));
    }
  }
}

TEST(BlendRowsTest, PlainRowsAreTheBlendersFormula) {
  std::vector<uint16_t> source;
  std::vector<uint16_t> dest;
  for (TPixelFormat format : kFormats) {
    ChannelPairs(format, source, dest);
    for (int alpha : {0, 1, 77, 128, 254, 255}) {
      std::vector<uint16_t> blended = dest;
      std::vector<uint16_t> filled = dest;
      BlendRowPlain(blended.data(), source.data(), static_cast<int>(source.size()), std::max(alpha, 1),
                    format, false, 0);
      FillRowBlendedPlain(filled.data(), static_cast<int>(dest.size()), source[1234], alpha, format);
      for (size_t i = 0; i < source.size(); ++i) {
        const uint16_t expected =
            alpha == 255 ? source[i] : Mixed(source[i], dest[i], std::max(alpha, 1), format);
        ASSERT_EQ(blended[i], expected) << alpha << " " << i;
        ASSERT_EQ(filled[i], Mixed(source[1234], dest[i], alpha, format)) << alpha << " " << i;
      }
    }
  }
}

#if defined(TH_HAVE_SSE2_ROWS)

TEST(BlendRowsTest, Sse2MatchesPlainForEveryWeightAndChannelPair) {
  std::vector<uint16_t> source;
  std::vector<uint16_t> dest;
  for (TPixelFormat format : kFormats) {
    ChannelPairs(format, source, dest);
    const int count = static_cast<int>(source.size());
    const uint16_t key = source[300];
    for (int alpha = 0; alpha <= 256; ++alpha) {
      for (bool keyed : {false, true}) {
        if (alpha == 0) break;  // DrawBlended draws nothing at 0
        std::vector<uint16_t> plain = dest;
        std::vector<uint16_t> fast = dest;
        BlendRowPlain(plain.data(), source.data(), count, alpha, format, keyed, key);
        BlendRowSse2(fast.data(), source.data(), count, alpha, format, keyed, key);
        ASSERT_EQ(plain, fast) << "blend alpha " << alpha << " keyed " << keyed;
      }
      for (int colour : {0, 300, 4095}) {
        std::vector<uint16_t> plain = dest;
        std::vector<uint16_t> fast = dest;
        FillRowBlendedPlain(plain.data(), count, source[colour], alpha, format);
        FillRowBlendedSse2(fast.data(), count, source[colour], alpha, format);
        ASSERT_EQ(plain, fast) << "fill alpha " << alpha << " colour " << colour;
      }
    }
  }
}

TEST(BlendRowsTest, Sse2HandlesOddLengthsAndOffsetsWithoutTouchingNeighbours) {
  std::mt19937 random(99);
  constexpr uint16_t kGuard = 0xBEEF;
  for (TPixelFormat format : kFormats) {
    for (int count = 0; count <= 41; ++count) {
      for (int offset = 0; offset < 8; ++offset) {
        std::vector<uint16_t> source(static_cast<size_t>(count + 16));
        std::vector<uint16_t> dest(static_cast<size_t>(count + 16), kGuard);
        for (uint16_t& pixel : source) pixel = static_cast<uint16_t>(random());
        for (int i = 0; i < count; ++i) dest[static_cast<size_t>(offset + i)] = static_cast<uint16_t>(random());
        const uint16_t key = source[static_cast<size_t>(offset)];
        const int alpha = static_cast<int>(random() % 256) + 1;
        std::vector<uint16_t> plain = dest;
        std::vector<uint16_t> fast = dest;
        BlendRowPlain(plain.data() + offset, source.data() + offset, count, alpha, format, true, key);
        BlendRowSse2(fast.data() + offset, source.data() + offset, count, alpha, format, true, key);
        ASSERT_EQ(plain, fast) << count << " " << offset;
        plain = dest;
        fast = dest;
        FillRowBlendedPlain(plain.data() + offset, count, key, alpha - 1, format);
        FillRowBlendedSse2(fast.data() + offset, count, key, alpha - 1, format);
        ASSERT_EQ(plain, fast) << count << " " << offset;
        for (int i = 0; i < offset; ++i) ASSERT_EQ(fast[static_cast<size_t>(i)], kGuard);
        for (size_t i = static_cast<size_t>(offset + count); i < fast.size(); ++i) {
          ASSERT_EQ(fast[i], kGuard);
        }
      }
    }
  }
}

#endif

// DrawBlended and FillRectBlended on a device of each format, against the pixel-by-pixel rules.
class BlendSurfaceTest : public ::testing::TestWithParam<TPixelFormat> {
 protected:
  TFakeHost host;
  TApplication app{host};
  TDXDraw draw{&app};
  TDXImageList list{&draw};
  std::mt19937 random{2024};

  void SetUp() override { host.Desktop.GreenFiveBits = GetParam() == TPixelFormat::RGB555; }
  TDirectDrawSurface& Back() { return *draw.Surface(); }
  void Scramble(TDirectDrawSurface& surface) {
    for (int y = 0; y < surface.Height(); ++y) {
      for (int x = 0; x < surface.Width(); ++x) surface.Row(y)[x] = static_cast<uint16_t>(random());
    }
  }
};

TEST_P(BlendSurfaceTest, DrawBlendedMatchesThePixelByPixelRules) {
  // A 37 x 23 pattern (the second of two) with scattered key pixels.
  TPicture picture;
  picture.Width = 74;
  picture.Height = 23;
  for (int i = 0; i < picture.Width * picture.Height; ++i) {
    picture.Pixels.push_back(random() % 4 == 0 ? 0xFF00FF : random() & 0xFFFFFF);
  }
  TPictureCollectionItem& item = list.Items.Add();
  item.SetPicture(picture);
  item.PatternWidth = 37;
  item.SetTransparentColor(clFuchsia);
  draw.Initialize();
  ASSERT_EQ(draw.PixelFormat(), GetParam());
  const TDirectDrawSurface& source = *item.PatternSurface(1);
  const TRect rect = item.Surfaces().Patterns[1].Rect;
  const TRect places[] = {Bounds(10, 10, 37, 23),   Bounds(-5, -7, 37, 23),   Bounds(620, 470, 37, 23),
                          Bounds(3, 100, 111, 46),  Bounds(-100, 5, 700, 9), Bounds(600, -3, 19, 11),
                          Bounds(0, 0, 640, 480),   Bounds(638, 478, 5, 5),  Bounds(640, 0, 8, 8),
                          Bounds(7, 300, 1, 1)};
  for (const TRect& place : places) {
    for (bool transparent : {false, true}) {
      for (int alpha : {1, 100, 255}) {
        Scramble(Back());
        std::vector<uint16_t> before(Back().Bits(), Back().Bits() + 640 * 480);
        item.Transparent = transparent;
        item.DrawBlended(Back(), place, 1, alpha);
        const int64_t stepX = (int64_t{rect.Width()} << 16) / place.Width();
        const int64_t stepY = (int64_t{rect.Height()} << 16) / place.Height();
        for (int y = 0; y < 480; ++y) {
          for (int x = 0; x < 640; ++x) {
            uint16_t expected = before[static_cast<size_t>(y) * 640 + x];
            if (x >= place.Left && x < place.Right && y >= place.Top && y < place.Bottom) {
              const uint16_t pixel = source.Row(rect.Top + static_cast<int>((stepY * (y - place.Top)) >> 16))
                                         [rect.Left + ((stepX * (x - place.Left)) >> 16)];
              if (!transparent || pixel != source.ColorKey()) {
                expected = alpha >= 255 ? pixel : Mixed(pixel, expected, alpha, GetParam());
              }
            }
            ASSERT_EQ(Back().Row(y)[x], expected) << place.Left << "," << place.Top << " " << place.Width()
                                                  << "x" << place.Height() << " alpha " << alpha << " at "
                                                  << x << "," << y;
          }
        }
      }
    }
  }
}

TEST_P(BlendSurfaceTest, FillRectBlendedMatchesThePixelByPixelRules) {
  TDirectDrawSurface surface(83, 29, GetParam());
  const TRect rects[] = {TRect{0, 0, 83, 29}, TRect{-10, -10, 5, 3}, TRect{80, 27, 200, 100},
                         TRect{13, 2, 14, 28}, TRect{40, 5, 40, 20}, TRect{1, 1, 82, 2}};
  for (const TRect& rect : rects) {
    for (int alpha : {-3, 0, 1, 128, 254, 255, 300}) {
      Scramble(surface);
      const std::vector<uint16_t> before(surface.Bits(), surface.Bits() + 83 * 29);
      const TColor colour = RGB(random() & 255, random() & 255, random() & 255);
      surface.FillRectBlended(rect, colour, alpha);
      const uint16_t packed = PackColor(colour, GetParam());
      for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 83; ++x) {
          uint16_t expected = before[static_cast<size_t>(y) * 83 + x];
          if (x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom) {
            expected = Mixed(packed, expected, std::clamp(alpha, 0, 255), GetParam());
          }
          ASSERT_EQ(surface.Row(y)[x], expected) << rect.Left << "," << rect.Top << " alpha " << alpha;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothFormats, BlendSurfaceTest, ::testing::ValuesIn(kFormats));

}  // namespace
