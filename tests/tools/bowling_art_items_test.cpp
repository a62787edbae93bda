// graphics.dxg and the embedded backdrop read the way the bowling program uses them: every item
// with its patterns and size, distinct glyphs, frame boxes that mark only the cells they claim on
// clean paper where the digits go, pin lights over the panel's spots, the sign's housings around
// the lamp field, anchored pointers and a plain dark notebook area on the backdrop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "tests/tools/bowling_art_library.h"

namespace {

using bowling_art_test::FormPictures;
using bowling_art_test::Graphics;
using bowling_art_test::Luminance;

// The visible pixels of a pattern as a string, to compare patterns.
std::string Shape(const TPictureCollectionItem& item, int pattern) {
  std::string s;
  for (int y = 0; y < item.Height(); ++y) {
    for (int x = 0; x < item.Width(); ++x) {
      const uint32_t c = PixelOf(item, pattern, x, y);
      s += Keyed(item, c) ? '.' : static_cast<char>('a' + Luminance(c) / 32);
    }
  }
  return s;
}

TEST(BowlingArtItems, EveryPictureTheProgramDrawsIsThereWithItsPatternsAndSize) {
  struct Need {
    const char* Name;
    int Patterns, MinW, MaxW, MinH, MaxH;
    bool Transparent;
  };
  const Need needs[] = {
      {"logo", 1, 640, 640, 480, 480, false},     {"ledholder", 1, 564, 640, 205, 411, true},
      {"led", 2, 6, 6, 6, 6, false},              {"numbers", 11, 10, 10, 14, 14, true},
      {"bigfont", 67, 24, 24, 26, 30, true},      {"power", 128, 100, 179, 100, 174, true},
      {"scoretrans", 10, 63, 63, 40, 64, true},   {"player1", 1, 40, 64, 12, 18, true},
      {"player2", 1, 40, 64, 12, 18, true},       {"player3", 1, 40, 64, 12, 18, true},
      {"player4", 1, 40, 64, 12, 18, true},       {"display", 1, 120, 170, 110, 170, true},
      {"lite", 1, 10, 26, 10, 26, true},          {"mouse", 1, 8, 32, 8, 32, true},
      {"think", 1, 32, 32, 32, 32, true},         {"helpbutton", 1, 20, 43, 20, 41, true},
      {"help", 1, 640, 640, 480, 480, false},
  };
  ASSERT_EQ(Graphics().Count(), static_cast<int>(std::size(needs)));
  for (const Need& n : needs) {
    SCOPED_TRACE(n.Name);
    const TPictureCollectionItem& item = Graphics().Find(n.Name);
    EXPECT_EQ(item.PatternTotal(), n.Patterns);
    EXPECT_GE(item.Width(), n.MinW);
    EXPECT_LE(item.Width(), n.MaxW);
    EXPECT_GE(item.Height(), n.MinH);
    EXPECT_LE(item.Height(), n.MaxH);
    EXPECT_EQ(item.Transparent, n.Transparent);
  }
}

TEST(BowlingArtItems, BannerGlyphsAndScoreDigitsAreEachTheirOwn) {
  const TPictureCollectionItem& font = Graphics().Find("bigfont");
  std::set<std::string> seen;
  for (int g = 0; g < 67; ++g) {
    if (g == 29 || g == 30 || g == 59) continue;  // two blanks; 59 repeats "=" (43)
    EXPECT_TRUE(seen.insert(Shape(font, g)).second) << "glyph " << g;
  }
  EXPECT_EQ(Shape(font, 43), Shape(font, 59));
  const std::string blank(static_cast<size_t>(font.Width()) * font.Height(), '.');
  EXPECT_EQ(Shape(font, 29), blank);
  EXPECT_EQ(Shape(font, 30), blank);
  // The letters come with their dark rim, so they read over light maple: dark and bright pixels.
  for (int g : {0, 22, 31}) {
    int dark = 0, bright = 0;
    for (int y = 0; y < font.Height(); ++y) {
      for (int x = 0; x < font.Width(); ++x) {
        const uint32_t c = PixelOf(font, g, x, y);
        if (Keyed(font, c)) continue;
        dark += Luminance(c) < 60;
        bright += Luminance(c) > 180;
      }
    }
    EXPECT_GT(dark, 30) << g;
    EXPECT_GT(bright, 30) << g;
  }
  const TPictureCollectionItem& digits = Graphics().Find("numbers");
  std::set<std::string> shapes;
  for (int d = 0; d < 11; ++d) {
    EXPECT_NE(Shape(digits, d), std::string(140, '.')) << d;
    shapes.insert(Shape(digits, d));
  }
  EXPECT_EQ(shapes.size(), 11u);
}

// Box-local x arguments of the numbers; the glyph is drawn one 10-pixel cell further right.
constexpr int kFrameCells[2] = {1, 33};
constexpr int kTenthCells[3] = {1, 26, 41};

TEST(BowlingArtItems, FrameBoxesMarkOnlyTheCellsTheyClaimAndLeaveThePaperClearForDigits) {
  const TPictureCollectionItem& boxes = Graphics().Find("scoretrans");
  // Open boxes: every place a digit is written is one light paper colour.
  auto clear = [&boxes](int pattern, int x, int y, int digits) {
    const uint32_t paper = PixelOf(boxes, pattern, x + 10, y);
    EXPECT_GT(Luminance(paper), 200) << pattern;
    for (int gy = y; gy < y + 14; ++gy) {
      for (int gx = x + 10; gx < x + 10 + 10 * digits; ++gx) {
        ASSERT_EQ(PixelOf(boxes, pattern, gx, gy), paper) << pattern << " at " << gx << "," << gy;
      }
    }
  };
  for (int x : kFrameCells) clear(0, x, 6, 1);
  for (int x : kTenthCells) clear(3, x, 6, 1);
  clear(0, 6, 38, 3);
  clear(3, 6, 38, 3);
  // Marked boxes differ from their open box only nearest the cells they claim.
  struct Claim {
    int Pattern, Open;
    std::vector<int> Cells;
  };
  const Claim claims[] = {{1, 0, {1}}, {2, 0, {1}}, {4, 3, {1}}, {5, 3, {1, 2}},
                          {6, 3, {0}}, {7, 3, {0, 1}}, {8, 3, {0, 1, 2}}, {9, 3, {0, 2}}};
  for (const Claim& c : claims) {
    SCOPED_TRACE(c.Pattern);
    const bool tenth = c.Open == 3;
    std::vector<int> centres;
    for (int x : tenth ? std::vector<int>(kTenthCells, kTenthCells + 3) : std::vector<int>(kFrameCells, kFrameCells + 2)) {
      centres.push_back(x + 15);
    }
    std::vector<int> changed(centres.size(), 0);
    for (int y = 0; y < boxes.Height(); ++y) {
      for (int x = 0; x < boxes.Width(); ++x) {
        if (PixelOf(boxes, c.Pattern, x, y) == PixelOf(boxes, c.Open, x, y)) continue;
        ASSERT_LT(y, 30) << "a mark below the ball cells at " << x << "," << y;
        size_t nearest = 0;
        for (size_t k = 1; k < centres.size(); ++k) {
          if (std::abs(x - centres[k]) < std::abs(x - centres[nearest])) nearest = k;
        }
        ++changed[nearest];
      }
    }
    for (size_t k = 0; k < centres.size(); ++k) {
      const bool claimed = std::find(c.Cells.begin(), c.Cells.end(), static_cast<int>(k)) != c.Cells.end();
      if (claimed) {
        EXPECT_GT(changed[k], 20) << "cell " << k;
      } else {
        EXPECT_EQ(changed[k], 0) << "cell " << k;
      }
    }
  }
  // A spare and a strike look different.
  EXPECT_NE(Shape(boxes, 1), Shape(boxes, 2));
}

TEST(BowlingArtItems, PinLightsSitOnTheUnlitSpotsOfThePanel) {
  const TPictureCollectionItem& display = Graphics().Find("display");
  const TPictureCollectionItem& lite = Graphics().Find("lite");
  const int lights[10][2] = {{77, 426}, {64, 400}, {90, 400}, {49, 373}, {77, 373},
                             {105, 373}, {33, 346}, {63, 346}, {91, 346}, {122, 346}};
  const int cx = lite.Width() / 2, cy = lite.Height() / 2;
  const uint32_t lit = PixelOf(lite, 0, cx, cy);
  ASSERT_FALSE(Keyed(lite, lit));
  for (int pin = 0; pin < 10; ++pin) {
    SCOPED_TRACE(pin + 1);
    const int x = lights[pin][0] - 13, y = lights[pin][1] - 310;
    ASSERT_GE(x, 0);
    ASSERT_GE(y, 0);
    ASSERT_LE(x + lite.Width(), display.Width());
    ASSERT_LE(y + lite.Height(), display.Height());
    const uint32_t spot = PixelOf(display, 0, x + cx, y + cy);
    EXPECT_FALSE(Keyed(display, spot));
    EXPECT_LT(Luminance(spot) + 80, Luminance(lit));
  }
}

TEST(BowlingArtItems, SignHousingsFrameTheLampFieldAndTheLampLights) {
  // The logo's lamp field is all dark lamps until the show lights them.
  const TPictureCollectionItem& logo = Graphics().Find("logo");
  for (int y = 154; y < 334; y += 3) {
    for (int x = 78; x < 564; x += 3) EXPECT_LT(Luminance(PixelOf(logo, 0, x, y)), 130) << x << "," << y;
  }
  // The in-play housing covers its lamp field, and the lane shows beside it.
  const TPictureCollectionItem& holder = Graphics().Find("ledholder");
  for (int y = 94 - 69; y < 274 - 69; y += 5) {
    EXPECT_FALSE(Keyed(holder, PixelOf(holder, 0, 70, y))) << y;
    EXPECT_FALSE(Keyed(holder, PixelOf(holder, 0, 320, y))) << y;
    EXPECT_TRUE(Keyed(holder, PixelOf(holder, 0, 20, y))) << y;
    EXPECT_TRUE(Keyed(holder, PixelOf(holder, 0, 620, y))) << y;
  }
  const TPictureCollectionItem& led = Graphics().Find("led");
  double dark = 0, lit = 0;
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      dark += Luminance(PixelOf(led, 0, x, y));
      lit += Luminance(PixelOf(led, 1, x, y));
    }
  }
  EXPECT_GT(lit, dark + 36 * 60);
  EXPECT_GT(Luminance(PixelOf(led, 1, 3, 3)), 200);
}

