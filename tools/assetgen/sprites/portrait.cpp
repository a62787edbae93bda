#include "tools/assetgen/sprites/portrait.h"

#include <cmath>

#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/text.h"

namespace sprites {

namespace {

constexpr double kPi = 3.14159265358979323846;

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
}

void Ink(cairo_t* cr, double width) {
  SetColor(cr, 0x18181E);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

}  // namespace

PortraitStyle AnglerStyle() { return {0xE4B48A, 0x78A6D6, 0x687846, 0xD6C496, 0x963C28, 0x6E4A2E, false, true}; }
PortraitStyle OldTimerStyle() { return {0xD8A47C, 0xC8503C, 0x5A6A8A, 0x4A6A3A, 0xE0C060, 0xE8E8E0, true, false}; }

Image Portrait(int size, const PortraitStyle& s) {
  Canvas c(size, size);
  cairo_t* cr = c.Cr();
  cairo_scale(cr, size / 120.0, size / 120.0);
  if (s.Backdrop) {
    cairo_rectangle(cr, 0, 0, 120, 120);
    VerticalGradient(cr, 0, 70, 0x7CC4F0, 0xD8F0FF);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 70, 120, 50);
    VerticalGradient(cr, 70, 120, 0x3C8CC8, 0x1E5A96);
    cairo_fill(cr);
    cairo_move_to(cr, 0, 72);
    cairo_curve_to(cr, 30, 58, 50, 66, 70, 62);
    cairo_curve_to(cr, 90, 58, 105, 64, 120, 60);
    cairo_line_to(cr, 120, 72);
    cairo_close_path(cr);
    SetColor(cr, 0x4C8C4C);
    cairo_fill(cr);
    cairo_arc(cr, 18, 16, 9, 0, 2 * kPi);
    SetColor(cr, 0xFFF4B0);
    cairo_fill(cr);
  }
  // Shoulders: shirt with a vest over it.
  cairo_move_to(cr, 12, 121);
  cairo_curve_to(cr, 14, 96, 30, 86, 60, 86);
  cairo_curve_to(cr, 90, 86, 106, 96, 108, 121);
  cairo_close_path(cr);
  VerticalGradient(cr, 86, 120, s.Shirt, Shade(s.Shirt | 0xFF000000u, 0.8) & 0xFFFFFF);
  cairo_fill_preserve(cr);
  Ink(cr, 2);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 60 + side * 12, 90);
    cairo_curve_to(cr, 60 + side * 30, 90, 60 + side * 44, 98, 60 + side * 46, 121);
    cairo_line_to(cr, 60 + side * 14, 121);
    cairo_close_path(cr);
    SetColor(cr, s.Vest);
    cairo_fill_preserve(cr);
    Ink(cr, 1.5);
    cairo_rectangle(cr, 60 + side * 30 - 6, 104, 12, 8);
    SetColor(cr, Shade(s.Vest | 0xFF000000u, 0.8) & 0xFFFFFF);
    cairo_fill_preserve(cr);
    Ink(cr, 1);
  }
  // Neck, ears, face.
  cairo_rectangle(cr, 51, 70, 18, 20);
  SetColor(cr, Shade(s.Skin | 0xFF000000u, 0.85) & 0xFFFFFF);
  cairo_fill(cr);
  for (double side : {-1.0, 1.0}) {
    Ellipse(cr, 60 + side * 24, 58, 5, 7);
    SetColor(cr, s.Skin);
    cairo_fill_preserve(cr);
    Ink(cr, 1.5);
  }
  Ellipse(cr, 60, 56, 23, 27);
  cairo_pattern_t* shade = cairo_pattern_create_radial(52, 48, 4, 60, 56, 30);
  const uint32_t skin = s.Skin | 0xFF000000u;
  const uint32_t dark = Shade(skin, 0.8);
  cairo_pattern_add_color_stop_rgb(shade, 0, RedOf(Shade(skin, 1.08)) / 255.0, GreenOf(Shade(skin, 1.08)) / 255.0,
                                   BlueOf(Shade(skin, 1.08)) / 255.0);
  cairo_pattern_add_color_stop_rgb(shade, 1, RedOf(dark) / 255.0, GreenOf(dark) / 255.0, BlueOf(dark) / 255.0);
  cairo_set_source(cr, shade);
  cairo_pattern_destroy(shade);
  cairo_fill_preserve(cr);
  Ink(cr, 2);
  if (s.Beard) {
    cairo_move_to(cr, 37, 58);
    cairo_curve_to(cr, 38, 92, 82, 92, 83, 58);
    cairo_curve_to(cr, 76, 70, 44, 70, 37, 58);
    SetColor(cr, s.Hair);
    cairo_fill_preserve(cr);
    Ink(cr, 1.5);
  }
  // Eyes, brows, nose and a smile.
  for (double side : {-1.0, 1.0}) {
    Ellipse(cr, 60 + side * 9, 52, 3.4, 3.8);
    SetColor(cr, 0xFFFFFF);
    cairo_fill(cr);
    Ellipse(cr, 60 + side * 9 + 0.8, 52.5, 1.9, 2.3);
    SetColor(cr, 0x30241C);
    cairo_fill(cr);
    cairo_move_to(cr, 60 + side * 4, 45);
    cairo_curve_to(cr, 60 + side * 8, 43, 60 + side * 12, 43, 60 + side * 15, 45.5);
    SetColor(cr, s.Beard ? s.Hair : 0x4A3020);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 60, 53);
  cairo_curve_to(cr, 57, 60, 56, 63, 60, 64);
  SetColor(cr, Shade(skin, 0.7) & 0xFFFFFF);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  cairo_move_to(cr, 50, 69);
  cairo_curve_to(cr, 55, 75, 65, 75, 70, 69);
  SetColor(cr, 0x7A2E22);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  // Cap with its band and visor.
  cairo_move_to(cr, 35, 44);
  cairo_curve_to(cr, 34, 20, 86, 20, 85, 44);
  cairo_close_path(cr);
  VerticalGradient(cr, 22, 44, Shade(s.Cap | 0xFF000000u, 1.12) & 0xFFFFFF, s.Cap);
  cairo_fill_preserve(cr);
  Ink(cr, 2);
  cairo_rectangle(cr, 36, 38, 48, 5);
  SetColor(cr, s.CapBand);
  cairo_fill_preserve(cr);
  Ink(cr, 1.2);
  cairo_move_to(cr, 33, 44);
  cairo_curve_to(cr, 45, 38, 75, 38, 87, 44);
  cairo_curve_to(cr, 80, 50, 40, 50, 33, 44);
  SetColor(cr, Shade(s.Cap | 0xFF000000u, 0.8) & 0xFFFFFF);
  cairo_fill_preserve(cr);
  Ink(cr, 2);
  // A fly hooked in the cap.
  cairo_arc(cr, 72, 32, 2.5, 0, 2 * kPi);
  SetColor(cr, 0xF04030);
  cairo_fill(cr);
  cairo_move_to(cr, 72, 32);
  cairo_line_to(cr, 77, 29);
  SetColor(cr, 0xF0D040);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  Image img = c.Take();
  Harden(img, 100);
  return img;
}

}  // namespace sprites
