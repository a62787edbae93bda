// Standing features and things in the water, drawn with cairo over a prepared ground diamond. The
// sun stands to the upper left: lit faces are on the left and top, shadows fall to the lower right.
#include <cmath>

#include "tools/assetgen/world/tile_look.h"

namespace {

constexpr double kPi = 3.14159265358979;

void Rgb(cairo_t* cr, TRgb c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.r / 255, c.g / 255, c.b / 255, alpha);
}

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
}

// A soft shadow on the ground, cast to the lower right.
void GroundShadow(TTileCanvas& canvas, double rx, double ry, double dx = 5) {
  cairo_t* cr = canvas.Cr();
  canvas.ClipToDiamond(1);
  Ellipse(cr, 32 + dx, canvas.Lift() + 17 + dx / 3, rx, ry);
  cairo_set_source_rgba(cr, 0.05, 0.12, 0.05, 0.35);
  cairo_fill(cr);
  canvas.ResetClip();
}

// A ball of foliage lit from the upper left.
void LeafBall(cairo_t* cr, double x, double y, double r, TRgb dark, TRgb light) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.45, r * 0.1, x, y, r);
  cairo_pattern_add_color_stop_rgb(p, 0, light.r / 255, light.g / 255, light.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 1, dark.r / 255, dark.g / 255, dark.b / 255);
  cairo_set_source(cr, p);
  cairo_new_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void WaterRing(TTileCanvas& canvas, double rx, double ry) {
  cairo_t* cr = canvas.Cr();
  Ellipse(cr, 32, canvas.Lift() + 18, rx, ry);
  cairo_set_source_rgba(cr, 0.9, 0.96, 1.0, 0.55);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

}  // namespace

void DrawPine(TTileCanvas& canvas, const TLook& look) {
  cairo_t* cr = canvas.Cr();
  const double base = canvas.Lift() + 17;
  GroundShadow(canvas, 14, 6, 7);
  Rgb(cr, look.bark);
  cairo_rectangle(cr, 30, base - 12, 4, 12);
  cairo_fill(cr);
  const TRgb dark = Scale(look.foliage, 0.75);
  for (int tier = 0; tier < 4; ++tier) {
    const double bottom = base - 8 - tier * 13;
    const double half = 15 - tier * 3;
    cairo_new_path(cr);
    cairo_move_to(cr, 32 - half, bottom);
    cairo_line_to(cr, 32, bottom - 22 + tier * 2);
    cairo_line_to(cr, 32 + half, bottom);
    cairo_close_path(cr);
    Rgb(cr, dark);
    cairo_fill(cr);
    // The sunlit left side of each tier.
    cairo_new_path(cr);
    cairo_move_to(cr, 32 - half, bottom);
    cairo_line_to(cr, 32, bottom - 22 + tier * 2);
    cairo_line_to(cr, 31, bottom - 1);
    cairo_close_path(cr);
    Rgb(cr, look.foliage);
    cairo_fill(cr);
    Rgb(cr, look.foliageLight, 0.7);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 32 - half + 1, bottom - 0.5);
    cairo_line_to(cr, 32, bottom - 21 + tier * 2);
    cairo_stroke(cr);
  }
}

void DrawLeafTree(TTileCanvas& canvas, const TLook& look) {
  cairo_t* cr = canvas.Cr();
  const double base = canvas.Lift() + 17;
  GroundShadow(canvas, 16, 7, 7);
  Rgb(cr, look.bark);
  cairo_new_path(cr);
  cairo_move_to(cr, 29, base);
  cairo_line_to(cr, 31, base - 22);
  cairo_line_to(cr, 34, base - 22);
  cairo_line_to(cr, 36, base);
  cairo_fill(cr);
  const TRgb dark = Scale(look.foliage, 0.7);
  LeafBall(cr, 22, base - 30, 12, dark, look.foliageLight);
  LeafBall(cr, 42, base - 31, 12, dark, look.foliage);
  LeafBall(cr, 32, base - 44, 14, dark, look.foliageLight);
  LeafBall(cr, 33, base - 28, 11, dark, look.foliage);
}

