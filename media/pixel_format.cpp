#include "media/pixel_format.h"

#include <array>

namespace {

// The desktop colours for the 25 system roles (scroll bar .. info background), in role order, as
// 0x00BBGGRR. The programs have no desktop theme of their own, so the classic scheme stands in.
constexpr std::array<TColor, 25> kSystemColors = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000,
    0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D,
    0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000, 0xE1FFFF};

}  // namespace

TColor ResolveSystemColor(TColor color) {
  if ((color & 0x80000000u) == 0) return color;
  const uint32_t role = color & 0xFF;
  return role < kSystemColors.size() ? kSystemColors[role] : clBlack;
}

uint16_t PackColor(TColor color, TPixelFormat format) {
  const TColor rgb = ResolveSystemColor(color);
  return PackRGB(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), format);
}
