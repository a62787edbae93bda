// The dashboard under the play area: a wooden console whose brass-framed windows sit exactly where
// the game draws the catch meter, the strike bar, the clock, the cash and the catch text.
#include <cmath>
#include <string>

#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/items.h"
#include "tools/assetgen/sprites/text.h"

namespace sprites {

namespace {

constexpr int kTop = 480 - kDashHeight;  // screen row of the dashboard's first row

// Where the game draws on the dashboard (screen coordinates).
constexpr int kMeterX = 58, kMeterY = 389, kMeterW = 204, kMeterH = 32;
constexpr int kBarX = 284, kBarY = 419, kBarW = 240, kBarH = 28;
constexpr int kClockX = 548 + 16, kClockY = 416, kClockW = 3 * 16, kClockH = 24;
// Cash: seven bigfont cells from x 10 + 22; catch text: up to 21 font cells from x 64 + 9.
constexpr int kCashY = 443, kCashH = 13;
constexpr int kCatchH = 10;
constexpr unsigned kScreen = 0x14283A;

void Label(cairo_t* cr, double x, double y, const std::string& text, double size) {
  UseFace(cr, Face::SansBold, size);
  OutlinedText(cr, x, y, text, 0xFFF2C8, 0x3A2210, 1.2);
}

void Rivet(cairo_t* cr, double x, double y) {
  cairo_arc(cr, x, y, 2.2, 0, 6.2832);
  VerticalGradient(cr, y - 2, y + 2, 0xFFF0B0, 0x7A5420);
  cairo_fill(cr);
}

Image Dash() {
  Canvas c(640, kDashHeight);
  cairo_t* cr = c.Cr();
  Planks(cr, 0, 0, 640, kDashHeight, 16.5, 0xA0683A, 7);
  // A rounded brass rail along the top edge, lit from above.
  cairo_rectangle(cr, 0, 0, 640, 5);
  VerticalGradient(cr, 0, 5, 0xFFE8A0, 0x8A6228);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 5, 640, 1);
  SetColor(cr, 0x2A1A0C);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 6, 640, 3);
  SetColor(cr, 0x000000, 0.3);
  cairo_fill(cr);
  // Windows, each a little larger than what is drawn in it.
  BrassFrame(cr, kMeterX - 5, kMeterY - kTop - 3, kMeterW + 10, kMeterH + 6, kScreen);
  BrassFrame(cr, 26, kCashY - kTop - 4, 242, kCashH + kCatchH + 9, kScreen);
  BrassFrame(cr, kBarX - 5, kBarY - kTop - 4, kBarW + 10, kBarH + 8, kScreen);
  BrassFrame(cr, kClockX - 6, kClockY - kTop - 4, kClockW + 12, kClockH + 8, 0x1A0E0C);
  // The game's name and the labels of the strike bar and the clock.
  UseFace(cr, Face::SerifBold, 21);
  OutlinedText(cr, kBarX + kBarW / 2.0, 30, "Tarnhook", 0xFFF4D0, 0x3A2210, 1.6);
  Label(cr, kBarX + kBarW / 2.0, kBarY - kTop + kBarH + 18, "STRIKE", 10);
  Label(cr, kClockX + kClockW / 2.0, kClockY - kTop - 8, "TIME", 9);
  Label(cr, kClockX + kClockW / 2.0, kClockY - kTop + kClockH + 18, "SEC", 9);
  for (double x : {8.0, 632.0, 272.0, 540.0}) {
    Rivet(cr, x, 16);
    Rivet(cr, x, 90);
  }
  Image img = c.Take();
  for (uint32_t& p : img.Pixels) p |= 0xFF000000u;
  return img;
}

// The catch meter: six slots, the first `count` with a bright fish, the rest a faint shape.
Image Meter(int count) {
  Canvas c(kMeterW, kMeterH);
  cairo_t* cr = c.Cr();
  for (int i = 0; i < 6; ++i) {
    const double cx = 17 + i * 34, cy = kMeterH / 2.0;
    if (i < count) {
      FishShape(cr, cx, cy, 30, 0x5C9A48, 0xF0E8A8);
    } else {
      FishShape(cr, cx, cy, 30, 0x30485A, 0x3C5A6C);
    }
  }
  Image img = c.Take();
  Harden(img, 128);
  return img;
}

// The strike bar with its needle at position `pos` of kPowerbarPatterns. The game lands the fish
// when the needle stops within two positions of (patterns + 2) div 2, which is marked green.
Image Bar(int pos) {
  Canvas c(kBarW, kBarH);
  cairo_t* cr = c.Cr();
  const int middle = (kPowerbarPatterns + 2) / 2;
  const double x0 = 10, x1 = kBarW - 10;
  auto xOf = [&](double p) { return x0 + (x1 - x0) * p / (kPowerbarPatterns - 1); };
  // Track: red at the ends through orange and yellow to the green landing zone.
  for (int p = 0; p < kPowerbarPatterns; ++p) {
    const int off = std::abs(p - middle);
    const unsigned color = off < 3 ? 0x3CD24A : off < 6 ? 0xF0D23C : off < 10 ? 0xF08C28 : 0xD83C2C;
    cairo_rectangle(cr, xOf(p - 0.5), 9, xOf(p + 0.5) - xOf(p - 0.5) + 0.3, 10);
    SetColor(cr, color);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, xOf(-0.5), 9, xOf(kPowerbarPatterns - 0.5) - xOf(-0.5), 10);
  SetColor(cr, 0x181818);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, xOf(-0.5) + 1, 10, xOf(kPowerbarPatterns - 0.5) - xOf(-0.5) - 2, 3);
  SetColor(cr, 0xFFFFFF, 0.35);
  cairo_fill(cr);
  // Needle: a white pointer above and below the track.
  const double x = xOf(pos);
  cairo_move_to(cr, x - 5, 1);
  cairo_line_to(cr, x + 5, 1);
  cairo_line_to(cr, x, 9);
  cairo_close_path(cr);
  cairo_move_to(cr, x - 5, kBarH - 1);
  cairo_line_to(cr, x + 5, kBarH - 1);
  cairo_line_to(cr, x, 19);
  cairo_close_path(cr);
  SetColor(cr, 0xFFFFFF);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x181818);
  cairo_stroke(cr);
  cairo_rectangle(cr, x - 1, 8, 2, 12);
  SetColor(cr, 0xFFFFFF);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x181818);
  cairo_stroke(cr);
  Image img = c.Take();
  Harden(img, 100);
  return img;
}

}  // namespace

std::vector<TPictureItemData> MakeDashboard() {
  std::vector<TPictureItemData> items;
  items.push_back(SinglePicture("fishdash", Dash(), false));
  std::vector<Image> meter;
  for (int n = 0; n <= 6; ++n) meter.push_back(Meter(n));
  items.push_back(PatternSheet("fishmeter", meter, 7));
  std::vector<Image> bar;
  for (int p = 0; p < kPowerbarPatterns; ++p) bar.push_back(Bar(p));
  items.push_back(PatternSheet("powerbar", bar, 4));
  return items;
}

}  // namespace sprites
