// Little pictures for the help screen: key caps, the mouse, the meter's gauge and strip, and the
// player label, each drawn at a given place in help-screen pixels.
#pragma once

#include <string>

typedef struct _cairo cairo_t;

namespace bowling_art {

// A key cap of width w (height 30) with its top-left at (x, y) and `label` on it.
void KeyCap(cairo_t* cr, double x, double y, double w, const std::string& label);
// A mouse 26 x 38 with its top-left at (x, y); the left button lit when `click`.
void MouseIcon(cairo_t* cr, double x, double y, bool click);
// A double-headed arrow from x0 to x1 at height y, for dragging sideways.
void SideArrow(cairo_t* cr, double x0, double x1, double y);
// The meter's gauge, small, centred on cx with its hub at cy, filled to fraction f.
void GaugeIcon(cairo_t* cr, double cx, double cy, double radius, double f);
// The accuracy strip, small, from x to x + w at y, with the sweet spot notched and a marker at
// fraction `marker` (0..1) along it.
void StripIcon(cairo_t* cr, double x, double y, double w, double marker);
// The red "PLAYER 1" label with its top-left at (x, y).
void LabelIcon(cairo_t* cr, double x, double y);

}  // namespace bowling_art
