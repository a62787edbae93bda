// The power and accuracy meter, and the computer bowler's walk and presses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "bowling/computer_bowler.h"
#include "bowling/meter.h"
#include "media/random.h"
#include "play_rig.h"

namespace {

TMatchState Charging() {
  TMatchState match;
  match.charging = true;
  return match;
}

TPlayer Human(int offset = 8) {
  TPlayer player;
  player.approachX = 320;
  player.releaseOffsetX = offset;
  player.releaseOffsetY = 12;
  return player;
}

// Runs the meter until the ball is released; the presses happen at the given meter values.
TMatchState Throw(const TPlayer& player, int powerAt, int accuracyAt) {
  TMatchState match = Charging();
  for (int tick = 0; tick < 400 && !match.rolling; ++tick) {
    if (match.meter == powerAt || (match.power != 0 && match.meter == accuracyAt)) HumanPress(match, player);
    MeterStep(match, player);
  }
  return match;
}

TEST(Meter, NoPressGivesTheFixedWeakThrowWithTheHardestHook) {
  const TPlayer player = Human();
  const TMatchState match = Throw(player, -1, -1);
  EXPECT_TRUE(match.rolling);
  EXPECT_EQ(match.power, 50);
  EXPECT_EQ(match.ballSpeed, 3.125f);
  EXPECT_EQ(match.accuracy, 127);
  EXPECT_FLOAT_EQ(match.ballHook, -31.0f / 750.0f);
  EXPECT_EQ(match.ballVX, 0.0f);
  EXPECT_EQ(match.ballWeight, -1);
  EXPECT_EQ(match.ballX, 328.0f);
  EXPECT_EQ(match.ballY, 377.0f);
}

TEST(Meter, AccuracyMoments) {
  const TPlayer player = Human();
  const float centre = (320.0f - 328.0f) / 200.0f;
  {
    const TMatchState match = Throw(player, 60, 96);
    EXPECT_EQ(match.accuracy, 96);
    EXPECT_FLOAT_EQ(match.ballVX, centre);
    EXPECT_EQ(match.ballHook, 0.0f);
  }
  {
    const TMatchState match = Throw(player, 60, 97);
    EXPECT_FLOAT_EQ(match.ballHook, -1.0f / 1250.0f);
  }
  {
    const TMatchState match = Throw(player, 60, 113);
    EXPECT_FLOAT_EQ(match.ballHook, -17.0f / 750.0f);
  }
  {
    const TMatchState match = Throw(player, 60, 80);
    EXPECT_FLOAT_EQ(match.ballVX, centre + 16.0f / 20.0f) << "early presses drift right";
  }
}

TEST(Meter, PressesOutOfTurnAreIgnored) {
  const TPlayer player = Human();
  TMatchState match = Charging();
  match.meter = 40;
  EXPECT_EQ(HumanPress(match, player), TPressEffect::Power);
  EXPECT_EQ(match.meter, 64);
  match.meter = 70;
  EXPECT_EQ(HumanPress(match, player), TPressEffect::None) << "accuracy before meter 75";
  EXPECT_EQ(match.power, 40) << "a second power press";
  match.meter = 75;
  EXPECT_EQ(HumanPress(match, player), TPressEffect::Accuracy);
  EXPECT_EQ(HumanPress(match, player), TPressEffect::None);
}

TEST(Meter, SpeedNeverBelowTwo) {
  for (int at = 0; at <= 62; ++at) {
    TMatchState match = Charging();
    match.meter = at;
    PowerPress(match);
    EXPECT_GE(match.ballSpeed, 2.0f);
    if (at <= 36) {
      EXPECT_EQ(match.ballSpeed, 2.0f);
    }
  }
}

TEST(Meter, BallWeightFromPowerAndAHumansSkill) {
  const std::pair<int, int> table[] = {{50, -1}, {51, 0}, {59, 0}, {60, 1}, {61, 1}, {62, 2}};
  for (const auto& [power, weight] : table) {
    for (int skill = 0; skill < 3; ++skill) {
      for (bool computer : {false, true}) {
        TPlayer player = Human();
        player.computer = computer;
        player.rookie = skill == 0;
        player.pro = skill == 2;
        const TMatchState match = Throw(player, power, -1);
        const int adjust = computer ? 0 : (skill == 0 ? 1 : skill == 2 ? -1 : 0);
        EXPECT_EQ(match.ballWeight, weight + adjust) << "power " << power << " skill " << skill;
      }
    }
  }
}

// The computer's whole throw from aiming; returns the released match.
TMatchState ComputerThrow(TPlayer& player, TRandom& random, uint8_t shot = 0) {
  TMatchState match;
  match.aiming = true;
  match.shot = shot;
  match.cpuTarget = player.approachX;
  for (int tick = 0; tick < 400 && !match.rolling; ++tick) {
    ComputerStep(match, player, random);
    if (match.charging) MeterStep(match, player);
  }
  return match;
}

TEST(ComputerBowler, EachLevelPressesInItsWindows) {
  TRandom random(11);
  TPlayer pro = Human(8);
  pro.computer = true;
  pro.level = 1;
  const TMatchState straight = ComputerThrow(pro, random);
  EXPECT_EQ(straight.power, 62);
  EXPECT_FLOAT_EQ(straight.ballSpeed, 62.0f / 64.0f * 3.5f);
  EXPECT_EQ(straight.accuracy, 95);
  EXPECT_FLOAT_EQ(straight.ballVX, (320.0f - 328.0f) / 200.0f + 0.05f);
  EXPECT_EQ(straight.ballHook, 0.0f);
  EXPECT_EQ(straight.ballWeight, 2) << "no skill adjustment for a computer";

  // The later limit starts above a release offset of 10.
  for (const auto& [offset, accuracy] : {std::pair{10, 95}, std::pair{11, 109}}) {
    TPlayer bowler = Human(offset);
    bowler.computer = true;
    bowler.level = 1;
    EXPECT_EQ(ComputerThrow(bowler, random).accuracy, accuracy) << "release offset " << offset;
  }
  TPlayer hooker = Human(14);
  hooker.computer = true;
  hooker.level = 1;
  const TMatchState hooked = ComputerThrow(hooker, random);
  EXPECT_EQ(hooked.accuracy, 109);
  EXPECT_FLOAT_EQ(hooked.ballHook, -13.0f / 1250.0f);
  EXPECT_EQ(ComputerThrow(hooker, random, 1).accuracy, 95) << "a Pro's second ball ignores the limit";

  // Amateurs and Rookies: each window opens at its first meter value and a press comes there with
  // the level's chance per tick; over kThrows throws the count at that value lies within four
  // standard deviations of the expected one.
  constexpr int kThrows = 800;
  const auto likely = [](int count, double chance) {
    const double expected = kThrows * chance;
    return std::abs(count - expected) <= 4 * std::sqrt(expected * (1 - chance));
  };
  struct TWindow {
    int level, offset;
    uint8_t shot;
    int powerFrom, accuracyFrom, chanceOneIn, weight;
  };
  const TWindow windows[] = {
      {4, 10, 0, 53, 89, 4, 0}, {4, 11, 0, 53, 103, 4, 0}, {4, 11, 1, 53, 89, 4, 0},
      {8, 10, 0, 41, 87, 8, -1}, {8, 11, 0, 41, 101, 8, -1}, {8, 11, 1, 41, 81, 8, -1},
  };
  for (const TWindow& w : windows) {
    TPlayer bowler = Human(w.offset);
    bowler.computer = true;
    bowler.level = static_cast<uint8_t>(w.level);
    int powerAtFirst = 0, accuracyAtFirst = 0, usualWeight = 0, lowestPower = 64, lowestAccuracy = 128;
    for (int i = 0; i < kThrows; ++i) {
      const TMatchState match = ComputerThrow(bowler, random, w.shot);
      // Power 50 is the meter's own when no press came by 63.
      EXPECT_TRUE(match.power == 50 || (match.power >= w.powerFrom && match.power <= 62)) << match.power;
      if (match.power != 50) lowestPower = std::min(lowestPower, match.power);
      lowestAccuracy = std::min(lowestAccuracy, match.accuracy);
      powerAtFirst += match.power == w.powerFrom;
      accuracyAtFirst += match.accuracy == w.accuracyFrom;
      usualWeight += match.ballWeight == w.weight;
    }
    const std::string row = "level " + std::to_string(w.level) + ", offset " + std::to_string(w.offset) +
                            ", ball " + std::to_string(w.shot + 1);
    EXPECT_EQ(lowestPower, w.powerFrom) << row;
    EXPECT_TRUE(likely(powerAtFirst, 0.5)) << row << ": " << powerAtFirst << " power presses at " << w.powerFrom;
    EXPECT_GT(usualWeight, kThrows * 9 / 10) << row << ": ball weight " << w.weight;
    EXPECT_EQ(lowestAccuracy, w.accuracyFrom) << row;
    EXPECT_TRUE(likely(accuracyAtFirst, 1.0 / w.chanceOneIn))
        << row << ": " << accuracyAtFirst << " accuracy presses at " << w.accuracyFrom;
  }
}

TEST(ComputerBowler, WalksToItsSpotBeforeStartingSilently) {
  TRandom random(2);
  TPlayer player = Human();
  player.computer = true;
  player.level = 4;
  TMatchState match;
  match.aiming = true;
  match.cpuTarget = 326;
  for (int tick = 0; tick < 5; ++tick) {
    ComputerStep(match, player, random);
    EXPECT_TRUE(match.aiming) << "not yet on the spot";
  }
  ComputerStep(match, player, random);
  EXPECT_EQ(player.approachX, 326);
  EXPECT_TRUE(match.charging);
  EXPECT_FALSE(match.aiming);
}

TEST(ComputerBowler, SpotsForTheFirstAndSecondBall) {
  TRandom random(9);
  TPlayer pro = Human(8);
  pro.level = 1;
  for (int i = 0; i < 50; ++i) {
    const int spot = FirstBallTarget(pro, random);
    EXPECT_GE(spot, 328);
    EXPECT_LE(spot, 329);
  }
  TPlayer rookie = Human(8);
  rookie.level = 8;
  for (int i = 0; i < 200; ++i) {
    const int spot = FirstBallTarget(rookie, random);
    EXPECT_GE(spot, 325);
    EXPECT_LE(spot, 340);
  }
  // With pins 7 and 10 standing, spareup sends the computer to release its second ball below pin 7.
  bowling_test::TPlayRig rig;
  rig.StartMatch(1, true);
  TMatchState& match = rig.state.match;
  match.players[1].releaseOffsetX = 8;
  for (int n = 1; n <= 10; ++n) match.pins[n].standing = n == 7 || n == 10;
  rig.play.spareup();
  EXPECT_EQ(match.cpuTarget, 278 - 8);
}

TEST(ComputerBowler, ARookieCanMissTheAccuracyWindow) {
  int missed = 0;
  for (uint64_t seed = 0; seed < 400; ++seed) {
    TRandom random(seed);
    TPlayer rookie = Human();
    rookie.computer = true;
    rookie.level = 8;
    const TMatchState match = ComputerThrow(rookie, random);
    if (match.accuracy == 127) {
      ++missed;
      EXPECT_FLOAT_EQ(match.ballHook, -31.0f / 750.0f);
    }
    EXPECT_GE(match.power, 41);
    EXPECT_LE(match.power, 62);
  }
  EXPECT_GT(missed, 0);
}

}  // namespace
