// Everything an alley's "anis.dxg" holds: the full-screen hall "alley", the pins, and the two
// layers cut from the hall picture that the program draws around the pit: "under" and "over"
// (the masking unit, over anything flying into the pit). Both are cut from the finished hall
// picture so they match it pixel for pixel. Also the postcard the alley is chosen by.
//
// "under" is drawn after the pins and the ball in the pit and after the program has darkened the
// pit's rows 60..99. Its top rows repeat the black back of the pit down to the lowest row of a
// ball in the pit (drawn from row 78, 28 rows high), so that ball shows only darkened; below them
// it is see-through, so pins lying in the pit (base near row 125) stay visible; from the deck's
// back edge down it is the pin deck, which the pins in the pit lie behind.
#pragma once

#include <vector>

#include "media/library_writer.h"
#include "media/picture.h"
#include "tools/assetgen/bowling_people/alley_style.h"
#include "tools/assetgen/bowling_people/lane_geometry.h"
#include "tools/assetgen/bowling_people/pins.h"

namespace bowling_people {

constexpr int kUnderWidth = 178, kUnderHeight = 72;
constexpr int kPitBallBottom = 78 + 28;
constexpr int kOverWidth = 178, kOverHeight = kMaskBottom + 1;
// The masking unit's lower edge lies over the top rows of the pit the program darkens.
static_assert(kOverHeight > kPitTop);

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