void DrawBush(TTileCanvas& canvas, const TLook& look) {
  cairo_t* cr = canvas.Cr();
  const double base = canvas.Lift() + 18;
  GroundShadow(canvas, 13, 5, 4);
  const TRgb dark = Scale(look.foliage, 0.7);
  LeafBall(cr, 24, base - 6, 8, dark, look.foliage);
  LeafBall(cr, 40, base - 6, 8, dark, look.foliage);
  LeafBall(cr, 32, base - 11, 10, dark, look.foliageLight);
  if (look.tropic) {
    cairo_set_source_rgb(cr, 0.93, 0.3, 0.45);
    static const double kBlossoms[3][2] = {{27, -13}, {36, -9}, {41, -14}};
    for (const auto& p : kBlossoms) {
      cairo_new_path(cr);
      cairo_arc(cr, p[0], base + p[1], 1.6, 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
}

void DrawRock(TTileCanvas& canvas, double scale, bool wet) {
  cairo_t* cr = canvas.Cr();
  const double base = canvas.Lift() + 19;
  if (wet) WaterRing(canvas, 17 * scale, 6 * scale);
  else GroundShadow(canvas, 14 * scale, 5 * scale, 5);
  auto pt = [&](double x, double y) { cairo_line_to(cr, 32 + x * scale, base + y * scale); };
  cairo_new_path(cr);
  pt(-14, 0); pt(-12, -9); pt(-5, -16); pt(5, -17); pt(12, -10); pt(15, -2); pt(8, 3); pt(-6, 3);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.45, 0.44, 0.42);
  cairo_fill(cr);
  cairo_new_path(cr);
  pt(-12, -9); pt(-5, -16); pt(5, -17); pt(2, -8); pt(-8, -4);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.72, 0.71, 0.67);
  cairo_fill(cr);
  cairo_new_path(cr);
  pt(2, -8); pt(5, -17); pt(12, -10); pt(15, -2); pt(8, 3);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.36, 0.35, 0.34);
  cairo_fill(cr);
  if (wet) {
    cairo_new_path(cr);
    pt(-14, 0); pt(15, -2); pt(8, 3); pt(-6, 3);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0.2, 0.3, 0.35, 0.5);
    cairo_fill(cr);
  }
}

void DrawCabin(TTileCanvas& canvas, const TLook& look) {
  cairo_t* cr = canvas.Cr();
  const double g = canvas.Lift() + 16;  // ground centre
  GroundShadow(canvas, 20, 8, 6);
  // Walls: an isometric box 36 wide, 14 high.
  const TRgb wall = look.tropic ? TRgb{196, 160, 110} : TRgb{150, 96, 60};
  cairo_new_path(cr);
  cairo_move_to(cr, 14, g);
  cairo_line_to(cr, 32, g + 9);
  cairo_line_to(cr, 32, g - 5);
  cairo_line_to(cr, 14, g - 14);
  cairo_close_path(cr);
  Rgb(cr, Scale(wall, 1.1));
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 32, g + 9);
  cairo_line_to(cr, 50, g);
  cairo_line_to(cr, 50, g - 14);
  cairo_line_to(cr, 32, g - 5);
  cairo_close_path(cr);
  Rgb(cr, Scale(wall, 0.75));
  cairo_fill(cr);
  // Log lines or planks.
  cairo_set_line_width(cr, 0.8);
  Rgb(cr, Scale(wall, 0.55));
  for (int i = 1; i < 4; ++i) {
    cairo_move_to(cr, 14, g - 14 + i * 3.5);
    cairo_line_to(cr, 32, g - 5 + i * 3.5);
    cairo_line_to(cr, 50, g - 14 + i * 3.5);
  }
  cairo_stroke(cr);
  // Door and window.
  cairo_set_source_rgb(cr, 0.25, 0.16, 0.1);
  cairo_new_path(cr);
  cairo_move_to(cr, 38, g + 6);
  cairo_line_to(cr, 43, g + 3.5);
  cairo_line_to(cr, 43, g - 5);
  cairo_line_to(cr, 38, g - 2.5);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.95, 0.85, 0.45);
  cairo_new_path(cr);
  cairo_move_to(cr, 20, g - 4);
  cairo_line_to(cr, 25, g - 1.5);
  cairo_line_to(cr, 25, g - 6);
  cairo_line_to(cr, 20, g - 8.5);
  cairo_fill(cr);
  // Roof: two slopes over the box, the left one in the sun.
  const TRgb roof = look.tropic ? TRgb{214, 188, 112} : TRgb{120, 52, 40};
  cairo_new_path(cr);
  cairo_move_to(cr, 10, g - 12);
  cairo_line_to(cr, 30, g - 1);
  cairo_line_to(cr, 41, g - 24);
  cairo_line_to(cr, 23, g - 34);
  cairo_close_path(cr);
  Rgb(cr, Scale(roof, 1.15));
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 30, g - 1);
  cairo_line_to(cr, 54, g - 12);
  cairo_line_to(cr, 41, g - 24);
  cairo_close_path(cr);
  Rgb(cr, Scale(roof, 0.8));
  cairo_fill(cr);
  if (!look.tropic) {
    cairo_set_source_rgb(cr, 0.5, 0.48, 0.46);
    cairo_rectangle(cr, 40, g - 32, 4, 9);
    cairo_fill(cr);
  }
}

