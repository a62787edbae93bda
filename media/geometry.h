// Points, rectangles and colour values shared by the media layer and the games.
#pragma once

#include <cstdint>

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

// A rectangle from (Left, Top) inclusive to (Right, Bottom) exclusive.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

inline TRect Bounds(int left, int top, int width, int height) {
  return TRect{left, top, left + width, top + height};
}

inline bool Empty(const TRect& r) { return r.Left >= r.Right || r.Top >= r.Bottom; }

// Whether the two share a pixel.
inline bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The smallest rectangle holding both (empty ones included as they stand).
inline TRect Union(const TRect& a, const TRect& b) {
  return TRect{a.Left < b.Left ? a.Left : b.Left, a.Top < b.Top ? a.Top : b.Top,
               a.Right > b.Right ? a.Right : b.Right, a.Bottom > b.Bottom ? a.Bottom : b.Bottom};
}

// Grows box to hold rect's pixels too: an empty rect adds none, an empty box becomes rect.
inline void Extend(TRect& box, const TRect& rect) {
  if (!Empty(rect)) box = Empty(box) ? rect : Union(box, rect);
}

// The pixels in both (empty when none).
inline TRect Intersection(const TRect& a, const TRect& b) {
  return TRect{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
               a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
}

// A colour value: red in the low byte, then green, then blue (0x00BBGGRR). Values with the top bit
// set name a system colour (0x80000000 + role), resolved by ResolveColor.
using TColor = uint32_t;

constexpr TColor RGB(int r, int g, int b) {
  return static_cast<TColor>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
constexpr int GetRValue(TColor c) { return c & 255; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 255; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 255; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clNone = 0x1FFFFFFF;
