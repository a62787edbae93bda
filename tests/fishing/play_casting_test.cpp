// Casting, the retrieve, the strike meter and landing a fish.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "fishing/casting.h"
#include "fishing/strike_meter.h"
#include "media/dx_timer.h"
#include "media/iso_math.h"
#include "play_rig.h"

namespace {

using play_test::TPlayRig;

class PlayCasting : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Start());
    rig.Ticks(2);  // the boat has come to rest
    ASSERT_EQ(trip().boatSpeed, 0.0f);
    for (FishRecord& fish : trip().fish) fish.gone = true;
  }
  LakeTrip& trip() { return *rig.trip; }
  TTripContext& ctx() { return rig.play->Context(); }

  // The lure in the water, reeling, far enough from the rod tip not to land this tick.
  void Reeling(float lureX, float lureY) {
    trip().reeling = true;
    trip().casting = false;
    trip().lineX[0] = trip().boatX;
    trip().lineY[0] = trip().boatY;
    trip().lineZ[0] = 42;
    trip().lureX = lureX;
    trip().lureY = lureY;
    trip().reelSpeed = 1;
  }

  FishRecord& FishAt(int slot, float x, float y) {
    FishRecord& fish = trip().fish[slot];
    fish = FishRecord{};
    fish.x = fish.homeX = x;
    fish.y = fish.homeY = y;
    return fish;
  }

  TPlayRig rig;
};

TEST_F(PlayCasting, TargetMustBeMoreThan115Away) {
  trip().castWanted = true;
  trip().cursorX = Round(trip().boatX) + 115;
  trip().cursorY = Round(trip().boatY);
  CastStart(ctx());
  EXPECT_FALSE(trip().casting);
  EXPECT_TRUE(trip().castWanted);
  trip().cursorX += 1;
  rig.Silence();
  CastStart(ctx());
  EXPECT_TRUE(trip().casting);
  EXPECT_FALSE(trip().castWanted);
  EXPECT_EQ(trip().lureX, trip().boatX + 116);
  EXPECT_EQ(trip().linePoints, 1);
  EXPECT_EQ(trip().castStep, 0);
  EXPECT_EQ(trip().reelSpeed, 1.0f);  // rod level 1
  EXPECT_FLOAT_EQ(trip().lineX[0], trip().boatX + 32);
  EXPECT_EQ(trip().lineZ[0], 42.0f);
  EXPECT_EQ(trip().lineX[1], trip().lineX[0]);
  EXPECT_TRUE(rig.Sounding("cast"));
}

TEST_F(PlayCasting, NoCastWhileMovingOrEnding) {
  trip().castWanted = true;
  trip().cursorX = Round(trip().boatX) + 200;
  trip().cursorY = Round(trip().boatY);
  trip().boatSpeed = 0.5f;
  CastStart(ctx());
  EXPECT_FALSE(trip().casting);
  trip().boatSpeed = 0;
  trip().ending = true;
  CastStart(ctx());
  EXPECT_FALSE(trip().casting);
  trip().ending = false;
  trip().throttle = true;
  CastStart(ctx());
  EXPECT_FALSE(trip().casting);
  // Still pending: it fires once the boat may cast.
  trip().throttle = false;
  CastStart(ctx());
  EXPECT_TRUE(trip().casting);
}

TEST_F(PlayCasting, CastFliesOutLandsAndComesBackEmpty) {
  rig.PointAt(320 + 200, 190);
  rig.play->DXDrawMouseDown(TMouseButton::Right, 520, 190);
  rig.play->DXDrawMouseUp(TMouseButton::Right);
  rig.Tick();
  ASSERT_TRUE(trip().casting);
  std::vector<int> steps;
  int ticks = 0;
  while (trip().casting && ticks++ < 200) {
    rig.Tick();
    steps.push_back(trip().castStep);
  }
  ASSERT_TRUE(trip().reeling);
  EXPECT_EQ(std::vector<int>(steps.begin(), steps.begin() + 6), (std::vector<int>{2, 3, 4, 5, 5, 5}));
  EXPECT_TRUE(rig.Sounding("reel"));
  EXPECT_NEAR(trip().lineX[trip().linePoints - 1], trip().lureX, 16);
  while (trip().reeling && ticks++ < 1000) rig.Tick();
  EXPECT_FALSE(trip().reeling);
  EXPECT_FALSE(rig.Sounding("reel"));
  EXPECT_EQ(trip().fishPlayed, 0);
  EXPECT_LT(IsoDistance(Round(trip().lureX), Round(trip().lureY), Round(trip().lineX[0]), Round(trip().lineY[0])), 30);
}

