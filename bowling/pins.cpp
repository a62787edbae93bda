#include "bowling/pins.h"

#include <cmath>

#include "media/iso_math.h"

namespace {

// Deck walls and the back of the lane, in screen pixels.
constexpr float kLeftWall = 275;
constexpr float kRightWall = 365;
constexpr float kPitLine = 120;
constexpr float kPitFloor = 125;

// Each pin lies 14 to the left or right and 5 up from a pin of the row in front.
struct TRackPlace {
  int from;  // the pin it is placed from, 0 for the head pin
  int side;  // -1 left, +1 right
};
constexpr TRackPlace kRack[11] = {{0, 0},  {0, 0},  {1, -1}, {1, 1}, {2, -1}, {2, 1},
                                  {3, 1},  {4, -1}, {4, 1},  {6, -1}, {6, 1}};

float Friction(float v, float step) { return v < 0 ? v + step : v - step; }

}  // namespace

void RackPins(TMatchState& match) {
  match.pins[1].x = 320.0f;
  match.pins[1].y = 152.0f;
  for (int n = 2; n <= 10; ++n) {
    const TPin& from = match.pins[kRack[n].from];
    match.pins[n].x = from.x + 14.0f * kRack[n].side;
    match.pins[n].y = from.y - 5.0f;
  }
}

void ResetPins(TMatchState& match) {
  for (int n = 1; n <= 10; ++n) {
    TPin& pin = match.pins[n];
    pin.fallRow = 0;
    pin.standing = true;
    pin.fallFrame = 0;
    pin.moving = false;
    pin.swept = false;
    pin.inPit = false;
    pin.homeX = pin.x;
    pin.homeY = pin.y;
  }
}

void MovePins(TMatchState& match) {
  for (int n = 10; n >= 1; --n) {
    TPin& pin = match.pins[n];
    if (!pin.moving || pin.swept) continue;
    pin.x += pin.vx;
    pin.y += pin.vy;
    pin.vx = Friction(pin.vx, 0.008f);
    pin.vy = Friction(pin.vy, 0.016f);
    if (std::fabs(pin.vx) < 0.5f) pin.vx = 0;
    if (std::fabs(pin.vy) < 0.5f) pin.vy = 0;
    if (pin.fallFrame < 60) ++pin.fallFrame;
    if (pin.x < kLeftWall) {
      pin.vx = -pin.vx * 0.75f;
      pin.x = kLeftWall;
    }
    if (pin.x > kRightWall) {
      pin.vx = -pin.vx * 0.75f;
      pin.x = kRightWall;
    }
    if (pin.y < kPitLine) {
      pin.vy = 2.5f;  // thrown back out of the pit
      pin.inPit = true;
    }
    if (pin.inPit && pin.y > kPitFloor) pin.y = kPitFloor;
  }
}

int BallHitsPins(TMatchState& match, TRandom& random) {
  const int32_t ballX = Round(match.ballX);
  const int32_t ballY = Round(match.ballY);
  int firstContact = 0;
  for (int n = 10; n >= 1; --n) {
    TPin& pin = match.pins[n];
    const int32_t d = IsoDistance(ballX, ballY + 30, Round(pin.x), Round(pin.y));
    if (d > 2 * match.ballWeight + 18 || !pin.standing) continue;
    const int a = DirectionTo(Round(pin.x), Round(pin.y), ballX, ballY);
    pin.vx = static_cast<float>(StepCos(a) * (random.Random(80) / 10.0 + 2));
    pin.vy = static_cast<float>(random.Random(20) / 20.0 - 2 - 2 * std::fabs(StepSin(a)));
    pin.fallRow = random.Random(8);
    pin.moving = true;
    pin.standing = false;
    if (!match.pinHit) {
      match.pinHit = true;
      firstContact = n;
    }
  }
  return firstContact;
}

void PinsHitPins(TMatchState& match, TRandom& random) {
  const int32_t reach = match.ballWeight + 9;
  for (int j = 10; j >= 1; --j) {
    const TPin& striker = match.pins[j];
    const int32_t xj = Round(striker.x);
    const int32_t yj = Round(striker.y);
    for (int i = 10; i >= 1; --i) {
      TPin& pin = match.pins[i];
      if (i == j || pin.moving) continue;
      const int32_t xi = Round(pin.x);
      const int32_t yi = Round(pin.y);
      if (IsoDistance(xj, yj, xi, yi) > reach) continue;
      const int a = DirectionTo(xi, yi, xj, yj);
      pin.vx = static_cast<float>(StepCos(a) * (random.Random(30) / 10.0 + 1));
      if (pin.vx > 0) pin.vx = striker.vx;
      pin.vy = static_cast<float>((random.Random(20) / 20.0 - 2) * std::fabs(StepSin(a)) - 0.5);
      // A struck pin never flies up the lane faster than the pin that struck it.
      if (pin.vy < striker.vy) pin.vy = striker.vy;
      pin.fallRow = random.Random(4) + 8;
      pin.moving = true;
      pin.standing = false;
    }
  }
}

bool PinsAreStill(const TMatchState& match) {
  for (int n = 1; n <= 10; ++n) {
    if (match.pins[n].vx != 0 || match.pins[n].vy != 0) return false;
  }
  return true;
}

void SweepPins(TMatchState& match) {
  for (int n = 1; n <= 10; ++n) {
    TPin& pin = match.pins[n];
    if (pin.standing) continue;
    pin.swept = true;
    pin.x = 0;
    pin.y = -50000;
  }
}

int PinsDown(const TMatchState& match) {
  int down = 0;
  for (int n = 1; n <= 10; ++n) down += match.pins[n].standing ? 0 : 1;
  return down;
}
