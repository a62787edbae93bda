#include "fishing/tile_layer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "fishing/lake_trip.h"
#include "media/picture_collection.h"
#include "media/surface.h"

namespace {

// Rounds towards minus infinity, for world positions left of or above the lake's origin.
int32_t FloorDiv(int32_t value, int32_t divisor) {
  const int32_t quotient = value / divisor;
  return quotient * divisor > value ? quotient - 1 : quotient;
}

uint64_t Mix(uint64_t hash, uint64_t value) { return (hash ^ value) * 0x100000001B3ull; }

// The diamond of a tw x th cell, row by row: the columns whose pixel centres lie inside it or on
// its edge, as [from, to).
std::vector<std::pair<int, int>> DiamondRows(int tw, int th) {
  std::vector<std::pair<int, int>> rows(static_cast<size_t>(th), {0, 0});
  const int64_t limit = static_cast<int64_t>(tw) * th;
  for (int k = 0; k < th; ++k) {
    const int64_t dy = static_cast<int64_t>(std::abs(2 * k + 1 - th)) * tw;
    int from = tw;
    int to = 0;
    for (int x = 0; x < tw; ++x) {
      if (static_cast<int64_t>(std::abs(2 * x + 1 - tw)) * th + dy <= limit) {
        from = std::min(from, x);
        to = x + 1;
      }
    }
    if (from < to) rows[static_cast<size_t>(k)] = {from, to};
  }
  return rows;
}

// Whether the diamonds, laid on the staggered grid (odd rows half a cell right, rows half a cell
// apart), cover every pixel exactly once.
bool DiamondsTile(const std::vector<std::pair<int, int>>& rows, int tw, int th) {
  // Counts cover over one cell's area well inside a block of cells.
  std::vector<int> count(static_cast<size_t>(tw) * th, 0);
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 5; ++c) {
      const int x0 = c * tw + (r % 2) * (tw / 2) - 2 * tw;
      const int y0 = r * (th / 2) - 2 * th;
      for (int k = 0; k < th; ++k) {
        const int y = y0 + k;
        if (y < 0 || y >= th) continue;
        for (int x = x0 + rows[static_cast<size_t>(k)].first; x < x0 + rows[static_cast<size_t>(k)].second; ++x) {
          if (x >= 0 && x < tw) ++count[static_cast<size_t>(y) * tw + x];
        }
      }
    }
  }
  return std::all_of(count.begin(), count.end(), [](int n) { return n == 1; });
}

// The opaque runs of one row of a keyed pattern, as (first column, length) pairs.
template <typename Visit>
void ForEachRun(const TPatternEntry& entry, int row, Visit visit) {
  const uint32_t word = entry.RowRun[static_cast<size_t>(row)];
  if (word == TPatternEntry::kListedRow) {
    for (uint32_t i = entry.RowStart[static_cast<size_t>(row)]; i < entry.RowStart[static_cast<size_t>(row) + 1];
         i += 2) {
      visit(static_cast<int>(entry.Runs[i]), static_cast<int>(entry.Runs[i + 1]));
    }
  } else if (word != 0) {
    visit(static_cast<int>(word >> 16), static_cast<int>(word & 0xFFFF));
  }
}

}  // namespace

TTileLayer::TTileLayer() = default;
TTileLayer::~TTileLayer() = default;

void TTileLayer::Forget() {
  anchored_ = false;
  shapes_.clear();
}

inline TTileLayer::TTileShape* TTileLayer::Shape(int tile) {
  TTileShape& shape = shapes_[static_cast<size_t>(tile)];
  return shape.seen == draws_ && shape.item ? &shape : Refresh(tile);
}

