// Sprites: the surfaces built from a picture, and Draw, DrawStretched and DrawBlended on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "media/bitmap_file.h"
#include "media/blender.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/library_writer.h"
#include "tests/media/draw_fake_host.h"
#include "tests/media/library_streams.h"
#include "tests/support/test_pictures.h"

namespace {

constexpr uint32_t kRed = 0xFF0000;  // picture pixels are 0x00RRGGBB
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint16_t kRed565 = 0xF800;
constexpr uint16_t kGreen565 = 0x07E0;

// Column x of the picture gets colour x + 1 in its blue channel (converted: (x + 1) div 8 ...),
// so use a value that survives conversion: blue = 8 * (x % 31 + 1).
TPicture Columns(int width, int height) {
  TPicture picture = Solid(width, height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.Pixels[static_cast<size_t>(y) * width + x] = static_cast<uint32_t>(8 * (x % 31 + 1));
    }
  }
  return picture;
}

uint16_t ColumnValue(int x) { return static_cast<uint16_t>(x % 31 + 1); }

class SpriteTest : public ::testing::Test {
 protected:
  TFakeHost host;
  TApplication app{host};
  TDXDraw draw{&app};
  TDXImageList list{&draw};

  TPictureCollectionItem& AddItem(TPicture picture, int patternWidth = 0, int patternHeight = 0) {
    TPictureCollectionItem& item = list.Items.Add();
    item.SetPicture(std::move(picture));
    item.PatternWidth = patternWidth;
    item.PatternHeight = patternHeight;
    return item;
  }
  TDirectDrawSurface& Back() { return *draw.Surface(); }
};

TEST_F(SpriteTest, ClippedAtTheLeftEdgeDrawsTheRightColumnsAtZero) {
  TPictureCollectionItem& item = AddItem(Columns(32, 4));
  item.Transparent = false;
  draw.Initialize();
  item.Draw(Back(), -10, 5, 0);
  for (int x = 0; x < 22; ++x) EXPECT_EQ(Back().PixelAt(x, 5), ColumnValue(x + 10)) << x;
  EXPECT_EQ(Back().PixelAt(22, 5), 0u);
  EXPECT_EQ(Back().PixelAt(0, 4), 0u);
  EXPECT_EQ(Back().PixelAt(0, 9), 0u);
}

TEST_F(SpriteTest, ClippedAtTheRightAndBottomEdges) {
  TPictureCollectionItem& item = AddItem(Columns(32, 4));
  draw.Initialize();
  item.Draw(Back(), 630, 478, 0);
  EXPECT_EQ(Back().PixelAt(639, 479), ColumnValue(9));
  EXPECT_EQ(Back().PixelAt(630, 478), ColumnValue(0));
  // Starting beyond the surface draws nothing and touches nothing.
  item.Draw(Back(), 641, 0, 0);
  item.Draw(Back(), 0, 481, 0);
  item.Draw(Back(), 640, 480, 0);
  item.Draw(Back(), -100, -100, 0);
  EXPECT_EQ(Back().PixelAt(0, 0), 0u);
}

TEST_F(SpriteTest, ColourKeySkipsPixelsWhoseConvertedValueMatches) {
  TPicture picture = Solid(4, 1, kRed);
  picture.Pixels[1] = 0xFF00FF;  // the key exactly
  picture.Pixels[2] = 0xFC03FC;  // differs from the key only in bits the conversion drops
  TPictureCollectionItem& item = AddItem(picture);
  item.SetTransparentColor(clFuchsia);
  draw.Initialize();
  Back().Fill(kGreen565);
  item.Draw(Back(), 0, 0, 0);
  EXPECT_EQ(Back().PixelAt(0, 0), kRed565);
  EXPECT_EQ(Back().PixelAt(1, 0), kGreen565);
  EXPECT_EQ(Back().PixelAt(2, 0), kGreen565);
  EXPECT_EQ(Back().PixelAt(3, 0), kRed565);

  // Without Transparent the key-coloured pixels are copied too.
  item.Transparent = false;
  item.Draw(Back(), 0, 0, 0);
  EXPECT_EQ(Back().PixelAt(1, 0), 0xF81Fu);
  EXPECT_EQ(Back().PixelAt(2, 0), 0xF81Fu);
}

