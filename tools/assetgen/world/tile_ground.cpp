// Ground and water fills. Every fill is a function of the pixel's place in the diamond that repeats
// with the tile grid, so equal families join without a seam; shore strips fade to the plain water
// fill at the diamond's rim and narrow to nothing at corners where a land neighbour meets them.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/world/tile_look.h"

namespace {

struct TPoint2 {
  double x;
  double y;
};

// Corners: left, top, right, bottom; edge e runs from corner e to corner e + 1 (clockwise).
constexpr TPoint2 kCorners[4] = {{0, 16}, {32, 0}, {64, 16}, {32, 32}};
const double kEdgeLength = std::sqrt(32.0 * 32.0 + 16.0 * 16.0);

constexpr double kWaterWidth = 8.0;   // strip of water a shore piece shows along a water edge
constexpr double kBeachWidth = 5.0;   // sand between that water and the grass
constexpr double kDampWidth = 2.0;    // darker sand behind the beach of a sandy piece
// Where a strip ends at a corner shared with land it narrows to nothing. At the sharp left and
// right corners everything it brings (water, beach, damp sand: 16 pixels at most) must narrow more
// slowly than the neighbouring edge diverges (slope below 4/3, less the half pixel of a pixel
// centre), or it would spill onto the land edge; at the blunt top and bottom corners it may end
// quickly.
constexpr double kTaperSharp = 18.0;
constexpr double kTaperBlunt = 4.0;

struct TEdgeDistance {
  double across;  // distance from the edge line into the diamond
  double along;   // position along the edge from its first corner, clamped to the edge
};

TEdgeDistance Measure(int edge, double px, double py) {
  const TPoint2 a = kCorners[edge];
  const TPoint2 b = kCorners[(edge + 1) % 4];
  const double dx = (b.x - a.x) / kEdgeLength;
  const double dy = (b.y - a.y) / kEdgeLength;
  const double rx = px - a.x;
  const double ry = py - a.y;
  return {std::fabs(rx * dy - ry * dx), std::clamp(rx * dx + ry * dy, 0.0, kEdgeLength)};
}

// How much of its full width the strip along edge has at this point (0..1).
double Taper(int edge, int mask, double along) {
  const int before = (edge + 3) % 4;
  const int after = (edge + 1) % 4;
  const bool startSharp = edge % 2 == 0;  // edges 0 and 2 start at the left and right corners
  double factor = 1.0;
  auto ramp = [](double distance, bool sharp) {
    // The rim pixels next to a corner sit half a pixel in from both edges, closer than the edges'
    // angle alone suggests, so the strip starts a little way out from the corner.
    return sharp ? (distance - 3.0) / kTaperSharp : (distance - 1.5) / kTaperBlunt;
  };
  if (!(mask & (1 << before))) factor = std::min(factor, ramp(along, startSharp));
  if (!(mask & (1 << after))) factor = std::min(factor, ramp(kEdgeLength - along, !startSharp));
  return std::clamp(factor, 0.0, 1.0);
}

// A gentle wobble so that long shores do not run ruler-straight.
double Wobble(int edge, double along) {
  return 1.0 + 0.12 * std::sin(along / kEdgeLength * 2.0 * 3.14159265 * 2.0 + edge * 1.7);
}

TRgb WaterAt(const TLook& look, double x, double y) {
  const double n = GridNoise(x, y, 4, 2, look.seed + 11) * 0.6 + GridNoise(x, y, 8, 4, look.seed + 12) * 0.4;
  return Scale(look.water, 0.95 + 0.09 * n);
}

TRgb GrassAt(const TLook& look, double x, double y) {
  const double broad = GridNoise(x, y, 4, 2, look.seed + 21);
  const double fine = GridNoise(x, y, 16, 8, look.seed + 22);
  const double blades = Hash01(static_cast<uint32_t>(std::fmod(x - 2 * y + 6400, 64)),
                               static_cast<uint32_t>(std::fmod(y + 1600, 16)), look.seed + 23);
  TRgb c = Mix(look.grass, look.grassDark, broad * 0.55 + fine * 0.3);
  return Scale(c, 0.94 + 0.1 * blades);
}

TRgb SandAt(const TLook& look, double x, double y) {
  const double broad = GridNoise(x, y, 4, 2, look.seed + 31);
  const double grain = Hash01(static_cast<uint32_t>(std::fmod(x - 2 * y + 6400, 64)),
                              static_cast<uint32_t>(std::fmod(y + 1600, 16)), look.seed + 32);
  return Scale(Mix(look.sand, look.wetSand, broad * 0.25), 0.95 + 0.07 * grain);
}

}  // namespace

