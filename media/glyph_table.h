// The image-font glyph table: a font image's patterns are these 67 Windows-1252 characters in this
// order. A character's glyph is the pattern of its first occurrence; characters missing from the
// table use pattern 30 (the second blank).
//
//   0..25 A..Z   26 "   27 a   28 t   29, 30 blanks   31..40 0..9
//   41..61 < > = ( ) - ' ! _ + \ / { } ^ & % . = $ #   62 Å  63 Ö  64 Ä  65 ?  66 *
#pragma once

#include <string_view>

inline constexpr int kGlyphCount = 67;
inline constexpr int kMissingGlyph = 30;

// The 67 glyph characters in pattern order (Windows-1252 bytes).
std::string_view GlyphTable();

// The pattern of a text character: converted to upper case (only a..z change), then looked up.
int GlyphIndex(char c);