void DrawPalm(TTileCanvas& canvas, const TLook& look) {
  cairo_t* cr = canvas.Cr();
  const double base = canvas.Lift() + 17;
  GroundShadow(canvas, 15, 6, 8);
  // A curved, ringed trunk leaning left.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Rgb(cr, look.bark);
  cairo_set_line_width(cr, 4.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 33, base);
  cairo_curve_to(cr, 34, base - 20, 28, base - 38, 24, base - 52);
  cairo_stroke(cr);
  Rgb(cr, Scale(look.bark, 0.7));
  cairo_set_line_width(cr, 0.8);
  for (int i = 1; i < 9; ++i) {
    const double t = i / 9.0;
    const double y = base - 52 * t;
    const double x = 33 + (24 - 33) * t * t;
    cairo_move_to(cr, x - 2, y);
    cairo_line_to(cr, x + 2, y + 0.8);
  }
  cairo_stroke(cr);
  // Fronds.
  const double fx = 24;
  const double fy = base - 53;
  const double angles[] = {-170, -135, -100, -60, -20, 20, 160, 195};
  for (const double a : angles) {
    const double r = a * kPi / 180;
    const double ex = fx + std::cos(r) * 19;
    const double ey = fy + std::sin(r) * 9 + 8;
    cairo_new_path(cr);
    cairo_move_to(cr, fx, fy);
    cairo_curve_to(cr, fx + std::cos(r) * 10, fy + std::sin(r) * 8 - 4, ex, ey - 4, ex, ey);
    cairo_curve_to(cr, ex - std::cos(r) * 3, ey - 1, fx + std::cos(r) * 8, fy + std::sin(r) * 4 + 1, fx, fy + 2);
    Rgb(cr, a < -90 || a > 90 ? look.foliageLight : look.foliage);
    cairo_fill(cr);
  }
  cairo_set_source_rgb(cr, 0.42, 0.28, 0.12);
  for (const double dx : {-2.0, 2.0}) {
    cairo_new_path(cr);
    cairo_arc(cr, fx + dx, fy + 3, 2, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void DrawCactus(TTileCanvas& canvas, const TLook& look) {
  (void)look;
  cairo_t* cr = canvas.Cr();
  const double base = canvas.Lift() + 17;
  GroundShadow(canvas, 11, 4, 6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  auto arm = [&](double width, double r, double g, double b) {
    cairo_set_source_rgb(cr, r, g, b);
    cairo_set_line_width(cr, width);
    cairo_new_path(cr);
    cairo_move_to(cr, 32, base - 1);
    cairo_line_to(cr, 32, base - 34);
    cairo_move_to(cr, 32, base - 14);
    cairo_line_to(cr, 23, base - 14);
    cairo_line_to(cr, 23, base - 26);
    cairo_move_to(cr, 32, base - 19);
    cairo_line_to(cr, 41, base - 19);
    cairo_line_to(cr, 41, base - 29);
    cairo_stroke(cr);
  };
  arm(7, 0.2, 0.42, 0.2);
  cairo_save(cr);
  cairo_translate(cr, -1.2, -0.8);
  arm(3, 0.42, 0.66, 0.34);
  cairo_restore(cr);
}

void DrawFlowers(TTileCanvas& canvas, const TLook& look) {
  cairo_t* cr = canvas.Cr();
  canvas.ClipToDiamond(3);
  const double lift = canvas.Lift();
  const double colors[3][3] = {{0.97, 0.9, 0.3}, {0.95, 0.95, 0.98}, {0.9, 0.35, 0.55}};
  for (int i = 0; i < 14; ++i) {
    const double x = 12 + Hash01(i, 1, look.seed) * 40;
    const double y = 7 + Hash01(i, 2, look.seed) * 18;
    const double* c = colors[(i + (look.tropic ? 2 : 0)) % 3];
    cairo_set_source_rgb(cr, 0.15, 0.35, 0.12);
    cairo_rectangle(cr, x, lift + y, 1, 2);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, c[0], c[1], c[2]);
    cairo_new_path(cr);
    cairo_arc(cr, x + 0.5, lift + y, 1.4, 0, 2 * kPi);
    cairo_fill(cr);
  }
  canvas.ResetClip();
}

void DrawReeds(TTileCanvas& canvas, const TLook& look) {
  cairo_t* cr = canvas.Cr();
  const double lift = canvas.Lift();
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 16; ++i) {
    const double x = 14 + Hash01(i, 3, look.seed) * 36;
    const double y = lift + 10 + Hash01(i, 4, look.seed) * 14;
    const double h = 12 + Hash01(i, 5, look.seed) * 12;
    const double lean = (Hash01(i, 6, look.seed) - 0.4) * 5;
    cairo_set_source_rgba(cr, 0.85, 0.93, 1.0, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x - 2, y + 0.5);
    cairo_line_to(cr, x + 2, y + 0.5);
    cairo_stroke(cr);
    Rgb(cr, i % 3 ? look.foliage : Scale(look.foliage, 0.7));
    cairo_set_line_width(cr, 1.3);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x, y - h * 0.5, x + lean, y - h * 0.8, x + lean, y - h);
    cairo_stroke(cr);
    if (i % 3 == 0) {
      cairo_set_source_rgb(cr, 0.45, 0.3, 0.16);
      cairo_set_line_width(cr, 2.6);
      cairo_move_to(cr, x + lean, y - h + 1);
      cairo_line_to(cr, x + lean, y - h + 5);
      cairo_stroke(cr);
    }
  }
}

void DrawLilyPads(TTileCanvas& canvas, const TLook& look) {
  cairo_t* cr = canvas.Cr();
  canvas.ClipToDiamond(3);
  const double lift = canvas.Lift();
  const double pads[5][3] = {{22, 13, 5}, {37, 11, 4}, {44, 18, 5.5}, {28, 21, 4.5}, {33, 16, 3}};
  for (int i = 0; i < 5; ++i) {
    const double x = pads[i][0];
    const double y = lift + pads[i][1];
    const double r = pads[i][2];
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, r, r * 0.55);
    cairo_arc(cr, 0, 0, 1, 0.5 + i, 2 * kPi + i);
    cairo_restore(cr);
    cairo_close_path(cr);
    Rgb(cr, Mix(look.foliage, look.foliageLight, 0.3 + 0.15 * (i % 2)));
    cairo_fill_preserve(cr);
    Rgb(cr, Scale(look.foliage, 0.6));
    cairo_set_line_width(cr, 0.7);
    cairo_stroke(cr);
  }
  cairo_set_source_rgb(cr, 0.98, 0.7, 0.82);
  static const double kFlowers[2][2] = {{37, 9.5}, {28, 19.5}};
  for (const auto& p : kFlowers) {
    for (int k = 0; k < 5; ++k) {
      const double a = k * 2 * kPi / 5;
      cairo_new_path(cr);
      cairo_arc(cr, p[0] + std::cos(a) * 1.3, lift + p[1] + std::sin(a) * 0.8, 1.1, 0, 2 * kPi);
      cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 1.0, 0.9, 0.4);
    cairo_new_path(cr);
    cairo_arc(cr, p[0], lift + p[1], 0.8, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.98, 0.7, 0.82);
  }
  canvas.ResetClip();
}

