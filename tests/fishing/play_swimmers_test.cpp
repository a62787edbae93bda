// Fish and monsters during a trip: roaming, the shore, restlessness, monsters chasing and eating.
#include <gtest/gtest.h>

#include "fishing/lake_map.h"
#include "fishing/swimmers.h"
#include "media/iso_math.h"
#include "play_rig.h"

namespace {

using play_test::TPlayRig;

class PlaySwimmers : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.trip->lastMonster = 2;
    ASSERT_TRUE(rig.Start());
    // Everything far away unless a test brings it close.
    for (FishRecord& monster : rig.trip->monsters) monster.gone = true;
  }
  LakeTrip& trip() { return *rig.trip; }
  TTripContext& ctx() { return rig.play->Context(); }

  FishRecord& MonsterAt(int slot, float dx) {
    FishRecord& monster = trip().monsters[slot];
    monster = FishRecord{};
    monster.x = monster.homeX = trip().boatX + dx;
    monster.y = monster.homeY = trip().boatY;
    monster.swimSpeed = 1;
    return monster;
  }

  TPlayRig rig;
};

TEST_F(PlaySwimmers, RoamingFishOnLandGoesHomeAndTurns) {
  trip().Difficulty = -1000000;  // practically never turns by itself
  FishRecord& fish = trip().fish[0];
  fish.mode = 0;
  fish.x = 20;  // the land along the left edge
  fish.y = 300;
  fish.homeX = 600;
  fish.homeY = 500;
  fish.heading = 10;
  fish.swimSpeed = 0.5f;
  FishTick(ctx());
  EXPECT_EQ(fish.heading, 138);
  EXPECT_GE(fish.swimSpeed, 1.5f - 0.015f);
  EXPECT_LE(fish.swimSpeed, 1.5f + 15.0f / 8);
  EXPECT_NEAR(fish.x, 600 + StepCos(138) * (fish.swimSpeed + 0.015), 0.01);
  EXPECT_TRUE(WaterUnder(trip(), Round(fish.x), Round(fish.y)));
  // The home follows a fish that has moved more than 3 pixels from it.
  fish.homeX = fish.x - 10;
  FishTick(ctx());
  EXPECT_NE(fish.homeX, 600.0f);
}

TEST_F(PlaySwimmers, RoamingFishSlowsDownButNotBelowZero) {
  trip().Difficulty = -1000000;
  FishRecord& fish = trip().fish[1];
  fish.mode = 0;
  fish.x = fish.homeX = 800;
  fish.y = fish.homeY = 800;
  fish.swimSpeed = 0.02f;
  FishTick(ctx());
  EXPECT_FLOAT_EQ(fish.swimSpeed, 0.005f);
  FishTick(ctx());
  EXPECT_EQ(fish.swimSpeed, 0.0f);
}

TEST_F(PlaySwimmers, Difficulty99TurnsEveryTick) {
  trip().Difficulty = 99;
  for (int tick = 0; tick < 20; ++tick) {
    for (int i = 0; i <= trip().lastFish; ++i) {
      FishRecord& fish = trip().fish[i];
      fish.mode = 0;
      fish.x = fish.homeX = 1000;
      fish.y = fish.homeY = 900;
      fish.swimSpeed = 0;
    }
    FishTick(ctx());
    for (int i = 0; i <= trip().lastFish; ++i) {
      // Random(100) / 100 + 99 / 50, less the slowing of this tick.
      EXPECT_GE(trip().fish[i].swimSpeed, 1.98f - 0.015f - 1e-5f);
      EXPECT_LE(trip().fish[i].swimSpeed, 2.97f - 0.015f + 1e-5f);
    }
  }
}

TEST_F(PlaySwimmers, CirclingFishIgnoresTheShore) {
  FishRecord& fish = trip().fish[2];
  fish.mode = 1;
  fish.x = 20;
  fish.y = 300;
  fish.heading = 0;
  fish.swimSpeed = 1;
  FishTick(ctx());
  EXPECT_LE(fish.heading, 2);
  EXPECT_NEAR(fish.x, 20 + StepCos(fish.heading), 1e-4);
  EXPECT_EQ(fish.swimSpeed, 1.0f);
}

