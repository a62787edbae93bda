// The image fonts: "bigfont" for the banners over the lane (bold cream-to-gold letters inside a
// heavy dark rim, so they read over light maple and dark gutters alike) and "numbers" for the
// score sheet (dark ink digits, their soft edges mixed with the score card's paper, since they
// are only ever drawn on it). Glyphs are set in DejaVu; a glyph too big for its cell is squeezed.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "media/glyph_table.h"
#include "tools/assetgen/bowling_art/graphics.h"
#include "tools/assetgen/bowling_art/layout.h"
#include "tools/assetgen/bowling_art/score_colors.h"
#include "tools/assetgen/sprites/image.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_art {

using sprites::Face;
using sprites::Image;
using sprites::Mix;
using sprites::Rgb;

namespace {

// A glyph's coverage (0..255) in a cell, its ink inside the given margins.
struct Coverage {
  int W = 0, H = 0;
  std::vector<uint8_t> A;
  uint8_t At(int x, int y) const { return x < 0 || y < 0 || x >= W || y >= H ? 0 : A[static_cast<size_t>(y) * W + x]; }
};

struct CellStyle {
  int W, H;
  Face TypeFace;
  double CapHeight;  // pixels
  int Baseline;      // cell row just below the capitals
  int Margin;        // blank pixels kept around the ink (the rim goes there)
};

// The text drawn in a surface four cells large with the baseline's left end at (W, 2H).
Coverage RenderLarge(const CellStyle& s, const std::string& utf8, double sx, double sy) {
  Coverage big;
  big.W = s.W * 4;
  big.H = s.H * 4;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, big.W, big.H);
  cairo_t* cr = cairo_create(surface);
  sprites::UseFace(cr, s.TypeFace, 1.0);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, sx, sy);
  cairo_set_font_matrix(cr, &m);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  sprites::ShowText(cr, s.W, s.H * 2, utf8);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  big.A.resize(static_cast<size_t>(big.W) * big.H);
  for (int y = 0; y < big.H; ++y) {
    for (int x = 0; x < big.W; ++x) big.A[static_cast<size_t>(y) * big.W + x] = data[y * stride + x];
  }
  cairo_surface_destroy(surface);
  return big;
}

// Bounds of the pixels covered at least a little, inclusive; x1 < 0 when there are none.
void InkBounds(const Coverage& c, int& x0, int& y0, int& x1, int& y1) {
  x0 = y0 = 1 << 20;
  x1 = y1 = -1;
  for (int y = 0; y < c.H; ++y) {
    for (int x = 0; x < c.W; ++x) {
      if (c.At(x, y) < 48) continue;
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
    }
  }
}

Coverage GlyphCoverage(const CellStyle& s, const std::string& utf8) {
  Coverage cell;
  cell.W = s.W;
  cell.H = s.H;
  cell.A.assign(static_cast<size_t>(s.W) * s.H, 0);
  if (utf8 == " ") return cell;
  const double size = s.CapHeight / 0.729;  // DejaVu's capitals are 0.729 em tall
  double sx = size, sy = size;
  const int maxW = s.W - 2 * s.Margin, maxH = s.H - 2 * s.Margin;
  Coverage big = RenderLarge(s, utf8, sx, sy);
  int x0, y0, x1, y1;
  InkBounds(big, x0, y0, x1, y1);
  for (int tries = 0; tries < 4 && x1 >= 0; ++tries) {
    const int w = x1 - x0 + 1, h = y1 - y0 + 1;
    if (w <= maxW && h <= maxH) break;
    if (w > maxW) sx *= (maxW - 0.5) / w;
    if (h > maxH) sy *= (maxH - 0.5) / h;
    big = RenderLarge(s, utf8, sx, sy);
    InkBounds(big, x0, y0, x1, y1);
  }
  if (x1 < 0) return cell;
  // Centred across the cell, on the baseline unless that would leave the margins.
  const int dx = s.Margin + (maxW - (x1 - x0 + 1)) / 2 - x0;
  const int dy = std::clamp(s.Baseline - s.H * 2, s.Margin - y0, s.H - 1 - s.Margin - y1);
  for (int y = 0; y < s.H; ++y) {
    for (int x = 0; x < s.W; ++x) cell.A[static_cast<size_t>(y) * s.W + x] = big.At(x - dx, y - dy);
  }
  return cell;
}