TTileLayer::TTileShape* TTileLayer::Refresh(int tile) {
  TTileShape& shape = shapes_[static_cast<size_t>(tile)];
  TPictureCollectionItem& item = tiles_->Items(tile);
  TItemSurfaces& surfaces = item.Surfaces();
  uint64_t stamp = Mix(0xCBF29CE484222325ull, reinterpret_cast<uintptr_t>(&item));
  for (uint64_t value : {static_cast<uint64_t>(item.Width()), static_cast<uint64_t>(item.Height()),
                         static_cast<uint64_t>(item.PatternTotal()), static_cast<uint64_t>(item.Transparent),
                         static_cast<uint64_t>(surfaces.Ready), static_cast<uint64_t>(surfaces.Patterns.size())}) {
    stamp = Mix(stamp, value);
  }
  for (const auto& surface : surfaces.Surfaces) {
    stamp = Mix(Mix(stamp, surface ? surface->Id() : 0), surface ? surface->Writes() : 0);
  }
  shape.seen = draws_;
  if (shape.item && shape.stamp == stamp) return &shape;
  if (shape.item) stampsChanged_ = true;
  shape.item = &item;
  shape.stamp = stamp;
  shape.total = item.PatternTotal();
  shape.width = item.Width();
  shape.height = item.Height();
  const size_t patterns = surfaces.Ready ? surfaces.Patterns.size() : 0;
  shape.covers.assign(patterns, 0);
  shape.exact.assign(patterns, 0);
  const int rise = shape.height - th_;
  for (size_t p = 0; p < patterns; ++p) {
    const TPatternEntry& entry = surfaces.Patterns[p];
    const size_t index = static_cast<size_t>(entry.SurfaceIndex);
    const TDirectDrawSurface* source = index < surfaces.Surfaces.size() ? surfaces.Surfaces[index].get() : nullptr;
    if (!source || rise < 0 || entry.Rect.Width() < tw_ || entry.Rect.Height() < shape.height) continue;
    const bool keyed = item.Transparent && source->HasColorKey();
    if (keyed && entry.RowRun.size() < static_cast<size_t>(shape.height)) continue;
    bool covers = true;
    bool exact = keyed && diamondsTile_ && shape.width == tw_ && shape.height == th_;
    for (int k = 0; k < th_ && (covers || exact); ++k) {
      const int from = diamond_[static_cast<size_t>(k)].first;
      const int to = diamond_[static_cast<size_t>(k)].second;
      if (!keyed) continue;
      bool covered = from >= to;
      int runs = 0;
      bool same = false;
      ForEachRun(entry, rise + k, [&](int first, int length) {
        ++runs;
        covered = covered || (first <= from && first + length >= to);
        same = first == from && first + length == to;
      });
      covers = covers && covered;
      exact = exact && (from >= to ? runs == 0 : runs == 1 && same);
    }
    shape.covers[p] = covers;
    shape.exact[p] = exact;
  }
  shape.allCover = patterns > 0 && std::all_of(shape.covers.begin(), shape.covers.end(), [](uint8_t c) { return c; });
  return &shape;
}

inline TTileLayer::TKey TTileLayer::KeyOf(const LakeTrip& trip, int32_t col, int32_t row) {
  const TileCell& cell = trip.cells[col][row];
  // Negative numbers other than -1 are no tile either: the library has no such item.
  if (cell.tile < 0 || cell.tile >= static_cast<int32_t>(shapes_.size())) return TKey{};
  return TKey{cell.tile, std::min(Shape(cell.tile)->total - 1, cell.frame >> 3)};
}

TRect TTileLayer::BoundsOf(int32_t col, int32_t row, const TKey& key) {
  if (key.tile < 0) return TRect{};
  const TTileShape& shape = *Shape(key.tile);
  const int x = col * tw_ + (row % 2) * (tw_ / 2);
  const int bottom = row * (th_ / 2) + th_;
  return TRect{x, bottom - shape.height, x + shape.width, bottom};
}

inline TTileLayer::TKey& TTileLayer::Shown(int32_t col, int32_t row) {
  return shown_[static_cast<size_t>(col - regionCol0_) * regionRows_ + (row - regionRow0_)];
}

