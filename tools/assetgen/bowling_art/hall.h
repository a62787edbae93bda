// The bowling hall the full-screen pictures are set in (polished maple lanes, deep red walls, warm
// lights, chrome), and the pieces of it several pictures share: the title, the sign's housing,
// chrome frames, pins and balls.
#pragma once

#include "tools/assetgen/sprites/canvas.h"

namespace bowling_art {

// The upper hall across the whole width down to `bottom`: a dark ceiling with warm pendant lamps
// over a red back wall with wooden wainscot.
void HallWall(cairo_t* cr, double bottom);
// The lanes seen from the approach, filling `top`..480 across the screen: maple lanes with
// boards, arrows and dots, gutters and capping, the foul line and the approach near the viewer.
void Lanes(cairo_t* cr, double top);
// "Bowling" in slanted, glowing red letters with a cream rim, centred on cx with its baseline
// at y.
void Title(cairo_t* cr, double cx, double y, double size);
// A polished chrome frame of `width` pixels around the rectangle (x, y, w, h).
void ChromeFrame(cairo_t* cr, double x, double y, double w, double h, double width);
// The LED sign's housing around a lamp field (x, y, w, h): red lacquer with a chrome rim and a
// row of marquee bulbs, `border` pixels wide.
void SignHousing(cairo_t* cr, double x, double y, double w, double h, double border);
// A white pin with two red neck stripes standing on (x, y), `height` pixels tall.
void Pin(cairo_t* cr, double x, double y, double height);
// A glossy ball of radius r with its finger holes, in the colour 0xRRGGBB.
void Ball(cairo_t* cr, double cx, double cy, double r, unsigned color);

}  // namespace bowling_art
