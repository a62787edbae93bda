#include "media/blender.h"

namespace {

inline uint32_t MixChannel(uint32_t s, uint32_t d, uint32_t alpha) {
  return (s * alpha + d * (255 - alpha) + 127) / 255;
}

}  // namespace

uint16_t Blend16(uint16_t src, uint16_t dst, int alpha, TPixelFormat format) {
  const uint32_t a = static_cast<uint32_t>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha));
  const int redShift = format == TPixelFormat::RGB565 ? 11 : 10;
  const uint32_t greenBits = format == TPixelFormat::RGB565 ? 0x3F : 0x1F;
  const uint32_t r = MixChannel((src >> redShift) & 0x1F, (dst >> redShift) & 0x1F, a);
  const uint32_t g = MixChannel((src >> 5) & greenBits, (dst >> 5) & greenBits, a);
  const uint32_t b = MixChannel(src & 0x1F, dst & 0x1F, a);
  return static_cast<uint16_t>((r << redShift) | (g << 5) | b);
}
