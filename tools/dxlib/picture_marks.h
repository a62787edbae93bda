// Marks the dxlib commands draw on the 0x00RRGGBB pictures they write: clipped pixels and boxes,
// labels in stb's small built-in font, and the 16-bit colour the drawing device makes of a pixel.
#pragma once

#include <cstdint>
#include <string>

#include "media/picture.h"

// Sets one pixel; a pixel outside the picture is left out.
void PutMark(TPicture& picture, int x, int y, uint32_t rgb);
// Fills a w x h box at (x, y), clipped to the picture.
void FillMark(TPicture& picture, int x, int y, int w, int h, uint32_t rgb);
// Draws text in stb's built-in font with its top left at (x, y); returns its width in pixels.
int DrawLabel(TPicture& picture, int x, int y, const std::string& text, uint32_t ink);
// The width in pixels of text in stb's built-in font.
int LabelWidth(const std::string& text);
// One 16-bit pixel as the drawing device makes it from a 0x00RRGGBB colour.
uint16_t To565(uint32_t rgb);
