#include "packaging/icons/program_icons.h"

#include <cairo.h>

#include <cmath>
#include <memory>
#include <stdexcept>

#include "tools/assetgen/bowling_art/hall.h"
#include "tools/assetgen/sprites/canvas.h"
#include "tools/assetgen/sprites/text.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
// Every icon is drawn on a 256-unit square and scaled to its size.
constexpr double kUnits = 256;

// The tile every icon sits on: a rounded square, clipped so nothing is drawn outside it.
void Tile(cairo_t* cr) {
  sprites::RoundedRect(cr, 8, 8, kUnits - 16, kUnits - 16, 44);
  cairo_clip(cr);
}

void Tarnhook(cairo_t* cr, int size) {
  Tile(cr);
  constexpr double kHorizon = 104;
  sprites::VerticalGradient(cr, 0, kHorizon, 0x5AAEEA, 0xD2EEFF);
  cairo_paint(cr);
  cairo_rectangle(cr, 0, kHorizon, kUnits, kUnits - kHorizon);
  sprites::VerticalGradient(cr, kHorizon, kUnits, 0x6AB4E0, 0x1E5E9C);
  cairo_fill(cr);
  if (size >= 32) {
    // The far shore's pines, too fine to read on the smallest icon.
    for (int x = 0; x < kUnits; x += 14) {
      cairo_move_to(cr, x, kHorizon + 1);
      cairo_line_to(cr, x + 7, kHorizon - 16 - (x / 14 % 3) * 5);
      cairo_line_to(cr, x + 14, kHorizon + 1);
      cairo_close_path(cr);
    }
    sprites::SetColor(cr, 0x2E6A3E);
    cairo_fill(cr);
    // The sun.
    cairo_arc(cr, 60, 50, 22, 0, 2 * kPi);
    sprites::SetColor(cr, 0xFFF8D0);
    cairo_fill(cr);
  }
  // The splash ring the fish leaps from.
  cairo_save(cr);
  cairo_translate(cr, 142, 198);
  cairo_scale(cr, 1, 0.3);
  cairo_arc(cr, 0, 0, 62, 0, 2 * kPi);
  cairo_restore(cr);
  sprites::SetColor(cr, 0xF4FAFF);
  cairo_set_line_width(cr, size >= 32 ? 7 : 14);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 136, 138);
  cairo_rotate(cr, -0.55);
  sprites::FishShape(cr, 0, 0, 184, 0xC8961E, 0xFFF0B0);
  cairo_restore(cr);
}

void Bowling(cairo_t* cr, int size) {
  Tile(cr);
  sprites::VerticalGradient(cr, 0, kUnits, 0x8A1A20, 0x2A0406);
  cairo_paint(cr);
  // The maple lane the pin stands on.
  cairo_move_to(cr, 96, 150);
  cairo_line_to(cr, 200, 150);
  cairo_line_to(cr, 256, 256);
  cairo_line_to(cr, 0, 256);
  cairo_close_path(cr);
  sprites::VerticalGradient(cr, 150, 256, 0xC89A5E, 0xE8C08A);
  cairo_fill(cr);
  if (size >= 48) {
    // Boards, too fine to read on the small icons.
    for (int board = 1; board < 6; ++board) {
      const double top = 96 + board * 104.0 / 6;
      const double bottom = board * 256.0 / 6;
      cairo_move_to(cr, top, 150);
      cairo_line_to(cr, bottom, 256);
    }
    sprites::SetColor(cr, 0x8A6034, 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  bowling_art::Pin(cr, 168, 176, 150);
  bowling_art::Ball(cr, 92, 176, 58, 0x1A4AC8);
}

struct TSurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct TContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

}  // namespace

const std::vector<int>& IconSizes() {
  static const std::vector<int> sizes{16, 32, 48, 64, 128, 256};
  return sizes;
}

void WriteProgramIcon(const std::string& program, int size, const std::string& path) {
  const auto draw = program == "tarnhook" ? Tarnhook : program == "bowling" ? Bowling : nullptr;
  if (draw == nullptr) throw std::runtime_error("no icon for the program " + program);
  std::unique_ptr<cairo_surface_t, TSurfaceDeleter> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size));
  std::unique_ptr<cairo_t, TContextDeleter> cr(cairo_create(surface.get()));
  cairo_scale(cr.get(), size / kUnits, size / kUnits);
  draw(cr.get(), size);
  cairo_surface_flush(surface.get());
  if (cairo_surface_write_to_png(surface.get(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + path);
  }
}
