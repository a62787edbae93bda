// The throw meter "power": a chrome-rimmed gauge whose arc fills with the power and a strip below
// it that fills with the accuracy, the straight sweet spot marked. The program draws the power
// pattern and then the accuracy pattern over it, so patterns 64..127 leave the gauge's pixels in
// the colour key and the power drawn first shows through. The lower right corner stays plain:
// the help button is drawn there.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/bowling_art/graphics.h"
#include "tools/assetgen/bowling_art/layout.h"
#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/text.h"

namespace bowling_art {

using sprites::Canvas;
using sprites::Image;
using sprites::SetColor;

namespace {

constexpr double kPi = 3.14159265358979323846;

// The gauge: a half ring around (kHubX, kHubY); its zone is what the accuracy patterns key out.
constexpr double kHubX = kMeterW / 2.0, kHubY = 100;
constexpr double kOuter = 70, kInner = 48;
constexpr double kZoneRadius = 76, kZoneBottom = 110;
// The accuracy strip.
constexpr double kStripX = 12, kStripY = 116, kStripW = kMeterW - 24, kStripH = 16;

bool InPowerZone(int x, int y) {
  return y <= kZoneBottom && std::hypot(x + 0.5 - kHubX, y + 0.5 - kHubY) <= kZoneRadius;
}

void Rgb(cairo_t* cr, double r, double g, double b) { cairo_set_source_rgb(cr, r, g, b); }

// The colour of the power at fraction f of the arc: cool when weak, hot when strong.
void PowerColor(cairo_t* cr, double f, double bright) {
  const double stops[][4] = {{0, 0.25, 0.55, 0.95}, {0.55, 0.95, 0.82, 0.2}, {0.8, 1.0, 0.5, 0.12}, {1, 1.0, 0.16, 0.1}};
  for (size_t i = 1; i < std::size(stops); ++i) {
    if (f <= stops[i][0] || i + 1 == std::size(stops)) {
      const double t = std::clamp((f - stops[i - 1][0]) / (stops[i][0] - stops[i - 1][0]), 0.0, 1.0);
      auto ch = [&](int k) { return (stops[i - 1][k] + (stops[i][k] - stops[i - 1][k]) * t) * bright; };
      Rgb(cr, ch(1), ch(2), ch(3));
      return;
    }
  }
}

// Green at the sweet spot through yellow to red at the ends of the accuracy range.
void AccuracyColor(cairo_t* cr, int value, double bright) {
  const double d = std::min(1.0, std::abs(value - kSweetSpot) / 32.0);
  const double r = d < 0.3 ? 0.3 + d / 0.3 * 0.65 : 0.95;
  const double g = d < 0.3 ? 0.85 : 0.85 - (d - 0.3) / 0.7 * 0.65;
  Rgb(cr, r * bright, g * bright, 0.2 * bright);
}

double StripX(int value) { return kStripX + kStripW * (value - kAccuracyFirst) / (kAccuracyLast - kAccuracyFirst + 1.0); }

void Panel(cairo_t* cr) {
  sprites::RoundedRect(cr, 0.5, 0.5, kMeterW - 1, kMeterH - 1, 14);
  sprites::VerticalGradient(cr, 0, kMeterH, 0x2A0C0A, 0x0E0404);
  cairo_fill(cr);
  sprites::RoundedRect(cr, 2, 2, kMeterW - 4, kMeterH - 4, 12.5);
  cairo_pattern_t* chrome = cairo_pattern_create_linear(0, 0, kMeterW * 0.4, kMeterH);
  cairo_pattern_add_color_stop_rgb(chrome, 0, 0.97, 0.97, 0.99);
  cairo_pattern_add_color_stop_rgb(chrome, 0.3, 0.42, 0.43, 0.48);
  cairo_pattern_add_color_stop_rgb(chrome, 0.55, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(chrome, 1, 0.38, 0.39, 0.44);
  cairo_set_source(cr, chrome);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_pattern_destroy(chrome);
  sprites::UseFace(cr, sprites::Face::SansBold, 12);
  sprites::OutlinedText(cr, kHubX, 19, "POWER", 0xFFE8B0, 0x200404, 1.5);
  sprites::UseFace(cr, sprites::Face::SansBold, 11);
  sprites::OutlinedText(cr, 62, kStripY + kStripH + 17, "ACCURACY", 0xFFE8B0, 0x200404, 1.5);
}

void Gauge(cairo_t* cr, int power) {
  const double f = std::min(power, kPowerMax) / static_cast<double>(kPowerMax);
  // The unlit track in dim segments, then the lit part up to the power.
  const int segments = 31;
  for (int s = 0; s < segments; ++s) {
    const double a0 = kPi + kPi * s / segments + 0.012, a1 = kPi + kPi * (s + 1) / segments - 0.012;
    const double mid = (s + 0.5) / segments;
    cairo_new_path(cr);
    cairo_arc(cr, kHubX, kHubY, kOuter, a0, a1);
    cairo_arc_negative(cr, kHubX, kHubY, kInner, a1, a0);
    cairo_close_path(cr);
    PowerColor(cr, mid, mid * segments < f * segments ? 1.0 : 0.22);
    cairo_fill(cr);
  }
  if (f > 0 && f < 1) {
    // The last segment lights in part, so every value moves the fill.
    const double a0 = kPi + kPi * std::floor(f * segments) / segments, a1 = kPi + kPi * f;
    cairo_new_path(cr);
    cairo_arc(cr, kHubX, kHubY, kOuter, a0, a1);
    cairo_arc_negative(cr, kHubX, kHubY, kInner, a1, a0);
    cairo_close_path(cr);
    PowerColor(cr, f, 1.0);
    cairo_fill(cr);
  }
  // Chrome edges of the track and ticks every eighth.
  cairo_new_path(cr);
  cairo_arc(cr, kHubX, kHubY, kOuter + 1.5, kPi, 2 * kPi);
  SetColor(cr, 0xD8DAE0);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int t = 0; t <= 8; ++t) {
    const double a = kPi + kPi * t / 8;
    cairo_move_to(cr, kHubX + (kOuter + 2) * std::cos(a), kHubY + (kOuter + 2) * std::sin(a));
    cairo_line_to(cr, kHubX + (kOuter + 5) * std::cos(a), kHubY + (kOuter + 5) * std::sin(a));
  }
  SetColor(cr, 0xD8DAE0);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  sprites::UseFace(cr, sprites::Face::SansBold, 9);
  sprites::OutlinedText(cr, kHubX + kOuter - 8, kHubY + 9, "MAX", 0xFF8A60, 0x200404, 1.2);
  sprites::OutlinedText(cr, kHubX - kOuter + 9, kHubY + 9, "0", 0x9AB8E8, 0x200404, 1.2);
  // The needle from the hub to the power, with a chrome hub.
  const double a = kPi + kPi * f;
  cairo_move_to(cr, kHubX + 6 * std::cos(a + kPi / 2), kHubY + 6 * std::sin(a + kPi / 2));
  cairo_line_to(cr, kHubX + (kOuter - 2) * std::cos(a), kHubY + (kOuter - 2) * std::sin(a));
  cairo_line_to(cr, kHubX + 6 * std::cos(a - kPi / 2), kHubY + 6 * std::sin(a - kPi / 2));
  cairo_close_path(cr);
  SetColor(cr, 0x200404);
  cairo_set_line_width(cr, 2.5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  SetColor(cr, 0xFFF4E0);
  cairo_fill(cr);
  cairo_arc(cr, kHubX, kHubY, 8, 0, 2 * kPi);
  sprites::VerticalGradient(cr, kHubY - 8, kHubY + 8, 0xFFFFFF, 0x5A5C64);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x200404);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// The strip, lit from its left end up to `value` (64: nothing lit), with the marker at value.
void Strip(cairo_t* cr, int value) {
  cairo_rectangle(cr, kStripX - 2, kStripY - 2, kStripW + 4, kStripH + 4);
  SetColor(cr, 0xD8DAE0);
  cairo_fill(cr);
  cairo_rectangle(cr, kStripX - 1, kStripY - 1, kStripW + 2, kStripH + 2);
  SetColor(cr, 0x100404);
  cairo_fill(cr);
  for (int v = kAccuracyFirst; v <= kAccuracyLast; ++v) {
    cairo_rectangle(cr, StripX(v), kStripY, StripX(v + 1) - StripX(v) + 0.05, kStripH);
    AccuracyColor(cr, v, v <= value && value > kAccuracyFirst ? 1.0 : 0.25);
    cairo_fill(cr);
  }
  // The sweet spot: notches above and below the strip.
  const double sx = (StripX(kSweetSpot) + StripX(kSweetSpot + 1)) / 2;
  for (double dir : {-1.0, 1.0}) {
    const double y = dir < 0 ? kStripY - 2 : kStripY + kStripH + 2;
    cairo_move_to(cr, sx, y);
    cairo_line_to(cr, sx - 4, y + dir * 6);
    cairo_line_to(cr, sx + 4, y + dir * 6);
    cairo_close_path(cr);
  }
  SetColor(cr, 0x60FF70);
  cairo_fill(cr);
  cairo_rectangle(cr, sx - 0.5, kStripY, 1, kStripH);
  SetColor(cr, 0xFFFFFF, 0.6);
  cairo_fill(cr);
  if (value > kAccuracyFirst) {
    const double mx = (StripX(value) + StripX(value + 1)) / 2;
    cairo_rectangle(cr, mx - 2, kStripY - 4, 4, kStripH + 8);
    SetColor(cr, 0xFFFFFF);
    cairo_fill_preserve(cr);
    SetColor(cr, 0x100404);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

Image Pattern(int n) {
  Canvas c(kMeterW, kMeterH);
  cairo_t* cr = c.Cr();
  Panel(cr);
  Strip(cr, n >= kAccuracyFirst ? n : kAccuracyFirst);
  if (n < kAccuracyFirst) Gauge(cr, n);
  Image img = c.Take();
  sprites::Harden(img, 100);
  if (n >= kAccuracyFirst) {
    for (int y = 0; y < img.Height; ++y) {
      for (int x = 0; x < img.Width; ++x) {
        if (InPowerZone(x, y)) img.At(x, y) = 0;
      }
    }
  }
  return img;
}

}  // namespace

TPictureItemData MakeMeter() {
  std::vector<Image> patterns;
  for (int n = 0; n < kMeterPatterns; ++n) patterns.push_back(Pattern(n));
  return sprites::PatternSheet("power", patterns, 16);
}

}  // namespace bowling_art
