#include "tools/assetgen/bowling_art/led_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace bowling_art {

bool LedFrame::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return false;
  return lamps_[static_cast<size_t>(y) * kWidth + x];
}

void LedFrame::Set(int x, int y, bool lit) {
  if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
  lamps_[static_cast<size_t>(y) * kWidth + x] = lit;
}

void LedFrame::Invert() {
  for (bool& lamp : lamps_) lamp = !lamp;
}

int LedFrame::LitCount() const { return static_cast<int>(std::count(lamps_.begin(), lamps_.end(), true)); }

void LedFrame::Line(int x0, int y0, int x1, int y1, bool lit) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, lit);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void LedFrame::Disc(double cx, double cy, double r, bool lit) {
  const int x0 = static_cast<int>(std::floor(cx - r - 1)), x1 = static_cast<int>(std::ceil(cx + r + 1));
  const int y0 = static_cast<int>(std::floor(cy - r - 1)), y1 = static_cast<int>(std::ceil(cy + r + 1));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) Set(x, y, lit);
    }
  }
}

void LedFrame::Ring(double cx, double cy, double r, bool lit) {
  const int x0 = static_cast<int>(std::floor(cx - r - 2)), x1 = static_cast<int>(std::ceil(cx + r + 2));
  const int y0 = static_cast<int>(std::floor(cy - r - 2)), y1 = static_cast<int>(std::ceil(cy + r + 2));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (std::fabs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - r) <= 0.5) Set(x, y, lit);
    }
  }
}

void LedFrame::Fill(int x, int y, int w, int h, bool lit) {
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) Set(i, j, lit);
  }
}

int LedRandom::Below(int n) {
  state_ = state_ * 1664525u + 1013904223u;
  return n <= 0 ? 0 : static_cast<int>((state_ >> 8) % static_cast<uint32_t>(n));
}

}  // namespace bowling_art