TEST_F(SpriteTest, ChangingTheKeyRederivesItOnBuiltSurfaces) {
  TPicture picture = Solid(3, 1, kRed);
  picture.Pixels[1] = 0;
  TPictureCollectionItem& item = AddItem(picture);
  draw.Initialize();
  Back().Fill(kGreen565);
  item.Draw(Back(), 0, 0, 0);
  EXPECT_EQ(Back().PixelAt(0, 0), kRed565);
  EXPECT_EQ(Back().PixelAt(1, 0), kGreen565);  // black is the default key

  item.SetTransparentColor(RGB(255, 0, 0));
  Back().Fill(kGreen565);
  item.Draw(Back(), 0, 0, 0);
  EXPECT_EQ(Back().PixelAt(0, 0), kGreen565);
  EXPECT_EQ(Back().PixelAt(1, 0), 0u);
}

TEST_F(SpriteTest, NothingBeforeInitialisationOrForABadPattern) {
  TPictureCollectionItem& item = AddItem(Solid(8, 4, kRed), 4, 4);
  TDirectDrawSurface target(16, 16, TPixelFormat::RGB565);
  item.Draw(target, 0, 0, 0);
  item.DrawStretched(target, Bounds(0, 0, 8, 8), 0);
  item.DrawBlended(target, Bounds(0, 0, 8, 8), 0, 255);
  EXPECT_EQ(target.PixelAt(0, 0), 0u);
  EXPECT_EQ(item.PatternSurface(0), nullptr);

  draw.Initialize();
  for (int bad : {-1, 2, 1000}) {
    item.Draw(target, 0, 0, bad);
    item.DrawStretched(target, Bounds(0, 0, 8, 8), bad);
    item.DrawBlended(target, Bounds(0, 0, 8, 8), bad, 255);
    EXPECT_EQ(item.PatternSurface(bad), nullptr);
  }
  EXPECT_EQ(target.PixelAt(0, 0), 0u);
  item.Draw(target, 0, 0, 1);
  EXPECT_EQ(target.PixelAt(0, 0), kRed565);

  draw.Finalize();
  EXPECT_EQ(item.PatternSurface(0), nullptr);
}

// Pattern fields near the int32 limits, as a library may hold them, give the grid the library
// reports and surfaces that stay inside the picture.
TEST_F(SpriteTest, ExtremePatternFieldsBuildTheGridTheItemReports) {
  TPictureCollectionItem& wideSkip = AddItem(Columns(100, 10), 50);
  wideSkip.SkipWidth = 2147483000;  // one column; strides beyond the picture
  TPictureCollectionItem& hugePattern = AddItem(Columns(100, 10), INT32_MAX, INT32_MAX);
  hugePattern.SkipWidth = 10;
  hugePattern.SkipHeight = INT32_MAX;
  TPictureCollectionItem& lowSkip = AddItem(Columns(100, 10), 10, 10);
  lowSkip.SkipWidth = INT32_MIN;
  draw.Initialize();
  EXPECT_EQ(wideSkip.PatternTotal(), 1);
  ASSERT_NE(wideSkip.PatternSurface(0), nullptr);
  wideSkip.Draw(Back(), 0, 0, 0);
  EXPECT_EQ(Back().PixelAt(49, 0), ColumnValue(49));
  EXPECT_EQ(Back().PixelAt(50, 0), 0u);
  for (TPictureCollectionItem* item : {&hugePattern, &lowSkip}) {
    EXPECT_EQ(item->PatternTotal(), 0);
    EXPECT_EQ(item->PatternSurface(0), nullptr);
  }
}