void DrawDock(TTileCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  const double g = canvas.Lift() + 16;
  // Posts reaching into the water, then the deck: a diamond of planks raised 5 pixels.
  cairo_set_source_rgb(cr, 0.3, 0.2, 0.12);
  static const double kPosts[3][2] = {{14, 0}, {32, 9}, {50, 0}};
  for (const auto& p : kPosts) {
    cairo_rectangle(cr, p[0] - 1.5, g + p[1] - 5, 3, 7);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 12, g - 5);
  cairo_line_to(cr, 32, g - 15);
  cairo_line_to(cr, 52, g - 5);
  cairo_line_to(cr, 32, g + 5);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.66, 0.5, 0.32);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.45, 0.32, 0.2);
  cairo_set_line_width(cr, 0.8);
  for (int i = 1; i < 6; ++i) {
    const double t = i / 6.0;
    cairo_move_to(cr, 12 + 20 * t, g - 5 - 10 * t);
    cairo_line_to(cr, 32 + 20 * t, g + 5 - 10 * t);
  }
  cairo_stroke(cr);
  // The deck's front edges.
  cairo_new_path(cr);
  cairo_move_to(cr, 12, g - 5);
  cairo_line_to(cr, 32, g + 5);
  cairo_line_to(cr, 52, g - 5);
  cairo_line_to(cr, 52, g - 3);
  cairo_line_to(cr, 32, g + 7);
  cairo_line_to(cr, 12, g - 3);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.4, 0.28, 0.17);
  cairo_fill(cr);
}

