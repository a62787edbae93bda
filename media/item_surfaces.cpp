#include "media/item_surfaces.h"

#include <algorithm>
#include <vector>

#include "media/dib.h"
#include "media/dx_draw.h"
#include "media/picture_collection.h"

namespace {

// The colour key has no value for clNone: a picture keyed with it has no transparent pixels.
bool KeyFor(TColor keyColor, TPixelFormat format, uint16_t& key) {
  if (keyColor == clNone) return false;
  key = PackColor(keyColor, format);
  return true;
}

// Copies the part of the picture at (left, top) into a new surface of width x height, a row at a
// time through one buffer of colours.
std::unique_ptr<TDirectDrawSurface> MakeSurface(const TDib& picture, int left, int top, int width,
                                                int height, TPixelFormat format,
                                                bool systemMemory) {
  auto surface = std::make_unique<TDirectDrawSurface>(width, height, format, systemMemory);
  std::vector<uint32_t> colours(static_cast<size_t>(width));
  for (int y = 0; y < height; ++y) {
    picture.ConvertRow(top + y, left, width, colours.data());
    uint16_t* row = surface->Row(y);
    for (int x = 0; x < width; ++x) row[x] = PackPicturePixel(colours[x], format);
  }
  return surface;
}

// Records the runs of non-key pixels of each row of the pattern, within its surface's bounds.
void FindRuns(TPatternEntry& pattern, const TDirectDrawSurface& surface) {
  pattern.RowStart.assign(1, 0);
  pattern.Runs.clear();
  const TRect& r = pattern.Rect;
  const int left = std::max(r.Left, 0);
  const int right = std::min(r.Right, surface.Width());
  const bool keyed = surface.HasColorKey();
  const uint16_t key = surface.ColorKey();
  for (int y = r.Top; y < r.Bottom; ++y) {
    if (y >= 0 && y < surface.Height()) {
      const uint16_t* row = surface.Row(y);
      int x = left;
      while (x < right) {
        while (x < right && keyed && row[x] == key) ++x;
        const int start = x;
        while (x < right && !(keyed && row[x] == key)) ++x;
        if (x > start) {
          pattern.Runs.push_back(static_cast<uint32_t>(start - r.Left));
          pattern.Runs.push_back(static_cast<uint32_t>(x - start));
        }
      }
    }
    pattern.RowStart.push_back(static_cast<uint32_t>(pattern.Runs.size()));
  }
}

void AddPattern(std::vector<TPatternEntry>& patterns, int surfaceIndex, const TRect& rect) {
  TPatternEntry& entry = patterns.emplace_back();
  entry.Rect = rect;
  entry.SurfaceIndex = surfaceIndex;
}

}  // namespace

TPatternGrid MakePatternGrid(int pictureWidth, int pictureHeight, int patternWidth,
                             int patternHeight, int skipWidth, int skipHeight) {
  TPatternGrid grid;
  grid.PatternWidth = patternWidth > 0 ? patternWidth : pictureWidth;
  grid.PatternHeight = patternHeight > 0 ? patternHeight : pictureHeight;
  grid.StrideX = grid.PatternWidth + skipWidth;
  grid.StrideY = grid.PatternHeight + skipHeight;
  if (grid.StrideX > 0 && grid.StrideY > 0) {
    grid.Columns = std::max((pictureWidth + skipWidth) / grid.StrideX, 0);
    grid.Rows = std::max((pictureHeight + skipHeight) / grid.StrideY, 0);
  }
  return grid;
}

void TItemSurfaces::Build(const TDib& picture, const TPatternGrid& grid, bool systemMemory,
                          TColor keyColor) {
  Clear();
  if (picture.Empty()) return;
  const int W = picture.Width();
  const int H = picture.Height();
  if (grid.PatternWidth == W && grid.PatternHeight == H) {
    Surfaces.push_back(MakeSurface(picture, 0, 0, W, H, Format, systemMemory));
    AddPattern(Patterns, 0, TRect{0, 0, W, H});
  } else if (systemMemory) {
    Surfaces.push_back(MakeSurface(picture, 0, 0, W, H, Format, true));
    for (int row = 0; row < grid.Rows; ++row) {
      for (int column = 0; column < grid.Columns; ++column) {
        AddPattern(Patterns, 0,
                   Bounds(column * grid.StrideX, row * grid.StrideY, grid.PatternWidth,
                          grid.PatternHeight));
      }
    }
  } else {
    const int bw = std::min(grid.StrideX * ((grid.StrideX + 511) / std::max(grid.StrideX, 1)),
                            grid.StrideX * grid.Columns);
    const int bh = std::min(grid.StrideY * ((grid.StrideY + 511) / std::max(grid.StrideY, 1)),
                            grid.StrideY * grid.Rows);
    if (bw <= 0 || bh <= 0) return;
    const int blocksAcross = (W + bw - 1) / bw;
    const int blocksDown = (H + bh - 1) / bh;
    for (int r = 0; r < blocksDown; ++r) {
      for (int c = 0; c < blocksAcross; ++c) {
        const int left = c * bw;
        const int top = r * bh;
        Surfaces.push_back(MakeSurface(picture, left, top, std::min(bw, W - left),
                                       std::min(bh, H - top), Format, false));
      }
    }
    for (int row = 0; row < grid.Rows; ++row) {
      for (int column = 0; column < grid.Columns; ++column) {
        const int x = column * grid.StrideX;
        const int y = row * grid.StrideY;
        AddPattern(Patterns, (y / bh) * blocksAcross + x / bw,
                   Bounds(x % bw, y % bh, grid.PatternWidth, grid.PatternHeight));
      }
    }
  }
  SetKey(keyColor);
}

void TItemSurfaces::SetKey(TColor keyColor) {
  uint16_t key = 0;
  const bool keyed = KeyFor(keyColor, Format, key);
  for (auto& surface : Surfaces) {
    if (keyed) {
      surface->SetColorKey(key);
    } else {
      surface->ClearColorKey();
    }
  }
  for (TPatternEntry& pattern : Patterns) FindRuns(pattern, *Surfaces[pattern.SurfaceIndex]);
}

void TItemSurfaces::Clear() {
  Patterns.clear();
  Surfaces.clear();
}

void TPictureCollectionItem::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  if (!surfaces_.Surfaces.empty()) surfaces_.SetKey(color);
}

void TPictureCollection::RestoreSurfaces() {
  if (!DXDraw || !DXDraw->Initialized()) return;
  for (int i = 0; i < Count(); ++i) {
    TPictureCollectionItem& item = Items(i);
    TItemSurfaces& surfaces = item.Surfaces();
    surfaces.Ready = true;
    surfaces.Format = DXDraw->PixelFormat();
    const TDib& picture = item.Dib();
    surfaces.Build(picture,
                   MakePatternGrid(picture.Width(), picture.Height(), item.PatternWidth,
                                   item.PatternHeight, item.SkipWidth, item.SkipHeight),
                   item.SystemMemory, item.TransparentColor());
  }
}

void TPictureCollection::FinalizeSurfaces() {
  for (int i = 0; i < Count(); ++i) {
    TItemSurfaces& surfaces = Items(i).Surfaces();
    surfaces.Clear();
    surfaces.Ready = false;
  }
}

void TPictureCollection::AfterLoad() {
  if (DXDraw && DXDraw->Initialized()) RestoreSurfaces();
}
