// One frame of an LED sign show: 81 x 30 lamps, each lit or dark, and the drawing operations the
// shows are made of. Everything outside the frame is clipped.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/bowling_art/layout.h"

namespace bowling_art {

class LedFrame {
 public:
  static constexpr int kWidth = kLedColumns;
  static constexpr int kHeight = kLedRows;

  // True when the lamp is lit; lamps outside the frame are dark.
  bool At(int x, int y) const;
  // Lights (or darkens) one lamp; lamps outside the frame are ignored.
  void Set(int x, int y, bool lit = true);
  // Swaps lit and dark lamps.
  void Invert();
  // The number of lit lamps, and whether there are none.
  int LitCount() const;
  bool Blank() const { return LitCount() == 0; }

  // A line of lamps from (x0, y0) to (x1, y1), both ends included.
  void Line(int x0, int y0, int x1, int y1, bool lit = true);
  // The lamps whose centres lie within r of (cx, cy).
  void Disc(double cx, double cy, double r, bool lit = true);
  // The lamps whose centres lie between r - 0.5 and r + 0.5 of (cx, cy).
  void Ring(double cx, double cy, double r, bool lit = true);
  // A filled rectangle.
  void Fill(int x, int y, int w, int h, bool lit = true);

 private:
  std::array<bool, kWidth * kHeight> lamps_{};
};

// A show as the program plays it: the frames in stored order.
struct LedShow {
  std::string Name;
  bool InPlay = false;  // strike, spare and gutter shows: frame 0 is never shown
  std::vector<LedFrame> Frames;
};

// A tiny deterministic random source for sparkles and debris (the same frames on every run).
class LedRandom {
 public:
  explicit LedRandom(uint32_t seed) : state_(seed * 2654435761u + 977u) {}
  // 0..n-1.
  int Below(int n);

 private:
  uint32_t state_;
};

}  // namespace bowling_art
