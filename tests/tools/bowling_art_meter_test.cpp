// The meter as the program layers it: it draws the power pattern (0..63) and then the accuracy
// pattern (64..127) over it, so both readings must stay visible in the result and the lane must
// never show through where the accuracy pattern is keyed.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/tools/bowling_art_library.h"

namespace {

using bowling_art_test::Graphics;

constexpr uint32_t kLane = 0x10000;  // not a 16-bit value: marks pixels where the lane shows

// The 16-bit screen pixels of pattern `power` with pattern `accuracy` drawn over it.
std::vector<uint32_t> Layered(int power, int accuracy) {
  const TPictureCollectionItem& meter = Graphics().Find("power");
  std::vector<uint32_t> screen;
  for (int y = 0; y < meter.Height(); ++y) {
    for (int x = 0; x < meter.Width(); ++x) {
      const uint32_t top = PixelOf(meter, accuracy, x, y), under = PixelOf(meter, power, x, y);
      if (!Keyed(meter, top)) {
        screen.push_back(Raw565(top));
      } else {
        screen.push_back(Keyed(meter, under) ? kLane : Raw565(under));
      }
    }
  }
  return screen;
}

int LaneShowing(const std::vector<uint32_t>& screen) {
  int n = 0;
  for (uint32_t p : screen) n += p == kLane;
  return n;
}

TEST(BowlingArtMeter, PowerShowsThroughEveryAccuracyPattern) {
  // Each power value gives its own picture under a given accuracy.
  for (int accuracy : {64, 80, 96, 112, 127}) {
    std::set<std::vector<uint32_t>> seen;
    for (int power = 0; power <= 62; ++power) {
      EXPECT_TRUE(seen.insert(Layered(power, accuracy)).second) << power << " under " << accuracy;
    }
  }
  // And each accuracy value over a given power.
  for (int power : {0, 31, 50, 62}) {
    std::set<std::vector<uint32_t>> seen;
    for (int accuracy = 64; accuracy <= 127; ++accuracy) {
      EXPECT_TRUE(seen.insert(Layered(power, accuracy)).second) << accuracy << " over " << power;
    }
  }
}

TEST(BowlingArtMeter, AccuracyPatternsKeyOnlyWhatThePowerPatternsCover) {
  const TPictureCollectionItem& meter = Graphics().Find("power");
  // The rounded corners are keyed in every pattern; the layered meter keys nothing more.
  const int corners = LaneShowing(Layered(0, 0));
  for (int power : {0, 40, 62}) {
    for (int accuracy : {64, 96, 127}) {
      EXPECT_EQ(LaneShowing(Layered(power, accuracy)), corners) << power << ", " << accuracy;
    }
  }
  // The accuracy patterns do leave the gauge to the power pattern.
  int keyed = 0;
  for (int y = 0; y < meter.Height(); ++y) {
    for (int x = 0; x < meter.Width(); ++x) keyed += Keyed(meter, PixelOf(meter, 96, x, y));
  }
  EXPECT_GT(keyed, corners + 2000);
  // While aiming the program draws pattern 0 twice: the bare meter, keyed only at its corners.
  EXPECT_LT(corners, 200);
}

}  // namespace
