#include "media/iso_math.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace {

// The angle factor 128 / 3.14159 and the short pi the boat's heading uses.
constexpr double kStepsPerRadian = 40.74369984625619;
constexpr double kShortPi = 3.14159;

const std::array<double, 256>& CosineTable() {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> values{};
    for (int i = 0; i < 256; ++i) values[i] = std::cos(i * 2.0 * std::numbers::pi / 256.0);
    return values;
  }();
  return table;
}

}  // namespace

double StepCos(int step) { return CosineTable()[static_cast<size_t>(step & 255)]; }

double StepSin(int step) { return CosineTable()[static_cast<size_t>((step + 192) & 255)]; }

float IsoDX(uint8_t step) { return static_cast<float>(std::cos(step * 2 * kShortPi / 256)); }

float IsoDY(uint8_t step) { return static_cast<float>(std::sin(step * 2 * kShortPi / 256) / 2); }

int32_t AngleSteps(float dx, float dy) {
  if (dx == 0) return dy == 0 ? 0 : 64;
  const double ratio = static_cast<double>(dy) / static_cast<double>(dx);
  return std::abs(Round(std::atan(ratio) * kStepsPerRadian));
}

uint8_t DirectionTo(int32_t x, int32_t y, int32_t fromX, int32_t fromY) {
  // 64-bit differences: the vector between two extreme int32 points does not fit in 32 bits.
  const int64_t dx = static_cast<int64_t>(x) - fromX;
  const int64_t dy = static_cast<int64_t>(y) - fromY;
  if (dx == 0) return dy > 0 ? 64 : 192;
  const int32_t t = AngleSteps(static_cast<float>(dx), static_cast<float>(dy));
  int32_t step = t;
  if (dx < 0 && dy > 0) {
    step = 128 - t;
  } else if (dx < 0) {
    step = 128 + t;
  } else if (dy < 0) {
    step = 256 - t;
  }
  return static_cast<uint8_t>(step & 255);
}

bool TurnUpward(uint8_t target, uint8_t current) {
  return static_cast<uint8_t>(target - current) <= 128;
}

int32_t IsoDistance(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const auto dx = static_cast<double>(static_cast<int64_t>(x1) - x2);
  const auto dy = 2.0 * static_cast<double>(static_cast<int64_t>(y1) - y2);
  return Round(std::sqrt(dx * dx + dy * dy));
}
