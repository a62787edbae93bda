// The flat pictures read the way play uses them: distinct glyphs in table order, a catch meter
// that fills up, a strike bar whose needle walks across and is green only where a catch counts,
// dashboard windows under everything play writes there, and pointers anchored where play puts them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/tools/sprites_library.h"

namespace {

using sprites_test::Objects;

int Red(uint32_t c) { return (c >> 16) & 255; }
int Green(uint32_t c) { return (c >> 8) & 255; }
int Blue(uint32_t c) { return c & 255; }
int Luminance(uint32_t c) { return (Red(c) * 3 + Green(c) * 6 + Blue(c)) / 10; }

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

int CountWhere(const TPictureCollectionItem& item, int pattern, bool (*test)(uint32_t)) {
  int n = 0;
  for (int y = 0; y < item.Height(); ++y) {
    for (int x = 0; x < item.Width(); ++x) {
      const uint32_t c = PixelOf(item, pattern, x, y);
      n += !Keyed(item, c) && test(c);
    }
  }
  return n;
}

TEST(SpritesArt, EveryGlyphIsItsOwnExceptTheBlanksAndTheSecondEquals) {
  for (const char* name : {"bigfont", "font", "infofont"}) {
    const TPictureCollectionItem& font = Objects().Find(name);
    std::set<std::string> seen;
    for (int g = 0; g < 67; ++g) {
      if (g == 29 || g == 30 || g == 59) continue;  // two blanks; 59 repeats "=" (43)
      EXPECT_TRUE(seen.insert(Shape(font, g)).second) << name << " glyph " << g;
    }
    EXPECT_EQ(Shape(font, 43), Shape(font, 59)) << name;
  }
  // Digits are drawn apart: the digit font's patterns all differ, and 8 lights every segment.
  const TPictureCollectionItem& digital = Objects().Find("digital");
  auto lit = [](uint32_t c) { return Red(c) > 200; };
  std::set<std::string> digits;
  for (int d = 0; d < 10; ++d) {
    digits.insert(Shape(digital, d));
    EXPECT_LE(CountWhere(digital, d, lit), CountWhere(digital, 8, lit)) << d;
    EXPECT_GE(CountWhere(digital, d, lit), CountWhere(digital, 1, lit)) << d;
  }
  EXPECT_EQ(digits.size(), 10u);
}

TEST(SpritesArt, CatchMeterFillsOneFishAtATime) {
  const TPictureCollectionItem& meter = Objects().Find("fishmeter");
  auto bright = [](uint32_t c) { return Green(c) > 120 && Luminance(c) > 110; };
  int before = CountWhere(meter, 0, bright);
  EXPECT_EQ(before, 0);
  for (int n = 1; n <= 6; ++n) {
    const int now = CountWhere(meter, n, bright);
    EXPECT_GT(now, before + 20) << n << " fish";
    before = now;
  }
}

TEST(SpritesArt, StrikeBarNeedleWalksAcrossAndIsGreenOnlyWhereACatchCounts) {
  const TPictureCollectionItem& bar = Objects().Find("powerbar");
  const int total = bar.PatternTotal();
  const int middle = (total + 2) / 2;  // play lands the fish within 2 of this pattern
  double last = -1;
  for (int p = 0; p < total; ++p) {
    // The needle: the white pixels of the pattern.
    double sum = 0;
    int n = 0;
    for (int y = 0; y < bar.Height(); ++y) {
      for (int x = 0; x < bar.Width(); ++x) {
        const uint32_t c = PixelOf(bar, p, x, y);
        if (!Keyed(bar, c) && Red(c) > 240 && Green(c) > 240 && Blue(c) > 240) {
          sum += x;
          ++n;
        }
      }
    }
    ASSERT_GT(n, 0) << p;
    const double x = sum / n;
    EXPECT_GT(x, last) << p;
    last = x;
    // The track just above the needle's shaft is green exactly where a stop lands the fish.
    const uint32_t track = PixelOf(bar, p, static_cast<int>(x + 0.5) + 3, bar.Height() / 2);
    const bool green = Green(track) > 150 && Red(track) < 120;
    EXPECT_EQ(green, std::abs(p - middle) < 3) << p;
  }
}

TEST(SpritesArt, DashboardWindowsLieUnderEverythingPlayWritesThere) {
  const TPictureCollectionItem& dash = Objects().Find("fishdash");
  const int top = 480 - dash.Height();
  struct Area { const char* What; int X, Y, W, H; };
  const std::vector<Area> areas = {
      {"catch meter", 58, 389, Objects().Find("fishmeter").Width(), Objects().Find("fishmeter").Height()},
      {"strike bar", 284, 419, Objects().Find("powerbar").Width(), Objects().Find("powerbar").Height()},
      {"clock", 548 + 16, 416, 3 * 16, Objects().Find("digital").Height()},
      {"cash", 10 + 22, 443, 7 * 22, Objects().Find("bigfont").Height()},
      {"catch text", 64 + 9, 456, 21 * 9, Objects().Find("font").Height()},
  };
  for (const Area& a : areas) {
    SCOPED_TRACE(a.What);
    ASSERT_LE(a.Y + a.H, 480);
    for (int y = a.Y; y < a.Y + a.H; y += 3) {
      for (int x = a.X; x < a.X + a.W; x += 3) {
        EXPECT_LT(Luminance(dash.Picture().At(x, y - top)), 90) << x << "," << y;
      }
    }
  }
}

TEST(SpritesArt, PointersAreAnchoredWherePlayDrawsThem) {
  // "mouse" is drawn with its top-left at the pointer: that pixel is the arrow's tip.
  const TPictureCollectionItem& mouse = Objects().Find("mouse");
  EXPECT_FALSE(Keyed(mouse, PixelOf(mouse, 0, 0, 0)));
  // The other two are drawn centred on the pointer.
  for (const char* name : {"mousegas", "mousenofish"}) {
    const auto centre = DrawnCentre(Objects().Find(name));
    ASSERT_TRUE(centre) << name;
    EXPECT_NEAR(centre->first, 16, 1.5) << name;
    EXPECT_NEAR(centre->second, 16, 1.5) << name;
  }
  // The splash is a ring: its middle shows the water.
  const TPictureCollectionItem& splash = Objects().Find("splash");
  EXPECT_TRUE(Keyed(splash, PixelOf(splash, 0, 8, 4)));
  EXPECT_FALSE(Keyed(splash, PixelOf(splash, 0, 1, 4)));
}

}  // namespace
