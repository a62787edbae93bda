#include "media/turbopixels.h"

#include <cstdlib>

#include "media/dx_image_list.h"
#include "media/glyph_table.h"
#include "media/surface.h"

namespace {

// The one lock record PutPixel and DrawLine write through.
struct TLockRecord {
  TDirectDrawSurface* Surface = nullptr;
  uint8_t* Bits = nullptr;
  int Pitch = 0;
  bool GreenFiveBits = false;
};

TLockRecord lockRecord;

TPictureCollectionItem& FontOf(TDXImageList& imageList, const std::string& fontName,
                               TFontLookup lookup) {
  if (lookup == TFontLookup::IndexOf) return imageList.Items.Items(imageList.Items.IndexOf(fontName));
  return imageList.Items.Find(fontName);
}

}  // namespace

bool LockSurface(TDirectDrawSurface& surface) {
  if (lockRecord.Surface) UnlockSurface();
  if (!surface.Lock()) return false;
  lockRecord.Surface = &surface;
  lockRecord.Bits = reinterpret_cast<uint8_t*>(surface.Bits());
  lockRecord.Pitch = surface.Pitch();
  lockRecord.GreenFiveBits = GreenMask(surface.PixelFormat()) != 0x07E0;
  return true;
}

void UnlockSurface() {
  if (lockRecord.Surface) lockRecord.Surface->Unlock();
  lockRecord = TLockRecord{};
}

void PutPixel(TDirectDrawSurface& surface, int x, int y, int r, int g, int b) {
  if (&surface != lockRecord.Surface) return;
  if (x < 0 || x > surface.Width() - 1 || y < 0 || y > surface.Height() - 1) return;
  const uint16_t value = lockRecord.GreenFiveBits
                             ? static_cast<uint16_t>((((r & 255) / 8) << 10) |
                                                     (((g & 255) / 8) << 5) | ((b & 255) / 8))
                             : static_cast<uint16_t>((((r & 255) / 8) << 11) |
                                                     (((g & 255) / 4) << 5) | ((b & 255) / 8));
  uint8_t* at =
      lockRecord.Bits + static_cast<size_t>(y) * lockRecord.Pitch + 2 * static_cast<size_t>(x);
  *reinterpret_cast<uint16_t*>(at) = value;
}

void DrawLine(TDirectDrawSurface& surface, int x1, int y1, int x2, int y2, int r, int g, int b) {
  const int dx = std::abs(x2 - x1);
  const int dy = std::abs(y2 - y1);
  const int stepX = x2 >= x1 ? 1 : -1;
  const int stepY = y2 >= y1 ? 1 : -1;
  int x = x1;
  int y = y1;
  if (dx < dy) {
    // y drives: dy + 1 pixels.
    int d = 2 * dx - dy;
    for (int i = 0; i <= dy; ++i) {
      PutPixel(surface, x, y, r, g, b);
      if (d < 0) {
        d += 2 * dx;
      } else {
        d += 2 * (dx - dy);
        x += stepX;
      }
      y += stepY;
    }
  } else {
    int d = 2 * dy - dx;
    for (int i = 0; i <= dx; ++i) {
      PutPixel(surface, x, y, r, g, b);
      if (d < 0) {
        d += 2 * dy;
      } else {
        d += 2 * (dy - dx);
        y += stepY;
      }
      x += stepX;
    }
  }
}

void DrawImageText(TDirectDrawSurface& surface, TDXImageList& imageList,
                   const std::string& fontName, int x, int y, const std::string& text,
                   TFontLookup lookup) {
  TPictureCollectionItem& font = FontOf(imageList, fontName, lookup);
  const int cw = font.PatternWidth;
  const int ch = font.PatternHeight;
  int k = 1;
  for (char c : text) {
    if (c == '|') {
      y += ch + 1;
      k = 1;
      continue;
    }
    font.Draw(surface, x + k * cw, y, GlyphIndex(c));
    ++k;
  }
}

void DrawWrappedImageText(TDirectDrawSurface& surface, TDXImageList& imageList,
                          const std::string& fontName, int x, int y, int columns,
                          const std::string& text) {
  TPictureCollectionItem& font = imageList.Items.Find(fontName);
  const int cw = font.PatternWidth;
  const int ch = font.PatternHeight;
  int k = 1;
  for (char c : text) {
    if (k > columns && c == ' ') {
      y += ch + 1;
      k = 1;
      continue;
    }
    font.Draw(surface, x + k * cw, y, GlyphIndex(c));
    ++k;
  }
}

void DrawImageDigits(TDirectDrawSurface& surface, TDXImageList& imageList,
                     const std::string& fontName, int x, int y, const std::string& text,
                     bool withMinus, TFontLookup lookup) {
  DrawImageDigits(surface, FontOf(imageList, fontName, lookup), x, y, text, withMinus);
}

void DrawImageDigits(TDirectDrawSurface& surface, TPictureCollectionItem& font, int x, int y,
                     std::string_view text, bool withMinus) {
  const int cw = font.PatternWidth;
  const int ch = font.PatternHeight;
  int k = 1;
  for (char c : text) {
    if (c == '|') {
      y += ch + 1;
      k = 1;
      continue;
    }
    int pattern = kMissingGlyph;
    if (c >= '0' && c <= '9') {
      pattern = c - '0';
    } else if (withMinus && c == '-') {
      pattern = 10;
    }
    font.Draw(surface, x + k * cw, y, pattern);
    ++k;
  }
}

void PreloadImages(TDirectDrawSurface& surface, TDXImageList& imageList) {
  TPictureCollection& items = imageList.Items;
  for (int i = 0; i < items.Count(); ++i) {
    TPictureCollectionItem& item = items.Items(i);
    for (int pattern = 0; pattern < item.PatternTotal(); ++pattern)
      item.Draw(surface, 0, 0, pattern);
  }
  surface.Fill(0);
}
