// The sign's own lettering: a 5 x 7 dot font drawn from a table, set proportionally (each glyph
// as wide as its dots, one dark column between glyphs) and optionally doubled for headlines.
#pragma once

#include <string>

#include "tools/assetgen/bowling_art/led_frame.h"

namespace bowling_art {

constexpr int kLedFontHeight = 7;

// The font has upper-case letters, digits, the blank and common marks. A character without a
// glyph raises std::logic_error naming it, so no lettering silently loses a letter.

// Width in lamps of text at the given scale (1 or 2).
int LedTextWidth(const std::string& text, int scale = 1);
// Lights the text with its top-left corner at (x, y).
void DrawLedText(LedFrame& frame, int x, int y, const std::string& text, int scale = 1);
// The same, centred across the frame.
void DrawLedTextCentred(LedFrame& frame, int y, const std::string& text, int scale = 1);

}  // namespace bowling_art
