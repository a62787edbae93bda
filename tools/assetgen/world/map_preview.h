// Pictures of a lake as play draws it, for looking at the generated maps: every cell's tile
// picture placed by the game's own formula (x = (row mod 2) * hw + col * tileWidth - scrollX,
// y = hh * row - (item height - tileHeight) - scrollY), first pattern of each item.
#pragma once

#include <string>
#include <vector>

#include "fishing/iso_map.h"
#include "media/library_writer.h"

// Writes a picture as a PNG file.
void WritePicturePng(const TPicture& picture, const std::string& path);

// The part of the world from (scrollX, scrollY) of the given size, drawn over black.
TPicture RenderLakeView(const TIsoMap& map, const std::vector<TPictureItemData>& items, int scrollX, int scrollY,
                        int width, int height);

// Writes two PNG files: stem + "-map.png" (the whole lake, scaled to fit 1024 pixels) and
// stem + "-view.png" (640 x 380 of play around the boat's start, with the camera's clamp).
void WriteLakePreviews(const TIsoMap& map, const std::vector<TPictureItemData>& items, const std::string& stem);
