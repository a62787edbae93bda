// The LED sign: the big sign board of the hall ("logo", behind the full-screen shows and the last
// picture before the menu), its smaller housing hung over the lane during play ("ledholder") and
// the round amber lamp ("led") the program draws 81 x 30 times a frame.
#include <cmath>

#include "tools/assetgen/bowling_art/graphics.h"
#include "tools/assetgen/bowling_art/hall.h"
#include "tools/assetgen/bowling_art/layout.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_art {

using sprites::Canvas;
using sprites::Image;
using sprites::SetColor;

namespace {

constexpr double kPi = 3.14159265358979323846;

// One lamp cell: a round amber lamp in a near-black cell, dark brown-orange when off, bright
// with a warm halo when lit. Every pixel is opaque so a lamp redrawn over a lit one covers it.
Image Lamp(bool lit) {
  Canvas c(kLampSize, kLampSize);
  cairo_t* cr = c.Cr();
  cairo_rectangle(cr, 0, 0, kLampSize, kLampSize);
  SetColor(cr, lit ? 0x3A1606 : 0x0E0604);
  cairo_fill(cr);
  const double m = kLampSize / 2.0;
  cairo_pattern_t* p = cairo_pattern_create_radial(m - 0.6, m - 0.7, 0.2, m, m, 2.6);
  if (lit) {
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 1.0, 0.9);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 1.0, 0.82, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.92, 0.48, 0.08);
  } else {
    cairo_pattern_add_color_stop_rgb(p, 0, 0.46, 0.24, 0.11);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.24, 0.1, 0.04);
  }
  cairo_arc(cr, m, m, 2.6, 0, 2 * kPi);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Image img = c.Take();
  for (uint32_t& px : img.Pixels) px |= 0xFF000000u;
  return img;
}

// Dark lamps over the whole lamp field whose top-left is at (x, y).
void LampField(Canvas& c, int x, int y) {
  const Image dark = Lamp(false);
  for (int r = 0; r < kLedRows; ++r) {
    for (int col = 0; col < kLedColumns; ++col) c.Paint(dark, x + col * kLampSize, y + r * kLampSize);
  }
}

Image Logo() {
  Canvas c(640, 480);
  cairo_t* cr = c.Cr();
  constexpr int kFloor = 360;
  HallWall(cr, kFloor);
  Lanes(cr, kFloor);
  Title(cr, 320, 108, 84);
  SignHousing(cr, kSignLeft, kSignTop, kSignWidth, kSignHeight, 18);
  LampField(c, kSignLeft, kSignTop);
  Image img = c.Take();
  for (uint32_t& px : img.Pixels) px |= 0xFF000000u;
  return img;
}

// The housing alone, hung from two rods, over a keyed background so the lane shows around it.
Image LedHolder() {
  constexpr int kHeight = 224;
  Canvas c(640, kHeight);
  cairo_t* cr = c.Cr();
  const int lampTop = kHolderLampTop - kHolderY;
  for (double x : {150.0, 490.0}) {
    cairo_rectangle(cr, x - 2, 0, 4, lampTop);
    cairo_pattern_t* rod = cairo_pattern_create_linear(x - 2, 0, x + 2, 0);
    cairo_pattern_add_color_stop_rgb(rod, 0, 0.45, 0.46, 0.5);
    cairo_pattern_add_color_stop_rgb(rod, 0.4, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(rod, 1, 0.35, 0.36, 0.4);
    cairo_set_source(cr, rod);
    cairo_fill(cr);
    cairo_pattern_destroy(rod);
  }
  SignHousing(cr, kSignLeft, lampTop, kSignWidth, kSignHeight, 12);
  LampField(c, kSignLeft, lampTop);
  Image img = c.Take();
  sprites::Harden(img, 128);
  return img;
}

}  // namespace

std::vector<TPictureItemData> MakeSign() {
  std::vector<TPictureItemData> items;
  items.push_back(sprites::SinglePicture("logo", Logo(), false));
  items.push_back(sprites::SinglePicture("ledholder", LedHolder(), true));
  TPictureItemData led = sprites::PatternSheet("led", {Lamp(false), Lamp(true)}, 2);
  led.Transparent = false;
  items.push_back(std::move(led));
  return items;
}

}  // namespace bowling_art
