#include "bowling/ball.h"

#include <algorithm>

#include "media/iso_math.h"

namespace {

// A ball crossing an edge line with sideways speed: bumpers push it back and reverse that speed,
// otherwise it drops into the gutter and keeps only its upward speed. Either way it stops hooking.
// Returns true for a drop into the gutter.
bool CrossEdge(TMatchState& match, bool bumperAlley, float push) {
  if (match.ballVX == 0 || match.ballY <= 0) return false;
  match.ballHook = 0;
  if (bumperAlley) {
    match.ballX += push;
    match.ballVX = -match.ballVX;
    return false;
  }
  match.ballVX = 0;
  return true;
}

// The channel walls hold the ball: it is moved a pixel at a time until it is inside them. Above the
// pins the two walls cross, and the ball is walked a hundred pixels or more each tick; the steps
// that certainly end outside the wall are taken without testing each one (the same one-pixel float
// steps, so the result is the same), and only the last few are tested. The walk is bounded: a ball
// never lies further outside than a few screen widths.
constexpr int kMaxWallSteps = 4096;

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Moves x by `step` (+1 or -1) until LineSide(x1, y1, x2, y2, round(x), round(y)) is no longer
// below zero (step +1) or above zero (step -1). y1 > y2 for both walls, so LineSide grows with x.
void HoldInside(float& x, float y, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int step) {
  const int32_t row = Round(y);
  // LineSide = (y1 - y2)(x - x2) + c: the first whole x on the inside of the wall.
  const int64_t a = static_cast<int64_t>(y1) - y2;
  const int64_t c = (static_cast<int64_t>(x2) - x1) * (static_cast<int64_t>(row) - y2);
  const int64_t inside = step > 0 ? x2 - FloorDiv(c, a) : x2 + FloorDiv(-c, a);
  // Round(x + k) lies within 1 of Round(x) + k, so the first `certain` steps all end outside.
  const int64_t certain = std::clamp<int64_t>(step * (inside - Round(x)) - 2, 0, kMaxWallSteps);
  for (int64_t k = 0; k < certain; ++k) x += static_cast<float>(step);
  const auto outside = [&] {
    const int32_t side = LineSide(x1, y1, x2, y2, Round(x), row);
    return step > 0 ? side < 0 : side > 0;
  };
  for (int k = 0; k < kMaxWallSteps && outside(); ++k) x += static_cast<float>(step);
}

}  // namespace

int32_t LineSide(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) {
  // A 32-bit cross product, wrapping as one; lane coordinates never come near the limit.
  const int64_t side = static_cast<int64_t>(y1 - y2) * (x3 - x2) + static_cast<int64_t>(x2 - x1) * (y3 - y2);
  return static_cast<int32_t>(side);
}

bool BallStep(TMatchState& match, bool bumperAlley) {
  match.ballRoll += 0.25f;
  if (match.ballRoll > 31) match.ballRoll = 0;
  match.ballVX += match.ballHook;
  match.ballY -= match.ballSpeed;
  match.ballX += match.ballVX;

  const int32_t b = bumperAlley ? 15 : 0;
  const int32_t x = Round(match.ballX);
  const int32_t y = Round(match.ballY);
  bool dropped = false;
  if (LineSide(212 + b, 407, 253 + b, 96, x, y) < 0) dropped |= CrossEdge(match, bumperAlley, 3);
  if (LineSide(423 - b, 407, 382 - b, 96, x, y) > 0) dropped |= CrossEdge(match, bumperAlley, -3);

  HoldInside(match.ballX, match.ballY, 210 + b, 407, 255 + b, 96, 1);
  HoldInside(match.ballX, match.ballY, 425 - b, 407, 385 - b, 96, -1);
  return dropped;
}
