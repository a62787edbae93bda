// The image fonts. Each glyph is set in DejaVu, hardened to whole pixels, filled with a vertical
// gradient and ringed with a dark outline, in a cell whose size the game's text layout assumes.
// Glyphs too big for their cell (wide letters, accented capitals) are squeezed to fit.
#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "tools/assetgen/sprites/image.h"
#include "tools/assetgen/sprites/items.h"
#include "tools/assetgen/sprites/text.h"

namespace sprites {

namespace {

struct FontStyle {
  std::string Name;
  int Width, Height;
  Face TypeFace;
  double CapHeight;  // pixels
  double Stretch;    // horizontal widening
  int Baseline;      // row just below the capitals
  int RightMargin;   // blank columns kept at the right of the outline
  uint32_t Top, Bottom, Rim;
  bool Hinted;  // small sizes: the font's own hinting snaps strokes to whole pixels
};

// The characters as UTF-8 for drawing; the table itself is Windows-1252.
std::vector<std::string> GlyphTexts() {
  std::vector<std::string> out;
  for (unsigned char c : GlyphTable()) {
    if (c == 0xC5) out.push_back("\xC3\x85");
    else if (c == 0xD6) out.push_back("\xC3\x96");
    else if (c == 0xC4) out.push_back("\xC3\x84");
    else out.push_back(std::string(1, static_cast<char>(c)));
  }
  return out;
}

struct Ink {
  std::vector<uint8_t> Mask;
  int W = 0, H = 0;
  int X0 = 1 << 20, Y0 = 1 << 20, X1 = -1, Y1 = -1;  // inclusive bounds; X1 < 0 when empty
};

// The glyph's pixels at the given scale, with the baseline's left end at (W / 3, 2H / 3).
Ink RenderInk(const FontStyle& s, const std::string& text, double sx, double sy) {
  Ink ink;
  ink.W = s.Width * 4;
  ink.H = s.Height * 4;
  cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_A8, ink.W, ink.H);
  cairo_t* cr = cairo_create(surf);
  UseFace(cr, s.TypeFace, 1.0);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, sx, sy);
  cairo_set_font_matrix(cr, &m);
  if (s.Hinted) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
  }
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  ShowText(cr, ink.W / 3.0, ink.H * 2.0 / 3.0, text);
  cairo_destroy(cr);
  cairo_surface_flush(surf);
  const unsigned char* data = cairo_image_surface_get_data(surf);
  const int stride = cairo_image_surface_get_stride(surf);
  ink.Mask.assign(static_cast<size_t>(ink.W) * ink.H, 0);
  for (int y = 0; y < ink.H; ++y) {
    for (int x = 0; x < ink.W; ++x) {
      if (data[y * stride + x] < 110) continue;
      ink.Mask[static_cast<size_t>(y) * ink.W + x] = 1;
      ink.X0 = std::min(ink.X0, x);
      ink.X1 = std::max(ink.X1, x);
      ink.Y0 = std::min(ink.Y0, y);
      ink.Y1 = std::max(ink.Y1, y);
    }
  }
  cairo_surface_destroy(surf);
  return ink;
}

Image Glyph(const FontStyle& s, const std::string& text) {
  Image out(s.Width, s.Height);
  if (text == " ") return out;
  const double size = s.CapHeight / 0.729;  // DejaVu's capitals are 0.729 em tall
  double sx = size * s.Stretch, sy = size;
  const int maxW = s.Width - 2 - s.RightMargin, maxH = s.Height - 2;
  Ink ink = RenderInk(s, text, sx, sy);
  for (int tries = 0; tries < 4 && ink.X1 >= 0; ++tries) {
    const int w = ink.X1 - ink.X0 + 1, h = ink.Y1 - ink.Y0 + 1;
    if (w <= maxW && h <= maxH) break;
    if (w > maxW) sx *= (maxW - 0.4) / w;
    if (h > maxH) sy *= (maxH - 0.4) / h;
    ink = RenderInk(s, text, sx, sy);
  }
  if (ink.X1 < 0) return out;
  // Centre across the cell; sit on the baseline unless that would leave the cell.
  const int w = ink.X1 - ink.X0 + 1;
  const int dx = 1 + (maxW - w) / 2 - ink.X0;
  int dy = s.Baseline - static_cast<int>(std::lround(ink.H * 2.0 / 3.0));
  dy = std::clamp(dy, 1 - ink.Y0, s.Height - 2 - ink.Y1);
  std::vector<uint8_t> mask(static_cast<size_t>(s.Width) * s.Height, 0);
  for (int y = ink.Y0; y <= ink.Y1; ++y) {
    for (int x = ink.X0; x <= ink.X1; ++x) {
      const int tx = x + dx, ty = y + dy;
      if (ink.Mask[static_cast<size_t>(y) * ink.W + x] && tx >= 0 && ty >= 0 && tx < s.Width && ty < s.Height) {
        mask[static_cast<size_t>(ty) * s.Width + tx] = 1;
      }
    }
  }
  const double top = s.Baseline - s.CapHeight;
  for (int y = 0; y < s.Height; ++y) {
    for (int x = 0; x < s.Width; ++x) {
      if (mask[static_cast<size_t>(y) * s.Width + x]) {
        const double t = std::clamp((y + 0.5 - top) / s.CapHeight, 0.0, 1.0);
        out.At(x, y) = Mix(s.Top, s.Bottom, t);
        continue;
      }
      bool near = false;
      for (int ny = y - 1; ny <= y + 1 && !near; ++ny) {
        for (int nx = x - 1; nx <= x + 1; ++nx) {
          if (nx >= 0 && ny >= 0 && nx < s.Width && ny < s.Height && mask[static_cast<size_t>(ny) * s.Width + nx]) {
            near = true;
            break;
          }
        }
      }
      if (near) out.At(x, y) = s.Rim;
    }
  }
  return out;
}

