// A cairo drawing surface for the flat pictures, and the shapes several of them share.
#pragma once

#include <cairo.h>

#include "tools/assetgen/sprites/image.h"

namespace sprites {

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* Cr() const { return cr_; }
  // The drawing so far, with straight alpha.
  Image Take() const;
  // Draws an image (straight alpha) with its top-left at (x, y), scaled by `scale`.
  void Paint(const Image& image, double x, double y, double scale = 1.0);

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// A rounded rectangle path.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// A vertical linear gradient from `top` to `bottom` (0xRRGGBB) over y0..y1, set as the source.
void VerticalGradient(cairo_t* cr, double y0, double y1, unsigned top, unsigned bottom);
// A sunken panel: a dark face inside a bevel lit from the upper left.
void SunkenPanel(cairo_t* cr, double x, double y, double w, double h, unsigned face);
// A brass-rimmed frame around a sunken panel.
void BrassFrame(cairo_t* cr, double x, double y, double w, double h, unsigned face);
// Wooden planks across a rectangle (horizontal boards with grain).
void Planks(cairo_t* cr, double x, double y, double w, double h, double boardHeight, unsigned wood,
            int seed);
// A side view of a fish facing right, centred at (x, y), `length` pixels long.
void FishShape(cairo_t* cr, double x, double y, double length, unsigned back, unsigned belly);

}  // namespace sprites
