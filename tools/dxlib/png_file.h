// PNG files for dxlib, through stb: pictures out as 8-bit RGBA, pictures in from PNG or BMP.
#pragma once

#include <string>

#include "media/picture.h"

// Writes the picture as an 8-bit RGBA PNG with alpha 255. Raises EStreamError on failure.
void WritePng(const std::string& path, const TPicture& picture);
// Reads a ".png" (alpha is dropped) or ".bmp" picture; raises EFOpenError or EInvalidGraphic.
TPicture ReadPictureFile(const std::string& path);
