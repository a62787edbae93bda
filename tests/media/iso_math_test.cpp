#include "media/iso_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Round, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(2.5f), 2);
  EXPECT_EQ(Round(2.4999), 2);
  EXPECT_EQ(Round(2.5001), 3);
  EXPECT_EQ(Round(-2.5001), -3);
  EXPECT_EQ(Round(-0.2), 0);
}

TEST(Round, ClampsWhatNoIntegerHolds) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(Round(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), kMax);
  EXPECT_EQ(Round(-std::numeric_limits<double>::infinity()), kMin);
  EXPECT_EQ(Round(1e300), kMax);
  EXPECT_EQ(Round(-1e300), kMin);
  EXPECT_EQ(Round(2147483646.5), 2147483646);
  EXPECT_EQ(Round(2147483647.4), kMax);
  EXPECT_EQ(Round(-2147483647.5), -2147483648);
}

TEST(StepTable, WrapsAndSineIsAQuarterTurnBehind) {
  for (int s = 0; s < 256; ++s) {
    EXPECT_EQ(StepCos(256 + s), StepCos(s));
    EXPECT_EQ(StepCos(s - 256), StepCos(s));
    EXPECT_EQ(StepSin(s), StepCos(s + 192));
    EXPECT_DOUBLE_EQ(StepCos(s), std::cos(s * 2 * 3.14159265358979323846 / 256));
  }
  EXPECT_EQ(StepCos(0), 1.0);
  EXPECT_EQ(StepCos(128), -1.0);
  EXPECT_EQ(StepSin(64), 1.0);
}

TEST(IsoHeading, UsesTheShortPiAndHalvesTheVertical) {
  EXPECT_EQ(IsoDX(0), 1.0f);
  EXPECT_EQ(IsoDY(0), 0.0f);
  // With pi = 3.14159 a quarter turn falls just short of pi/2, so the cosine is not quite zero.
  EXPECT_GT(IsoDX(64), 0.0f);
  EXPECT_LT(IsoDX(64), 1e-5f);
  EXPECT_FLOAT_EQ(IsoDY(64), 0.5f);
  EXPECT_FLOAT_EQ(IsoDY(192), -0.5f);
}

TEST(AngleSteps, CoversTheQuadrantAndVerticalVectors) {
  EXPECT_EQ(AngleSteps(10, 0), 0);
  EXPECT_EQ(AngleSteps(1, 1), 32);
  EXPECT_EQ(AngleSteps(-1, 1), 32);
  EXPECT_EQ(AngleSteps(1, -1000000), 64);
  EXPECT_EQ(AngleSteps(0, 5), 64);
  EXPECT_EQ(AngleSteps(0, -5), 64);
  EXPECT_EQ(AngleSteps(0, 0), 0);
}

TEST(DirectionTo, GivesTheStepOfEachQuadrant) {
  EXPECT_EQ(DirectionTo(5, 10, 5, 0), 64);    // straight below
  EXPECT_EQ(DirectionTo(5, -10, 5, 0), 192);  // straight above
  EXPECT_EQ(DirectionTo(7, 7, 7, 7), 192);    // no vector
  EXPECT_EQ(DirectionTo(10, 0, 0, 0), 0);
  EXPECT_EQ(DirectionTo(-10, 0, 0, 0), 128);
  EXPECT_EQ(DirectionTo(10, 10, 0, 0), 32);
  EXPECT_EQ(DirectionTo(-10, 10, 0, 0), 96);
  EXPECT_EQ(DirectionTo(-10, -10, 0, 0), 160);
  EXPECT_EQ(DirectionTo(10, -10, 0, 0), 224);
  EXPECT_EQ(DirectionTo(100, -1, 0, 0), 0);  // 256 - 0 wraps to 0
  // The vertical half scale is not applied: (2, 1) is not the diagonal.
  EXPECT_EQ(DirectionTo(2, 1, 0, 0), 19);
}

TEST(DirectionTo, ExtremeCoordinatesDoNotOverflow) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(DirectionTo(kMax, 0, kMin, 0), 0);
  EXPECT_EQ(DirectionTo(0, kMax, 0, kMin), 64);
  EXPECT_EQ(DirectionTo(kMin, kMin, kMax, kMax), 160);
}

TEST(TurnUpward, IsTrueForTheHalfTurnAhead) {
  EXPECT_TRUE(TurnUpward(77, 77));
  EXPECT_TRUE(TurnUpward(0, 200));   // (0 - 200) mod 256 = 56
  EXPECT_FALSE(TurnUpward(200, 0));  // 200
  EXPECT_TRUE(TurnUpward(128, 0));
  EXPECT_FALSE(TurnUpward(129, 0));
  EXPECT_TRUE(TurnUpward(0, 128));
}

TEST(IsoDistance, CountsVerticalDistancesDouble) {
  EXPECT_EQ(IsoDistance(0, 0, 0, 10), 20);
  EXPECT_EQ(IsoDistance(0, 0, 10, 0), 10);
  EXPECT_EQ(IsoDistance(3, 2, 0, 0), 5);
  EXPECT_EQ(IsoDistance(1, 1, 0, 0), 2);  // sqrt(5) = 2.236
  EXPECT_EQ(IsoDistance(std::numeric_limits<int32_t>::min(), 0, std::numeric_limits<int32_t>::max(), 0),
            std::numeric_limits<int32_t>::max());
}

}  // namespace
