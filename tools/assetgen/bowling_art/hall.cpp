#include "tools/assetgen/bowling_art/hall.h"

#include <cmath>

#include "tools/assetgen/sprites/text.h"

namespace bowling_art {

using sprites::Face;
using sprites::RoundedRect;
using sprites::SetColor;
using sprites::VerticalGradient;

namespace {

constexpr double kPi = 3.14159265358979323846;

void Stop(cairo_pattern_t* p, double at, unsigned rgb, double alpha = 1.0) {
  cairo_pattern_add_color_stop_rgba(p, at, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0,
                                    (rgb & 255) / 255.0, alpha);
}

// A four-pointed star of the kind painted on the walls of old bowling halls.
void Starburst(cairo_t* cr, double x, double y, double r, unsigned color) {
  for (int k = 0; k < 8; ++k) {
    const double a = k * kPi / 4, len = k % 2 ? r * 0.45 : r;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len * std::cos(a - 0.12), y + len * std::sin(a - 0.12));
    cairo_line_to(cr, x + len * std::cos(a + 0.12), y + len * std::sin(a + 0.12));
    cairo_close_path(cr);
  }
  SetColor(cr, color, 0.85);
  cairo_fill(cr);
}

// Perspective of the lanes: lateral position u (pixels at the bottom edge) seen at screen row y.
struct View {
  double VanishY;
  double X(double u, double y) const { return 320 + u * (y - VanishY) / (480 - VanishY); }
  double Scale(double y) const { return (y - VanishY) / (480 - VanishY); }
};

// A strip of the floor between lateral positions u0 and u1, from row `top` to the bottom edge.
void Strip(cairo_t* cr, const View& v, double u0, double u1, double top) {
  cairo_move_to(cr, v.X(u0, top), top);
  cairo_line_to(cr, v.X(u1, top), top);
  cairo_line_to(cr, v.X(u1, 480), 480);
  cairo_line_to(cr, v.X(u0, 480), 480);
  cairo_close_path(cr);
}

void OneLane(cairo_t* cr, const View& v, double centre, double top) {
  constexpr double kHalf = 75;
  // Maple, warmer and brighter towards the viewer, with its boards.
  Strip(cr, v, centre - kHalf, centre + kHalf, top);
  VerticalGradient(cr, top, 480, 0xA86A38, 0xF2C488);
  cairo_fill(cr);
  for (int j = 1; j < 39; ++j) {
    const double u = centre - kHalf + j * 2 * kHalf / 39;
    cairo_move_to(cr, v.X(u, top), top);
    cairo_line_to(cr, v.X(u, 480), 480);
  }
  SetColor(cr, 0x6A3A18, 0.22);
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  // The polish: a soft band of reflected light down the middle.
  cairo_pattern_t* shine = cairo_pattern_create_linear(0, top, 0, 480);
  Stop(shine, 0, 0xFFF4E0, 0.35);
  Stop(shine, 0.5, 0xFFF4E0, 0.12);
  Stop(shine, 1, 0xFFF4E0, 0.0);
  Strip(cr, v, centre - 28, centre + 28, top);
  cairo_set_source(cr, shine);
  cairo_fill(cr);
  cairo_pattern_destroy(shine);
  // Target arrows and the dots before them.
  const double arrowY = top + 0.42 * (480 - top);
  const double s = v.Scale(arrowY);
  for (int a = -3; a <= 3; ++a) {
    const double u = centre + a * 19.0;
    const double y = arrowY + std::abs(a) * 7 * s;
    cairo_move_to(cr, v.X(u, y), y - 9 * s);
    cairo_line_to(cr, v.X(u + 4, y), y + 3 * s);
    cairo_line_to(cr, v.X(u - 4, y), y + 3 * s);
    cairo_close_path(cr);
  }
  SetColor(cr, 0x4A1C0C);
  cairo_fill(cr);
  const double dotY = top + 0.7 * (480 - top);
  for (int d : {-50, -30, 30, 50}) {
    cairo_save(cr);
    cairo_translate(cr, v.X(centre + d, dotY), dotY);
    cairo_scale(cr, 1, 0.5);
    cairo_arc(cr, 0, 0, 2.2 * v.Scale(dotY), 0, 2 * kPi);
    cairo_restore(cr);
  }
  SetColor(cr, 0x4A1C0C);
  cairo_fill(cr);
  // The foul line; the approach beyond it is a shade lighter.
  const double foul = top + 0.86 * (480 - top);
  cairo_move_to(cr, v.X(centre - kHalf, foul), foul);
  cairo_line_to(cr, v.X(centre + kHalf, foul), foul);
  cairo_line_to(cr, v.X(centre + kHalf, 480), 480);
  cairo_line_to(cr, v.X(centre - kHalf, 480), 480);
  cairo_close_path(cr);
  SetColor(cr, 0xFFF0D8, 0.12);
  cairo_fill(cr);
  cairo_move_to(cr, v.X(centre - kHalf - 20, foul), foul);
  cairo_line_to(cr, v.X(centre + kHalf + 20, foul), foul);
  SetColor(cr, 0x1A0A08);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Gutters: rounded dark channels with a chrome lip.
  for (double side : {-1.0, 1.0}) {
    const double inner = centre + side * kHalf, outer = centre + side * (kHalf + 20);
    Strip(cr, v, inner, outer, top);
    VerticalGradient(cr, top, 480, 0x201A18, 0x4A403A);
    cairo_fill(cr);
    cairo_move_to(cr, v.X(outer, top), top);
    cairo_line_to(cr, v.X(outer, 480), 480);
    SetColor(cr, 0xC8CCD4, 0.7);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
}

}  // namespace

void HallWall(cairo_t* cr, double bottom) {
  cairo_rectangle(cr, 0, 0, 640, bottom);
  VerticalGradient(cr, 0, bottom, 0x1C0806, 0x641812);
  cairo_fill(cr);
  // The ceiling: a dark band with a brass trim along its lower edge.
  cairo_rectangle(cr, 0, 0, 640, 30);
  VerticalGradient(cr, 0, 30, 0x0C0404, 0x1E0A08);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 30, 640, 3);
  VerticalGradient(cr, 30, 33, 0xE8C070, 0x7A5420);
  cairo_fill(cr);
  for (int i = 0; i < 6; ++i) {
    const double x = 58 + i * 105.0, y = 36 + (i % 2) * 34.0;
    Starburst(cr, x, y + 30, 10 + (i % 3) * 3, 0xF4D890);
  }
  // Pendant lamps, each with its pool of warm light.
  for (int i = 0; i < 7; ++i) {
    const double x = 46 + i * 91.0;
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, 30, 4, x, 40, 90);
    Stop(glow, 0, 0xFFC070, 0.55);
    Stop(glow, 1, 0xFFC070, 0.0);
    cairo_set_source(cr, glow);
    cairo_rectangle(cr, x - 100, 0, 200, bottom);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, 18);
    SetColor(cr, 0x2A2A2E);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, x - 4, 18);
    cairo_line_to(cr, x + 4, 18);
    cairo_line_to(cr, x + 11, 28);
    cairo_line_to(cr, x - 11, 28);
    cairo_close_path(cr);
    VerticalGradient(cr, 18, 28, 0xF0C878, 0x8A5A20);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, x, 29);
    cairo_scale(cr, 1, 0.45);
    cairo_arc(cr, 0, 0, 9, 0, 2 * kPi);
    cairo_restore(cr);
    SetColor(cr, 0xFFF6D8);
    cairo_fill(cr);
  }
  // Wainscot: dark wooden panels under a chrome rail.
  const double rail = bottom - 36;
  for (int i = 0; i < 16; ++i) {
    const double x = i * 40.0;
    cairo_rectangle(cr, x + 1, rail + 3, 38, bottom - rail - 3);
    VerticalGradient(cr, rail, bottom, 0x6A3A1C, 0x3A1C0C);
    cairo_fill(cr);
    cairo_rectangle(cr, x + 5, rail + 8, 30, bottom - rail - 14);
    SetColor(cr, 0x000000, 0.18);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  cairo_rectangle(cr, 0, rail, 640, 4);
  VerticalGradient(cr, rail, rail + 4, 0xFFFFFF, 0x6A6C74);
  cairo_fill(cr);
}

