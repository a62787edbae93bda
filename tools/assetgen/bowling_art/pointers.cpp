// The pointers and the help button: "mouse" (an arrow whose tip is its top-left pixel, where the
// pointer is), "think" (a spinning ball shown centred on the pointer while the computer plays)
// and "helpbutton" (a red button with a question mark in the lower right corner).
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

Image Arrow() {
  Canvas c(20, 26);
  cairo_t* cr = c.Cr();
  auto path = [cr]() {
    cairo_move_to(cr, 0.5, 0.5);
    cairo_line_to(cr, 0.5, 19);
    cairo_line_to(cr, 5, 15);
    cairo_line_to(cr, 8.5, 23);
    cairo_line_to(cr, 12, 21.5);
    cairo_line_to(cr, 8.5, 13.5);
    cairo_line_to(cr, 14.5, 13.5);
    cairo_close_path(cr);
  };
  path();
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColor(cr, 0x1A0606);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  path();
  sprites::VerticalGradient(cr, 0, 23, 0xFF6A50, 0xB01010);
  cairo_fill_preserve(cr);
  SetColor(cr, 0xFFF0E0);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Image img = c.Take();
  sprites::Harden(img, 110);
  img.At(0, 0) = sprites::Rgb(26, 6, 6);  // the tip is always a visible pixel
  return img;
}

Image Think() {
  Canvas c(32, 32);
  cairo_t* cr = c.Cr();
  // A ring of dots fading round like a spinner, around a small ball.
  for (int k = 0; k < 8; ++k) {
    const double a = k * kPi / 4 - kPi / 2;
    const double x = 16 + 12.5 * std::cos(a), y = 16 + 12.5 * std::sin(a);
    cairo_arc(cr, x, y, 2.8, 0, 2 * kPi);
    SetColor(cr, 0x1A0606);
    cairo_fill(cr);
    cairo_arc(cr, x, y, 2.0, 0, 2 * kPi);
    SetColor(cr, 0xFFD060, 0.25 + 0.75 * (8 - k) / 8.0);
    cairo_fill(cr);
  }
  Ball(cr, 16, 16, 8, 0xC81A20);
  Image img = c.Take();
  sprites::Harden(img, 110);
  return img;
}

Image HelpButton() {
  Canvas c(kHelpButtonW, kHelpButtonH);
  cairo_t* cr = c.Cr();
  const double cx = kHelpButtonW / 2.0, cy = kHelpButtonH / 2.0, r = kHelpButtonH / 2.0 - 1;
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_pattern_t* chrome = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgb(chrome, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(chrome, 0.5, 0.45, 0.46, 0.52);
  cairo_pattern_add_color_stop_rgb(chrome, 1, 0.9, 0.9, 0.94);
  cairo_set_source(cr, chrome);
  cairo_fill(cr);
  cairo_pattern_destroy(chrome);
  cairo_arc(cr, cx, cy, r - 3.5, 0, 2 * kPi);
  cairo_pattern_t* red = cairo_pattern_create_radial(cx - 5, cy - 6, 2, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(red, 0, 1, 0.5, 0.4);
  cairo_pattern_add_color_stop_rgb(red, 0.6, 0.82, 0.1, 0.08);
  cairo_pattern_add_color_stop_rgb(red, 1, 0.45, 0.03, 0.02);
  cairo_set_source(cr, red);
  cairo_fill(cr);
  cairo_pattern_destroy(red);
  cairo_arc(cr, cx, cy, r - 0.5, 0, 2 * kPi);
  SetColor(cr, 0x1A0606);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  sprites::UseFace(cr, sprites::Face::SansBold, 24);
  sprites::OutlinedText(cr, cx, cy + 9, "?", 0xFFFFFF, 0x3A0604, 1.5);
  Image img = c.Take();
  sprites::Harden(img, 110);
  return img;
}

}  // namespace

std::vector<TPictureItemData> MakePointers() {
  return {sprites::SinglePicture("mouse", Arrow()), sprites::SinglePicture("think", Think()),
          sprites::SinglePicture("helpbutton", HelpButton())};
}

}  // namespace bowling_art
