// The pins: a glossy white pin with two red neck stripes, turned on a lathe profile, and its fall
// animations. "pin" holds 12 rows of 16 frames: rows 0..7 are the falls after a hit by the ball,
// rows 8..11 the slower topples after a hit by another pin; frame 0 of every row is the standing
// pin and frame 15 the pin lying still. "pinshadow" holds the floor shadow of every frame.
// A pattern is drawn with its bottom-centre at the pin's base point.
#pragma once

#include <vector>

#include "media/library_writer.h"
#include "tools/assetgen/bowling_people/alley_style.h"
#include "tools/assetgen/bowling_people/view_render.h"

namespace bowling_people {

constexpr int kPinRows = 12;
constexpr int kPinFrames = 16;
constexpr int kPinWidth = 72, kPinHeight = 40;

struct PinPictures {
  std::vector<Image> Pins;     // kPinRows * kPinFrames finished patterns
  std::vector<Image> Shadows;  // the same frames' shadows
};

// Every pin frame lit by the alley's lamps.
PinPictures RenderPins(const AlleyStyle& style);
// The library items "pin" and "pinshadow".
TPictureItemData PinItem(const PinPictures& pictures);
TPictureItemData PinShadowItem(const PinPictures& pictures);

}  // namespace bowling_people
