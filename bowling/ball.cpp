#include "bowling/ball.h"

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

// The channel walls hold the ball: it is moved a pixel at a time until it is inside them. A ball
// never lies further outside than the width of the screen, which bounds the walk.
constexpr int kMaxWallSteps = 1024;

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

  for (int step = 0; step < kMaxWallSteps &&
                     LineSide(210 + b, 407, 255 + b, 96, Round(match.ballX), Round(match.ballY)) < 0;
       ++step) {
    match.ballX += 1;
  }
  for (int step = 0; step < kMaxWallSteps &&
                     LineSide(425 - b, 407, 385 - b, 96, Round(match.ballX), Round(match.ballY)) > 0;
       ++step) {
    match.ballX -= 1;
  }
  return dropped;
}
