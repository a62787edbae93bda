// Small markers: the bobber on the line, the splash ring of the lure, the wake's foam blob and the
// three pointers (the lure arrow over water, the wheel while driving, "no fishing" over land).
#include <cmath>

#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/items.h"
#include "tools/assetgen/sprites/text.h"

namespace sprites {

namespace {

constexpr double kPi = 3.14159265358979323846;

Image Finish(const Canvas& c, int threshold = 128) {
  Image img = c.Take();
  Harden(img, threshold);
  return img;
}

Image Bobber() {
  Canvas c(8, 8);
  cairo_t* cr = c.Cr();
  cairo_arc(cr, 4, 4, 3.6, 0, 2 * kPi);
  SetColor(cr, 0x18181E);
  cairo_fill(cr);
  cairo_arc(cr, 4, 4, 2.7, kPi, 2 * kPi);
  SetColor(cr, 0xF03428);
  cairo_fill(cr);
  cairo_arc(cr, 4, 4, 2.7, 0, kPi);
  SetColor(cr, 0xF8F8F8);
  cairo_fill(cr);
  cairo_rectangle(cr, 2, 2, 1.2, 1.2);
  SetColor(cr, 0xFFC8C0);
  cairo_fill(cr);
  return Finish(c, 100);
}

// A ring seen flat on the water; the game stretches it from nothing up to 16 x 8.
Image Splash() {
  Canvas c(16, 8);
  cairo_t* cr = c.Cr();
  cairo_save(cr);
  cairo_translate(cr, 8, 4);
  cairo_scale(cr, 1, 0.5);
  cairo_arc(cr, 0, 0, 6.6, 0, 2 * kPi);
  cairo_restore(cr);
  SetColor(cr, 0xE8F6FF);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  return Finish(c, 90);
}

Image Foam() {
  Canvas c(10, 10);
  cairo_t* cr = c.Cr();
  cairo_arc(cr, 5, 5, 4.2, 0, 2 * kPi);
  SetColor(cr, 0xC8E4F2);
  cairo_fill(cr);
  cairo_arc(cr, 4.4, 4.4, 3.0, 0, 2 * kPi);
  SetColor(cr, 0xF4FAFF);
  cairo_fill(cr);
  return Finish(c);
}

// The pointer over water: an arrow whose tip is the top-left pixel (the hot spot), dressed as a
// spoon lure with a little treble hook at its tail.
Image Lure() {
  Canvas c(24, 24);
  cairo_t* cr = c.Cr();
  auto arrow = [cr]() {
    cairo_move_to(cr, 0.5, 0.5);
    cairo_line_to(cr, 15, 8);
    cairo_line_to(cr, 9.5, 9.5);
    cairo_line_to(cr, 8, 15);
    cairo_close_path(cr);
  };
  // Hook at the tail.
  cairo_move_to(cr, 10, 10);
  cairo_line_to(cr, 17, 17);
  cairo_arc_negative(cr, 17, 20, 3, -kPi / 2, kPi * 0.1);
  cairo_set_line_width(cr, 3.2);
  SetColor(cr, 0x18181E);
  cairo_stroke(cr);
  cairo_move_to(cr, 10, 10);
  cairo_line_to(cr, 17, 17);
  cairo_arc_negative(cr, 17, 20, 3, -kPi / 2, kPi * 0.1);
  cairo_set_line_width(cr, 1.3);
  SetColor(cr, 0xD8D8E0);
  cairo_stroke(cr);
  arrow();
  cairo_set_line_width(cr, 2.0);
  SetColor(cr, 0x18181E);
  cairo_stroke_preserve(cr);
  VerticalGradient(cr, 0, 15, 0xFFE060, 0xF07820);
  cairo_fill(cr);
  cairo_move_to(cr, 3, 3);
  cairo_line_to(cr, 10, 7);
  SetColor(cr, 0xFFFFFF, 0.8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Image img = Finish(c, 110);
  img.At(0, 0) = Rgb(24, 24, 32);  // the hot spot is always a visible pixel
  return img;
}

// While driving: a ship's wheel centred on the pointer.
Image Wheel() {
  Canvas c(32, 32);
  cairo_t* cr = c.Cr();
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4;
    cairo_move_to(cr, 16 + 4 * std::cos(a), 16 + 4 * std::sin(a));
    cairo_line_to(cr, 16 + 14.5 * std::cos(a), 16 + 14.5 * std::sin(a));
  }
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColor(cr, 0x18181E);
  cairo_stroke(cr);
  cairo_arc(cr, 16, 16, 10.5, 0, 2 * kPi);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4;
    cairo_move_to(cr, 16 + 4 * std::cos(a), 16 + 4 * std::sin(a));
    cairo_line_to(cr, 16 + 14.5 * std::cos(a), 16 + 14.5 * std::sin(a));
  }
  cairo_set_line_width(cr, 2);
  SetColor(cr, 0xD89A50);
  cairo_stroke(cr);
  cairo_arc(cr, 16, 16, 10.5, 0, 2 * kPi);
  cairo_set_line_width(cr, 2.6);
  SetColor(cr, 0xB87838);
  cairo_stroke(cr);
  cairo_arc(cr, 16, 16, 4.5, 0, 2 * kPi);
  SetColor(cr, 0x18181E);
  cairo_fill(cr);
  cairo_arc(cr, 16, 16, 3.3, 0, 2 * kPi);
  VerticalGradient(cr, 13, 19, 0xFFE8A0, 0x9A7030);
  cairo_fill(cr);
  return Finish(c, 110);
}

// Over land: a fish in a red circle with a bar across it.
Image NoFish() {
  Canvas c(32, 32);
  cairo_t* cr = c.Cr();
  FishShape(cr, 16, 16, 20, 0x6A9A58, 0xE8E0A8);
  cairo_arc(cr, 16, 16, 12.5, 0, 2 * kPi);
  cairo_move_to(cr, 16 - 8.8, 16 - 8.8);
  cairo_line_to(cr, 16 + 8.8, 16 + 8.8);
  cairo_set_line_width(cr, 5.5);
  SetColor(cr, 0x18181E);
  cairo_stroke(cr);
  cairo_arc(cr, 16, 16, 12.5, 0, 2 * kPi);
  cairo_move_to(cr, 16 - 8.8, 16 - 8.8);
  cairo_line_to(cr, 16 + 8.8, 16 + 8.8);
  cairo_set_line_width(cr, 3.2);
  SetColor(cr, 0xE83020);
  cairo_stroke(cr);
  return Finish(c, 110);
}

}  // namespace

std::vector<TPictureItemData> MakeMarkers() {
  return {SinglePicture("bobber", Bobber()), SinglePicture("splash", Splash()),
          SinglePicture("water", Foam()),    SinglePicture("mouse", Lure()),
          SinglePicture("mousegas", Wheel()), SinglePicture("mousenofish", NoFish())};
}

}  // namespace sprites