TEST_F(PlayCasting, LineStopsGrowingAt255Points) {
  trip().casting = true;
  trip().lureX = trip().boatX + 6000;  // never reached
  trip().lureY = trip().boatY;
  trip().linePoints = 1;
  trip().lineX[0] = trip().boatX + 32;
  trip().lineY[0] = trip().boatY;
  trip().lineZ[0] = 42;
  for (int i = 0; i < 300; ++i) CastStep(ctx());
  EXPECT_EQ(trip().linePoints, 255);
  EXPECT_TRUE(trip().casting);
  const float last = trip().lineX[255];
  CastStep(ctx());
  EXPECT_EQ(trip().lineX[255], last);  // the newest point is recomputed in place
  EXPECT_FLOAT_EQ(trip().lineX[255], trip().lineX[254] + 9);
}

TEST_F(PlayCasting, EveryCastOnScreenLands) {
  // Near the map's corner the view does not centre the boat, so targets lie up to 700 pixels away
  // at every slant; some lines miss the target by more than 15 pixels and land as they pass it.
  trip().boatX = 1000;
  trip().boatY = 1000;
  for (int dx = -700; dx <= 700; dx += 35) {
    for (int dy = -330; dy <= 330; dy += 30) {
      if (dx * dx + 4 * dy * dy <= 120 * 120) continue;
      trip().casting = trip().reeling = false;
      trip().castWanted = true;
      trip().cursorX = 1000 + dx;
      trip().cursorY = 1000 + dy;
      CastStart(ctx());
      ASSERT_TRUE(trip().casting);
      const int limit = (std::abs(dx) + 2 * std::abs(dy)) / 9 + 10;
      int steps = 0;
      while (trip().casting && steps < limit) {
        CastStep(ctx());
        ++steps;
      }
      EXPECT_FALSE(trip().casting) << dx << ", " << dy;
      for (int i = 0; i < trip().linePoints; ++i) EXPECT_LT(std::fabs(trip().lineZ[i]), 400.0f) << dx << ", " << dy;
    }
  }
}

TEST_F(PlayCasting, TwoFishInReachHookTheHigherSlot) {
  Reeling(trip().boatX + 300, trip().boatY);
  FishAt(3, trip().lureX - 1, trip().lureY + 1);
  FishAt(7, trip().lureX - 3, trip().lureY);
  FishAt(9, trip().lureX - 20, trip().lureY);
  rig.Silence();
  ReelStep(ctx());
  EXPECT_EQ(trip().hookedFish, 7);
  EXPECT_TRUE(rig.castTimer.Enabled());
  EXPECT_FALSE(rig.timer.Enabled());
  EXPECT_EQ(rig.castTimer.Interval(), 36 - 24);
  EXPECT_TRUE(rig.Sounding("hook"));
  EXPECT_FALSE(rig.Sounding("reel"));

  // Any button answers the meter: the fish is on and leaves the lake, play resumes.
  rig.Tick();
  EXPECT_FALSE(trip().fishOn);
  rig.play->DXDrawMouseDown(TMouseButton::Middle, 10, 10);
  EXPECT_TRUE(trip().strikeClick);
  rig.Tick();
  EXPECT_TRUE(trip().fishOn);
  EXPECT_TRUE(trip().fish[7].gone);
  EXPECT_FALSE(trip().fish[3].gone);
  EXPECT_FALSE(rig.castTimer.Enabled());
  EXPECT_TRUE(rig.timer.Enabled());
  EXPECT_TRUE(rig.Sounding("reel"));
}

TEST_F(PlayCasting, NoStrikeWhileAFishIsOnOrEnding) {
  Reeling(trip().boatX + 300, trip().boatY);
  FishAt(2, trip().lureX - 1, trip().lureY);
  trip().ending = true;
  ReelStep(ctx());
  EXPECT_FALSE(rig.castTimer.Enabled());
  trip().ending = false;
  trip().fishOn = true;
  ReelStep(ctx());
  EXPECT_FALSE(rig.castTimer.Enabled());
}

