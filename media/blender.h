// The software blender shared by DrawBlended and FillRectBlended: each channel becomes
// (source * alpha + destination * (255 - alpha) + 127) div 255, in the surface's own channel units.
#pragma once

#include <cstdint>

#include "media/pixel_format.h"

// Mixes src over dst with weight alpha (0 = dst unchanged, 255 = src); alpha is clamped to 0..255.
inline uint16_t Blend16(uint16_t src, uint16_t dst, int alpha, TPixelFormat format) {
  const uint32_t a = static_cast<uint32_t>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha));
  const uint32_t rest = 255 - a;
  const int redShift = format == TPixelFormat::RGB565 ? 11 : 10;
  const uint32_t greenBits = format == TPixelFormat::RGB565 ? 0x3F : 0x1F;
  const uint32_t r = (((src >> redShift) & 0x1F) * a + ((dst >> redShift) & 0x1F) * rest + 127) / 255;
  const uint32_t g = (((src >> 5) & greenBits) * a + ((dst >> 5) & greenBits) * rest + 127) / 255;
  const uint32_t b = ((src & 0x1F) * a + (dst & 0x1F) * rest + 127) / 255;
  return static_cast<uint16_t>((r << redShift) | (g << 5) | b);
}
