// The software blender shared by DrawBlended and FillRectBlended: each channel becomes
// (source * alpha + destination * (255 - alpha) + 127) div 255, in the surface's own channel units.
//
// The three channels are worked on at once in 16-bit lanes of one 64-bit word (red, green, blue
// at bits 0, 16, 32); no lane exceeds 63 * 255 + 127, so nothing carries between lanes, and
// x div 255 = (x + 1 + x div 256) div 256 holds exactly for every x below 65535.
#pragma once

#include <cstdint>

#include "media/pixel_format.h"

namespace blender_detail {

constexpr uint64_t kLaneLow8 = 0x000000FF00FF00FFull;

inline uint64_t Spread(uint16_t pixel, int redShift, uint32_t greenBits) {
  return ((pixel >> redShift) & 0x1Fu) | (static_cast<uint64_t>((pixel >> 5) & greenBits) << 16) |
         (static_cast<uint64_t>(pixel & 0x1Fu) << 32);
}

}  // namespace blender_detail

// Mixes src over dst with weight alpha (0 = dst unchanged, 255 = src); alpha is clamped to 0..255.
inline uint16_t Blend16(uint16_t src, uint16_t dst, int alpha, TPixelFormat format) {
  using namespace blender_detail;
  const uint64_t a = static_cast<uint64_t>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha));
  const int redShift = format == TPixelFormat::RGB565 ? 11 : 10;
  const uint32_t greenBits = format == TPixelFormat::RGB565 ? 0x3F : 0x1F;
  const uint64_t mixed = Spread(src, redShift, greenBits) * a +
                         Spread(dst, redShift, greenBits) * (255 - a) + 0x0000007F007F007Full;
  const uint64_t q =
      ((mixed + 0x0000000100010001ull + ((mixed >> 8) & kLaneLow8)) >> 8) & kLaneLow8;
  return static_cast<uint16_t>(((q & 0xFF) << redShift) | (((q >> 16) & 0xFF) << 5) | (q >> 32));
}