void DrawWeed(TTileCanvas& canvas, const TLook& look) {
  // Water plants just under the surface: soft, dark fronds that sway from a few clumps.
  cairo_t* cr = canvas.Cr();
  canvas.ClipToDiamond(4);
  const double lift = canvas.Lift();
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int clump = 0; clump < 3; ++clump) {
    const double x = 20 + clump * 11 + Hash01(clump, 7, look.seed) * 6;
    const double y = lift + 12 + Hash01(clump, 8, look.seed) * 9;
    for (int frond = 0; frond < 5; ++frond) {
      const double a = (frond - 2) * 0.45 + (Hash01(clump, frond, look.seed + 5) - 0.5) * 0.3;
      Rgb(cr, Mix(look.foliage, look.water, 0.35 + 0.1 * (frond % 2)), 0.6);
      cairo_set_line_width(cr, 1.6);
      cairo_new_path(cr);
      cairo_move_to(cr, x, y);
      cairo_curve_to(cr, x + std::sin(a) * 3, y - 2, x + std::sin(a) * 6 - 1, y - 3, x + std::sin(a) * 8, y - 4.5);
      cairo_stroke(cr);
    }
  }
  canvas.ResetClip();
}

void DrawLog(TTileCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  const double g = canvas.Lift() + 16;
  WaterRing(canvas, 20, 5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgb(cr, 0.34, 0.22, 0.13);
  cairo_set_line_width(cr, 6);
  cairo_move_to(cr, 18, g - 4);
  cairo_line_to(cr, 46, g + 4);
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 0.55, 0.38, 0.22);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, 18, g - 6);
  cairo_line_to(cr, 46, g + 2);
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 0.78, 0.62, 0.4);
  Ellipse(cr, 46, g + 4, 2.5, 3);
  cairo_fill(cr);
}

void DrawBuoy(TTileCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  const double g = canvas.Lift() + 17;
  WaterRing(canvas, 12, 4.5);
  // A striped cone with a ball on top, lit from the left.
  for (int band = 0; band < 4; ++band) {
    const double y0 = g - band * 6;
    const double w0 = 9 - band * 1.6;
    const double w1 = 9 - (band + 1) * 1.6;
    cairo_new_path(cr);
    cairo_move_to(cr, 32 - w0, y0);
    cairo_line_to(cr, 32 - w1, y0 - 6);
    cairo_line_to(cr, 32 + w1, y0 - 6);
    cairo_line_to(cr, 32 + w0, y0);
    cairo_close_path(cr);
    if (band % 2 == 0) cairo_set_source_rgb(cr, 0.85, 0.15, 0.12);
    else cairo_set_source_rgb(cr, 0.96, 0.96, 0.94);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 32, g);
  cairo_line_to(cr, 32 + 9, g);
  cairo_line_to(cr, 32 + 2.6, g - 24);
  cairo_line_to(cr, 32, g - 24);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0, 0, 0.1, 0.25);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.2, 0.2, 0.22);
  cairo_rectangle(cr, 31, g - 31, 2, 7);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 1.0, 0.85, 0.2);
  cairo_new_path(cr);
  cairo_arc(cr, 32, g - 32, 2.5, 0, 2 * kPi);
  cairo_fill(cr);
}

