// 16-bit pixel formats of the display and its surfaces, and the conversions into them. Colours are
// converted by dropping low bits, the way the host's graphics conversion fills a 16-bit surface.
#pragma once

#include <cstdint>

#include "media/geometry.h"

// RGB565: red 5 / green 6 / blue 5 bits. RGB555: red 5 / green 5 / blue 5, top bit unused.
enum class TPixelFormat { RGB565, RGB555 };

// Channel values 0..255 packed into a 16-bit pixel.
constexpr uint16_t PackRGB(int r, int g, int b, TPixelFormat format) {
  return format == TPixelFormat::RGB565
             ? static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3))
             : static_cast<uint16_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
}

// A picture pixel (0x00RRGGBB) in the surface format.
constexpr uint16_t PackPicturePixel(uint32_t rgb, TPixelFormat format) {
  return PackRGB((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255, format);
}

// A colour value (0x00BBGGRR, system colours resolved) in the surface format.
uint16_t PackColor(TColor color, TPixelFormat format);

// The RGB of a system colour (0x80000000 + role) as the desktop shows it; other values unchanged.
TColor ResolveSystemColor(TColor color);

constexpr uint16_t GreenMask(TPixelFormat format) {
  return format == TPixelFormat::RGB565 ? 0x07E0 : 0x03E0;
}
