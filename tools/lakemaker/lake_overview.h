// The lake panel's map picture of a lake, drawn from its tiles: water, deep water, grass and sand,
// trees, buoys (red), anglers to talk to (brown) and a boat where the trip starts (white), in a
// framed 200 x 198 area with a north arrow. Also the 24-bit BMP file it is stored in.
#pragma once

#include <string>

#include "fishing/iso_map.h"
#include "media/picture.h"

// A colour as 0..255 shares per channel.
struct TOverviewColour {
  double r = 0;
  double g = 0;
  double b = 0;
};

// The tones of a lake's map picture; they follow the lake's tile library.
struct TOverviewColours {
  TOverviewColour water;
  TOverviewColour waterShade;  // mixed into water for deep holes
  TOverviewColour grass;
  TOverviewColour sand;
  TOverviewColour foliage;
};

// The tones of the tile library a lake names in ImageLib ("canada.dxg", "tropic.dxg"); any other
// library gets the northern tones.
const TOverviewColours& OverviewColoursFor(const std::string& imageLib);

// The 200 x 198 map picture.
TPicture DrawLakeOverview(const TIsoMap& map, const TOverviewColours& colours);

// A 24-bit uncompressed Windows BMP of the picture.
std::string EncodeBmp24(const TPicture& picture);
