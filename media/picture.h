// A decoded picture: what every bitmap kind of a library file becomes once read. The drawing
// device converts it to 16-bit surfaces; the writer stores it back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Pixels are 0x00RRGGBB (blue in the low byte, as a 32-bit BMP stores them), top row first.
struct TPicture {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint32_t> Pixels;

  bool Empty() const { return Width <= 0 || Height <= 0; }
  uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  bool operator==(const TPicture&) const = default;
};