void Lanes(cairo_t* cr, double top) {
  const View v{top - 130};
  cairo_rectangle(cr, 0, top, 640, 480 - top);
  SetColor(cr, 0x1A0C08);
  cairo_fill(cr);
  for (int k = -4; k <= 4; ++k) {
    const double centre = k * 200.0;
    // Capping between the neighbouring gutters, in the hall's red.
    Strip(cr, v, centre + 95, centre + 105, top);
    VerticalGradient(cr, top, 480, 0x4A0E0A, 0x9A2218);
    cairo_fill(cr);
    OneLane(cr, v, centre, top);
  }
  // The far end fades into the shadow under the masking.
  cairo_rectangle(cr, 0, top, 640, 24);
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, top, 0, top + 24);
  Stop(shade, 0, 0x0C0404, 0.85);
  Stop(shade, 1, 0x0C0404, 0.0);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
}

void Title(cairo_t* cr, double cx, double y, double size) {
  const char* text = "Bowling";
  sprites::UseFace(cr, Face::SerifBold, size);
  cairo_matrix_t slant;
  cairo_matrix_init(&slant, size, 0, -0.2 * size, size, 0, 0);
  cairo_set_font_matrix(cr, &slant);
  const double left = cx - sprites::TextWidth(cr, text) / 2 + 0.05 * size;
  cairo_new_path(cr);
  cairo_move_to(cr, left, y);
  cairo_text_path(cr, text);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // A red glow around the letters, as of neon tubes.
  for (double width : {28.0, 20.0, 13.0}) {
    SetColor(cr, 0xFF3018, 0.10);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
  }
  SetColor(cr, 0x1A0404);
  cairo_set_line_width(cr, 10);
  cairo_stroke_preserve(cr);
  SetColor(cr, 0xFFF0D0);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* red = cairo_pattern_create_linear(0, y - size * 0.75, 0, y);
  Stop(red, 0, 0xFF7A5A);
  Stop(red, 0.45, 0xE0241A);
  Stop(red, 1, 0x8A0A08);
  cairo_set_source(cr, red);
  cairo_fill(cr);
  cairo_pattern_destroy(red);
}