TEST_F(PlaySwimmers, MonsterAtFiftyDoesNotEatAt49Does) {
  trip().fishCaught = 3;
  trip().poundsCaught = 9;
  trip().inchesCaught = 40;
  trip().fishPlayed = 4;
  FishRecord& far = MonsterAt(0, 50);
  MonstersTick(ctx());
  EXPECT_FALSE(far.gone);
  EXPECT_EQ(far.mode, 2);
  EXPECT_EQ(trip().fishCaught, 3);
  EXPECT_EQ(rig.pauses, 0);
  // It chased the boat: straight at it, one pixel a tick.
  EXPECT_EQ(far.heading, 128);
  EXPECT_FLOAT_EQ(far.x, trip().boatX + 49);

  trip().throttle = true;
  trip().boatSpeed = 3;
  MonstersTick(ctx());
  EXPECT_TRUE(far.gone);
  EXPECT_EQ(trip().fishCaught, 0);
  EXPECT_EQ(trip().poundsCaught, 0);
  EXPECT_EQ(trip().inchesCaught, 0);
  EXPECT_EQ(trip().fishPlayed, 4);
  EXPECT_FALSE(trip().throttle);
  EXPECT_EQ(trip().boatSpeed, 0.0f);
  EXPECT_EQ(trip().message, "THE MONSTER ATE YOUR FISH");
  EXPECT_EQ(trip().messageTicks, 90);
  EXPECT_EQ(rig.pauses, 1);
  EXPECT_TRUE(rig.Sounding("Monster"));
  // It finished its tick: it moved on towards the boat.
  EXPECT_FLOAT_EQ(far.x, trip().boatX + 48);
}

TEST_F(PlaySwimmers, ModesByDistance) {
  FishRecord& monster = MonsterAt(1, 299);
  MonstersTick(ctx());
  EXPECT_EQ(monster.mode, 1);
  MonsterAt(1, 300);
  MonstersTick(ctx());
  EXPECT_EQ(monster.mode, 0);
  MonsterAt(1, 149);
  MonstersTick(ctx());
  EXPECT_EQ(monster.mode, 2);
  // Vertical distances count double.
  FishRecord& below = MonsterAt(1, 0);
  below.y = below.homeY = trip().boatY + 74;
  MonstersTick(ctx());
  EXPECT_EQ(below.mode, 2);
}

TEST_F(PlaySwimmers, TwoMonstersEatInOneTick) {
  trip().fishCaught = 2;
  MonsterAt(0, 10);
  MonsterAt(2, -20);
  MonstersTick(ctx());
  EXPECT_TRUE(trip().monsters[0].gone);
  EXPECT_TRUE(trip().monsters[2].gone);
  EXPECT_EQ(rig.pauses, 2);
  EXPECT_EQ(trip().message, "THE MONSTER ATE YOUR FISH");
}

TEST_F(PlaySwimmers, MonstersFrozenWhileEnding) {
  FishRecord& monster = MonsterAt(0, 200);
  trip().ending = true;
  trip().endTicks = 1000;
  trip().fishCaught = 2;
  rig.Ticks(5);
  EXPECT_EQ(monster.x, trip().boatX + 200);
  monster.x = trip().boatX + 10;
  rig.Tick();
  EXPECT_FALSE(monster.gone);
  EXPECT_EQ(trip().fishCaught, 2);
}

TEST_F(PlaySwimmers, MonsterOnLandBouncesInPlace) {
  FishRecord& monster = trip().monsters[0];
  monster = FishRecord{};
  monster.x = monster.homeX = 20;
  monster.y = monster.homeY = 300;
  monster.heading = 0;
  monster.swimSpeed = 0.75f;
  for (int i = 0; i < 6; ++i) {
    MonstersTick(ctx());
    EXPECT_NEAR(monster.x, 20, 1.01) << i;
    EXPECT_NEAR(monster.y, 300, 1.01) << i;
  }
}

}  // namespace
