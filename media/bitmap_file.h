// BMP files and the picture payload of library items.
//
// BMP file:   "BM", uint32 file size, 4 reserved bytes, uint32 offset of the pixel rows from the
//             start of the file, then a DIB (see dib_reader.h) read with the BMP-file rules.
//
// "Picture.Data" payload of an image item: a short string naming the bitmap kind, then
//   "TBitmap"  uint32 n, then n bytes holding a whole BMP file (n = 0: empty picture)
//   "TDIB"     a DIB without the file header, to the end of the payload (nothing: empty picture)
//   any other kind gives an empty picture. An empty payload gives an empty picture.
#pragma once

#include <string>

#include "media/byte_reader.h"
#include "media/dib.h"
#include "media/picture.h"

// Reads a whole BMP file. A file not starting with "BM" raises EInvalidGraphic "DIB is invalid".
// `owner`, when given, holds the bytes read (see ReadDib).
TDib ReadBitmap(TByteReader file, const TSharedBytes& owner = nullptr);
// Loads and decodes a ".bmp" file from disk; a missing or unreadable file raises EFOpenError
// "Cannot open file %s".
TPicture ReadBitmapFile(const std::string& path);
// Reads the "Picture.Data" payload of an image item.
TDib ReadPictureData(TByteReader payload, const TSharedBytes& owner = nullptr);
