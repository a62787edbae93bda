// Direction and distance helpers shared by both games. Directions are byte "steps", 256 to a full
// turn: step 0 points along +x (right), step 64 along +y (down the screen). Step arithmetic wraps
// modulo 256. Distances count vertical differences double, because the games draw the vertical
// axis at half scale.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Nearest integer, halves to the even neighbour (2.5 -> 2, -2.5 -> -2, 3.5 -> 4). The result is
// clamped to the int32 range: +inf and values above it give INT32_MAX, -inf and values below give
// INT32_MIN, NaN gives 0. Floats convert to double exactly, so this serves both.
// Inline: play rounds positions many times a tick.
inline int32_t Round(double value) {
  if (std::isnan(value)) return 0;
  // Compared as doubles: both limits are exact in double, and anything beyond them clamps.
  if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  // Done by hand rather than with nearbyint so that a changed floating-point rounding mode cannot
  // alter play. Truncation towards zero, stepped down for negative fractions, is the floor of any
  // value in the int32 range (without a library call), and value - floor(value) is exact.
  auto result = static_cast<int64_t>(value);
  if (static_cast<double>(result) > value) --result;
  const double fraction = value - static_cast<double>(result);
  if (fraction > 0.5 || (fraction == 0.5 && (result & 1) != 0)) ++result;
  if (result > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(result);
}

// Cosine and sine of (step and 255) x 2pi/256 from a table of 256 doubles filled once.
double StepCos(int step);
// The table entry at (step + 192) and 255.
double StepSin(int step);

// cos(step x 2 x 3.14159 / 256) as a single (the boat's heading).
float IsoDX(uint8_t step);
// sin(step x 2 x 3.14159 / 256) / 2 as a single.
float IsoDY(uint8_t step);

// |Round(arctan(dy / dx) x 40.74369984625619)|, 0..64 (the factor is 128 / 3.14159). dx = 0 gives
// 64 when dy is not 0 and 0 when both are 0.
int32_t AngleSteps(float dx, float dy);

// The step of the vector (x - fromX, y - fromY); straight below is 64, straight above or no vector
// at all is 192. The vertical half scale is not applied here.
uint8_t DirectionTo(int32_t x, int32_t y, int32_t fromX, int32_t fromY);

// True when (target - current) mod 256 is at most 128, including 0.
bool TurnUpward(uint8_t target, uint8_t current);

// Round(sqrt((x1 - x2)^2 + (2 (y1 - y2))^2)).
int32_t IsoDistance(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
