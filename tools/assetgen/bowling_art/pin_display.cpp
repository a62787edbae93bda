// The pin display in the lower left: a chrome-framed panel with the rack drawn as ten unlit pin
// spots ("display"), and the lit spot ("lite") the program draws over each spot whose pin stands.
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

// A small pin silhouette standing in a spot of kLiteSize centred at (cx, cy).
void PinShape(cairo_t* cr, double cx, double cy) {
  const double h = kLiteSize * 0.8;
  Pin(cr, cx, cy + h / 2, h);
}

void Spot(cairo_t* cr, double cx, double cy, bool lit) {
  const double r = kLiteSize / 2.0 - 0.5;
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  if (lit) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy - 1, 1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(glow, 0, 1.0, 0.95, 0.7);
    cairo_pattern_add_color_stop_rgb(glow, 0.6, 1.0, 0.62, 0.16);
    cairo_pattern_add_color_stop_rgb(glow, 1, 0.75, 0.22, 0.04);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    PinShape(cr, cx, cy);
  } else {
    sprites::VerticalGradient(cr, cy - r, cy + r, 0x140A08, 0x3A1A12);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 0.5, 0, 2 * kPi);
    SetColor(cr, 0x6A6C74);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The pin's outline, faint, so the rack reads even when every pin is down.
    cairo_push_group(cr);
    PinShape(cr, cx, cy);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.16);
  }
}

Image Display() {
  Canvas c(kDisplayW, kDisplayH);
  cairo_t* cr = c.Cr();
  sprites::RoundedRect(cr, 0.5, 0.5, kDisplayW - 1, kDisplayH - 1, 10);
  sprites::VerticalGradient(cr, 0, kDisplayH, 0x3A0A08, 0x120404);
  cairo_fill(cr);
  sprites::RoundedRect(cr, 1.5, 1.5, kDisplayW - 3, kDisplayH - 3, 9);
  cairo_pattern_t* chrome = cairo_pattern_create_linear(0, 0, kDisplayW * 0.4, kDisplayH);
  cairo_pattern_add_color_stop_rgb(chrome, 0, 0.97, 0.97, 0.99);
  cairo_pattern_add_color_stop_rgb(chrome, 0.3, 0.45, 0.46, 0.52);
  cairo_pattern_add_color_stop_rgb(chrome, 0.55, 0.98, 0.98, 1.0);
  cairo_pattern_add_color_stop_rgb(chrome, 1, 0.4, 0.41, 0.46);
  cairo_set_source(cr, chrome);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_pattern_destroy(chrome);
  sprites::UseFace(cr, sprites::Face::SansBold, 12);
  sprites::OutlinedText(cr, kDisplayW / 2.0, 22, "PINS", 0xFFE8B0, 0x200404, 1.5);
  // The rack's outline: a rounded triangle behind the spots.
  auto centre = [](int pin, double& x, double& y) {
    x = kPinLights[pin].X - kDisplayX + kLiteSize / 2.0;
    y = kPinLights[pin].Y - kDisplayY + kLiteSize / 2.0;
  };
  double ax, ay, bx, by, cx, cy;
  centre(6, ax, ay);
  centre(9, bx, by);
  centre(0, cx, cy);
  cairo_move_to(cr, ax - 15, ay - 14);
  cairo_line_to(cr, bx + 15, by - 14);
  cairo_line_to(cr, cx, cy + 14);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, 0x000000, 0.35);
  cairo_fill_preserve(cr);
  SetColor(cr, 0xC8A060, 0.6);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  for (int pin = 0; pin < 10; ++pin) {
    double x, y;
    centre(pin, x, y);
    Spot(cr, x, y, false);
  }
  Image img = c.Take();
  sprites::Harden(img, 100);
  return img;
}

Image Lite() {
  Canvas c(kLiteSize, kLiteSize);
  Spot(c.Cr(), kLiteSize / 2.0, kLiteSize / 2.0, true);
  Image img = c.Take();
  sprites::Harden(img, 110);
  return img;
}

}  // namespace

std::vector<TPictureItemData> MakePinDisplay() {
  return {sprites::SinglePicture("display", Display()), sprites::SinglePicture("lite", Lite())};
}

}  // namespace bowling_art
