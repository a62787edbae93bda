#include "tests/tools/item_pixels.h"

#include "media/pixel_format.h"

uint32_t PixelOf(const TPictureCollectionItem& item, int pattern, int x, int y) {
  const TRect r = item.PatternRect(pattern);
  return item.Picture().At(r.Left + x, r.Top + y);
}

uint16_t Raw565(uint32_t pixel) { return PackPicturePixel(pixel, TPixelFormat::RGB565); }

bool Keyed(const TPictureCollectionItem& item, uint32_t pixel) {
  const TColor key = item.TransparentColor();
  const uint32_t keyRgb = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
  return item.Transparent && Raw565(pixel) == Raw565(keyRgb);
}

std::optional<std::pair<double, double>> DrawnCentre(const TPictureCollectionItem& item) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int y = 0; y < item.Height(); ++y) {
    for (int x = 0; x < item.Width(); ++x) {
      if (Keyed(item, PixelOf(item, 0, x, y))) continue;
      sx += x + 0.5;
      sy += y + 0.5;
      ++n;
    }
  }
  if (n == 0) return std::nullopt;
  return std::pair(sx / n, sy / n);
}
