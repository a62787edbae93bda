// Head-and-shoulders pictures of people: the angler on the player panel and the old-timer who
// talks at the lake's info stops.
#pragma once

#include "tools/assetgen/sprites/image.h"

namespace sprites {

struct PortraitStyle {
  unsigned Skin, Shirt, Vest, Cap, CapBand, Hair;
  bool Beard;
  bool Backdrop;  // sky and lake behind, or transparent
};

PortraitStyle AnglerStyle();
PortraitStyle OldTimerStyle();

// A square portrait of `size` pixels.
Image Portrait(int size, const PortraitStyle& style);

}  // namespace sprites
