#include "tools/assetgen/bowling_people/ball.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/bowling_people/model_ops.h"
#include "tools/assetgen/bowling_people/view_render.h"

namespace bowling_people {

namespace {

using sprites::Argb;
using sprites::Image;
using sprites::Rgb;

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadius = 13.0;
constexpr double kElevation = 18;
constexpr int kSuper = 4;

// The three holes of the grip, as directions on the ball's own sphere.
struct Holes {
  Vec3 Dir[3];
  double Size[3];
};

Holes Grip() {
  const Vec3 centre = sprites::Normalized({0.15, 0.35, 1.0});
  Holes h;
  h.Dir[0] = sprites::Normalized(RotatePoint(centre, {1, 0, 0}, 0.10) + Vec3{0.16, 0, 0});
  h.Dir[1] = sprites::Normalized(RotatePoint(centre, {1, 0, 0}, 0.10) + Vec3{-0.16, 0, 0});
  h.Dir[2] = sprites::Normalized(RotatePoint(centre, {1, 0, 0}, -0.62));
  h.Size[0] = h.Size[1] = 0.13;
  h.Size[2] = 0.16;
  return h;
}

// The ball's own colour at a point of its surface: marbled swirls, and the holes dark inside.
uint32_t Surface(const BowlerStyle& s, const Holes& holes, Vec3 b, bool& hole) {
  hole = false;
  for (int i = 0; i < 3; ++i) {
    const double angle = std::acos(std::clamp(sprites::Dot(b, holes.Dir[i]), -1.0, 1.0));
    if (angle < holes.Size[i]) {
      hole = true;
      return Rgb(12, 10, 12);
    }
    if (angle < holes.Size[i] + 0.05) return sprites::Shade(s.Ball | 0xFF000000u, 0.55);
  }
  const double swirl = std::sin(5.0 * b.x + 3.0 * std::sin(4.0 * b.y + 1.3) + 4.0 * b.z);
  const double t = std::clamp((swirl - 0.35) / 0.5, 0.0, 1.0);
  return sprites::Mix(s.Ball | 0xFF000000u, s.BallSwirl | 0xFF000000u, t * 0.8);
}

Image RenderBall(const BowlerStyle& s, double turn) {
  const Holes holes = Grip();
  const double e = kElevation * kPi / 180;
  const Vec3 toViewer{0, std::cos(e), std::sin(e)}, up{0, -std::sin(e), std::cos(e)};
  const Vec3 light = sprites::Normalized({-0.45, 0.55, 0.85});
  const Vec3 half = sprites::Normalized(light + toViewer);
  const double c = kBallSize / 2.0;
  Image out(kBallSize, kBallSize);
  for (int y = 0; y < kBallSize; ++y) {
    for (int x = 0; x < kBallSize; ++x) {
      double r = 0, g = 0, bl = 0;
      int n = 0;
      for (int sy = 0; sy < kSuper; ++sy) {
        for (int sx = 0; sx < kSuper; ++sx) {
          const double dx = (x + (sx + 0.5) / kSuper - c) / kRadius;
          const double dy = (y + (sy + 0.5) / kSuper - c) / kRadius;
          const double d2 = dx * dx + dy * dy;
          if (d2 >= 1) continue;
          const Vec3 normal = Vec3{dx, 0, 0} + up * -dy + toViewer * std::sqrt(1 - d2);
          // Which point of the ball is here after it has rolled `turn` radians up the lane.
          const Vec3 body = RotatePoint(normal, {1, 0, 0}, -turn);
          bool hole = false;
          const uint32_t base = Surface(s, holes, body, hole);
          const double diffuse = std::max(0.0, sprites::Dot(normal, light));
          const double lit = 0.32 + 0.78 * diffuse;
          const double gloss = hole ? 0 : std::pow(std::max(0.0, sprites::Dot(normal, half)), 40) * 230 +
                                               std::pow(1 - std::max(0.0, sprites::Dot(normal, toViewer)), 3) * 40;
          r += std::min(255.0, sprites::RedOf(base) * lit + gloss);
          g += std::min(255.0, sprites::GreenOf(base) * lit + gloss);
          bl += std::min(255.0, sprites::BlueOf(base) * lit + gloss);
          ++n;
        }
      }
      if (n == 0) continue;
      out.At(x, y) = Argb(n * 255 / (kSuper * kSuper), static_cast<int>(std::lround(r / n)),
                          static_cast<int>(std::lround(g / n)), static_cast<int>(std::lround(bl / n)));
    }
  }
  sprites::Harden(out, 100);
  sprites::Outline(out);
  return out;
}

}  // namespace

std::vector<Image> BallPatterns(const BowlerStyle& style) {
  std::vector<Image> patterns;
  for (int p = 0; p < kBallPatterns; ++p) {
    patterns.push_back(RenderBall(style, 2 * kPi * (p % kBallPatternsPerTurn) / kBallPatternsPerTurn));
  }
  return patterns;
}

Image BallShadow() {
  // The ball's lowest point lies on row 25 of this picture; the shadow spreads a little to the
  // right, away from the hall's lights.
  Image coverage(kBallSize, kBallSize);
  for (int y = 0; y < kBallSize; ++y) {
    for (int x = 0; x < kBallSize; ++x) {
      const double dx = (x + 0.5 - 15.5) / 12.5, dy = (y + 0.5 - 24.0) / 3.6;
      const double d = dx * dx + dy * dy;
      if (d < 1.0) coverage.At(x, y) = Argb(d < 0.5 ? 255 : 100, 0, 0, 0);
    }
  }
  return ShadowPicture(coverage);
}

}  // namespace bowling_people
