// The 16-bit surfaces the drawing device builds from an image item's picture, and the pattern table
// that points into them. Empty until the device initialises; freed when it finalises.
//
// Layout of the surfaces, for a picture of W x H and patterns of w x h with strides sx, sy:
//   w = W and h = H      one surface, one pattern (0, 0, W, H)
//   SystemMemory         one surface holding the whole picture; every grid pattern points into it
//   otherwise            blocks of bw x bh, bw = min(sx * ((sx + 511) div sx), sx * columns),
//                        bh likewise; blocks row by row, cut off at the picture's edges;
//                        bw or bh 0 (picture smaller than one pattern): no surface, no pattern
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "media/geometry.h"
#include "media/pixel_format.h"
#include "media/surface.h"

class TDib;

// One pattern: its rectangle on one of the item's surfaces, and the runs of pixels that differ from
// the colour key in each of its rows (so keyed copies skip the transparent pixels run by run).
struct TPatternEntry {
  // RowRun's word for a row whose runs are only in Runs: it has two or more, or one that does not
  // fit in the word.
  static constexpr uint32_t kListedRow = 0xFFFFFFFF;

  TRect Rect;
  int SurfaceIndex = 0;
  // Row r's runs are Runs[RowStart[r] .. RowStart[r + 1]) as (first column, length) pairs,
  // columns counted from Rect.Left.
  std::vector<uint32_t> RowStart;
  std::vector<uint32_t> Runs;
  // One word per row for the common rows, which have at most one run: first column << 16 | length
  // (0 for a row without runs); kListedRow for the others.
  std::vector<uint32_t> RowRun;
};

// Where an item's pattern grid lies in its picture. Worked out in 64 bits, so pattern and skip
// fields anywhere in the int32 range neither overflow nor wrap; whenever there are patterns,
// every one of them lies inside the picture.
struct TPatternGrid {
  int64_t PatternWidth = 0;   // w
  int64_t PatternHeight = 0;  // h
  int64_t StrideX = 0;
  int64_t StrideY = 0;
  int64_t Columns = 0;
  int64_t Rows = 0;
};

struct TItemSurfaces {
  // Set while the drawing device is initialised; drawing does nothing otherwise.
  bool Ready = false;
  // Ready, but the surfaces are still to be built: the library builds them on first draw.
  bool Pending = false;
  TPixelFormat Format = TPixelFormat::RGB565;
  std::vector<std::unique_ptr<TDirectDrawSurface>> Surfaces;
  std::vector<TPatternEntry> Patterns;

  // Rebuilds the surfaces and patterns from the picture, keyed with keyColor (0x00BBGGRR).
  void Build(const TDib& picture, const TPatternGrid& grid, bool systemMemory, TColor keyColor);
  // Re-derives the colour key of every surface and the runs of every pattern.
  void SetKey(TColor keyColor);
  // Frees every surface and pattern (Ready is left as it is).
  void Clear();
};

// The grid of an item with the given pattern fields over a W x H picture (Columns and Rows are 0
// when a stride is not positive).
TPatternGrid MakePatternGrid(int32_t pictureWidth, int32_t pictureHeight, int32_t patternWidth,
                             int32_t patternHeight, int32_t skipWidth, int32_t skipHeight);