TEST_F(SpriteTest, PicturesAreCutIntoBlocksOfWholePatterns) {
  // Patterns 100 x 40: blocks are min(100 * 6, 100 * 11) = 600 wide, so two blocks across.
  TPictureCollectionItem& blocks = AddItem(Columns(1100, 40), 100, 40);
  // SystemMemory keeps one surface; a pattern the size of the picture is the whole picture.
  TPictureCollectionItem& system = AddItem(Columns(1100, 40), 100, 40);
  system.SystemMemory = true;
  TPictureCollectionItem& whole = AddItem(Columns(50, 20));
  // A picture smaller than one pattern gets no surface and no pattern.
  TPictureCollectionItem& tiny = AddItem(Columns(10, 10), 32, 32);
  draw.Initialize();

  ASSERT_NE(blocks.PatternSurface(0), nullptr);
  EXPECT_EQ(blocks.PatternSurface(0), blocks.PatternSurface(5));
  EXPECT_NE(blocks.PatternSurface(5), blocks.PatternSurface(6));
  EXPECT_EQ(blocks.PatternSurface(0)->Width(), 600);
  EXPECT_EQ(blocks.PatternSurface(6)->Width(), 500);
  EXPECT_FALSE(blocks.PatternSurface(0)->SystemMemory());
  EXPECT_EQ(blocks.Surfaces().Patterns[7].Rect, Bounds(100, 0, 100, 40));

  EXPECT_EQ(system.Surfaces().Surfaces.size(), 1u);
  EXPECT_TRUE(system.PatternSurface(10)->SystemMemory());
  EXPECT_EQ(system.Surfaces().Patterns[7].Rect, Bounds(700, 0, 100, 40));

  EXPECT_EQ(whole.Surfaces().Patterns.size(), 1u);
  EXPECT_EQ(whole.Surfaces().Patterns[0].Rect, Bounds(0, 0, 50, 20));

  EXPECT_TRUE(tiny.Surfaces().Surfaces.empty());
  EXPECT_EQ(tiny.PatternSurface(0), nullptr);

  // Pattern 7 of either layout shows picture columns 700..799.
  blocks.Transparent = system.Transparent = false;
  blocks.Draw(Back(), 0, 0, 7);
  system.Draw(Back(), 0, 100, 7);
  for (int x : {0, 45, 99}) {
    EXPECT_EQ(Back().PixelAt(x, 0), ColumnValue(700 + x));
    EXPECT_EQ(Back().PixelAt(x, 100), ColumnValue(700 + x));
  }
}

TEST_F(SpriteTest, StretchedScalesAndKeepsTheKey) {
  TPicture picture = Solid(2, 2, kRed);
  picture.Pixels[1] = 0;  // top right transparent
  picture.Pixels[2] = kGreen;
  TPictureCollectionItem& item = AddItem(picture);
  draw.Initialize();
  Back().Fill(0x001F);
  item.DrawStretched(Back(), Bounds(10, 10, 4, 4), 0);
  EXPECT_EQ(Back().PixelAt(10, 10), kRed565);
  EXPECT_EQ(Back().PixelAt(11, 11), kRed565);
  EXPECT_EQ(Back().PixelAt(12, 10), 0x001Fu);
  EXPECT_EQ(Back().PixelAt(10, 13), kGreen565);
  EXPECT_EQ(Back().PixelAt(14, 10), 0x001Fu);
  // Partly off the surface: the visible part still maps from the unclipped rectangle.
  item.DrawStretched(Back(), Bounds(-2, 0, 4, 4), 0);
  EXPECT_EQ(Back().PixelAt(0, 0), 0x001Fu);
  EXPECT_EQ(Back().PixelAt(0, 2), kRed565);
  Back().Fill(0);
  item.DrawStretched(Back(), Bounds(0, 0, 0, 4), 0);  // empty destination: nothing
  EXPECT_EQ(Back().PixelAt(0, 0), 0u);
}

