#include "tools/assetgen/bowling_art/led_figures.h"

#include <cmath>

namespace bowling_art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Half the pin's width at height v above its base: a narrow foot, the round belly, the thin
// neck and the head.
double PinRadius(double v) {
  static const double kProfile[][2] = {{0, 1.2},   {1.5, 2.2}, {4.0, 2.6}, {6.2, 1.3}, {7.6, 0.9},
                                       {9.2, 1.6}, {11, 1.6},  {12.4, 1.0}, {13, 0.2}};
  if (v < 0 || v > kLedPinHeight) return -1;
  for (size_t i = 1; i < std::size(kProfile); ++i) {
    if (v <= kProfile[i][0]) {
      const double t = (v - kProfile[i - 1][0]) / (kProfile[i][0] - kProfile[i - 1][0]);
      return kProfile[i - 1][1] + (kProfile[i][1] - kProfile[i - 1][1]) * t;
    }
  }
  return -1;
}

}  // namespace

void DrawLedPin(LedFrame& frame, double x, double y, double angle) {
  // The pin turns about its middle; each lamp near it asks whether its centre falls inside.
  const double mid = kLedPinHeight / 2.0;
  const double cx = x + std::sin(angle) * mid, cy = y - std::cos(angle) * mid;
  const double c = std::cos(angle), s = std::sin(angle);
  for (int ly = static_cast<int>(cy) - 9; ly <= static_cast<int>(cy) + 9; ++ly) {
    for (int lx = static_cast<int>(cx) - 9; lx <= static_cast<int>(cx) + 9; ++lx) {
      const double dx = lx + 0.5 - cx, dy = ly + 0.5 - cy;
      // Into the pin's own axes: u across, v up from the base.
      const double u = dx * c + dy * s;
      const double v = mid - (-dx * s + dy * c);
      const double r = PinRadius(v);
      if (r > 0 && std::fabs(u) <= r) frame.Set(lx, ly);
    }
  }
}

void DrawLedBall(LedFrame& frame, double cx, double cy, double r, double turn) {
  frame.Disc(cx, cy, r);
  // Two finger holes side by side and the thumb hole across from them.
  const double holes[3][2] = {{-0.35, 0.45}, {0.35, 0.45}, {0, -0.45}};
  const double c = std::cos(turn), s = std::sin(turn);
  for (const auto& h : holes) {
    const double hx = (h[0] * c - h[1] * s) * r, hy = (h[0] * s + h[1] * c) * r;
    frame.Set(static_cast<int>(std::floor(cx + hx)), static_cast<int>(std::floor(cy + hy)), false);
  }
}

void DrawLedBurst(LedFrame& frame, double cx, double cy, double radius, double fade, int seed) {
  LedRandom random(static_cast<uint32_t>(seed));
  // An outer ring of sixteen sparks with trails and an inner ring of eight, turned a little
  // differently for each burst.
  auto ring = [&](int sparks, double r, double trail, double turn) {
    for (int k = 0; k < sparks; ++k) {
      const double a = k * 2 * kPi / sparks + turn;
      if (random.Below(100) < fade * 100) continue;
      for (double back = 0; back <= trail && back <= r; back += 1.0) {
        const double d = r - back;
        frame.Set(static_cast<int>(std::floor(cx + d * std::cos(a) + 0.5)),
                  static_cast<int>(std::floor(cy + d * std::sin(a) * 0.85 + 0.5)));
      }
    }
  };
  ring(16, radius, 2, seed * 0.37);
  if (radius >= 4) ring(8, radius * 0.5, 0, seed * 0.37 + kPi / 8);
  if (radius < 2) frame.Disc(cx + 0.5, cy + 0.5, 1.6);
}

void DrawLedFace(LedFrame& frame, double cx, double cy, double r, bool sad, bool blink) {
  frame.Ring(cx, cy, r);
  const int ex0 = static_cast<int>(std::floor(cx - r * 0.38)), ex1 = static_cast<int>(std::floor(cx + r * 0.38));
  const int ey = static_cast<int>(std::floor(cy - r * 0.3));
  for (int ex : {ex0, ex1}) {
    if (blink) {
      frame.Line(ex - 1, ey + 1, ex + 1, ey + 1);
    } else {
      frame.Fill(ex - 1, ey - 1, 2, 3);
    }
  }
  // The mouth: an arc below the middle, bowed down for a smile and up for a frown.
  const double mouthY = cy + r * (sad ? 0.55 : 0.25);
  for (double t = -0.5; t <= 0.5; t += 0.05) {
    const double mx = cx + t * r * 1.1;
    const double bow = (0.25 - t * t) * r * 0.9;
    const double my = sad ? mouthY - bow : mouthY + bow;
    frame.Set(static_cast<int>(std::floor(mx)), static_cast<int>(std::floor(my)));
  }
  if (sad) frame.Fill(ex0 - 1, ey + 3, 1, 2);
}

void DrawLedTrophy(LedFrame& frame, int x, int y) {
  // The cup: a bowl narrowing to the stem, handles at both sides, a stepped foot.
  for (int row = 0; row < 12; ++row) {
    const int inset = row < 7 ? 0 : (row - 6) * 1 + (row > 9 ? row - 9 : 0);
    frame.Line(x + 4 + inset, y + row, x + 15 - inset, y + row);
  }
  frame.Line(x + 5, y + 1, x + 14, y + 1, false);
  frame.Ring(x + 3.5, y + 5, 2.6);
  frame.Ring(x + 16.5, y + 5, 2.6);
  frame.Fill(x + 8, y + 12, 4, 6);
  frame.Fill(x + 6, y + 18, 8, 2);
  frame.Fill(x + 4, y + 20, 12, 3);
  // A star on the bowl.
  frame.Set(x + 9, y + 3, false);
  frame.Line(x + 8, y + 4, x + 10, y + 4, false);
  frame.Set(x + 9, y + 5, false);
}

}  // namespace bowling_art