TEST(BowlingArtItems, PointersAreAnchoredWhereTheProgramDrawsThem) {
  const TPictureCollectionItem& mouse = Graphics().Find("mouse");
  EXPECT_FALSE(Keyed(mouse, PixelOf(mouse, 0, 0, 0)));  // the hot spot is the top-left pixel
  const auto centre = DrawnCentre(Graphics().Find("think"));
  ASSERT_TRUE(centre);
  EXPECT_NEAR(centre->first, 16, 1.5);
  EXPECT_NEAR(centre->second, 16, 1.5);
  const TPictureCollectionItem& button = Graphics().Find("helpbutton");
  EXPECT_FALSE(Keyed(button, PixelOf(button, 0, button.Width() / 2, button.Height() / 2)));
}

TEST(BowlingArtItems, MenuBackdropLeavesTheNotebookAreaPlainDark) {
  ASSERT_EQ(FormPictures().Count(), 1);
  const TPictureCollectionItem& image = FormPictures().Find("image");
  ASSERT_EQ(image.Width(), 640);
  ASSERT_EQ(image.Height(), 480);
  EXPECT_FALSE(image.Transparent);
  for (int y = 148; y < 338; ++y) {
    for (int x = 87; x < 558; ++x) ASSERT_LT(Luminance(PixelOf(image, 0, x, y)), 12) << x << "," << y;
  }
  // Around it the hall is a picture, not a flat fill.
  std::set<uint32_t> colours;
  for (int y = 0; y < 480; y += 4) {
    for (int x = 0; x < 640; x += 4) colours.insert(PixelOf(image, 0, x, y));
  }
  EXPECT_GT(colours.size(), 100u);
}

}  // namespace
