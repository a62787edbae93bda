// Pins and ball: the rack, sliding, walls and pit, hits by the ball and by pins, stillness, the
// sweep; the ball's hook, gutters, bumpers and channel walls.
#include <gtest/gtest.h>

#include <cmath>

#include "bowling/ball.h"
#include "bowling/pins.h"
#include "media/random.h"

namespace {

TMatchState Racked() {
  TMatchState match;
  RackPins(match);
  ResetPins(match);
  return match;
}

TEST(Pins, RackAndReset) {
  const TMatchState match = Racked();
  const float expected[11][2] = {{0, 0},     {320, 152}, {306, 147}, {334, 147}, {292, 142}, {320, 142},
                                 {348, 142}, {278, 137}, {306, 137}, {334, 137}, {362, 137}};
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(match.pins[n].x, expected[n][0]) << "pin " << n;
    EXPECT_EQ(match.pins[n].y, expected[n][1]) << "pin " << n;
    EXPECT_TRUE(match.pins[n].standing);
    EXPECT_EQ(match.pins[n].homeX, match.pins[n].x);
  }
  EXPECT_EQ(PinsDown(match), 0);
}

TEST(Pins, SlideWithFrictionAndStopBelowHalfAPixel) {
  TMatchState match = Racked();
  TPin& pin = match.pins[5];
  pin.standing = false;
  pin.moving = true;
  pin.vx = 1.0f;
  pin.vy = -0.5f;
  MovePins(match);
  EXPECT_FLOAT_EQ(pin.x, 321.0f);
  EXPECT_FLOAT_EQ(pin.y, 141.5f);
  EXPECT_FLOAT_EQ(pin.vx, 0.992f);
  EXPECT_EQ(pin.vy, 0.0f) << "-0.484 is below half a pixel";
  EXPECT_EQ(pin.fallFrame, 1);
  for (int i = 0; i < 100; ++i) MovePins(match);
  EXPECT_EQ(pin.fallFrame, 60);
  EXPECT_EQ(pin.vx, 0.0f);
}

TEST(Pins, DeckWallsAndThePit) {
  TMatchState match = Racked();
  TPin& pin = match.pins[7];
  pin.standing = false;
  pin.moving = true;
  pin.vx = -8.0f;
  pin.vy = 0.0f;
  MovePins(match);
  EXPECT_EQ(pin.x, 275.0f);
  EXPECT_FLOAT_EQ(pin.vx, 0.75f * 7.992f) << "reversed and reduced to three quarters";
  pin.x = 360;
  pin.vx = 8;
  MovePins(match);
  EXPECT_EQ(pin.x, 365.0f);
  EXPECT_LT(pin.vx, 0.0f);

  pin.x = 320;
  pin.vx = 0;
  pin.y = 121;
  pin.vy = -3;
  MovePins(match);
  EXPECT_TRUE(pin.inPit) << "beyond y 120";
  EXPECT_EQ(pin.vy, 2.5f) << "thrown back";
  for (int i = 0; i < 30; ++i) MovePins(match);
  EXPECT_LE(pin.y, 125.0f) << "held at the pit floor";
  EXPECT_EQ(pin.y, 125.0f);
}

TEST(Pins, TheBallsReachGrowsWithItsWeight) {
  // Pin 1 alone at (320, 152); the ball's test point lies 30 below the ball.
  for (const auto& [weight, reach] : {std::pair{-2, 14}, std::pair{3, 24}}) {
    for (int gap : {reach, reach + 2}) {
      TMatchState match = Racked();
      for (int n = 2; n <= 10; ++n) match.pins[n].standing = false;
      TRandom random(1);
      match.ballWeight = weight;
      match.ballX = 320;
      match.ballY = static_cast<float>(152 - 30 - gap / 2);  // vertical distances count double
      const int first = BallHitsPins(match, random);
      const bool hit = !match.pins[1].standing;
      EXPECT_EQ(hit, gap <= reach) << "weight " << weight << " gap " << gap;
      EXPECT_EQ(first, hit ? 1 : 0);
      EXPECT_EQ(match.pinHit, hit);
    }
  }
}

TEST(Pins, APinHitStraightUpTheLaneFliesUp) {
  // The ball straight below pin 1, the pin straight ahead of it.
  for (uint64_t seed = 0; seed < 50; ++seed) {
    TMatchState match = Racked();
    TRandom random(seed);
    match.ballX = 320;
    match.ballY = 125;
    BallHitsPins(match, random);
    const TPin& pin = match.pins[1];
    ASSERT_FALSE(pin.standing);
    EXPECT_NEAR(pin.vx, 0.0f, 1e-5);
    EXPECT_GE(pin.vy, -4.0f);
    EXPECT_LE(pin.vy, -3.05f + 1e-6f);
    EXPECT_LT(pin.fallRow, 8);
  }
}

TEST(Pins, KnockedPinsKnockTheirNeighboursOnceEach) {
  TMatchState match = Racked();
  TRandom random(3);
  match.ballWeight = 0;
  TPin& striker = match.pins[2];
  striker.standing = false;
  striker.moving = true;
  striker.x = 297;  // 5 from pin 4 across, 5 up: distance sqrt(25 + 100) = 11 > 9
  striker.y = 147;
  PinsHitPins(match, random);
  EXPECT_TRUE(match.pins[4].standing) << "out of reach";
  striker.x = 294;
  striker.y = 144;  // distance sqrt(4 + 16) = 4
  striker.vy = -1.0f;
  PinsHitPins(match, random);
  const TPin& struck = match.pins[4];
  EXPECT_FALSE(struck.standing);
  EXPECT_TRUE(struck.moving);
  EXPECT_GE(struck.fallRow, 8);
  EXPECT_LE(struck.fallRow, 11);
  EXPECT_GE(struck.vy, striker.vy) << "never flies up faster than its striker";
  EXPECT_EQ(PinsDown(match), 2);
  // Still in reach on the next ticks, the knocked pin is not struck again, nor its striker by it.
  const TPin once = struck;
  const TPin strikerBefore = striker;
  for (int tick = 0; tick < 5; ++tick) PinsHitPins(match, random);
  EXPECT_EQ(struck.vx, once.vx);
  EXPECT_EQ(struck.vy, once.vy);
  EXPECT_EQ(struck.fallRow, once.fallRow);
  EXPECT_EQ(striker.vx, strikerBefore.vx);
  EXPECT_EQ(striker.vy, strikerBefore.vy);
}

