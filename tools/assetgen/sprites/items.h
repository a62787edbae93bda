// The flat pictures of the object library (fonts, dashboard, panels, markers) and the whole
// library in its item order. Sizes and positions here match where the game draws each picture.
#pragma once

#include <string>
#include <vector>

#include "media/library_writer.h"

namespace sprites {

// The 67 characters of the image-font glyph table, in pattern order, as Windows-1252 bytes.
const std::string& GlyphTable();

// "bigfont" (22 x 13), "font" (9 x 10), "infofont" (8 x 12): the 67 glyphs in one row each;
// "digital" (16 x 24): the digits 0..9.
std::vector<TPictureItemData> MakeFonts();
// "fishdash" (640 x 100), "fishmeter" (7 patterns), "powerbar" (32 patterns).
std::vector<TPictureItemData> MakeDashboard();
// "hook", "caught", "lost", "buoy", "talk" and "got" + each monster kind.
std::vector<TPictureItemData> MakePanels();
// "bobber", "splash", "water", "mouse", "mousegas", "mousenofish".
std::vector<TPictureItemData> MakeMarkers();

// Every item of "objects.dxg".
std::vector<TPictureItemData> ObjectLibrary();

// Dashboard geometry the game relies on.
constexpr int kDashHeight = 100;
constexpr int kPowerbarPatterns = 32;

}  // namespace sprites
