// Device-independent bitmaps: the pixel format inside library pictures ("TDIB") and BMP files.
//
//   header size   uint32   12 (core header) or 40 (info header); BMP files may also use 52, 56,
//                          108 or 124, whose bytes 40..51 hold the three colour masks
//   core header   uint16 width, uint16 height, uint16 planes, uint16 bit count
//   info header   int32 width, int32 height (negative: top row first), uint16 planes,
//                 uint16 bit count, uint32 compression (0 none, 1 RLE8, 2 RLE4, 3 bit fields),
//                 uint32 image size, int32 x/y pixels per metre, uint32 colours used,
//                 uint32 colours important
//   masks         compression 3 after a 40-byte header: uint32 red, green, blue masks
//   colour table  c entries: c = colours used, or 2^bit count when that is 0 and bit count <= 8,
//                 at most 256; entries are blue, green, red (+1 reserved byte after an info header)
//   pixels        compression 0 and 3: |height| rows of (bit count * width + 31) div 32 * 4 bytes,
//                 bottom row first unless the height is negative
//                 compression 1 and 2: image-size bytes of run-length code, bottom row first
//
// Bit counts 1, 4, 8, 16, 24 and 32. 16-bit library pictures use the masks 0x7C00/0x03E0/0x001F
// (also the default) or 0xF800/0x07E0/0x001F; their channels are widened to 8 bits by repeating the
// high bits, so dropping the low bits gives back the stored value exactly. A pixel index beyond the
// colour table reads black. Pictures are refused beyond 16384 pixels on a side or 64 megapixels.
//
// Errors (EInvalidGraphic): "DIB is invalid" (header size, compression, negative width, size caps),
// "BitCount in invalid (%d)", "PixelFormat in invalid" (masks); data cut short raises EReadError
// "Stream read error".
#pragma once

#include <cstdint>

#include "media/byte_reader.h"
#include "media/dib.h"

constexpr int32_t kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = 64ll * 1024 * 1024;

// How strictly a DIB is read.
enum class TDibSource {
  LibraryPicture,  // "TDIB" in a library: header 12 or 40, the two 16-bit mask sets
  BitmapFile,      // inside a BMP file: also the longer headers and any contiguous masks
};

// Reads and checks a DIB from `in` (positioned at its header size). For a BMP file, pixelOffset is
// the file header's offset of the pixel rows relative to `in`'s start (0 when they follow the
// colour table). When `owner` holds the bytes `in` reads, the picture's rows point into them;
// otherwise they are copied.
TDib ReadDib(TByteReader& in, TDibSource source, uint32_t pixelOffset = 0,
             const TSharedBytes& owner = nullptr);