// Scaled down, up or one to one, keyed or not, clipped or not: every pixel is the one the 16.16
// steps pick, the key left out.
TEST_F(SpriteTest, StretchedMatchesAPixelByPixelReference) {
  TPicture picture = Solid(10 * 2, 9, 0);
  uint32_t seed = 777;
  for (uint32_t& pixel : picture.Pixels) {
    seed = seed * 1103515245u + 12345u;
    pixel = (seed >> 16) % 3 == 0 ? 0 : (seed & 0xF8FCF8) | 0x08;
  }
  TPictureCollectionItem& item = AddItem(picture, 10, 9);
  draw.Initialize();
  const uint16_t background = 0x1234;
  for (bool transparent : {true, false}) {
    item.Transparent = transparent;
    for (const TRect& to : {Bounds(5, 5, 10, 9), Bounds(5, 5, 9, 8), Bounds(-3, 2, 7, 25), Bounds(630, 470, 31, 13),
                            Bounds(100, 100, 300, 4)}) {
      Back().Fill(background);
      item.DrawStretched(Back(), to, 1);
      const int64_t stepX = (int64_t{10} << 16) / to.Width();
      const int64_t stepY = (int64_t{9} << 16) / to.Height();
      for (int y = std::max(to.Top - 1, 0); y <= std::min(to.Bottom, 479); ++y) {
        for (int x = std::max(to.Left - 1, 0); x <= std::min(to.Right, 639); ++x) {
          uint16_t expected = background;
          if (x >= to.Left && x < to.Right && y >= to.Top && y < to.Bottom) {
            const int sx = static_cast<int>((stepX * (x - to.Left)) >> 16);
            const int sy = static_cast<int>((stepY * (y - to.Top)) >> 16);
            const uint16_t source = PackPicturePixel(picture.At(10 + sx, sy), TPixelFormat::RGB565);
            if (!transparent || source != 0) expected = source;
          }
          ASSERT_EQ(Back().PixelAt(x, y), expected) << transparent << " " << to.Width() << "x" << to.Height()
                                                    << " pixel " << x << "," << y;
        }
      }
    }
  }
}

// DrawAbove draws what Draw draws above its line and leaves the rows from the line down alone.
TEST_F(SpriteTest, DrawAboveLeavesTheRowsBelowItsLine) {
  TPictureCollectionItem& item = AddItem(Columns(8, 8));
  item.Transparent = false;
  draw.Initialize();
  Back().Fill(0x1234);
  item.DrawAbove(Back(), 3, 10, 0, 14);
  for (int y = 9; y <= 18; ++y) {
    EXPECT_EQ(Back().PixelAt(4, y), y >= 10 && y < 14 ? ColumnValue(1) : 0x1234u) << "row " << y;
  }
  item.DrawAbove(Back(), 3, 30, 0, 30);  // wholly below the line: nothing
  EXPECT_EQ(Back().PixelAt(4, 30), 0x1234u);
  item.DrawAbove(Back(), 3, 475, 0, 1000);  // a line below the surface: cut at its bottom
  EXPECT_EQ(Back().PixelAt(4, 479), ColumnValue(1));
}

TEST_F(SpriteTest, BlendedAtAlphaZeroOneHalfAndFull) {
  TPictureCollectionItem& item = AddItem(Solid(1, 1, 0xFFFFFF));
  draw.Initialize();
  const auto blendedAt = [&](int alpha) {
    Back().Fill(0);
    item.DrawBlended(Back(), Bounds(0, 0, 1, 1), 0, alpha);
    return Back().PixelAt(0, 0);
  };
  EXPECT_EQ(blendedAt(0), 0u);
  EXPECT_EQ(blendedAt(-5), 0u);
  EXPECT_EQ(blendedAt(255), 0xFFFFu);
  // Each channel: (s * a + d * (255 - a) + 127) div 255 in its own units.
  EXPECT_EQ(blendedAt(128), (16u << 11) | (32u << 5) | 16u);
  EXPECT_EQ(blendedAt(1), 0u);
}

TEST_F(SpriteTest, BlendedScalesWithSixteenSixteenSteps) {
  TPictureCollectionItem& item = AddItem(Columns(4, 1));
  item.Transparent = false;
  draw.Initialize();
  item.DrawBlended(Back(), Bounds(-1, 0, 8, 1), 0, 255);
  // Step 0.5: destination column i takes source column i div 2; column -1 is skipped.
  EXPECT_EQ(Back().PixelAt(0, 0), ColumnValue(0));
  EXPECT_EQ(Back().PixelAt(1, 0), ColumnValue(1));
  EXPECT_EQ(Back().PixelAt(2, 0), ColumnValue(1));
  EXPECT_EQ(Back().PixelAt(6, 0), ColumnValue(3));
  EXPECT_EQ(Back().PixelAt(7, 0), 0u);
}