void DrawWater(TTileCanvas& canvas, const TLook& look) {
  for (int y = 0; y < kTileH; ++y) {
    for (int x = 0; x < kTileW; ++x) {
      if (InDiamond(x, y)) canvas.SetGround(x, y, WaterAt(look, x + 0.5, y + 0.5));
    }
  }
}

void DrawShallows(TTileCanvas& canvas, const TLook& look, double strength) {
  for (int y = 0; y < kTileH; ++y) {
    for (int x = 0; x < kTileW; ++x) {
      if (!InDiamond(x, y)) continue;
      double inner = 1e9;
      for (int e = 0; e < 4; ++e) inner = std::min(inner, Measure(e, x + 0.5, y + 0.5).across);
      const double blob = GridNoise(x + 0.5, y + 0.5, 4, 2, look.seed + 41);
      // A rounded sandbar, gone before the rim so that it sits in any water.
      const double ex = (x + 0.5 - 32) / 32;
      const double ey = (y + 0.5 - 16) / 16;
      const double round = std::clamp((0.75 - std::sqrt(ex * ex + ey * ey)) / 0.45, 0.0, 1.0);
      const double t = std::clamp((inner - 1.5) / 4.0, 0.0, 1.0) * round * (0.6 + 0.4 * blob) * strength;
      canvas.SetGround(x, y, Mix(WaterAt(look, x + 0.5, y + 0.5), look.shallow, t));
    }
  }
}

void DrawDeepHole(TTileCanvas& canvas, const TLook& look) {
  for (int y = 0; y < kTileH; ++y) {
    for (int x = 0; x < kTileW; ++x) {
      if (!InDiamond(x, y)) continue;
      // Measured in the diamond's own metric, so the darkening is gone before the rim.
      const double r = std::fabs(x + 0.5 - 32) / 32 + std::fabs(y + 0.5 - 16) / 16;
      const double t = std::clamp((0.88 - r) / 0.55, 0.0, 1.0);
      canvas.SetGround(x, y, Mix(WaterAt(look, x + 0.5, y + 0.5), look.waterShade, t * t * (3 - 2 * t) * 0.45));
    }
  }
}

void DrawLand(TTileCanvas& canvas, const TLook& look, bool sandy, int mask) {
  for (int y = 0; y < kTileH; ++y) {
    for (int x = 0; x < kTileW; ++x) {
      if (!InDiamond(x, y)) continue;
      const double px = x + 0.5;
      const double py = y + 0.5;
      // Nearest shore: how far into land (negative: in the water) and the water strip's share.
      double shore = 1e9;
      double waterShare = 1e9;
      int shoreEdge = -1;
      double taper = 0;
      for (int e = 0; e < 4; ++e) {
        if (!(mask & (1 << e))) continue;
        const TEdgeDistance d = Measure(e, px, py);
        const double f = Taper(e, mask, d.along);
        const double width = kWaterWidth * Wobble(e, d.along) * f;
        if (d.across - width < shore) {
          shore = d.across - width;
          shoreEdge = e;
          taper = f;
        }
        waterShare = std::min(waterShare, width > 0 ? d.across / width : 1e9);
      }
      TRgb color;
      if (shoreEdge >= 0 && shore < 0) {
        // Water in the strip: plain at the rim, lighter over the rising bottom, foam at the beach.
        const double t = std::clamp(waterShare, 0.0, 1.0);
        color = Mix(WaterAt(look, px, py), look.shallow, std::pow(t, 1.6) * 0.85);
        if (t > 0.82) color = Mix(color, look.foam, (t - 0.82) / 0.18 * 0.75);
      } else {
        color = sandy ? SandAt(look, px, py) : GrassAt(look, px, py);
        if (shoreEdge >= 0) {
          const double beach = kBeachWidth * taper;
          if (shore < beach) {
            // Wet sand at the waterline, dry sand behind it, grass after.
            const double wet = std::clamp(1.0 - shore / (2.5 * taper), 0.0, 1.0);
            TRgb sand = Mix(SandAt(look, px, py), look.wetSand, wet * 0.8);
            color = sandy ? sand : Mix(sand, color, std::clamp((shore - beach + 1.5) / 1.5, 0.0, 1.0));
          } else if (sandy && shore < beach + kDampWidth * taper) {
            color = Mix(look.wetSand, color, (shore - beach) / (kDampWidth * taper) * 0.5 + 0.5);
          }
          // The bank facing the viewer (lower edges) is in shade, the far ones catch the light.
          if (shore < 1.2 * taper) color = Scale(color, shoreEdge >= 2 ? 0.82 : 1.08);
        }
      }
      canvas.SetGround(x, y, color);
    }
  }
}

