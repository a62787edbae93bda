// Everything an alley's "anis.dxg" holds: the full-screen hall "alley", the pins, and the two
// layers cut from the hall picture that the program draws around the pit: "under" (the pin deck,
// over pins lying in the pit; see-through above the deck's back edge) and "over" (the masking
// unit, over anything flying into the pit). Both are cut from the finished hall picture so they
// match it pixel for pixel. Also the postcard the alley is chosen by.
#pragma once

#include <vector>

#include "media/library_writer.h"
#include "media/picture.h"
#include "tools/assetgen/bowling_people/alley_style.h"
#include "tools/assetgen/bowling_people/lane_geometry.h"
#include "tools/assetgen/bowling_people/pins.h"

namespace bowling_people {

constexpr int kUnderWidth = 178, kUnderHeight = 72;
constexpr int kOverWidth = 178, kOverHeight = kMaskBottom + 1;

struct AlleyPictures {
  Image Hall;   // 640 x 480, opaque, at most 255 colours
  Image Under;  // kUnderWidth x kUnderHeight
  Image Over;   // kOverWidth x kOverHeight
  PinPictures Pins;
};

AlleyPictures RenderAlley(const AlleyStyle& style);
// "alley", "pin", "pinshadow", "under", "over".
std::vector<TPictureItemData> AlleyItems(const AlleyPictures& pictures);
// The hall with its pins racked, framed and captioned, about 236 x 178.
TPicture AlleyPostcard(const AlleyStyle& style, const AlleyPictures& pictures);
constexpr int kPostcardWidth = 236, kPostcardHeight = 178;

}  // namespace bowling_people