bool TTileLayer::Eligible(const LakeTrip& trip, const TTileView& view, const TRect& window) {
  const int hw = tw_ / 2;
  const int hh = th_ / 2;
  // Every pixel of the window lies on the diamond of one of these cells: they must be in view and
  // show their whole diamond.
  const int32_t firstRow = FloorDiv(window.Top - th_, hh) + 1;
  const int32_t endRow = FloorDiv(window.Bottom - 1, hh);
  if (firstRow < view.r0 || endRow > view.lastRow) return false;
  for (int32_t r = firstRow; r <= endRow; ++r) {
    const int shift = (r % 2) * hw;
    const int32_t firstCol = FloorDiv(window.Left - shift - tw_, tw_) + 1;
    const int32_t endCol = FloorDiv(window.Right - 1 - shift, tw_);
    if (firstCol < view.c0 || endCol > view.lastCol) return false;
    for (int32_t c = firstCol; c <= endCol; ++c) {
      const int32_t tile = trip.cells[c][r].tile;
      if (tile < 0 || tile >= static_cast<int32_t>(shapes_.size())) return false;
      if (Shape(tile)->allCover) continue;
      const TKey key = KeyOf(trip, c, r);
      const TTileShape& shape = *Shape(key.tile);
      if (key.pattern < 0 || static_cast<size_t>(key.pattern) >= shape.covers.size() ||
          !shape.covers[static_cast<size_t>(key.pattern)]) {
        return false;
      }
    }
  }
  // No cell out of view may reach into the window. Cells above the view end above the window; those
  // below, left and right are looked at as far as the library's largest picture can reach.
  const int32_t lastBelow = std::min(trip.lastRow, FloorDiv(window.Bottom - 1 - th_ + maxHeight_, hh));
  const int32_t firstCol = std::max(0, FloorDiv(window.Left - maxWidth_ - hw, tw_));
  const int32_t lastCol = std::min(trip.lastCol, FloorDiv(window.Right, tw_));
  for (int32_t r = view.r0; r <= lastBelow; ++r) {
    for (int32_t c = firstCol; c <= lastCol; ++c) {
      if (r <= view.lastRow && c >= view.c0 && c <= view.lastCol) continue;
      if (Overlap(BoundsOf(c, r, KeyOf(trip, c, r)), window)) return false;
    }
  }
  return true;
}

bool TTileLayer::Anchor(const LakeTrip& trip, const TRect& window) {
  const TRect inside = Intersection(window, area_);
  const bool keeps = anchored_ && inside == window && lakeCols_ == trip.lastCol && lakeRows_ == trip.lastRow;
  if (keeps) return true;
  const int width = window.Width() + 2 * kMargin;
  const int height = window.Height() + 2 * kMargin;
  if (!layer_ || layer_->Width() != width || layer_->Height() != height || layer_->PixelFormat() != format_) {
    layer_ = TDirectDrawSurface::Create(width, height, format_, true);
    if (!layer_) return false;
  }
  area_ = Bounds(window.Left - kMargin, window.Top - kMargin, width, height);
  const int hh = th_ / 2;
  regionRow0_ = std::max(0, FloorDiv(area_.Top - th_, hh) + 1);
  const int32_t lastRow = std::min(trip.lastRow, FloorDiv(area_.Bottom - 1 - th_ + maxHeight_, hh));
  regionCol0_ = std::max(0, FloorDiv(area_.Left - maxWidth_, tw_));
  const int32_t lastCol = std::min(trip.lastCol, FloorDiv(area_.Right, tw_));
  regionRows_ = std::max(0, lastRow - regionRow0_ + 1);
  regionCols_ = std::max(0, lastCol - regionCol0_ + 1);
  // Room for the largest region, so that later anchors allocate nothing.
  const size_t most = static_cast<size_t>((width + maxWidth_) / tw_ + 3) * ((height + maxHeight_) / hh + 3);
  shown_.reserve(most);
  changes_.reserve(most);
  lakeCols_ = trip.lastCol;
  lakeRows_ = trip.lastRow;
  shown_.assign(static_cast<size_t>(regionRows_) * regionCols_, TKey{});
  for (int32_t r = regionRow0_; r <= lastRow; ++r) {
    for (int32_t c = regionCol0_; c <= lastCol; ++c) {
      const TKey key = KeyOf(trip, c, r);
      Shown(c, r) = key;
      DrawCell(c, r, key, area_);
    }
  }
  anchored_ = true;
  return true;
}