// Glyph texts as UTF-8, in the order of the glyph table. Patterns 27 and 28 are the lower-case
// a and t; the table's three capitals with marks are Windows-1252 bytes.
std::vector<std::string> GlyphTexts() {
  std::vector<std::string> out;
  const std::string_view table = GlyphTable();
  for (size_t i = 0; i < table.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(table[i]);
    if (c == 0xC5) out.push_back("\xC3\x85");
    else if (c == 0xD6) out.push_back("\xC3\x96");
    else if (c == 0xC4) out.push_back("\xC3\x84");
    else out.push_back(std::string(1, static_cast<char>(c)));
  }
  return out;
}

// A banner glyph: the ink filled with a vertical cream-to-gold gradient, ringed two pixels deep
// in dark brown; partly covered pixels mix the two.
Image BannerGlyph(const std::string& utf8) {
  static const CellStyle kStyle{kBigGlyphW, kBigGlyphH, Face::SansBold, 19.0, 23, 3};
  const Coverage c = GlyphCoverage(kStyle, utf8);
  const uint32_t top = Rgb(255, 252, 236), bottom = Rgb(255, 196, 48), rim = Rgb(40, 12, 8);
  Image out(kStyle.W, kStyle.H);
  const double capTop = kStyle.Baseline - kStyle.CapHeight;
  for (int y = 0; y < kStyle.H; ++y) {
    for (int x = 0; x < kStyle.W; ++x) {
      const int a = c.At(x, y);
      if (a >= 48) {
        const uint32_t fill = Mix(top, bottom, std::clamp((y + 0.5 - capTop) / kStyle.CapHeight, 0.0, 1.0));
        out.At(x, y) = Mix(rim, fill, std::min(1.0, a / 200.0));
        continue;
      }
      // Within two pixels (a rounded square) of the ink: rim.
      bool near = false;
      for (int dy = -2; dy <= 2 && !near; ++dy) {
        for (int dx = -2; dx <= 2 && !near; ++dx) {
          if (std::abs(dx) + std::abs(dy) <= 3 && c.At(x + dx, y + dy) >= 48) near = true;
        }
      }
      if (near) out.At(x, y) = rim;
    }
  }
  return out;
}

// A score digit: dark ink with its edges mixed into the score card's paper colour.
Image ScoreDigit(const std::string& text) {
  static const CellStyle kStyle{kDigitW, kDigitH, Face::SansBold, 11.0, 12, 1};
  const Coverage c = GlyphCoverage(kStyle, text);
  Image out(kStyle.W, kStyle.H);
  for (int y = 0; y < kStyle.H; ++y) {
    for (int x = 0; x < kStyle.W; ++x) {
      const int a = c.At(x, y);
      if (a < 40) continue;
      out.At(x, y) = Mix(kScorePaper, kScoreInk, std::min(1.0, a / 220.0));
    }
  }
  return out;
}

}  // namespace

std::vector<TPictureItemData> MakeFonts() {
  std::vector<Image> digits;
  for (int d = 0; d <= 9; ++d) digits.push_back(ScoreDigit(std::to_string(d)));
  digits.push_back(ScoreDigit("-"));
  std::vector<Image> glyphs;
  for (const std::string& t : GlyphTexts()) glyphs.push_back(BannerGlyph(t));
  return {sprites::PatternSheet("numbers", digits, static_cast<int>(digits.size())),
          sprites::PatternSheet("bigfont", glyphs, static_cast<int>(glyphs.size()))};
}

}  // namespace bowling_art