TEST_F(SpriteTest, LoadingIntoAnInitialisedDeviceBuildsAtOnce) {
  draw.Initialize();
  TPictureItemData data;
  data.Name = "boat";
  data.Picture = Solid(8, 8, kRed);
  const std::vector<uint8_t> file = EncodePictureLibrary({data});
  list.Items.ReadFromStream(file.data(), file.size());
  TPictureCollectionItem& boat = list.Items.Find("BOAT");
  ASSERT_NE(boat.PatternSurface(0), nullptr);
  boat.Draw(Back(), 0, 0, 0);
  EXPECT_EQ(Back().PixelAt(7, 7), kRed565);
}

TEST_F(SpriteTest, FiveFiveFiveDisplayConvertsPicturesAndKeys) {
  host.Desktop.GreenFiveBits = true;
  TPicture picture = Solid(2, 1, 0xFFFFFF);
  picture.Pixels[1] = 0x070707;  // black once converted: transparent
  AddItem(picture);
  draw.Initialize();
  ASSERT_EQ(draw.PixelFormat(), TPixelFormat::RGB555);
  list.Items.Items(0).Draw(Back(), 0, 0, 0);
  EXPECT_EQ(Back().PixelAt(0, 0), 0x7FFFu);
  EXPECT_EQ(Back().PixelAt(1, 0), 0u);
}

}  // namespace

namespace {

// Draws pattern of item at `at` above clipBottom and compares every pixel in and around it with a
// pixel-by-pixel keyed copy of picture over the background.
void ExpectKeyedCopy(TDirectDrawSurface& back, TPictureCollectionItem& item, const TPicture& picture,
                     int pattern, TPoint at, int clipBottom) {
  const uint16_t key = 0xF81F;
  const uint16_t background = 0x1234;
  back.Fill(background);
  item.DrawAbove(back, at.X, at.Y, pattern, clipBottom);
  const TRect rect = item.PatternRect(pattern);
  for (int y = at.Y - 1; y <= at.Y + rect.Height(); ++y) {
    for (int x = at.X - 1; x <= at.X + rect.Width(); ++x) {
      if (x < 0 || y < 0 || x >= 640 || y >= 480) continue;
      uint16_t expected = background;
      if (x >= at.X && x < at.X + rect.Width() && y >= at.Y && y < at.Y + rect.Height() && y < clipBottom) {
        const uint16_t source =
            PackPicturePixel(picture.At(rect.Left + x - at.X, rect.Top + y - at.Y), TPixelFormat::RGB565);
        if (source != key) expected = source;
      }
      ASSERT_EQ(back.PixelAt(x, y), expected) << "pattern " << pattern << " at " << at.X << "," << at.Y
                                              << " pixel " << x << "," << y;
    }
  }
}

// Keyed drawing, clipped or not, gives exactly what a pixel-by-pixel copy gives.
TEST_F(SpriteTest, KeyedCopiesMatchAPixelByPixelReference) {
  TPicture picture = Solid(13 * 4, 7 * 3, 0);
  uint32_t seed = 12345;
  for (uint32_t& pixel : picture.Pixels) {
    seed = seed * 1103515245u + 12345u;
    pixel = (seed >> 16) % 5 < 2 ? 0xFF00FF : (seed & 0xF8FCF8);
  }
  TPictureCollectionItem& item = AddItem(picture, 13, 7);
  item.SetTransparentColor(clFuchsia);
  draw.Initialize();
  for (int pattern = 0; pattern < item.PatternTotal(); pattern += 5) {
    for (TPoint at : {TPoint{-12, -6}, TPoint{-5, 3}, TPoint{0, 0}, TPoint{300, 200},
                      TPoint{634, 476}, TPoint{639, -3}, TPoint{-13, 0}}) {
      ExpectKeyedCopy(Back(), item, picture, pattern, at, 480);
    }
  }
}

// Rows of one run, as tiles have, of every length from 1 to past 64 pixels at starts of every
// alignment, rows of two runs and an empty row: whole, cut at either side or at a line, drawn at
// every alignment to the destination's 16-byte moves, each pixel is the reference's.
TEST_F(SpriteTest, KeyedRunsOfEveryLengthMatchAPixelByPixelReference) {
  constexpr int kWidth = 72;
  constexpr int kRows = kWidth + 3;
  TPicture picture = Solid(kWidth, kRows, 0xFF00FF);
  const auto paint = [&](int y, int first, int length) {
    for (int x = first; x < first + length; ++x) {
      picture.Pixels[static_cast<size_t>(y) * kWidth + x] = 0x080000 * static_cast<uint32_t>(y % 31 + 1) + 8 * (x % 31);
    }
  };
  for (int length = 1; length <= kWidth; ++length) paint(length - 1, (length * 7) % (kWidth - length + 1), length);
  paint(kWidth, 1, 3);
  paint(kWidth, 20, 45);
  paint(kWidth + 1, 0, 2);
  paint(kWidth + 1, kWidth - 2, 2);
  TPictureCollectionItem& item = AddItem(picture);
  item.SetTransparentColor(clFuchsia);
  draw.Initialize();
  for (int x = 100; x < 108; ++x) ExpectKeyedCopy(Back(), item, picture, 0, TPoint{x, 50}, 480);
  for (TPoint at : {TPoint{-1, 0}, TPoint{-37, 10}, TPoint{-71, 0}, TPoint{600, 400}, TPoint{633, -20}}) {
    ExpectKeyedCopy(Back(), item, picture, 0, at, 480);
  }
  ExpectKeyedCopy(Back(), item, picture, 0, TPoint{3, 5}, 40);
}

}  // namespace

