// Text for the generated pictures, set in the DejaVu fonts that the system's font package installs
// (read straight from their files, so no font configuration of the machine changes the result).
#pragma once

#include <string>

typedef struct _cairo cairo_t;

namespace sprites {

enum class Face { Sans, SansBold, Condensed, CondensedBold, SerifBold, MonoBold };

// Selects the face at `size` pixels on the context, with fixed grey-scale antialiasing and no
// hinting. Raises std::runtime_error naming the font file when it cannot be read.
void UseFace(cairo_t* cr, Face face, double size);
// UTF-8 text with its left end of the baseline at (x, y) in the current face.
void ShowText(cairo_t* cr, double x, double y, const std::string& utf8);
// Width of the text's advance in the current face.
double TextWidth(cairo_t* cr, const std::string& utf8);
// Text centred on x, filled with `fill` over a rim of `rimWidth` pixels in `rim` (0xRRGGBB).
void OutlinedText(cairo_t* cr, double x, double y, const std::string& utf8, unsigned fill,
                  unsigned rim, double rimWidth);
// Sets the source colour from 0xRRGGBB (and alpha 0..1).
void SetColor(cairo_t* cr, unsigned rgb, double alpha = 1.0);

}  // namespace sprites
