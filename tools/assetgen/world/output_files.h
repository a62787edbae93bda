// Writing the generated files: whole files through a temporary name, 24-bit BMP pictures, and the
// map overview shown on the lake panel.
#pragma once

#include <string>
#include <vector>

#include "fishing/iso_map.h"
#include "media/picture.h"
#include "tools/assetgen/world/tile_look.h"

// Writes bytes to path (through path + ".tmp" and a rename); raises std::runtime_error on failure.
void WriteWholeFile(const std::string& path, const std::string& bytes);

// A 24-bit uncompressed Windows BMP of the picture.
std::string EncodeBmp24(const TPicture& picture);

// The 200 x 198 overview of a lake: its water, shores, woods, jetties and buoys, and a boat where
// the trip starts.
TPicture DrawMapOverview(const TIsoMap& map, const TLook& look);
