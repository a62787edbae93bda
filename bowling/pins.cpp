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

// IsoDistance(...) <= reach without the square root: the distance sqrt(s) of a whole s = dx^2 +
// (2 dy)^2 rounds to at most reach exactly when s <= reach^2 + reach, since sqrt(s) never lies on
// the half between two whole numbers.
bool WithinReach(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t reach) {
  if (reach < 0) return false;
  const int64_t dx = static_cast<int64_t>(x1) - x2;
  const int64_t dy = 2 * (static_cast<int64_t>(y1) - y2);
  return dx * dx + dy * dy <= static_cast<int64_t>(reach) * reach + reach;
}

// The pins' base points rounded once per pass: nothing moves during a pass of hits.
struct TRoundedPins {
  explicit TRoundedPins(const TMatchState& match) {
    for (int n = 1; n <= 10; ++n) {
      x[n] = Round(match.pins[n].x);
      y[n] = Round(match.pins[n].y);
    }
  }
  int32_t x[11] = {};
  int32_t y[11] = {};
};

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
    if (!pin.standing) continue;
    const int32_t x = Round(pin.x);
    const int32_t y = Round(pin.y);
    if (!WithinReach(ballX, ballY + 30, x, y, 2 * match.ballWeight + 18)) continue;
    const int a = DirectionTo(x, y, ballX, ballY);
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
  const TRoundedPins at(match);
  for (int j = 10; j >= 1; --j) {
    const TPin& striker = match.pins[j];
    // A pin that has never been knocked stands on its spot, at least 17 from every other spot, so
    // out of reach of every other unknocked pin: only knocked pins can strike.
    if (!striker.moving) continue;
    for (int i = 10; i >= 1; --i) {
      TPin& pin = match.pins[i];
      if (i == j || pin.moving || !WithinReach(at.x[j], at.y[j], at.x[i], at.y[i], reach)) continue;
      const int a = DirectionTo(at.x[i], at.y[i], at.x[j], at.y[j]);
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
