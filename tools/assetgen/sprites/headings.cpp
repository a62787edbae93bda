#include "tools/assetgen/sprites/headings.h"

#include <cmath>
#include <stdexcept>

namespace sprites {

int BoatPattern(int heading) { return 31 - (heading - 4) / 8; }
int AnglerFace(int step) { return 15 - (step - 15) / 16; }
int FishPattern(int heading) { return ((256 - heading) % 256) >> 4; }
int MonsterDirection(int heading) { return FishPattern(heading); }

double PatternHeading(int (*formula)(int), int pattern) {
  constexpr double kStep = 2 * 3.14159265358979323846 / 256;
  double sx = 0, sy = 0;
  int n = 0;
  for (int h = 0; h < 256; ++h) {
    if (formula(h) != pattern) continue;
    sx += std::cos(h * kStep);
    sy += std::sin(h * kStep);
    ++n;
  }
  if (n == 0) throw std::logic_error("no heading selects this pattern");
  double a = std::atan2(sy, sx) / kStep;
  if (a < 0) a += 256;
  return a;
}

}  // namespace sprites
