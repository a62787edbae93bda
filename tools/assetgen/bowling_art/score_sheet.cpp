// The score sheet: ten frame boxes on cream card ("scoretrans") with red rules and the strike
// and spare marks in the ball cells, and the row labels "player1".."player4" that also work as
// buttons (a click shows every player's row).
#include <algorithm>
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

// The rule below the ball cells, and the cell dividers: each falls in the middle of the gap
// between the numbers of the cells either side of it (numbers land one glyph right of their x).
constexpr int kCellBottom = 25;
constexpr int Divider(int leftX, int rightX) { return (leftX + 2 * kDigitW + rightX + kDigitW) / 2; }
constexpr int kFrameDivider = Divider(kFrameBallX[0], kFrameBallX[1]);
constexpr int kTenthDividers[2] = {Divider(kTenthBallX[0], kTenthBallX[1]), Divider(kTenthBallX[1], kTenthBallX[2])};

void SetRgb(cairo_t* cr, uint32_t c) { SetColor(cr, c & 0xFFFFFF); }

// A mark filling the ball cell between the columns x0 and x1 (exclusive), at most 16 wide.
void DrawMark(cairo_t* cr, Mark mark, int x0, int x1) {
  const double w = std::min(16, x1 - x0 - 4), h = 16;
  const double left = (x0 + x1 - w) / 2, top = kBallY + (kDigitH - h) / 2;
  SetRgb(cr, kScoreMark);
  if (mark == Mark::Spare) {
    // The spare: the lower-right half of the cell filled, its edge the slash.
    cairo_move_to(cr, left, top + h);
    cairo_line_to(cr, left + w, top);
    cairo_line_to(cr, left + w, top + h);
    cairo_close_path(cr);
    cairo_fill(cr);
  } else if (mark == Mark::Strike) {
    cairo_move_to(cr, left, top);
    cairo_line_to(cr, left + w, top + h);
    cairo_move_to(cr, left + w, top);
    cairo_line_to(cr, left, top + h);
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
    DrawMark(cr, first, 1, kTenthDividers[0]);
    DrawMark(cr, second, kTenthDividers[0] + 1, kTenthDividers[1]);
    DrawMark(cr, third, kTenthDividers[1] + 1, kBoxW - 1);
  } else {
    DrawMark(cr, second, kFrameDivider + 1, kBoxW - 1);
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
