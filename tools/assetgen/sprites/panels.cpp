// The pictures shown over play while it pauses: the strike, a landed or lost fish, a monster's
// attack, and the two info stops whose text the game writes into their slate at fixed places.
#include <cmath>

#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/items.h"
#include "tools/assetgen/sprites/models.h"
#include "tools/assetgen/sprites/portrait.h"
#include "tools/assetgen/sprites/text.h"

namespace sprites {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kPlayHeight = 480 - kDashHeight;

// A wooden board with a brass edge and a dark outline, filling the canvas.
void Board(cairo_t* cr, int w, int h, int seed) {
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 12);
  SetColor(cr, 0x18181E);
  cairo_fill(cr);
  cairo_save(cr);
  RoundedRect(cr, 2, 2, w - 4, h - 4, 10);
  cairo_clip(cr);
  Planks(cr, 0, 0, w, h, 18, 0xB07A46, seed);
  cairo_restore(cr);
  RoundedRect(cr, 3, 3, w - 6, h - 6, 9);
  SetColor(cr, 0xFFE8A8, 0.7);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

// Where an info panel sits on screen (as the game centres it over the play area).
int PanelLeft(int w) { return (640 - w) / 2; }
int PanelTop(int h) { return (kPlayHeight - h) / 2; }

void Hook(cairo_t* cr, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  // Shank down, the bend round the bottom, up to the point; the barb flares from the point.
  auto path = [cr]() {
    cairo_move_to(cr, 0, -30);
    cairo_line_to(cr, 0, 8);
    cairo_arc(cr, -10, 8, 10, 0, kPi);
    cairo_line_to(cr, -20, -4);
  };
  path();
  cairo_set_line_width(cr, 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColor(cr, 0x18181E);
  cairo_stroke(cr);
  path();
  cairo_set_line_width(cr, 4);
  SetColor(cr, 0xD0D4DC);
  cairo_stroke(cr);
  cairo_move_to(cr, -20, -12);
  cairo_line_to(cr, -26, 0);
  cairo_line_to(cr, -19, -3);
  cairo_close_path(cr);
  SetColor(cr, 0xD0D4DC);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x18181E);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_arc(cr, 0, -32, 4, 0, 2 * kPi);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_restore(cr);
}

Image Finish(const Canvas& c) {
  Image img = c.Take();
  Harden(img, 128);
  return img;
}

Image StrikePanel() {
  Canvas c(300, 128);
  cairo_t* cr = c.Cr();
  Board(cr, 300, 128, 11);
  SunkenPanel(cr, 14, 14, 272, 100, 0x1C3A50);
  Hook(cr, 64, 68, 1.2);
  UseFace(cr, Face::SansBold, 40);
  OutlinedText(cr, 180, 72, "STRIKE!", 0xFFE050, 0x301808, 2.5);
  UseFace(cr, Face::SansBold, 12);
  OutlinedText(cr, 180, 98, "CLICK IN THE GREEN", 0xFFFFFF, 0x18181E, 1.5);
  return Finish(c);
}

Image CaughtPanel() {
  Canvas c(320, 140);
  cairo_t* cr = c.Cr();
  Board(cr, 320, 140, 12);
  SunkenPanel(cr, 14, 14, 292, 112, 0x2A5A3A);
  FishShape(cr, 100, 76, 130, 0x5C9A48, 0xF0E8A8);
  UseFace(cr, Face::SansBold, 30);
  OutlinedText(cr, 236, 70, "GOT", 0xFFE050, 0x301808, 2.5);
  OutlinedText(cr, 236, 104, "HIM!", 0xFFE050, 0x301808, 2.5);
  return Finish(c);
}

Image LostPanel() {
  Canvas c(300, 128);
  cairo_t* cr = c.Cr();
  Board(cr, 300, 128, 13);
  SunkenPanel(cr, 14, 14, 272, 100, 0x4A2A2A);
  // A slack, snapped line curling down to an empty end.
  cairo_move_to(cr, 30, 24);
  cairo_curve_to(cr, 60, 40, 40, 70, 70, 80);
  cairo_curve_to(cr, 90, 88, 80, 100, 92, 104);
  SetColor(cr, 0xE8E8FF);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {
    const double a = -0.6 + i * 0.6;
    cairo_move_to(cr, 92 + 4 * std::cos(a), 104 + 4 * std::sin(a));
    cairo_line_to(cr, 92 + 9 * std::cos(a), 104 + 9 * std::sin(a));
  }
  SetColor(cr, 0xFFE050);
  cairo_stroke(cr);
  UseFace(cr, Face::SansBold, 28);
  OutlinedText(cr, 186, 64, "IT GOT", 0xFF8A60, 0x301010, 2.5);
  OutlinedText(cr, 186, 98, "AWAY!", 0xFF8A60, 0x301010, 2.5);
  return Finish(c);
}

Image GotPanel(const std::string& kind) {
  Canvas c(360, 220);
  cairo_t* cr = c.Cr();
  Board(cr, 360, 220, 14);
  SunkenPanel(cr, 14, 14, 332, 192, 0x2A78B0);
  // Churned water with splashes where the monster breaks the surface.
  cairo_save(cr);
  RoundedRect(cr, 15, 15, 330, 190, 3);
  cairo_clip(cr);
  for (int i = 0; i < 14; ++i) {
    const double a = i * 2 * kPi / 14;
    cairo_save(cr);
    cairo_translate(cr, 180 + 120 * std::cos(a), 150 + 40 * std::sin(a));
    cairo_scale(cr, 1, 0.45);
    cairo_arc(cr, 0, 0, 14 + 6 * std::sin(i * 2.3), 0, 2 * kPi);
    cairo_restore(cr);
    SetColor(cr, i % 2 ? 0xE8F6FF : 0xB8DCF0);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  c.Paint(MonsterCloseUp(kind, 330, 190), 15, 10);
  UseFace(cr, Face::SansBold, 34);
  OutlinedText(cr, 252, 56, "CHOMP!", 0xFF5040, 0x300808, 3);
  return Finish(c);
}

// An info stop: a picture at the left and a slate on the right that the game writes the stop's
// text into, starting one glyph right of (textX, textY) on screen.
Image InfoPanel(int w, int h, int textX, int textY, const std::string& title, bool talk) {
  Canvas c(w, h);
  cairo_t* cr = c.Cr();
  Board(cr, w, h, talk ? 21 : 22);
  const int slateX = textX - PanelLeft(w) - 6, slateY = textY - PanelTop(h) - 10;
  SunkenPanel(cr, slateX, slateY, w - slateX - 12, h - slateY - 12, 0x1E3446);
  UseFace(cr, Face::SansBold, 17);
  OutlinedText(cr, slateX + (w - slateX - 12) / 2.0, slateY - 10, title, 0xFFF2C8, 0x3A2210, 1.5);
  if (talk) {
    const PortraitStyle style = OldTimerStyle();
    SunkenPanel(cr, 16, 16, slateX - 40, h - 32, 0x8CCAF0);
    c.Paint(Portrait(150, style), 16 + (slateX - 40 - 150) / 2.0, h - 16 - 150);
    // A speech tail from the portrait to the slate.
    cairo_move_to(cr, slateX - 26, 70);
    cairo_line_to(cr, slateX + 1, 60);
    cairo_line_to(cr, slateX + 1, 84);
    cairo_close_path(cr);
    SetColor(cr, 0x1E3446);
    cairo_fill_preserve(cr);
    SetColor(cr, 0x101418);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  } else {
    // A red and white channel buoy riding on the lake, with a bell on top.
    const double cx = (slateX - 12) / 2.0 + 6, base = h - 46;
    SunkenPanel(cr, 16, 16, slateX - 40, h - 32, 0x8CCAF0);
    cairo_rectangle(cr, 17, base - 4, slateX - 42, h - 17 - base + 4);
    VerticalGradient(cr, base - 4, h - 17, 0x3C8CC8, 0x1E5A96);
    cairo_fill(cr);
    for (int band = 0; band < 4; ++band) {
      const double y0 = base - 20 - band * 22;
      cairo_move_to(cr, cx - 30 + band * 5, y0 + 22);
      cairo_line_to(cr, cx + 30 - band * 5, y0 + 22);
      cairo_line_to(cr, cx + 25 - band * 5, y0);
      cairo_line_to(cr, cx - 25 + band * 5, y0);
      cairo_close_path(cr);
      VerticalGradient(cr, y0, y0 + 22, band % 2 ? 0xFFFFFF : 0xF04A38, band % 2 ? 0xC8C8C8 : 0xA82418);
      cairo_fill_preserve(cr);
      SetColor(cr, 0x18181E);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
    cairo_arc(cr, cx, base - 20 - 88 - 8, 9, kPi, 2 * kPi);
    cairo_line_to(cr, cx + 11, base - 20 - 88);
    cairo_line_to(cr, cx - 11, base - 20 - 88);
    cairo_close_path(cr);
    VerticalGradient(cr, base - 126, base - 108, 0xFFE8A0, 0x9A7030);
    cairo_fill_preserve(cr);
    SetColor(cr, 0x18181E);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, base - 2);
    cairo_scale(cr, 1, 0.3);
    cairo_arc(cr, 0, 0, 44, 0, 2 * kPi);
    cairo_restore(cr);
    SetColor(cr, 0xE8F6FF);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  return Finish(c);
}

}  // namespace

std::vector<TPictureItemData> MakePanels() {
  std::vector<TPictureItemData> items = {
      SinglePicture("hook", StrikePanel()),
      SinglePicture("caught", CaughtPanel()),
      SinglePicture("lost", LostPanel()),
      SinglePicture("buoy", InfoPanel(560, 200, 285, 145, "LAKE NOTICE", false)),
      SinglePicture("talk", InfoPanel(592, 200, 280, 148, "AN OLD-TIMER SAYS", true)),
  };
  for (const std::string& kind : MonsterKinds()) items.push_back(SinglePicture("got" + kind, GotPanel(kind)));
  return items;
}

}  // namespace sprites
