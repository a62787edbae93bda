#include "tools/assetgen/sprites/canvas.h"

#include <cmath>

#include "tools/assetgen/sprites/text.h"

namespace sprites {

Canvas::Canvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_)) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Image Canvas::Take() const { return FromCairo(surface_); }

void Canvas::Paint(const Image& image, double x, double y, double scale) {
  cairo_surface_t* s = ToCairo(image);
  cairo_save(cr_);
  cairo_translate(cr_, x, y);
  cairo_scale(cr_, scale, scale);
  cairo_set_source_surface(cr_, s, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr_), scale == 1.0 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
  cairo_paint(cr_);
  cairo_restore(cr_);
  cairo_surface_destroy(s);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  constexpr double kPi = 3.14159265358979323846;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, unsigned top, unsigned bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  auto stop = [p](double at, unsigned c) {
    cairo_pattern_add_color_stop_rgb(p, at, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0);
  };
  stop(0, top);
  stop(1, bottom);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void SunkenPanel(cairo_t* cr, double x, double y, double w, double h, unsigned face) {
  RoundedRect(cr, x, y, w, h, 3);
  SetColor(cr, 0x101418);
  cairo_fill(cr);
  RoundedRect(cr, x + 1, y + 1, w - 2, h - 2, 2.5);
  VerticalGradient(cr, y, y + h, face, Shade(face | 0xFF000000u, 1.35) & 0xFFFFFF);
  cairo_fill(cr);
  // Shadow along the inner top edge.
  cairo_rectangle(cr, x + 2, y + 1, w - 4, 2);
  SetColor(cr, 0x000000, 0.35);
  cairo_fill(cr);
}

void BrassFrame(cairo_t* cr, double x, double y, double w, double h, unsigned face) {
  RoundedRect(cr, x - 4, y - 4, w + 8, h + 8, 6);
  VerticalGradient(cr, y - 4, y + h + 4, 0xF4D68A, 0x8A6228);
  cairo_fill(cr);
  RoundedRect(cr, x - 4, y - 4, w + 8, h + 8, 6);
  SetColor(cr, 0x3A2810);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  RoundedRect(cr, x - 1.5, y - 1.5, w + 3, h + 3, 4);
  VerticalGradient(cr, y - 2, y + h + 2, 0x7A5420, 0xFFE8A8);
  cairo_fill(cr);
  SunkenPanel(cr, x, y, w, h, face);
}

void Planks(cairo_t* cr, double x, double y, double w, double h, double board, unsigned wood, int seed) {
  uint32_t state = static_cast<uint32_t>(seed) * 2654435761u + 12345u;
  auto rnd = [&state]() {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / 16777216.0;
  };
  const uint32_t base = wood | 0xFF000000u;
  int row = 0;
  for (double by = y; by < y + h; by += board, ++row) {
    const double tone = 0.9 + 0.2 * rnd();
    VerticalGradient(cr, by, by + board, Shade(base, tone * 1.1) & 0xFFFFFF, Shade(base, tone * 0.85) & 0xFFFFFF);
    cairo_rectangle(cr, x, by, w, board);
    cairo_fill(cr);
    // Grain: long thin darker strokes.
    for (int g = 0; g < static_cast<int>(w / 40); ++g) {
      const double gx = x + rnd() * w, gy = by + 2 + rnd() * (board - 4), len = 30 + rnd() * 90;
      cairo_move_to(cr, gx, gy);
      cairo_curve_to(cr, gx + len / 3, gy + rnd() * 2 - 1, gx + 2 * len / 3, gy + rnd() * 2 - 1, gx + len, gy);
      SetColor(cr, Shade(base, 0.7) & 0xFFFFFF, 0.5);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
    // Seam between boards, and butt joints.
    cairo_rectangle(cr, x, by + board - 1, w, 1);
    SetColor(cr, 0x2A1A0C, 0.8);
    cairo_fill(cr);
    const double joint = x + std::fmod(rnd() * w + row * 173.0, w);
    cairo_rectangle(cr, joint, by, 1, board);
    SetColor(cr, 0x2A1A0C, 0.6);
    cairo_fill(cr);
  }
}

void FishShape(cairo_t* cr, double x, double y, double len, unsigned back, unsigned belly) {
  const double h = len * 0.36;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  // Tail.
  cairo_move_to(cr, -len * 0.32, 0);
  cairo_line_to(cr, -len * 0.52, -h * 0.55);
  cairo_line_to(cr, -len * 0.46, 0);
  cairo_line_to(cr, -len * 0.52, h * 0.55);
  cairo_close_path(cr);
  SetColor(cr, back);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x18181E);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // Body.
  cairo_move_to(cr, len * 0.48, 0);
  cairo_curve_to(cr, len * 0.35, -h * 0.75, -len * 0.15, -h * 0.7, -len * 0.36, 0);
  cairo_curve_to(cr, -len * 0.15, h * 0.7, len * 0.35, h * 0.75, len * 0.48, 0);
  cairo_close_path(cr);
  VerticalGradient(cr, -h / 2, h / 2, back, belly);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x18181E);
  cairo_stroke(cr);
  // Eye and gill.
  cairo_arc(cr, len * 0.3, -h * 0.12, len * 0.04 + 0.5, 0, 6.2832);
  SetColor(cr, 0x101010);
  cairo_fill(cr);
  cairo_move_to(cr, len * 0.18, -h * 0.3);
  cairo_curve_to(cr, len * 0.13, -h * 0.1, len * 0.13, h * 0.1, len * 0.18, h * 0.3);
  SetColor(cr, 0x000000, 0.4);
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace sprites
