// The fishing form's own pictures: a sunny lake for the title screen, the same lake behind the
// menu with the wooden menu bar under the hot buttons, a sketch map for lakes without one, and the
// angler's portrait.
#include <cmath>

#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/form_pictures.h"
#include "tools/assetgen/sprites/models.h"
#include "tools/assetgen/sprites/portrait.h"
#include "tools/assetgen/sprites/shapes.h"
#include "tools/assetgen/sprites/text.h"

namespace sprites {

namespace {

constexpr double kPi = 3.14159265358979323846;

uint32_t Lcg(uint32_t& s) {
  s = s * 1664525u + 1013904223u;
  return s >> 8;
}

// Sky, sun, hills, a pine shore and the lake, for a w x h picture with the horizon at `horizon`.
void Lake(cairo_t* cr, int w, int h, double horizon, int seed) {
  VerticalGradient(cr, 0, horizon, 0x5AAEEA, 0xD2EEFF);
  cairo_rectangle(cr, 0, 0, w, horizon + 1);
  cairo_fill(cr);
  // The sun in the upper left, with a soft glow.
  cairo_pattern_t* glow = cairo_pattern_create_radial(70, 60, 10, 70, 60, 150);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 0.85, 0.9);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 0.85, 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  cairo_arc(cr, 70, 60, 26, 0, 2 * kPi);
  SetColor(cr, 0xFFF8D0);
  cairo_fill(cr);
  uint32_t s = static_cast<uint32_t>(seed);
  // Clouds.
  for (int i = 0; i < 5; ++i) {
    const double cx = 160 + i * 110 + Lcg(s) % 40, cy = 40 + Lcg(s) % 50;
    for (int k = 0; k < 5; ++k) {
      cairo_arc(cr, cx + k * 14 - 28, cy + ((k % 2) ? -6 : 2), 12 + (k % 3) * 4, 0, 2 * kPi);
    }
    SetColor(cr, 0xFFFFFF, 0.85);
    cairo_fill(cr);
  }
  // Far hills in two layers of blue-green.
  for (int layer = 0; layer < 2; ++layer) {
    cairo_move_to(cr, 0, horizon);
    for (int x = 0; x <= w; x += 8) {
      const double y = horizon - (layer ? 38 : 60) - 18 * std::sin(x * (layer ? 0.011 : 0.007) + layer * 2 + seed) -
                       8 * std::sin(x * 0.031 + layer);
      cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, w, horizon);
    cairo_close_path(cr);
    SetColor(cr, layer ? 0x5C9A7A : 0x88B8B0);
    cairo_fill(cr);
  }
  // A band of pines along the far shore.
  for (int x = -6; x < w + 6; x += 7) {
    const double th = 16 + Lcg(s) % 18;
    cairo_move_to(cr, x, horizon + 1);
    cairo_line_to(cr, x + 5, horizon - th);
    cairo_line_to(cr, x + 10, horizon + 1);
    cairo_close_path(cr);
    SetColor(cr, (x / 7) % 3 ? 0x2E6A3E : 0x24583A);
    cairo_fill(cr);
  }
  // The lake: deeper blue towards the viewer, with glints of the sun.
  cairo_rectangle(cr, 0, horizon, w, h - horizon);
  VerticalGradient(cr, horizon, h, 0x6AB4E0, 0x1E5E9C);
  cairo_fill(cr);
  for (int i = 0; i < 160; ++i) {
    const double y = horizon + 4 + std::pow((Lcg(s) % 1000) / 1000.0, 1.6) * (h - horizon - 4);
    const double x = Lcg(s) % w;
    const double len = 6 + (y - horizon) * 0.12;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len, y);
    SetColor(cr, 0xFFFFFF, 0.25 + 0.3 * (x < 220 ? 1 : 0));
    cairo_set_line_width(cr, 1 + (y - horizon) / 140);
    cairo_stroke(cr);
  }
}

// The speedboat with the angler casting, larger than life; tipX, tipY receive where the rod's
// tip lands on the picture.
Image BigBoat(int w, int h, double& tipX, double& tipY) {
  Model m = BoatShape(3, false);
  const Model angler = AnglerShape(0, 4);
  m.Append(angler);
  ScaleModel(m, 3.4);
  Camera cam;
  cam.Heading = 36;
  cam.Width = w;
  cam.Height = h;
  cam.OriginX = w * 0.42;
  cam.OriginY = h * 0.8;
  cam.HideBelowZ = 0;
  Project(cam, angler.Lines.front().B * 3.4, tipX, tipY);
  return Render(m, cam);
}

