// Turning sprites: the game picks a pattern from a heading with fixed formulas. For every heading
// these tests look at the picture the game would draw and check that it faces that way: the wash
// of a gas boat trails behind it, a fish's and a monster's eyes are on the side it swims to, and
// an angler's casting hands reach out on the side he faces.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/tools/sprites_library.h"
#include "tools/assetgen/sprites/headings.h"

namespace {

using sprites_test::Objects;

constexpr double kPi = 3.14159265358979323846;

// Signed difference a - b of two headings in steps, -128..128.
double StepDifference(double a, double b) {
  double d = std::fmod(a - b, 256.0);
  if (d > 128) d -= 256;
  if (d < -128) d += 256;
  return d;
}

// The heading (steps) of a screen offset, with the vertical half scale undone.
double HeadingOf(double dx, double dy) {
  double a = std::atan2(2 * dy, dx) * 128 / kPi;
  return a < 0 ? a + 256 : a;
}

struct Centroid {
  double X = 0, Y = 0;
  int Count = 0;
  void Add(int x, int y) {
    X += x;
    Y += y;
    ++Count;
  }
  double Cx() const { return X / Count; }
  double Cy() const { return Y / Count; }
};

// Centroid of the pattern's pixels that pass the test.
Centroid PixelsWhere(const TPictureCollectionItem& item, int pattern,
                     const std::function<bool(int x, int y, uint32_t c)>& test) {
  Centroid c;
  for (int y = 0; y < item.Height(); ++y) {
    for (int x = 0; x < item.Width(); ++x) {
      const uint32_t p = PixelOf(item, pattern, x, y);
      if (!Keyed(item, p) && test(x, y, p)) c.Add(x, y);
    }
  }
  return c;
}

int Red(uint32_t c) { return (c >> 16) & 255; }
int Green(uint32_t c) { return (c >> 8) & 255; }
int Blue(uint32_t c) { return c & 255; }

TEST(SpritesHeadings, EachPatternIsDrawnWithinItsRangeOfHeadings) {
  struct Formula { int (*F)(int); int Patterns; double MaxOff; };
  for (const Formula& f : {Formula{sprites::BoatPattern, 32, 6}, Formula{sprites::FishPattern, 16, 8},
                           Formula{sprites::AnglerFace, 16, 15.5}}) {
    for (int h = 0; h < 256; ++h) {
      const int p = f.F(h);
      ASSERT_GE(p, 0);
      ASSERT_LT(p, f.Patterns);
      EXPECT_LE(std::fabs(StepDifference(sprites::PatternHeading(f.F, p), h)), f.MaxOff) << "heading " << h;
    }
  }
  // The game's own examples: headings 0..11 give boat pattern 31, 252..255 give 0.
  EXPECT_EQ(sprites::BoatPattern(0), 31);
  EXPECT_EQ(sprites::BoatPattern(11), 31);
  EXPECT_EQ(sprites::BoatPattern(12), 30);
  EXPECT_EQ(sprites::BoatPattern(252), 0);
  EXPECT_EQ(sprites::AnglerFace(255), 0);
  EXPECT_EQ(sprites::AnglerFace(0), 15);
  EXPECT_EQ(sprites::FishPattern(0), 0);
  EXPECT_EQ(sprites::FishPattern(1), 15);
}

TEST(SpritesHeadings, GasBoatsLeaveTheirWashBehindThemAtEveryHeading) {
  for (const char* boat : {"boat1", "boat2", "boat3"}) {
    const TPictureCollectionItem& plain = Objects().Find(boat);
    const TPictureCollectionItem& gas = Objects().Find(std::string(boat) + "gas");
    for (int h = 0; h < 256; ++h) {
      const int p = sprites::BoatPattern(h);
      // Foam: light blue-white pixels of the gas picture where the plain boat shows water.
      const Centroid wash = PixelsWhere(gas, p, [&](int x, int y, uint32_t c) {
        return Keyed(plain, PixelOf(plain, p, x, y)) && Blue(c) >= 200 && Red(c) >= 150;
      });
      ASSERT_GT(wash.Count, 20) << boat << " heading " << h;
      const double behind = HeadingOf(wash.Cx() + 0.5 - plain.Width() / 2.0, wash.Cy() + 0.5 - plain.Height() / 2.0);
      EXPECT_LE(std::fabs(StepDifference(behind, h + 128)), 14) << boat << " heading " << h;
    }
  }
}

TEST(SpritesHeadings, FishLookWhereTheySwim) {
  const TPictureCollectionItem& fish = Objects().Find("fish");
  for (int h = 0; h < 256; ++h) {
    const int p = sprites::FishPattern(h);
    // The golden eyes: orange-yellow pixels, a colour nothing else of the fish has.
    const Centroid eyes = PixelsWhere(fish, p, [](int, int, uint32_t c) {
      return Red(c) > 190 && Red(c) > Green(c) + 25 && Blue(c) < 110;
    });
    ASSERT_GT(eyes.Count, 0) << "heading " << h;
    // Heights tilt the picture's vertical offsets, so only the side the eyes are on is compared,
    // from the middle of the pattern where the game puts the fish.
    const double across = std::cos(h * kPi / 128);
    if (std::fabs(across) >= 0.5) {
      EXPECT_GT((eyes.Cx() + 0.5 - fish.Width() / 2.0) * across, 0) << "heading " << h;
    }
  }
}

TEST(SpritesHeadings, MonstersLookWhereTheySwimAndRearUpToAttack) {
  for (const char* kind : {"Serpent", "Gator", "Kraken", "Monster"}) {
    const TPictureCollectionItem& monster = Objects().Find(kind);
    for (int h = 0; h < 256; ++h) {
      const int calm = 2 * sprites::MonsterDirection(h);
      // The eyes glow in one bright yellow whatever the light.
      const Centroid eyes = PixelsWhere(monster, calm, [](int, int, uint32_t c) {
        return Red(c) > 240 && Green(c) > 200 && Blue(c) < 100;
      });
      ASSERT_GT(eyes.Count, 0) << kind << " heading " << h;
      const double across = std::cos(h * kPi / 128);
      if (std::fabs(across) >= 0.5) {
        EXPECT_GT((eyes.Cx() + 0.5 - monster.Width() / 2.0) * across, 0) << kind << " heading " << h;
      }
      // The attacking pattern beside it shows the same monster in another pose.
      int differ = 0;
      for (int y = 0; y < monster.Height(); ++y) {
        for (int x = 0; x < monster.Width(); ++x) differ += PixelOf(monster, calm, x, y) != PixelOf(monster, calm + 1, x, y);
      }
      EXPECT_GT(differ, 80) << kind << " heading " << h;
    }
  }
}

TEST(SpritesHeadings, AnglersReachOutOnTheSideTheyFace) {
  for (const char* angler : {"fishguy", "fishboy", "fishgirl"}) {
    const TPictureCollectionItem& item = Objects().Find(angler);
    for (int h = 0; h < 256; ++h) {
      const double across = std::cos(h * kPi / 128);
      if (std::fabs(across) < 0.5) continue;  // facing mostly up or down the screen
      const int face = sprites::AnglerFace(h);
      const Centroid body = PixelsWhere(item, face * 6, [](int, int, uint32_t) { return true; });
      // Pixels the outstretched arms of the last cast frame add to the idle pose.
      const Centroid reach = PixelsWhere(item, face * 6 + 5, [&](int x, int y, uint32_t) {
        return Keyed(item, PixelOf(item, face * 6, x, y));
      });
      ASSERT_GT(reach.Count, 0) << angler << " heading " << h;
      EXPECT_GT((reach.Cx() - body.Cx()) * across, 0) << angler << " heading " << h;
    }
  }
}

TEST(SpritesHeadings, AnglersStandOnTheBottomEdge) {
  // The game draws an angler's feet at the boat's centre: the pattern's bottom rows carry the
  // figure, centred across.
  for (const char* angler : {"fishguy", "fishboy", "fishgirl"}) {
    const TPictureCollectionItem& item = Objects().Find(angler);
    for (int p = 0; p < item.PatternTotal(); p += 6) {
      const Centroid low = PixelsWhere(item, p, [&](int, int y, uint32_t) { return y >= item.Height() - 12; });
      ASSERT_GT(low.Count, 0) << angler << " pattern " << p;
      EXPECT_NEAR(low.Cx() + 0.5, item.Width() / 2.0, 4.0) << angler << " pattern " << p;
    }
  }
}

}  // namespace