namespace {

// Unscaled, scaled, keyed or not: every blended pixel is the blender's mix of the two pixels.
TEST_F(SpriteTest, BlendedPixelsAreTheBlendersMix) {
  TPicture picture = Columns(40, 3);
  picture.Pixels[5] = 0;  // the key
  TPictureCollectionItem& item = AddItem(picture);
  draw.Initialize();
  for (bool transparent : {false, true}) {
    for (int width : {40, 80}) {
      item.Transparent = transparent;
      for (int x = 0; x < 80; ++x) Back().Row(0)[x] = static_cast<uint16_t>(x * 811);
      item.DrawBlended(Back(), Bounds(0, 0, width, 3), 0, 77);
      for (int x = 0; x < width; ++x) {
        const int column = x * 40 / width;
        const uint16_t before = static_cast<uint16_t>(x * 811);
        const uint16_t source = column == 5 ? 0 : ColumnValue(column);
        const uint16_t expected =
            transparent && column == 5 ? before : Blend16(source, before, 77, TPixelFormat::RGB565);
        ASSERT_EQ(Back().PixelAt(x, 0), expected) << transparent << " " << width << " " << x;
      }
    }
  }
}

// A 4-bit picture kept as stored builds, pattern by pattern, the very surfaces its colours do;
// patterns three pixels wide start inside a byte of the stored rows.
TEST_F(SpriteTest, StoredPalettePicturesBuildTheSameSurfacesAsTheirColours) {
  TBytes dib = InfoHeader(37, 5, 4);
  for (uint32_t i = 0; i < 16; ++i) dib.U32(i * 0x0F1E2D);
  for (int i = 0; i < 20 * 5; ++i) dib.U8(static_cast<uint8_t>(i * 37 + 11));
  const std::vector<uint8_t> payload = DibPayload(dib.Data);
  const TDib stored = ReadPictureData(TByteReader(payload.data(), payload.size()));
  TPictureCollectionItem& fromRows = list.Items.Add();
  fromRows.SetPicture(stored);
  fromRows.PatternWidth = 3;
  TPictureCollectionItem& fromColours = AddItem(stored.Decode(), 3);
  draw.Initialize();
  const TItemSurfaces& a = fromRows.Surfaces();
  const TItemSurfaces& b = fromColours.Surfaces();
  ASSERT_EQ(fromRows.PatternTotal(), 12);
  ASSERT_EQ(a.Surfaces.size(), b.Surfaces.size());
  for (size_t i = 0; i < a.Surfaces.size(); ++i) {
    const TDirectDrawSurface& sa = *a.Surfaces[i];
    const TDirectDrawSurface& sb = *b.Surfaces[i];
    ASSERT_EQ(sa.Width(), sb.Width());
    ASSERT_EQ(sa.Height(), sb.Height());
    for (int y = 0; y < sa.Height(); ++y) {
      for (int x = 0; x < sa.Width(); ++x) ASSERT_EQ(sa.Row(y)[x], sb.Row(y)[x]) << x << "," << y;
    }
  }
}

}  // namespace