void TTileLayer::DrawCell(int32_t col, int32_t row, const TKey& key, const TRect& clip) {
  if (key.tile < 0) return;
  const TTileShape& shape = *Shape(key.tile);
  const TRect bounds = BoundsOf(col, row, key);
  const TRect local{clip.Left - area_.Left, clip.Top - area_.Top, clip.Right - area_.Left, clip.Bottom - area_.Top};
  shape.item->DrawWithin(*layer_, bounds.Left - area_.Left, bounds.Top - area_.Top, key.pattern, local);
}

void TTileLayer::Redraw(const TRect& area) {
  const TRect clip = Intersection(area, area_);
  if (Empty(clip)) return;
  const int hh = th_ / 2;
  const int32_t firstRow = std::max(regionRow0_, FloorDiv(clip.Top - th_, hh) + 1);
  const int32_t lastRow = std::min(regionRow0_ + regionRows_ - 1, FloorDiv(clip.Bottom - 1 - th_ + maxHeight_, hh));
  const int32_t firstCol = std::max(regionCol0_, FloorDiv(clip.Left - maxWidth_, tw_));
  const int32_t lastCol = std::min(regionCol0_ + regionCols_ - 1, FloorDiv(clip.Right, tw_));
  for (int32_t r = firstRow; r <= lastRow; ++r) {
    for (int32_t c = firstCol; c <= lastCol; ++c) DrawCell(c, r, Shown(c, r), clip);
  }
}

bool TTileLayer::AloneOnItsDiamond(const TChange& change, const TKey& now) {
  if (change.was.tile != now.tile || now.tile < 0 || change.was.pattern < 0 || now.pattern < 0) return false;
  const TTileShape& shape = *Shape(now.tile);
  const auto exact = [](const TTileShape& s, int pattern) {
    return static_cast<size_t>(pattern) < s.exact.size() && s.exact[static_cast<size_t>(pattern)];
  };
  if (!exact(shape, change.was.pattern) || !exact(shape, now.pattern)) return false;
  // Cells drawn later: those of the rows below whose pictures can reach up onto this diamond (the
  // cells after it in its own row start right of it). Whole diamonds of their own never overlap it.
  const TRect diamond = BoundsOf(change.col, change.row, now);
  const int hh = th_ / 2;
  const int32_t lastRow = std::min(regionRow0_ + regionRows_ - 1, FloorDiv(diamond.Bottom - 1 - th_ + maxHeight_, hh));
  for (int32_t r = change.row + 1; r <= lastRow; ++r) {
    const int shift = (r % 2) * (tw_ / 2);
    const int32_t firstCol = std::max(regionCol0_, FloorDiv(diamond.Left - maxWidth_ - shift, tw_) + 1);
    const int32_t lastCol = std::min(regionCol0_ + regionCols_ - 1, FloorDiv(diamond.Right - 1 - shift, tw_));
    for (int32_t c = firstCol; c <= lastCol; ++c) {
      const TKey& key = Shown(c, r);
      if (key.tile < 0) continue;
      if (exact(*Shape(key.tile), key.pattern)) continue;
      if (Overlap(BoundsOf(c, r, key), diamond)) return false;
    }
  }
  return true;
}