TEST_F(PlayCasting, StrikeIntervalFollowsBiggest) {
  trip().Biggest = 40;
  StartStrike(ctx(), 0);
  EXPECT_EQ(rig.castTimer.Interval(), 8);
  trip().Biggest = 3;
  StartStrike(ctx(), 0);
  EXPECT_EQ(rig.castTimer.Interval(), 33);
}

TEST_F(PlayCasting, BarReversesWithBoingAtBothEnds) {
  StartStrike(ctx(), 0);
  trip().meter = 5;
  trip().meterStep = 1;
  rig.Silence();
  rig.Tick();
  EXPECT_EQ(trip().meter, 6);
  EXPECT_FALSE(rig.Sounding("boing"));
  trip().meter = play_test::kPowerbarPatterns - 1;
  rig.Tick();
  EXPECT_EQ(trip().meter, play_test::kPowerbarPatterns - 1);
  EXPECT_EQ(trip().meterStep, -1);
  EXPECT_TRUE(rig.Sounding("boing"));
  rig.Silence();
  rig.Tick();
  EXPECT_EQ(trip().meter, play_test::kPowerbarPatterns - 2);
  trip().meter = 0;
  rig.Tick();
  EXPECT_EQ(trip().meter, 0);
  EXPECT_EQ(trip().meterStep, 1);
  EXPECT_TRUE(rig.Sounding("boing"));
  // The meter keeps its place from one strike to the next.
  rig.play->FormKeyDown(VK_SPACE);
  rig.Tick();
  EXPECT_EQ(trip().meter, 1);
  StartStrike(ctx(), 1);
  EXPECT_EQ(trip().meter, 1);
}

TEST_F(PlayCasting, MeterDecidesTheCatch) {
  // The bar's middle is (20 + 2) div 2 = 11: stopped within 2 of it the fish is landed.
  const int middle = (play_test::kPowerbarPatterns + 2) / 2;
  for (int offset = -4; offset <= 4; ++offset) {
    trip().fishCaught = 0;
    trip().fishPlayed = 0;
    trip().poundsCaught = 0;
    trip().message.clear();
    Reeling(trip().boatX + 20, trip().boatY);
    trip().fishOn = true;
    trip().meter = middle + offset;
    const int pauses = rig.pauses;
    rig.Silence();
    ReelStep(ctx());
    const bool caught = offset >= -2 && offset <= 2;
    EXPECT_EQ(trip().fishCaught, caught ? 1 : 0) << offset;
    EXPECT_EQ(trip().fishPlayed, 1) << offset;
    EXPECT_EQ(rig.pauses, pauses + 1) << offset;
    EXPECT_FALSE(trip().fishOn);
    EXPECT_FALSE(trip().reeling);
    EXPECT_FALSE(rig.Sounding("reel"));
    if (caught) {
      EXPECT_GT(trip().poundsCaught, 0);
      EXPECT_EQ(trip().messageTicks, 90);
      EXPECT_NE(trip().message.find(" LBS "), std::string::npos) << trip().message;
      EXPECT_TRUE(rig.Sounding("caught"));
    } else {
      EXPECT_TRUE(trip().message.empty());
      EXPECT_TRUE(rig.Sounding("splash"));
    }
  }
}

TEST(PlayCatch, Biggest3GivesLength3AndWeight1Or2) {
  TRandom random(7);
  std::set<int> weights;
  for (int i = 0; i < 200; ++i) {
    const TCatch fish = DrawCatch(random, 3);
    EXPECT_EQ(fish.length, 3);
    weights.insert(fish.weight);
  }
  EXPECT_EQ(weights, (std::set<int>{1, 2}));
  std::set<std::string> kinds;
  for (int i = 0; i < 200; ++i) {
    const TCatch fish = DrawCatch(random, 24);
    EXPECT_GE(fish.length, 3);
    EXPECT_LE(fish.length, 23);
    EXPECT_EQ(fish.weight >= fish.length / 4 + 1 && fish.weight <= fish.length / 2 + 1, true);
    kinds.insert(fish.kind);
  }
  EXPECT_EQ(kinds, (std::set<std::string>{"BASS", "CATFISH", "PIKE", "WALLEYE"}));
}

}  // namespace
