// The score sheet: ten frame boxes on cream card ("scoretrans") with red rules and the strike
// and spare marks in the ball cells, and the row labels "player1".."player4" that also work as
// buttons (a click shows every player's row).
#include <cmath>
#include <string>

#include "tools/assetgen/bowling_art/graphics.h"
#include "tools/assetgen/bowling_art/layout.h"
#include "tools/assetgen/bowling_art/score_colors.h"
#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_art {

using sprites::Canvas;
using sprites::Image;
using sprites::SetColor;

namespace {

enum class Mark { None, Spare, Strike };

// The rule below the ball cells and the x of the first column after each cell divider.
constexpr int kCellBottom = 25;
constexpr int kFrameDivider = 32;
constexpr int kTenthDividers[2] = {29, 48};

void SetRgb(cairo_t* cr, uint32_t c) { SetColor(cr, c & 0xFFFFFF); }

// Centre of the glyph a number drawn at box-local x argument `x` lands on.
double GlyphCentreX(int x) { return x + kDigitW + kDigitW / 2.0; }
constexpr double kGlyphCentreY = kBallY + kDigitH / 2.0;

void DrawMark(cairo_t* cr, Mark mark, double cx, double width) {
  const double h = 16, w = width;
  const double x0 = cx - w / 2, y0 = kGlyphCentreY - h / 2;
  SetRgb(cr, kScoreMark);
  if (mark == Mark::Spare) {
    // The spare: the lower-right half of the cell filled, its edge the slash.
    cairo_move_to(cr, x0, y0 + h);
    cairo_line_to(cr, x0 + w, y0);
    cairo_line_to(cr, x0 + w, y0 + h);
    cairo_close_path(cr);
    cairo_fill(cr);
  } else if (mark == Mark::Strike) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x0 + w, y0 + h);
    cairo_move_to(cr, x0 + w, y0);
    cairo_line_to(cr, x0, y0 + h);
    cairo_set_line_width(cr, 3.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
}

// One box: paper, the outer rules, the ball cells' dividers, and the marks. `tenth` boxes have
// three ball cells, the others two.
Image Box(bool tenth, Mark first, Mark second, Mark third) {
  Canvas c(kBoxW, kBoxH);
  cairo_t* cr = c.Cr();
  cairo_rectangle(cr, 0, 0, kBoxW, kBoxH);
  SetRgb(cr, kScorePaper);
  cairo_fill(cr);
  // A band of shade under the total so the two halves read apart.
  cairo_rectangle(cr, 1, kBoxH - 6, kBoxW - 2, 5);
  SetColor(cr, 0xE8DCC0);
  cairo_fill(cr);
  SetRgb(cr, kScoreRule);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 0.5, 0.5, kBoxW - 1, kBoxH - 1);
  cairo_stroke(cr);
  if (tenth) {
    for (int x : kTenthDividers) {
      cairo_move_to(cr, x + 0.5, 0);
      cairo_line_to(cr, x + 0.5, kCellBottom + 0.5);
    }
    cairo_move_to(cr, kTenthDividers[0], kCellBottom + 0.5);
  } else {
    cairo_move_to(cr, kFrameDivider + 0.5, 0);
    cairo_line_to(cr, kFrameDivider + 0.5, kCellBottom + 0.5);
    cairo_move_to(cr, kFrameDivider, kCellBottom + 0.5);
  }
  cairo_line_to(cr, kBoxW, kCellBottom + 0.5);
  cairo_stroke(cr);
  if (tenth) {
    DrawMark(cr, first, GlyphCentreX(kTenthBallX[0]), 16);
    DrawMark(cr, second, GlyphCentreX(kTenthBallX[1]), 14);
    DrawMark(cr, third, GlyphCentreX(kTenthBallX[2]), 10);
  } else {
    DrawMark(cr, second, GlyphCentreX(kFrameBallX[1]), 16);
  }
  Image img = c.Take();
  for (uint32_t& p : img.Pixels) p |= 0xFF000000u;
  return img;
}

Image Label(int player) {
  Canvas c(kLabelW, kLabelH);
  cairo_t* cr = c.Cr();
  sprites::RoundedRect(cr, 0.5, 0.5, kLabelW - 1, kLabelH - 1, 5);
  sprites::VerticalGradient(cr, 0, kLabelH, 0xE0342A, 0x7A0C08);
  cairo_fill_preserve(cr);
  SetColor(cr, 0xF0F0F4);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  sprites::RoundedRect(cr, 2, 1.5, kLabelW - 4, 5, 2.5);
  SetColor(cr, 0xFFFFFF, 0.25);
  cairo_fill(cr);
  sprites::UseFace(cr, sprites::Face::SansBold, 11);
  sprites::OutlinedText(cr, kLabelW / 2.0, 13, "PLAYER " + std::to_string(player), 0xFFFFFF, 0x3A0604, 1.2);
  Image img = c.Take();
  sprites::Harden(img, 100);
  return img;
}

}  // namespace

std::vector<TPictureItemData> MakeScoreSheet() {
  const Mark n = Mark::None, sp = Mark::Spare, st = Mark::Strike;
  const std::vector<Image> boxes = {
      Box(false, n, n, n),    Box(false, n, sp, n),    Box(false, n, st, n),   Box(true, n, n, n),
      Box(true, n, sp, n),    Box(true, n, sp, st),    Box(true, st, n, n),    Box(true, st, st, n),
      Box(true, st, st, st),  Box(true, st, n, sp)};
  std::vector<TPictureItemData> items = {sprites::PatternSheet("scoretrans", boxes, 10)};
  for (int p = 1; p <= 4; ++p) items.push_back(sprites::SinglePicture("player" + std::to_string(p), Label(p)));
  return items;
}

}  // namespace bowling_art