bool TTileLayer::Draw(TDirectDrawSurface& surface, const LakeTrip& trip, TPictureCollection& tiles,
                      const TTileView& view) {
  ++draws_;
  stampsChanged_ = false;
  const int width = surface.Width();
  const int coveredFrom = std::min(view.coveredFrom, surface.Height());
  const bool sizes = trip.tileWidth >= 2 && trip.tileHeight >= 2 && trip.tileWidth % 2 == 0 &&
                     trip.tileHeight % 2 == 0 && trip.tileWidth <= kMaxTileSide && trip.tileHeight <= kMaxTileSide;
  if (surface.Recording() || !sizes || coveredFrom <= 0 || width <= 0 || tiles.Count() == 0) {
    Forget();
    return false;
  }
  if (&tiles != tiles_ || static_cast<int>(shapes_.size()) != tiles.Count() || tw_ != trip.tileWidth ||
      th_ != trip.tileHeight || format_ != surface.PixelFormat()) {
    Forget();
    tiles_ = &tiles;
    shapes_.assign(static_cast<size_t>(tiles.Count()), TTileShape{});
    tw_ = trip.tileWidth;
    th_ = trip.tileHeight;
    format_ = surface.PixelFormat();
    diamond_ = DiamondRows(tw_, th_);
    diamondsTile_ = DiamondsTile(diamond_, tw_, th_);
  }
  int maxWidth = 0;
  int maxHeight = 0;
  for (int i = 0; i < tiles.Count(); ++i) {
    const TPictureCollectionItem& item = tiles.Items(i);
    maxWidth = std::max(maxWidth, item.Width());
    maxHeight = std::max(maxHeight, item.Height());
  }
  if (maxWidth > 4 * kMaxTileSide || maxHeight > 4 * kMaxTileSide) {
    anchored_ = false;
    return false;
  }
  if (maxWidth != maxWidth_ || maxHeight != maxHeight_) {
    anchored_ = false;
    maxWidth_ = maxWidth;
    maxHeight_ = maxHeight;
  }
  const TRect window = Bounds(view.scrollX, view.scrollY, width, coveredFrom);
  if (!Eligible(trip, view, window) || stampsChanged_) {
    anchored_ = false;
    return false;
  }
  if (!Anchor(trip, window)) return false;
  if (view.c0 < regionCol0_ || view.lastCol >= regionCol0_ + regionCols_ || view.r0 < regionRow0_ ||
      view.lastRow >= regionRow0_ + regionRows_) {
    anchored_ = false;
    return false;
  }
  // What changed since the layer was drawn: animation steps in view, and any cell given another tile.
  // Cells out of view do not animate: only a new tile changes them, and they are drawn with the
  // pattern they now have when they come into view.
  changes_.clear();
  for (int32_t c = regionCol0_; c < regionCol0_ + regionCols_; ++c) {
    const bool columnInView = c >= view.c0 && c <= view.lastCol;
    for (int32_t r = regionRow0_; r < regionRow0_ + regionRows_; ++r) {
      TKey& shown = Shown(c, r);
      const bool inView = columnInView && r >= view.r0 && r <= view.lastRow;
      if (!inView && trip.cells[c][r].tile == shown.tile) continue;
      const TKey now = KeyOf(trip, c, r);
      if (now == shown) continue;
      changes_.push_back(TChange{c, r, shown});
      shown = now;
    }
  }
  if (stampsChanged_) {
    anchored_ = false;
    return false;
  }
  for (const TChange& change : changes_) {
    const TKey& now = Shown(change.col, change.row);
    if (AloneOnItsDiamond(change, now)) {
      DrawCell(change.col, change.row, now, area_);
    } else {
      TRect area = BoundsOf(change.col, change.row, change.was);
      Extend(area, BoundsOf(change.col, change.row, now));
      Redraw(area);
    }
  }
  const TReportedWrite write(surface, TRect{0, 0, width, coveredFrom}, TWriteKind::Overwrite);
  const TDirectDrawSurface& layer = *layer_;
  const int left = window.Left - area_.Left;
  const int top = window.Top - area_.Top;
  for (int y = 0; y < coveredFrom; ++y) {
    std::memcpy(surface.Row(y), layer.Row(top + y) + left, static_cast<size_t>(width) * 2);
  }
  return true;
}
