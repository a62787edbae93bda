// The painting steps of the full-screen alley picture, each drawn with cairo in screen pixels.
// Lanes are numbered from the player's (0) outwards (-1 to the left, 1 to the right); a lane's
// features are placed by the fraction u across it (lane_geometry.h), so everything along the hall
// follows the one perspective.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "tools/assetgen/bowling_people/alley_style.h"

namespace bowling_people {

// Across-the-lane measures in lane widths: a gutter, the capping between two lanes' gutters,
// and the distance from one lane's left edge to the next lane's.
constexpr double kGutterWidth = 0.22;
constexpr double kCappingWidth = 0.15;
constexpr double kLanePitch = 1 + 2 * kGutterWidth + kCappingWidth;
// The lanes drawn beside the player's.
constexpr int kFirstLane = -2, kLastLane = 2;

// Sets the source colour from 0xRRGGBB and alpha 0..1.
void SetRgb(cairo_t* cr, uint32_t rgb, double alpha = 1.0);
// Adds a stop of colour 0xRRGGBB with alpha 0..1 to a cairo gradient.
void ColourStop(cairo_pattern_t* pattern, double at, uint32_t rgb, double alpha = 1.0);
// Sets a linear gradient from colour a at (x0, y0) to b at (x1, y1) as the source.
void SetGradient(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t a, uint32_t b);
// The 0xRRGGBB colour with its channels multiplied by f (clamped).
uint32_t ScaleRgb(uint32_t rgb, double f);
// Screen x of the point a fraction u across lane `lane` at row y.
double LaneXOf(int lane, double u, double y);
// The path of the band from u0 to u1 across lane `lane`, between rows yTop and yBottom.
void LaneBand(cairo_t* cr, int lane, double u0, double u1, double yTop, double yBottom);
// A repeatable pseudo-random value 0..1.
double Hash(int a, int b, int salt);

// The hall beyond the pits: the masking units over every lane and whatever rises above them.
void PaintMasking(cairo_t* cr, const AlleyStyle& style);
// The dark pits behind the decks and the kickback walls between them.
void PaintPits(cairo_t* cr, const AlleyStyle& style);
// One lane from its deck's back edge to the foul line, with its gutters and capping; the
// player's lane gets every mark, the others fewer.
void PaintLane(cairo_t* cr, const AlleyStyle& style, int lane);
// The approach floor in front of the foul line, across the screen.
void PaintApproach(cairo_t* cr, const AlleyStyle& style);
// The bumper rails of the player's lane.
void PaintBumpers(cairo_t* cr, const AlleyStyle& style);
// The alley's light over everything: glow, reflections and shade towards the corners.
void PaintMood(cairo_t* cr, const AlleyStyle& style);

}  // namespace bowling_people
