#include "tools/assetgen/bowling_art/help_icons.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "tools/assetgen/bowling_art/layout.h"
#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_art {

using sprites::SetColor;

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

void KeyCap(cairo_t* cr, double x, double y, double w, const std::string& label) {
  constexpr double h = 30;
  sprites::RoundedRect(cr, x, y + 2, w, h, 5);
  SetColor(cr, 0x101014);
  cairo_fill(cr);
  sprites::RoundedRect(cr, x, y, w, h - 1, 5);
  sprites::VerticalGradient(cr, y, y + h, 0xF4F4F0, 0xA8A8B0);
  cairo_fill(cr);
  sprites::RoundedRect(cr, x + 3, y + 2, w - 6, h - 9, 4);
  sprites::VerticalGradient(cr, y, y + h - 7, 0xFFFFFF, 0xD4D4DA);
  cairo_fill(cr);
  sprites::RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 2, 5);
  SetColor(cr, 0x28282E);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  sprites::UseFace(cr, sprites::Face::SansBold, label.size() > 3 ? 12 : 15);
  cairo_set_source_rgb(cr, 0.12, 0.12, 0.16);
  sprites::ShowText(cr, x + (w - sprites::TextWidth(cr, label)) / 2, y + 19, label);
}

void MouseIcon(cairo_t* cr, double x, double y, bool click) {
  constexpr double w = 26, h = 38;
  cairo_move_to(cr, x + w / 2, y - 2);
  cairo_curve_to(cr, x + w / 2, y - 10, x + w + 4, y - 8, x + w + 6, y - 14);
  SetColor(cr, 0xD8D8E0);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  sprites::RoundedRect(cr, x, y, w, h, 12);
  sprites::VerticalGradient(cr, y, y + h, 0xF0F0F4, 0x9A9AA4);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x202026);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  if (click) {
    cairo_move_to(cr, x + w / 2, y + 14);
    cairo_line_to(cr, x + 1, y + 14);
    cairo_arc(cr, x + 12, y + 12, 11, kPi, 1.5 * kPi);
    cairo_line_to(cr, x + w / 2, y + 1);
    cairo_close_path(cr);
    SetColor(cr, 0xE83020);
    cairo_fill(cr);
  }
  cairo_move_to(cr, x + w / 2, y);
  cairo_line_to(cr, x + w / 2, y + 14);
  cairo_move_to(cr, x, y + 14);
  cairo_line_to(cr, x + w, y + 14);
  SetColor(cr, 0x202026);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void SideArrow(cairo_t* cr, double x0, double x1, double y) {
  cairo_move_to(cr, x0 + 6, y);
  cairo_line_to(cr, x1 - 6, y);
  SetColor(cr, 0xFFD060);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  for (auto [tip, dir] : {std::pair{x0, 1.0}, {x1, -1.0}}) {
    cairo_move_to(cr, tip, y);
    cairo_line_to(cr, tip + dir * 9, y - 6);
    cairo_line_to(cr, tip + dir * 9, y + 6);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
}

void GaugeIcon(cairo_t* cr, double cx, double cy, double radius, double f) {
  const double inner = radius * 0.66;
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, radius, kPi, 2 * kPi);
  cairo_arc_negative(cr, cx, cy, inner, 2 * kPi, kPi);
  cairo_close_path(cr);
  SetColor(cr, 0x3A2018);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, radius, kPi, kPi + kPi * f);
  cairo_arc_negative(cr, cx, cy, inner, kPi + kPi * f, kPi);
  cairo_close_path(cr);
  cairo_pattern_t* heat = cairo_pattern_create_linear(cx - radius, 0, cx + radius, 0);
  cairo_pattern_add_color_stop_rgb(heat, 0, 0.25, 0.55, 0.95);
  cairo_pattern_add_color_stop_rgb(heat, 0.55, 0.95, 0.82, 0.2);
  cairo_pattern_add_color_stop_rgb(heat, 1, 1.0, 0.16, 0.1);
  cairo_set_source(cr, heat);
  cairo_fill(cr);
  cairo_pattern_destroy(heat);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, radius + 1, kPi, 2 * kPi);
  SetColor(cr, 0xD8DAE0);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  const double a = kPi + kPi * f;
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + (radius - 1) * std::cos(a), cy + (radius - 1) * std::sin(a));
  SetColor(cr, 0xFFF4E0);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, 3.5, 0, 2 * kPi);
  SetColor(cr, 0xD8DAE0);
  cairo_fill(cr);
}

void StripIcon(cairo_t* cr, double x, double y, double w, double marker) {
  constexpr double h = 12;
  cairo_rectangle(cr, x - 1.5, y - 1.5, w + 3, h + 3);
  SetColor(cr, 0xD8DAE0);
  cairo_fill(cr);
  // Red at the ends, green at the sweet spot, in the proportions of the real strip.
  const double spot = (kSweetSpot + 0.5 - kAccuracyFirst) / (kAccuracyLast - kAccuracyFirst + 1.0);
  cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.9, 0.2, 0.1);
  cairo_pattern_add_color_stop_rgb(p, spot * 0.6, 0.95, 0.8, 0.2);
  cairo_pattern_add_color_stop_rgb(p, spot, 0.3, 0.85, 0.2);
  cairo_pattern_add_color_stop_rgb(p, spot + (1 - spot) * 0.4, 0.95, 0.8, 0.2);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.9, 0.2, 0.1);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  const double sx = x + w * spot;
  for (double dir : {-1.0, 1.0}) {
    const double ty = dir < 0 ? y - 2 : y + h + 2;
    cairo_move_to(cr, sx, ty);
    cairo_line_to(cr, sx - 4, ty + dir * 6);
    cairo_line_to(cr, sx + 4, ty + dir * 6);
    cairo_close_path(cr);
  }
  SetColor(cr, 0x60FF70);
  cairo_fill(cr);
  const double mx = x + w * std::clamp(marker, 0.0, 1.0);
  cairo_rectangle(cr, mx - 1.5, y - 3, 3, h + 6);
  SetColor(cr, 0xFFFFFF);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x100404);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void LabelIcon(cairo_t* cr, double x, double y) {
  sprites::RoundedRect(cr, x + 0.5, y + 0.5, kLabelW - 1, kLabelH - 1, 5);
  sprites::VerticalGradient(cr, y, y + kLabelH, 0xE0342A, 0x7A0C08);
  cairo_fill_preserve(cr);
  SetColor(cr, 0xF0F0F4);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  sprites::UseFace(cr, sprites::Face::SansBold, 11);
  sprites::OutlinedText(cr, x + kLabelW / 2.0, y + 13, "PLAYER 1", 0xFFFFFF, 0x3A0604, 1.2);
}

}  // namespace bowling_art