TEST(Pins, StillnessReadsAllTenAndSweptPinsAreOffTheLane) {
  TMatchState match = Racked();
  EXPECT_TRUE(PinsAreStill(match));
  match.pins[9].vy = 0.25f;  // even a standing pin's velocity counts
  EXPECT_FALSE(PinsAreStill(match));
  match.pins[9].vy = 0;
  match.pins[3].standing = false;
  SweepPins(match);
  EXPECT_TRUE(match.pins[3].swept);
  EXPECT_EQ(match.pins[3].y, -50000.0f);
  EXPECT_FALSE(match.pins[2].swept);
  // A swept pin is never struck by the ball, wherever the ball is.
  TRandom random(5);
  match.ballX = 0;
  match.ballY = -50030;
  EXPECT_EQ(BallHitsPins(match, random), 0);
  EXPECT_FALSE(match.pins[3].moving);
}

TEST(Ball, LineSideTellsTheSides) {
  EXPECT_LT(LineSide(212, 407, 253, 96, 200, 407), 0);
  EXPECT_GT(LineSide(212, 407, 253, 96, 230, 407), 0);
  EXPECT_GT(LineSide(423, 407, 382, 96, 430, 407), 0);
  EXPECT_EQ(LineSide(212, 407, 253, 96, 212, 407), 0);
}

TEST(Ball, HookRollAndSpeed) {
  TMatchState match;
  match.ballX = 320;
  match.ballY = 380;
  match.ballSpeed = 3;
  match.ballHook = -0.01f;
  match.ballRoll = 31;
  BallStep(match, false);
  EXPECT_EQ(match.ballRoll, 0.0f) << "wraps past 31";
  EXPECT_FLOAT_EQ(match.ballVX, -0.01f);
  EXPECT_FLOAT_EQ(match.ballX, 319.99f);
  EXPECT_EQ(match.ballY, 377.0f);
}

TEST(Ball, GuttersBumpersAndWalls) {
  {
    // Crossing the left edge with sideways speed: into the gutter, "drop", no more sideways motion.
    TMatchState match;
    match.ballX = 213;
    match.ballY = 400;
    match.ballVX = -1;
    match.ballHook = -0.05f;
    EXPECT_TRUE(BallStep(match, false));
    EXPECT_EQ(match.ballVX, 0.0f);
    EXPECT_EQ(match.ballHook, 0.0f);
    EXPECT_GE(LineSide(210, 407, 255, 96, static_cast<int>(std::lround(match.ballX)), 400), 0) << "held by the wall";
  }
  {
    // With no sideways speed the edge changes nothing; only the walls hold the ball.
    TMatchState match;
    match.ballX = 212;
    match.ballY = 400;
    match.ballSpeed = 0;
    EXPECT_FALSE(BallStep(match, false));
    EXPECT_EQ(match.ballVX, 0.0f);
    EXPECT_EQ(match.ballX, 212.0f);
  }
  {
    // Bumpers: pushed back 3 pixels, sideways speed reversed, hook gone, silently.
    TMatchState match;
    match.ballX = 407;
    match.ballY = 400;
    match.ballVX = 1;
    match.ballHook = -0.01f;
    EXPECT_FALSE(BallStep(match, true));
    EXPECT_FLOAT_EQ(match.ballVX, -0.99f);
    EXPECT_FLOAT_EQ(match.ballX, 407.99f - 3);
    EXPECT_EQ(match.ballHook, 0.0f);
  }
  {
    // A ball well outside the walls is walked back in.
    TMatchState match;
    match.ballX = -400;
    match.ballY = 300;
    BallStep(match, false);
    EXPECT_GE(LineSide(210, 407, 255, 96, static_cast<int>(std::lround(match.ballX)), 300), 0);
  }
}

// The walls as the plainest loop would apply them, one tested pixel at a time.
float WalkedByPixels(float x, float y, int b) {
  const auto round = [](float v) { return static_cast<int32_t>(std::nearbyint(v)); };
  while (LineSide(210 + b, 407, 255 + b, 96, round(x), round(y)) < 0) x += 1;
  while (LineSide(425 - b, 407, 385 - b, 96, round(x), round(y)) > 0) x -= 1;
  return x;
}

TEST(Ball, TheWallsGiveWhatPixelByPixelTestingGives) {
  TRandom random(12);
  for (int i = 0; i < 20000; ++i) {
    TMatchState match;
    // Everywhere from the foul line to far above the pins, where the walls cross, and off both sides.
    match.ballX = static_cast<float>(random.Random(1200000) - 300000) / 1000.0f;
    match.ballY = static_cast<float>(random.Random(1300000) - 900000) / 1000.0f;
    const bool bumpers = random.Random(2) == 0;
    const float expected = WalkedByPixels(match.ballX, match.ballY, bumpers ? 15 : 0);
    BallStep(match, bumpers);
    ASSERT_EQ(match.ballX, expected) << "from x " << match.ballX << " y " << match.ballY;
  }
}

}  // namespace
