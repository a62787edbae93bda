// Stores pictures losslessly as compact DIBs (the layout is in dib_reader.h): at most 256 colours
// as 8 bits per pixel with a colour table of exactly the colours used, run-length coded (RLE8) when
// that is smaller; more colours as 24 bits per pixel. Rows are stored bottom row first.
#pragma once

#include <cstdint>
#include <vector>

#include "media/picture.h"

// The DIB of a picture (40-byte header, colour table, pixels), without the BMP file header.
std::vector<uint8_t> EncodeDib(const TPicture& picture);
// A whole BMP file of the picture ("BM" file header followed by EncodeDib).
std::vector<uint8_t> EncodeBitmapFile(const TPicture& picture);
