// Run-length coded DIB pixels (compression 1: 8 bits, 2: 4 bits), decoded into colour indices.
//
//   n v      n > 0: n pixels of value v (4-bit: alternately the high and the low half of v)
//   0 0      end of line: next row, column 0
//   0 1      end of bitmap
//   0 2 dx dy  move dx pixels right and dy rows on
//   0 n      n >= 3: n literal pixels (4-bit: two per byte, high half first), the literal bytes
//            padded to an even count
//
// Rows are stored bottom row first. Pixels beyond the right edge are dropped (runs never wrap), a
// move past the last row ends the picture, and pixels never written keep index 0. Code that ends
// between two instructions ends the picture as an end-of-bitmap would; code cut inside an
// instruction raises EReadError "Stream read error".
#pragma once

#include <cstdint>

#include "media/byte_reader.h"

// Decodes into indices, width x height bytes, row 0 the bottom row; bitCount is 8 or 4.
void DecodeRle(TByteReader& code, int bitCount, int32_t width, int32_t height, uint8_t* indices);
// Runs through the code of a picture height rows tall, writing nothing: raises what DecodeRle
// would, at a fraction of its cost, so a library can check every picture as it is read.
void CheckRle(TByteReader code, int bitCount, int32_t height);
