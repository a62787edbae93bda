// Pixels, lines and image-font text.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/errors.h"
#include "media/glyph_table.h"
#include "media/turbopixels.h"
#include "tests/media/draw_fake_host.h"

namespace {

// A font whose glyph i is a 2 x 2 cell filled with a colour that identifies i once converted.
constexpr int kCell = 2;

uint32_t GlyphColour(int i) {
  return static_cast<uint32_t>(((i % 32) * 8) << 16 | ((i / 32 + 1) * 4) << 8 | 0x80);
}

class TextTest : public ::testing::Test {
 protected:
  TFakeHost host;
  TApplication app{host};
  TDXDraw draw{&app};
  TDXImageList list{&draw};
  std::map<uint32_t, int> glyphOfPixel;

  void SetUp() override {
    TPicture picture;
    picture.Width = kCell * kGlyphCount;
    picture.Height = kCell;
    picture.Pixels.resize(static_cast<size_t>(picture.Width) * kCell);
    for (int i = 0; i < kGlyphCount; ++i) {
      for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
          picture.Pixels[static_cast<size_t>(y) * picture.Width + i * kCell + x] = GlyphColour(i);
        }
      }
      glyphOfPixel[PackPicturePixel(GlyphColour(i), TPixelFormat::RGB565)] = i;
    }
    for (const char* name : {"font", "digits"}) {
      TPictureCollectionItem& font = list.Items.Add();
      font.SetName(name);
      font.SetPicture(picture);
      font.PatternWidth = kCell;
      font.PatternHeight = kCell;
    }
    draw.Initialize();
  }

  // The glyph drawn with its top-left corner at (x, y), or -1.
  int GlyphAt(int x, int y) {
    const auto found = glyphOfPixel.find(draw.Surface()->PixelAt(x, y));
    return found == glyphOfPixel.end() ? -1 : found->second;
  }
};

TEST_F(TextTest, BarStartsANewLineOneCellRightOfX) {
  DrawImageText(*draw.Surface(), list, "FONT", 10, 20, "AB|C");
  EXPECT_EQ(GlyphAt(10, 20), -1);
  EXPECT_EQ(GlyphAt(10 + kCell, 20), 0);
  EXPECT_EQ(GlyphAt(10 + 2 * kCell, 20), 1);
  EXPECT_EQ(GlyphAt(10 + 3 * kCell, 20), -1);
  EXPECT_EQ(GlyphAt(10 + kCell, 20 + kCell + 1), 2);
}

TEST_F(TextTest, CharactersMapThroughTheGlyphTable) {
  DrawImageText(*draw.Surface(), list, "font", 0, 0, "a=?\xE9 1\xC5t*");
  const int expected[] = {0, 43, 65, 30, 29, 32, 62, 19, 66};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(GlyphAt((i + 1) * kCell, 0), expected[i]) << i;
  EXPECT_EQ(GlyphIndex('-'), 46);
  EXPECT_EQ(GlyphIndex('"'), 26);
  EXPECT_EQ(GlyphIndex('\xD6'), 63);
  EXPECT_EQ(GlyphIndex('\xF6'), 30);  // lower-case accented letters are not converted
}

TEST_F(TextTest, WrappingBreaksAtTheFirstBlankPastTheColumnCount) {
  DrawWrappedImageText(*draw.Surface(), list, "font", 0, 0, 3, "AB CD EF");
  const int line1[] = {0, 1, 29, 2, 3};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(GlyphAt((i + 1) * kCell, 0), line1[i]) << i;
  EXPECT_EQ(GlyphAt(6 * kCell, 0), -1);
  EXPECT_EQ(GlyphAt(kCell, kCell + 1), 4);
  EXPECT_EQ(GlyphAt(2 * kCell, kCell + 1), 5);
  // "|" is an ordinary character here.
  DrawWrappedImageText(*draw.Surface(), list, "font", 0, 10, 3, "|");
  EXPECT_EQ(GlyphAt(kCell, 10), 30);
}

TEST_F(TextTest, DigitsUseTheirOwnTable) {
  DrawImageDigits(*draw.Surface(), list, "digits", 0, 0, "09-");
  EXPECT_EQ(GlyphAt(kCell, 0), 0);
  EXPECT_EQ(GlyphAt(2 * kCell, 0), 9);
  EXPECT_EQ(GlyphAt(3 * kCell, 0), 30);
  // The bowling digit font: "-" is pattern 10, and the lookup is by index.
  DrawImageDigits(*draw.Surface(), list, "DIGITS", 0, 10, "-7|x", true, TFontLookup::IndexOf);
  EXPECT_EQ(GlyphAt(kCell, 10), 10);
  EXPECT_EQ(GlyphAt(2 * kCell, 10), 7);
  EXPECT_EQ(GlyphAt(kCell, 10 + kCell + 1), 30);
}

TEST_F(TextTest, BothLookupsDrawTheSameText) {
  DrawImageText(*draw.Surface(), list, "Font", 0, 0, "AB|C", TFontLookup::IndexOf);
  EXPECT_EQ(GlyphAt(kCell, 0), 0);
  EXPECT_EQ(GlyphAt(2 * kCell, 0), 1);
  EXPECT_EQ(GlyphAt(kCell, kCell + 1), 2);
}