Image Title() {
  Canvas c(640, 480);
  cairo_t* cr = c.Cr();
  Lake(cr, 640, 480, 250, 3);
  // A leaping fish with its splash.
  cairo_save(cr);
  cairo_translate(cr, 470, 320);
  cairo_rotate(cr, -0.5);
  FishShape(cr, 0, 0, 90, 0x5C9A48, 0xF0E8A8);
  cairo_restore(cr);
  for (int i = 0; i < 9; ++i) {
    const double a = kPi + i * kPi / 8;
    cairo_arc(cr, 500 + 38 * std::cos(a), 366 + 10 * std::sin(a), 5, 0, 2 * kPi);
  }
  SetColor(cr, 0xF4FAFF);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, 500, 368);
  cairo_scale(cr, 1, 0.28);
  cairo_arc(cr, 0, 0, 46, 0, 2 * kPi);
  cairo_restore(cr);
  SetColor(cr, 0xE8F6FF);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  double tipX = 0, tipY = 0;
  const Image boat = BigBoat(320, 260, tipX, tipY);
  c.Paint(boat, 60, 206);
  // The line from the rod to the fish's mouth, sagging a little.
  const double mouthX = 470 + 43 * std::cos(-0.5), mouthY = 320 + 43 * std::sin(-0.5);
  cairo_move_to(cr, 60 + tipX, 206 + tipY);
  cairo_curve_to(cr, 60 + tipX + 60, 206 + tipY + 10, mouthX - 50, mouthY - 10, mouthX, mouthY);
  SetColor(cr, 0xF8F8FF, 0.9);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // The game's name, big, with a deep outline and a drop shadow.
  UseFace(cr, Face::SerifBold, 92);
  cairo_save(cr);
  cairo_translate(cr, 6, 6);
  OutlinedText(cr, 320, 150, "Tarnhook", 0x000000, 0x000000, 6);
  cairo_restore(cr);
  cairo_move_to(cr, 0, 0);
  cairo_pattern_t* gold = cairo_pattern_create_linear(0, 80, 0, 160);
  cairo_pattern_add_color_stop_rgb(gold, 0, 1.0, 0.96, 0.62);
  cairo_pattern_add_color_stop_rgb(gold, 0.55, 0.98, 0.72, 0.18);
  cairo_pattern_add_color_stop_rgb(gold, 1, 0.78, 0.42, 0.08);
  const double left = 320 - TextWidth(cr, "Tarnhook") / 2;
  cairo_move_to(cr, left, 150);
  cairo_text_path(cr, "Tarnhook");
  SetColor(cr, 0x2A1606);
  cairo_set_line_width(cr, 9);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  cairo_set_source(cr, gold);
  cairo_fill(cr);
  cairo_pattern_destroy(gold);
  UseFace(cr, Face::SansBold, 20);
  OutlinedText(cr, 320, 190, "LAKE FISHING ADVENTURES", 0xFFFFFF, 0x1A2A3A, 2.5);
  UseFace(cr, Face::SansBold, 16);
  OutlinedText(cr, 320, 458, "Click to start", 0xFFF2C8, 0x1A2A3A, 2);
  return c.Take();
}

// A carved button of the menu bar: brass frame, a sunken face, an icon and the caption.
void MenuButton(cairo_t* cr, const MenuLayout& b, int icon) {
  BrassFrame(cr, b.X + 3, b.Y + 3, b.W - 6, b.H - 6, 0x2C4A62);
  const double cx = b.X + b.W / 2.0, cy = b.Y + 19;
  switch (icon) {
    case 0:  // a head with a cap
      cairo_arc(cr, cx, cy + 2, 7, 0, 2 * kPi);
      SetColor(cr, 0xE4B48A);
      cairo_fill(cr);
      cairo_arc(cr, cx, cy - 1, 7.5, kPi, 2 * kPi);
      SetColor(cr, 0xD6C496);
      cairo_fill(cr);
      cairo_rectangle(cr, cx - 2, cy - 2, 12, 2.5);
      cairo_fill(cr);
      break;
    case 1:  // a cog
      for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        cairo_move_to(cr, cx + 6 * std::cos(a), cy + 6 * std::sin(a));
        cairo_line_to(cr, cx + 10 * std::cos(a), cy + 10 * std::sin(a));
      }
      SetColor(cr, 0xD8DCE4);
      cairo_set_line_width(cr, 3.5);
      cairo_stroke(cr);
      cairo_arc(cr, cx, cy, 7, 0, 2 * kPi);
      cairo_set_line_width(cr, 4);
      cairo_stroke(cr);
      break;
    case 2:  // a fish
      FishShape(cr, cx, cy + 1, 30, 0x5C9A48, 0xF0E8A8);
      break;
    default:  // a door with an arrow leaving it
      cairo_rectangle(cr, cx - 9, cy - 9, 11, 18);
      SetColor(cr, 0xC08040);
      cairo_fill(cr);
      cairo_move_to(cr, cx - 2, cy);
      cairo_line_to(cr, cx + 10, cy);
      cairo_move_to(cr, cx + 6, cy - 4);
      cairo_line_to(cr, cx + 10, cy);
      cairo_line_to(cr, cx + 6, cy + 4);
      SetColor(cr, 0xF04A38);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
      break;
  }
  UseFace(cr, Face::SansBold, 11);
  OutlinedText(cr, cx, b.Y + b.H - 9, b.Caption, 0xFFF2C8, 0x18181E, 1.5);
}

