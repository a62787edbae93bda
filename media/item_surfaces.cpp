#include "media/item_surfaces.h"

#include <algorithm>
#include <array>
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
  if (picture.IndexRow(0)) {
    // Palette pictures (most of a library): each index straight to its packed colour.
    std::array<uint16_t, 256> packed;
    for (size_t i = 0; i < packed.size(); ++i) packed[i] = PackPicturePixel(picture.Palette()[i], format);
    for (int y = 0; y < height; ++y) {
      const uint8_t* indices = picture.IndexRow(top + y) + left;
      uint16_t* row = surface->Row(y);
      for (int x = 0; x < width; ++x) row[x] = packed[indices[x]];
    }
    return surface;
  }
  std::vector<uint32_t> colours(static_cast<size_t>(width));
  for (int y = 0; y < height; ++y) {
    picture.ConvertRow(top + y, left, width, colours.data());
    uint16_t* row = surface->Row(y);
    for (int x = 0; x < width; ++x) row[x] = PackPicturePixel(colours[x], format);
  }
  return surface;
}

// The row's word in RowRun, from its runs Runs[first .. last).
uint32_t RowRunWord(const std::vector<uint32_t>& runs, size_t first, size_t last) {
  if (first == last) return 0;
  if (last - first > 2 || runs[first] > 0x7FFF || runs[first + 1] > 0xFFFF) {
    return TPatternEntry::kListedRow;
  }
  return runs[first] << 16 | runs[first + 1];
}

// Records the runs of non-key pixels of each row of the pattern, within its surface's bounds.
void FindRuns(TPatternEntry& pattern, const TDirectDrawSurface& surface) {
  pattern.RowStart.assign(1, 0);
  pattern.Runs.clear();
  pattern.RowRun.clear();
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
    pattern.RowRun.push_back(RowRunWord(pattern.Runs, pattern.RowStart.back(), pattern.Runs.size()));
    pattern.RowStart.push_back(static_cast<uint32_t>(pattern.Runs.size()));
  }
}

// A block side: whole strides, as many as make 512 pixels or more, but no more than the grid has.
int64_t BlockSide(int64_t stride, int64_t count) {
  return std::min(stride * ((stride + 511) / std::max<int64_t>(stride, 1)), stride * count);
}

void AddPattern(std::vector<TPatternEntry>& patterns, int surfaceIndex, const TRect& rect) {
  TPatternEntry& entry = patterns.emplace_back();
  entry.Rect = rect;
  entry.SurfaceIndex = surfaceIndex;
}

}  // namespace

TPatternGrid MakePatternGrid(int32_t pictureWidth, int32_t pictureHeight, int32_t patternWidth,
                             int32_t patternHeight, int32_t skipWidth, int32_t skipHeight) {
  TPatternGrid grid;
  grid.PatternWidth = patternWidth > 0 ? patternWidth : pictureWidth;
  grid.PatternHeight = patternHeight > 0 ? patternHeight : pictureHeight;
  grid.StrideX = grid.PatternWidth + skipWidth;
  grid.StrideY = grid.PatternHeight + skipHeight;
  if (grid.StrideX > 0 && grid.StrideY > 0) {
    grid.Columns = std::max<int64_t>((int64_t{pictureWidth} + skipWidth) / grid.StrideX, 0);
    grid.Rows = std::max<int64_t>((int64_t{pictureHeight} + skipHeight) / grid.StrideY, 0);
  }
  return grid;
}

void TItemSurfaces::Build(const TDib& picture, const TPatternGrid& grid, bool systemMemory,
                          TColor keyColor) {
  Clear();
  if (picture.Empty()) return;
  const int W = picture.Width();
  const int H = picture.Height();
  // Patterns lie inside the picture (see TPatternGrid), so their places and sizes fit in an int.
  const auto patternAt = [&](int64_t x, int64_t y) {
    return Bounds(static_cast<int>(x), static_cast<int>(y), static_cast<int>(grid.PatternWidth),
                  static_cast<int>(grid.PatternHeight));
  };
  if (grid.PatternWidth == W && grid.PatternHeight == H) {
    Surfaces.push_back(MakeSurface(picture, 0, 0, W, H, Format, systemMemory));
    AddPattern(Patterns, 0, TRect{0, 0, W, H});
  } else if (systemMemory) {
    Surfaces.push_back(MakeSurface(picture, 0, 0, W, H, Format, true));
    for (int64_t row = 0; row < grid.Rows; ++row) {
      for (int64_t column = 0; column < grid.Columns; ++column) {
        AddPattern(Patterns, 0, patternAt(column * grid.StrideX, row * grid.StrideY));
      }
    }
  } else {
    const int64_t bw = BlockSide(grid.StrideX, grid.Columns);
    const int64_t bh = BlockSide(grid.StrideY, grid.Rows);
    if (bw <= 0 || bh <= 0) return;
    const int64_t blocksAcross = (W + bw - 1) / bw;
    const int64_t blocksDown = (H + bh - 1) / bh;
    for (int64_t r = 0; r < blocksDown; ++r) {
      for (int64_t c = 0; c < blocksAcross; ++c) {
        const int left = static_cast<int>(c * bw);
        const int top = static_cast<int>(r * bh);
        const auto width = static_cast<int>(std::min<int64_t>(bw, W - left));
        const auto height = static_cast<int>(std::min<int64_t>(bh, H - top));
        Surfaces.push_back(MakeSurface(picture, left, top, width, height, Format, false));
      }
    }
    for (int64_t row = 0; row < grid.Rows; ++row) {
      for (int64_t column = 0; column < grid.Columns; ++column) {
        const int64_t x = column * grid.StrideX;
        const int64_t y = row * grid.StrideY;
        AddPattern(Patterns, static_cast<int>((y / bh) * blocksAcross + x / bw),
                   patternAt(x % bw, y % bh));
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

void TPictureCollectionItem::BuildSurfaces() {
  surfaces_.Pending = false;
  surfaces_.Build(dib_, Grid(), SystemMemory, transparentColor_);
}

void TPictureCollection::RestoreSurfaces() {
  if (!DXDraw || !DXDraw->Initialized()) return;
  for (int i = 0; i < Count(); ++i) {
    TPictureCollectionItem& item = Items(i);
    TItemSurfaces& surfaces = item.surfaces_;
    const bool built = !surfaces.Pending && !surfaces.Surfaces.empty();
    surfaces.Ready = true;
    surfaces.Format = DXDraw->PixelFormat();
    surfaces.Pending = SurfacesOnFirstDraw && !built;
    if (!surfaces.Pending) item.BuildSurfaces();
  }
}

void TPictureCollection::FinalizeSurfaces() {
  for (int i = 0; i < Count(); ++i) {
    TItemSurfaces& surfaces = Items(i).surfaces_;
    surfaces.Clear();
    surfaces.Ready = false;
    surfaces.Pending = false;
  }
}

void TPictureCollection::AfterLoad() {
  if (DXDraw && DXDraw->Initialized()) RestoreSurfaces();
}