void DrawChest(TTileCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  const double g = canvas.Lift() + 17;
  WaterRing(canvas, 16, 5.5);
  // A wooden chest floating on a bit of wreckage, its lid ajar with gold inside.
  cairo_new_path(cr);
  cairo_move_to(cr, 20, g - 2);
  cairo_line_to(cr, 32, g + 4);
  cairo_line_to(cr, 32, g - 6);
  cairo_line_to(cr, 20, g - 12);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.62, 0.4, 0.2);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 32, g + 4);
  cairo_line_to(cr, 44, g - 2);
  cairo_line_to(cr, 44, g - 12);
  cairo_line_to(cr, 32, g - 6);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.45, 0.28, 0.14);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 20, g - 12);
  cairo_line_to(cr, 32, g - 6);
  cairo_line_to(cr, 44, g - 12);
  cairo_line_to(cr, 32, g - 18);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 1.0, 0.84, 0.25);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 20, g - 12);
  cairo_line_to(cr, 32, g - 18);
  cairo_line_to(cr, 30, g - 26);
  cairo_line_to(cr, 18, g - 20);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.7, 0.47, 0.25);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.85, 0.7, 0.3);
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, 26, g + 1);
  cairo_line_to(cr, 26, g - 9);
  cairo_move_to(cr, 38, g + 1);
  cairo_line_to(cr, 38, g - 9);
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 1, 1, 0.85);
  cairo_move_to(cr, 31, g - 14);
  cairo_line_to(cr, 35, g - 14);
  cairo_move_to(cr, 33, g - 16);
  cairo_line_to(cr, 33, g - 12);
  cairo_stroke(cr);
}

void DrawClockFloat(TTileCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  const double g = canvas.Lift() + 17;
  WaterRing(canvas, 13, 5);
  Ellipse(cr, 32, g - 2, 10, 4);
  cairo_set_source_rgb(cr, 0.95, 0.75, 0.1);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.35, 0.3, 0.28);
  cairo_rectangle(cr, 31, g - 14, 2, 12);
  cairo_fill(cr);
  // The clock face on its post.
  cairo_new_path(cr);
  cairo_arc(cr, 32, g - 21, 8, 0, 2 * kPi);
  cairo_set_source_rgb(cr, 0.95, 0.75, 0.1);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_arc(cr, 32, g - 21, 6, 0, 2 * kPi);
  cairo_set_source_rgb(cr, 1, 1, 0.96);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.15, 0.15, 0.2);
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, 32, g - 21);
  cairo_line_to(cr, 32, g - 25.5);
  cairo_move_to(cr, 32, g - 21);
  cairo_line_to(cr, 35, g - 19.5);
  cairo_stroke(cr);
}

void DrawAngler(TTileCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  DrawDock(canvas);
  const double g = canvas.Lift() + 10;
  // A figure in a red jacket and a hat, waving, on the deck.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgb(cr, 0.2, 0.22, 0.4);
  cairo_set_line_width(cr, 2.5);
  cairo_move_to(cr, 30, g);
  cairo_line_to(cr, 30, g - 8);
  cairo_move_to(cr, 34, g);
  cairo_line_to(cr, 34, g - 8);
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 0.8, 0.18, 0.14);
  cairo_rectangle(cr, 28, g - 17, 8, 10);
  cairo_fill(cr);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, 35, g - 15);
  cairo_line_to(cr, 40, g - 22);
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 0.93, 0.76, 0.6);
  cairo_new_path(cr);
  cairo_arc(cr, 32, g - 20, 3, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.35, 0.5, 0.25);
  cairo_rectangle(cr, 27, g - 23, 10, 1.5);
  cairo_fill(cr);
  cairo_rectangle(cr, 29.5, g - 26, 5, 3);
  cairo_fill(cr);
}
