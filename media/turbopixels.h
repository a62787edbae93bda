// Pixel, line and image-font text helpers for drawing straight into a surface.
//
// PutPixel and DrawLine write into the surface locked by LockSurface: one lock at a time, recorded
// in a single record shared by the program (the games lock, draw their lines, and unlock within
// one tick). Pixel value at byte offset y * pitch + 2 * x:
//   5-6-5: ((r div 8) shl 11) or ((g div 4) shl 5) or (b div 8)
//   5-5-5: ((r div 8) shl 10) or ((g div 8) shl 5) or (b div 8)
//
// Text: the font is a library item whose patterns are glyphs (glyph_table.h), each cw x ch. The
// first character lands one cell right of x; "|" starts a new line ch + 1 lower (DrawImageText).
#pragma once

#include <string>
#include <string_view>

class TDirectDrawSurface;
class TDXImageList;
class TPictureCollectionItem;

// Locks the whole surface for PutPixel / DrawLine; false when it cannot be locked.
bool LockSurface(TDirectDrawSurface& surface);
// Releases the lock LockSurface took.
void UnlockSurface();

// One pixel of colour (r, g, b 0..255) into the locked surface; nothing outside it, or when
// surface is not the locked one.
void PutPixel(TDirectDrawSurface& surface, int x, int y, int r, int g, int b);
// Bresenham's line from (x1, y1) to (x2, y2) inclusive, through PutPixel.
void DrawLine(TDirectDrawSurface& surface, int x1, int y1, int x2, int y2, int r, int g, int b);

// How a text helper finds its font:
//   Find:    as the fishing program does; a missing font raises "Image '%s' not found".
//   IndexOf: as the bowling program does, IndexOf then Items; a missing font raises "List index
//            out of bounds (-1)".
enum class TFontLookup { Find, IndexOf };

// Text in the font; "|" breaks the line.
void DrawImageText(TDirectDrawSurface& surface, TDXImageList& imageList,
                   const std::string& fontName, int x, int y, const std::string& text,
                   TFontLookup lookup = TFontLookup::Find);
// Text that breaks at the first blank after columns characters of a line ("|" is a glyph here);
// the font is found with Find.
void DrawWrappedImageText(TDirectDrawSurface& surface, TDXImageList& imageList,
                          const std::string& fontName, int x, int y, int columns,
                          const std::string& text);
// Digits "0".."9" as patterns 0..9 (and "-" as 10 when withMinus, the bowling digit font); any
// other character asks for pattern 30.
void DrawImageDigits(TDirectDrawSurface& surface, TDXImageList& imageList,
                     const std::string& fontName, int x, int y, const std::string& text,
                     bool withMinus = false, TFontLookup lookup = TFontLookup::Find);
// The same in a font already looked up.
void DrawImageDigits(TDirectDrawSurface& surface, TPictureCollectionItem& font, int x, int y,
                     std::string_view text, bool withMinus = false);

// Draws every pattern of every item once at (0, 0), then fills the surface with 0.
void PreloadImages(TDirectDrawSurface& surface, TDXImageList& imageList);