void ChromeFrame(cairo_t* cr, double x, double y, double w, double h, double width) {
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  RoundedRect(cr, x - width, y - width, w + 2 * width, h + 2 * width, width + 2);
  cairo_rectangle(cr, x, y, w, h);
  cairo_pattern_t* chrome = cairo_pattern_create_linear(x, y - width, x + w * 0.3, y + h + width);
  Stop(chrome, 0, 0xF8F8FC);
  Stop(chrome, 0.18, 0x8C8E98);
  Stop(chrome, 0.32, 0xFFFFFF);
  Stop(chrome, 0.55, 0x5C5E68);
  Stop(chrome, 0.78, 0xDCDEE4);
  Stop(chrome, 1, 0x70727C);
  cairo_set_source(cr, chrome);
  cairo_fill(cr);
  cairo_pattern_destroy(chrome);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  RoundedRect(cr, x - width + 0.5, y - width + 0.5, w + 2 * width - 1, h + 2 * width - 1, width + 1.5);
  SetColor(cr, 0x18181C);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, x - 0.5, y - 0.5, w + 1, h + 1);
  cairo_stroke(cr);
}

void SignHousing(cairo_t* cr, double x, double y, double w, double h, double border) {
  const double ox = x - border, oy = y - border, ow = w + 2 * border, oh = h + 2 * border;
  // A dark drop shadow, the red lacquered box, the chrome rim.
  RoundedRect(cr, ox + 4, oy + 6, ow, oh, 12);
  SetColor(cr, 0x000000, 0.45);
  cairo_fill(cr);
  RoundedRect(cr, ox, oy, ow, oh, 12);
  VerticalGradient(cr, oy, oy + oh, 0xD02A1E, 0x5A0A06);
  cairo_fill(cr);
  RoundedRect(cr, ox + 1.5, oy + 1.5, ow - 3, oh - 3, 11);
  SetColor(cr, 0xF0F0F4);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  RoundedRect(cr, ox + 0.5, oy + 0.5, ow - 1, oh - 1, 12);
  SetColor(cr, 0x18080A);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // Marquee bulbs along the middle of the border, evenly spaced on each side.
  const double inset = border / 2 + 0.5;
  const double bx0 = ox + inset, by0 = oy + inset, bx1 = ox + ow - inset, by1 = oy + oh - inset;
  const double r = std::max(1.8, border * 0.16);
  auto bulb = [cr, r](double bx, double by) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(bx, by, 0, bx, by, r * 2.6);
    Stop(glow, 0, 0xFFF8E0, 1.0);
    Stop(glow, 0.35, 0xFFD060, 1.0);
    Stop(glow, 0.45, 0xFF9A30, 0.5);
    Stop(glow, 1, 0xFF8020, 0.0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, bx, by, r * 2.6, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
  };
  const int across = std::max(2, static_cast<int>((bx1 - bx0) / 22));
  const int down = std::max(2, static_cast<int>((by1 - by0) / 22));
  for (int i = 0; i <= across; ++i) {
    bulb(bx0 + (bx1 - bx0) * i / across, by0);
    bulb(bx0 + (bx1 - bx0) * i / across, by1);
  }
  for (int i = 1; i < down; ++i) {
    bulb(bx0, by0 + (by1 - by0) * i / down);
    bulb(bx1, by0 + (by1 - by0) * i / down);
  }
  // The lamp field sits in a black well behind a thin chrome bezel.
  ChromeFrame(cr, x, y, w, h, 2.5);
  cairo_rectangle(cr, x, y, w, h);
  SetColor(cr, 0x0A0504);
  cairo_fill(cr);
}

