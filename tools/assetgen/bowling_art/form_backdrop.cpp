// The bowling form's menu backdrop: the hall with its title over a big chrome-framed score
// monitor whose black screen is where the program draws the notebook of menu pages, and the lanes
// below with a ball return in front.
#include "tools/assetgen/bowling_art/graphics.h"
#include "tools/assetgen/bowling_art/hall.h"
#include "tools/assetgen/bowling_art/layout.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_art {

using sprites::Canvas;
using sprites::Image;
using sprites::SetColor;

namespace {

// A ball return between two lanes in the foreground with three balls waiting on it.
void BallReturn(cairo_t* cr, double cx, double y) {
  sprites::RoundedRect(cr, cx - 62, y, 124, 38, 10);
  sprites::VerticalGradient(cr, y, y + 38, 0xB0241A, 0x4A0A06);
  cairo_fill(cr);
  sprites::RoundedRect(cr, cx - 62, y, 124, 38, 10);
  SetColor(cr, 0xE8E8EE);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_rectangle(cr, cx - 56, y + 4, 112, 6);
  sprites::VerticalGradient(cr, y + 4, y + 10, 0x2A2A30, 0x60606A);
  cairo_fill(cr);
  Ball(cr, cx - 36, y - 6, 17, 0x1A4AC8);
  Ball(cr, cx, y - 8, 18, 0xC81A20);
  Ball(cr, cx + 37, y - 6, 17, 0x1A1A22);
}

Image Backdrop() {
  Canvas c(640, 480);
  cairo_t* cr = c.Cr();
  constexpr double kFloor = kNotebookY + kNotebookH + 14;
  HallWall(cr, kFloor);
  Lanes(cr, kFloor);
  Title(cr, 320, 110, 88);
  // Pins on the shelves either side of the monitor.
  for (int side = 0; side < 2; ++side) {
    const double x0 = side == 0 ? 14 : 570;
    cairo_rectangle(cr, x0 - 4, 300, 64, 6);
    sprites::VerticalGradient(cr, 300, 306, 0xFFFFFF, 0x6A6C74);
    cairo_fill(cr);
    for (int k = 0; k < 3; ++k) Pin(cr, x0 + 10 + k * 20, 300, 56 - (k == 1 ? 0 : 6));
  }
  // The score monitor: a chrome frame around the black screen the menu pages are drawn on.
  ChromeFrame(cr, kNotebookX, kNotebookY, kNotebookW, kNotebookH, 7);
  cairo_rectangle(cr, kNotebookX, kNotebookY, kNotebookW, kNotebookH);
  SetColor(cr, 0x000000);
  cairo_fill(cr);
  BallReturn(cr, 320, 446);
  Image img = c.Take();
  for (uint32_t& px : img.Pixels) px |= 0xFF000000u;
  return img;
}

}  // namespace

std::vector<TPictureItemData> BowlingFormPictures() {
  return {sprites::SinglePicture("image", Backdrop(), false)};
}

}  // namespace bowling_art