Image Menu() {
  Canvas c(641, 480);
  cairo_t* cr = c.Cr();
  Lake(cr, 641, 480, 200, 5);
  // The menu bar: a plank across the top with the four buttons and the name between them.
  cairo_rectangle(cr, 0, 16, 641, 74);
  SetColor(cr, 0x18181E);
  cairo_fill(cr);
  Planks(cr, 0, 17, 641, 72, 24, 0xA0683A, 31);
  cairo_rectangle(cr, 0, 89, 641, 3);
  SetColor(cr, 0x000000, 0.35);
  cairo_fill(cr);
  for (size_t i = 0; i < MenuButtons().size(); ++i) MenuButton(cr, MenuButtons()[i], static_cast<int>(i));
  UseFace(cr, Face::SerifBold, 34);
  OutlinedText(cr, 410, 66, "Tarnhook", 0xFFE48A, 0x2A1606, 2.5);
  // A shaded backing for the panels, and the sunken strip the status line sits in.
  RoundedRect(cr, 44, 92, 545, 273, 8);
  SetColor(cr, 0xF4F0E4, 0.55);
  cairo_fill(cr);
  RoundedRect(cr, 44, 92, 545, 273, 8);
  SetColor(cr, 0x18181E, 0.6);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  BrassFrame(cr, 88, 376, 441, 41, 0x2C4A62);
  return c.Take();
}

// A sketch of a lake on parchment, shown until the player picks a lake that has its own map.
Image LakeMap() {
  Canvas c(200, 198);
  cairo_t* cr = c.Cr();
  cairo_rectangle(cr, 0, 0, 200, 198);
  VerticalGradient(cr, 0, 198, 0xF2E4C0, 0xDCC494);
  cairo_fill(cr);
  // Shoreline of a lake with an island.
  cairo_move_to(cr, 30, 70);
  cairo_curve_to(cr, 40, 20, 120, 18, 160, 45);
  cairo_curve_to(cr, 190, 70, 180, 130, 150, 150);
  cairo_curve_to(cr, 120, 175, 60, 170, 40, 140);
  cairo_curve_to(cr, 25, 120, 22, 95, 30, 70);
  cairo_close_path(cr);
  VerticalGradient(cr, 20, 170, 0x7CC0E8, 0x3A84C0);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x5A4020);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 105, 95);
  cairo_scale(cr, 1, 0.6);
  cairo_arc(cr, 0, 0, 16, 0, 2 * kPi);
  cairo_restore(cr);
  SetColor(cr, 0x8CB86A);
  cairo_fill_preserve(cr);
  SetColor(cr, 0x5A4020);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // Little pines around the shore.
  uint32_t s = 77;
  for (int i = 0; i < 26; ++i) {
    const double a = i * 2 * kPi / 26;
    const double x = 100 + 92 * std::cos(a) + (Lcg(s) % 7) - 3, y = 96 + 80 * std::sin(a) + (Lcg(s) % 7) - 3;
    cairo_move_to(cr, x - 4, y + 4);
    cairo_line_to(cr, x, y - 6);
    cairo_line_to(cr, x + 4, y + 4);
    cairo_close_path(cr);
    SetColor(cr, 0x3C7A44);
    cairo_fill(cr);
  }
  // Compass rose and the invitation.
  cairo_move_to(cr, 176, 160);
  cairo_line_to(cr, 180, 176);
  cairo_line_to(cr, 176, 172);
  cairo_line_to(cr, 172, 176);
  cairo_close_path(cr);
  SetColor(cr, 0x5A4020);
  cairo_fill(cr);
  UseFace(cr, Face::SansBold, 9);
  OutlinedText(cr, 176, 158, "N", 0x5A4020, 0xF2E4C0, 0.5);
  UseFace(cr, Face::SerifBold, 15);
  OutlinedText(cr, 100, 190, "Choose a lake", 0x5A4020, 0xF2E4C0, 1);
  cairo_rectangle(cr, 0.5, 0.5, 199, 197);
  SetColor(cr, 0x5A4020);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  return c.Take();
}

// Opaque pictures: every pixel visible, nothing keyed out, in full colour (the sky's soft
// gradients would band in 256 colours).
TPictureItemData Opaque(const std::string& name, Image img) {
  for (uint32_t& p : img.Pixels) p |= 0xFF000000u;
  TPictureItemData item;
  item.Name = name;
  item.PatternWidth = img.Width;
  item.PatternHeight = img.Height;
  item.Transparent = false;
  item.Picture = ToPicture(img);
  return item;
}

}  // namespace

std::vector<TPictureItemData> FormPictures() {
  Image portrait = Portrait(120, AnglerStyle());
  return {Opaque("title", Title()), Opaque("menu", Menu()), Opaque("map", LakeMap()),
          Opaque("portrait", portrait)};
}

const std::vector<MenuLayout>& MenuButtons() {
  static const std::vector<MenuLayout> buttons = {
      {48, 29, 70, 49, "Player"}, {134, 29, 73, 49, "Options"}, {223, 29, 89, 49, "Fish"}, {507, 29, 73, 49, "Quit"}};
  return buttons;
}

}  // namespace sprites