void Pin(cairo_t* cr, double x, double y, double height) {
  const double h = height;
  // The right half of the profile, mirrored: foot, belly, neck, head.
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + 0.12 * h, y);
  cairo_curve_to(cr, x + 0.19 * h, y - 0.12 * h, x + 0.21 * h, y - 0.3 * h, x + 0.17 * h, y - 0.45 * h);
  cairo_curve_to(cr, x + 0.13 * h, y - 0.58 * h, x + 0.06 * h, y - 0.62 * h, x + 0.065 * h, y - 0.7 * h);
  cairo_curve_to(cr, x + 0.07 * h, y - 0.78 * h, x + 0.12 * h, y - 0.82 * h, x + 0.11 * h, y - 0.9 * h);
  cairo_curve_to(cr, x + 0.1 * h, y - 1.0 * h, x - 0.1 * h, y - 1.0 * h, x - 0.11 * h, y - 0.9 * h);
  cairo_curve_to(cr, x - 0.12 * h, y - 0.82 * h, x - 0.07 * h, y - 0.78 * h, x - 0.065 * h, y - 0.7 * h);
  cairo_curve_to(cr, x - 0.06 * h, y - 0.62 * h, x - 0.13 * h, y - 0.58 * h, x - 0.17 * h, y - 0.45 * h);
  cairo_curve_to(cr, x - 0.21 * h, y - 0.3 * h, x - 0.19 * h, y - 0.12 * h, x - 0.12 * h, y);
  cairo_close_path(cr);
  cairo_pattern_t* white = cairo_pattern_create_linear(x - 0.2 * h, 0, x + 0.2 * h, 0);
  Stop(white, 0, 0xB4B4BE);
  Stop(white, 0.4, 0xFFFFFF);
  Stop(white, 1, 0xA8A8B4);
  cairo_set_source(cr, white);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(white);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, x - h, y - 0.665 * h, 2 * h, 0.035 * h);
  cairo_rectangle(cr, x - h, y - 0.61 * h, 2 * h, 0.035 * h);
  SetColor(cr, 0xD0201A);
  cairo_fill(cr);
  cairo_restore(cr);
  SetColor(cr, 0x2A2024);
  cairo_set_line_width(cr, std::max(0.8, h / 60));
  cairo_stroke(cr);
}

void Ball(cairo_t* cr, double cx, double cy, double r, unsigned color) {
  const uint32_t base = color | 0xFF000000u;
  cairo_pattern_t* body = cairo_pattern_create_radial(cx - 0.35 * r, cy - 0.4 * r, 0.1 * r, cx, cy, r);
  Stop(body, 0, sprites::Shade(base, 1.7) & 0xFFFFFF);
  Stop(body, 0.5, color);
  Stop(body, 1, sprites::Shade(base, 0.35) & 0xFFFFFF);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  SetColor(cr, 0x101014);
  cairo_set_line_width(cr, std::max(0.8, r / 14));
  cairo_stroke(cr);
  for (auto [dx, dy] : {std::pair{0.18, -0.42}, {0.42, -0.2}, {0.38, 0.22}}) {
    cairo_save(cr);
    cairo_translate(cr, cx + dx * r, cy + dy * r);
    cairo_scale(cr, 1, 0.8);
    cairo_arc(cr, 0, 0, 0.11 * r, 0, 2 * kPi);
    cairo_restore(cr);
    SetColor(cr, 0x0A0A0C);
    cairo_fill(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, cx - 0.38 * r, cy - 0.45 * r);
  cairo_rotate(cr, -0.6);
  cairo_scale(cr, 1, 0.5);
  cairo_arc(cr, 0, 0, 0.22 * r, 0, 2 * kPi);
  cairo_restore(cr);
  SetColor(cr, 0xFFFFFF, 0.55);
  cairo_fill(cr);
}

}  // namespace bowling_art