TPictureItemData ImageFont(const FontStyle& s) {
  std::vector<Image> glyphs;
  for (const std::string& t : GlyphTexts()) glyphs.push_back(Glyph(s, t));
  return PatternSheet(s.Name, glyphs, static_cast<int>(glyphs.size()));
}

// A seven-segment digit: lit segments bright, unlit ones a faint ghost as on a real display.
Image Digit(int d) {
  constexpr int kW = 16, kH = 24;
  static const char* kSegments[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
  const double l = 3, r = 12, t = 2, m = 11.5, b = 21, th = 2.6;
  struct Seg { char Id; double X0, Y0, X1, Y1; };
  const Seg segs[7] = {{'a', l, t, r, t}, {'b', r, t, r, m}, {'c', r, m, r, b}, {'d', l, b, r, b},
                       {'e', l, m, l, b}, {'f', l, t, l, m}, {'g', l, m, r, m}};
  cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kW, kH);
  cairo_t* cr = cairo_create(surf);
  for (const Seg& s : segs) {
    const bool on = std::string(kSegments[d]).find(s.Id) != std::string::npos;
    const bool horizontal = s.Y0 == s.Y1;
    // A segment is a long hexagon, slanted a little like a real display.
    const double slant = 0.12;
    auto px = [&](double x, double y) { return x + (kH / 2.0 - y) * slant; };
    cairo_new_path(cr);
    if (horizontal) {
      const double y = s.Y0;
      cairo_move_to(cr, px(s.X0 + 0.8, y), y);
      cairo_line_to(cr, px(s.X0 + 0.8 + th / 2, y - th / 2), y - th / 2);
      cairo_line_to(cr, px(s.X1 - 0.8 - th / 2, y - th / 2), y - th / 2);
      cairo_line_to(cr, px(s.X1 - 0.8, y), y);
      cairo_line_to(cr, px(s.X1 - 0.8 - th / 2, y + th / 2), y + th / 2);
      cairo_line_to(cr, px(s.X0 + 0.8 + th / 2, y + th / 2), y + th / 2);
    } else {
      const double x = s.X0;
      cairo_move_to(cr, px(x, s.Y0 + 0.8), s.Y0 + 0.8);
      cairo_line_to(cr, px(x + th / 2, s.Y0 + 0.8 + th / 2), s.Y0 + 0.8 + th / 2);
      cairo_line_to(cr, px(x + th / 2, s.Y1 - 0.8 - th / 2), s.Y1 - 0.8 - th / 2);
      cairo_line_to(cr, px(x, s.Y1 - 0.8), s.Y1 - 0.8);
      cairo_line_to(cr, px(x - th / 2, s.Y1 - 0.8 - th / 2), s.Y1 - 0.8 - th / 2);
      cairo_line_to(cr, px(x - th / 2, s.Y0 + 0.8 + th / 2), s.Y0 + 0.8 + th / 2);
    }
    cairo_close_path(cr);
    if (on) {
      SetColor(cr, 0xFF5A3C);
    } else {
      SetColor(cr, 0x4A2420);
    }
    cairo_fill(cr);
  }
  cairo_destroy(cr);
  Image img = FromCairo(surf);
  cairo_surface_destroy(surf);
  Harden(img, 100);
  return img;
}

}  // namespace

const std::string& GlyphTable() {
  static const std::string table =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ\"at  0123456789<>=()-'!_+\\/{}^&%.=$#\xC5\xD6\xC4?*";
  return table;
}

std::vector<TPictureItemData> MakeFonts() {
  std::vector<TPictureItemData> items;
  items.push_back(ImageFont({"bigfont", 22, 13, Face::SansBold, 9.0, 2.2, 11, 1,
                             Rgb(255, 240, 120), Rgb(246, 150, 30), Rgb(40, 24, 16), false}));
  items.push_back(ImageFont({"font", 9, 10, Face::Sans, 7.0, 1.0, 8, 0,
                             Rgb(250, 250, 236), Rgb(214, 226, 170), Rgb(24, 28, 36), true}));
  items.push_back(ImageFont({"infofont", 8, 12, Face::Condensed, 8.0, 1.0, 10, 0,
                             Rgb(255, 255, 250), Rgb(226, 236, 246), Rgb(24, 28, 44), true}));
  std::vector<Image> digits;
  for (int d = 0; d < 10; ++d) digits.push_back(Digit(d));
  items.push_back(PatternSheet("digital", digits, 10));
  return items;
}

}  // namespace sprites