void DrawRipples(TTileCanvas& canvas, int variant, int frame, int frames) {
  cairo_t* cr = canvas.Cr();
  canvas.ClipToDiamond(5);
  struct TMark {
    double x, y, len, phase;
  };
  static const TMark kMarks[2][4] = {
      {{22, 12, 9, 0.0}, {40, 17, 11, 0.35}, {28, 22, 8, 0.6}, {46, 13, 6, 0.8}},
      {{18, 17, 10, 0.2}, {34, 10, 8, 0.5}, {44, 21, 10, 0.75}, {30, 17, 6, 0.0}},
  };
  const double lift = canvas.Lift();
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const TMark& m : kMarks[variant % 2]) {
    const double t = std::fmod(double(frame) / frames + m.phase, 1.0);
    const double alpha = std::sin(t * 3.14159265) * 0.55;
    const double drift = t * 4.0;
    cairo_set_source_rgba(cr, 0.88, 0.95, 1.0, alpha);
    cairo_new_path(cr);
    cairo_move_to(cr, m.x - m.len / 2 + drift, lift + m.y);
    cairo_curve_to(cr, m.x - m.len / 4 + drift, lift + m.y + 1.6, m.x + m.len / 4 + drift, lift + m.y + 1.6,
                   m.x + m.len / 2 + drift, lift + m.y);
    cairo_stroke(cr);
    cairo_set_source_rgba(cr, 0.1, 0.25, 0.4, alpha * 0.35);
    cairo_new_path(cr);
    cairo_move_to(cr, m.x - m.len / 2 + drift, lift + m.y + 1.3);
    cairo_curve_to(cr, m.x - m.len / 4 + drift, lift + m.y + 2.9, m.x + m.len / 4 + drift, lift + m.y + 2.9,
                   m.x + m.len / 2 + drift, lift + m.y + 1.3);
    cairo_stroke(cr);
  }
  canvas.ResetClip();
}

void DrawSparkles(TTileCanvas& canvas, int frame, int frames) {
  cairo_t* cr = canvas.Cr();
  canvas.ClipToDiamond(5);
  static const double kGlints[3][3] = {{24, 13, 0.0}, {38, 19, 0.33}, {31, 23, 0.66}};
  const double lift = canvas.Lift();
  for (const auto& g : kGlints) {
    const double t = std::fmod(double(frame) / frames + g[2], 1.0);
    const double size = std::sin(t * 3.14159265);
    if (size < 0.15) continue;
    cairo_set_source_rgba(cr, 1.0, 1.0, 0.92, 0.85 * size);
    cairo_set_line_width(cr, 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, g[0] - 3 * size, lift + g[1]);
    cairo_line_to(cr, g[0] + 3 * size, lift + g[1]);
    cairo_move_to(cr, g[0], lift + g[1] - 1.5 * size);
    cairo_line_to(cr, g[0], lift + g[1] + 1.5 * size);
    cairo_stroke(cr);
  }
  canvas.ResetClip();
}