TEST_F(TextTest, AMissingFontIsReportedAsEachLookupDoes) {
  try {
    DrawImageText(*draw.Surface(), list, "nofont", 0, 0, "A");
    FAIL();
  } catch (const EPictureCollectionError& e) {
    EXPECT_EQ(e.Message(), "Image 'nofont' not found");
  }
  for (const bool digits : {false, true}) {
    try {
      if (digits) {
        DrawImageDigits(*draw.Surface(), list, "nofont", 0, 0, "1", true, TFontLookup::IndexOf);
      } else {
        DrawImageText(*draw.Surface(), list, "nofont", 0, 0, "A", TFontLookup::IndexOf);
      }
      FAIL() << digits;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), "List index out of bounds (-1)");
    }
  }
  EXPECT_THROW(DrawImageDigits(*draw.Surface(), list, "nofont", 0, 0, "1"), EPictureCollectionError);
}

TEST_F(TextTest, PreloadDrawsEverythingAndLeavesABlankSurface) {
  draw.Surface()->Fill(0x1111);
  PreloadImages(*draw.Surface(), list);
  EXPECT_EQ(draw.Surface()->PixelAt(0, 0), 0u);
}

TEST(PixelTest, WhiteOnBothFormats) {
  TDirectDrawSurface wide(4, 4, TPixelFormat::RGB565);
  TDirectDrawSurface narrow(4, 4, TPixelFormat::RGB555);
  ASSERT_TRUE(LockSurface(wide));
  PutPixel(wide, 1, 2, 255, 255, 255);
  PutPixel(wide, 0, 0, 8, 4, 8);
  PutPixel(wide, -1, 0, 255, 255, 255);
  PutPixel(wide, 4, 0, 255, 255, 255);
  PutPixel(wide, 0, 4, 255, 255, 255);
  UnlockSurface();
  EXPECT_EQ(wide.PixelAt(1, 2), 0xFFFFu);
  EXPECT_EQ(wide.PixelAt(0, 0), (1u << 11) | (1u << 5) | 1u);
  EXPECT_FALSE(wide.Locked());

  ASSERT_TRUE(LockSurface(narrow));
  PutPixel(narrow, 3, 3, 255, 255, 255);
  PutPixel(wide, 3, 3, 255, 255, 255);  // not the locked surface: nothing
  UnlockSurface();
  EXPECT_EQ(narrow.PixelAt(3, 3), 0x7FFFu);
  EXPECT_EQ(wide.PixelAt(3, 3), 0u);

  PutPixel(narrow, 0, 0, 255, 255, 255);  // nothing locked
  EXPECT_EQ(narrow.PixelAt(0, 0), 0u);
  TDirectDrawSurface empty(0, 0, TPixelFormat::RGB565);
  EXPECT_FALSE(LockSurface(empty));
}

TEST(PixelTest, LinesFollowBresenhamAndClip) {
  TDirectDrawSurface surface(8, 8, TPixelFormat::RGB565);
  ASSERT_TRUE(LockSurface(surface));
  DrawLine(surface, 0, 0, 4, 2, 255, 255, 255);    // x drives: 5 pixels
  DrawLine(surface, 7, 7, 6, 3, 255, 255, 255);    // y drives, going up and left
  DrawLine(surface, -3, 6, 10, 6, 255, 255, 255);  // off both ends
  UnlockSurface();
  const char* expected[] = {"X.......", ".XX.....", "...XX...", "......X.",
                            "......X.", "......X.", "XXXXXXXX", ".......X"};
  for (int y = 0; y < 8; ++y) {
    std::string row;
    for (int x = 0; x < 8; ++x) row += surface.PixelAt(x, y) ? 'X' : '.';
    EXPECT_EQ(row, expected[y]) << y;
  }
}

TEST(SurfaceTest, FillPixelAtAndBlendedRectangles) {
  TDirectDrawSurface surface(4, 3, TPixelFormat::RGB565);
  surface.Fill(0x0841);
  EXPECT_EQ(surface.PixelAt(3, 2), 0x0841u);
  EXPECT_EQ(surface.PixelAt(4, 0), 0u);
  EXPECT_EQ(surface.PixelAt(0, -1), 0u);

  surface.Fill(0);
  surface.FillRectBlended(TRect{-5, 1, 2, 10}, RGB(255, 255, 255), 255);
  EXPECT_EQ(surface.PixelAt(0, 0), 0u);
  EXPECT_EQ(surface.PixelAt(1, 2), 0xFFFFu);
  EXPECT_EQ(surface.PixelAt(2, 1), 0u);
  surface.FillRectBlended(TRect{0, 0, 4, 3}, RGB(255, 0, 0), 128);  // red in the low byte
  EXPECT_EQ(surface.PixelAt(3, 0), 16u << 11);
  surface.FillRectBlended(TRect{0, 0, 4, 3}, RGB(0, 0, 255), 0);
  EXPECT_EQ(surface.PixelAt(3, 0), 16u << 11);
  TDirectDrawSurface empty(0, 5, TPixelFormat::RGB565);
  empty.FillRectBlended(TRect{0, 0, 4, 3}, 0, 255);
}

}  // namespace
