// Sprite drawing: copies of an image item's patterns onto a surface, one to one (Draw), scaled
// (DrawStretched) or mixed with what the surface shows (DrawBlended).
#include <algorithm>
#include <cstring>

#include "media/blender.h"
#include "media/picture_collection.h"
#include "media/surface.h"

namespace {

// The pattern entry for index, or nullptr when the item cannot draw it.
const TPatternEntry* EntryFor(TItemSurfaces& surfaces, int pattern) {
  if (!surfaces.Ready || pattern < 0 || pattern >= static_cast<int>(surfaces.Patterns.size())) {
    return nullptr;
  }
  return &surfaces.Patterns[static_cast<size_t>(pattern)];
}

// Copies one row's runs that fall within columns [from, to) of the pattern to dest (which is the
// destination pixel of pattern column 0).
inline void CopyRuns(uint16_t* dest, const uint16_t* source, const uint32_t* run,
                     const uint32_t* end, int from, int to) {
  for (; run != end; run += 2) {
    int first = static_cast<int>(run[0]);
    int last = first + static_cast<int>(run[1]);
    if (first >= to) break;
    first = std::max(first, from);
    last = std::min(last, to);
    if (first < last) {
      std::memcpy(dest + first, source + first, static_cast<size_t>(last - first) * 2);
    }
  }
}

// The whole-pattern source rectangle of a scaled copy, or false when it does not lie on its surface.
bool SourceInside(const TRect& rect, const TDirectDrawSurface& source) {
  return rect.Left >= 0 && rect.Top >= 0 && rect.Right <= source.Width() &&
         rect.Bottom <= source.Height() && rect.Width() > 0 && rect.Height() > 0;
}

}  // namespace

TDirectDrawSurface* TPictureCollectionItem::PatternSurface(int pattern) {
  const TPatternEntry* entry = EntryFor(surfaces_, pattern);
  return entry ? surfaces_.Surfaces[static_cast<size_t>(entry->SurfaceIndex)].get() : nullptr;
}

void TPictureCollectionItem::Draw(TDirectDrawSurface& dest, int x, int y, int pattern) {
  const TPatternEntry* entry = EntryFor(surfaces_, pattern);
  if (!entry || x > dest.Width() || y > dest.Height()) return;
  const TDirectDrawSurface& source = *surfaces_.Surfaces[static_cast<size_t>(entry->SurfaceIndex)];
  // Clip destination and source together: cut the same amount from both.
  const TRect& rect = entry->Rect;
  int from = 0;  // first pattern column drawn
  int to = rect.Width();
  int top = 0;  // first pattern row drawn
  int bottom = rect.Height();
  from = std::max({from, -x, -rect.Left});
  top = std::max({top, -y, -rect.Top});
  to = std::min({to, dest.Width() - x, source.Width() - rect.Left});
  bottom = std::min({bottom, dest.Height() - y, source.Height() - rect.Top});
  if (from >= to || top >= bottom) return;

  const bool keyed = Transparent && source.HasColorKey();
  for (int row = top; row < bottom; ++row) {
    const uint16_t* sourceRow = source.Row(rect.Top + row) + rect.Left;
    uint16_t* destRow = dest.Row(y + row) + x;
    if (keyed) {
      const uint32_t* runs = entry->Runs.data();
      CopyRuns(destRow, sourceRow, runs + entry->RowStart[row], runs + entry->RowStart[row + 1], from,
               to);
    } else {
      std::memcpy(destRow + from, sourceRow + from, static_cast<size_t>(to - from) * 2);
    }
  }
}

void TPictureCollectionItem::DrawStretched(TDirectDrawSurface& dest, const TRect& destRect,
                                           int pattern) {
  const TPatternEntry* entry = EntryFor(surfaces_, pattern);
  if (!entry || destRect.Width() <= 0 || destRect.Height() <= 0) return;
  const TDirectDrawSurface& source = *surfaces_.Surfaces[static_cast<size_t>(entry->SurfaceIndex)];
  const TRect& rect = entry->Rect;
  if (!SourceInside(rect, source)) return;
  const int64_t stepX = (static_cast<int64_t>(rect.Width()) << 16) / destRect.Width();
  const int64_t stepY = (static_cast<int64_t>(rect.Height()) << 16) / destRect.Height();
  const int left = std::max(destRect.Left, 0);
  const int right = std::min(destRect.Right, dest.Width());
  const int top = std::max(destRect.Top, 0);
  const int bottom = std::min(destRect.Bottom, dest.Height());
  const bool keyed = Transparent && source.HasColorKey();
  const uint16_t key = source.ColorKey();
  for (int y = top; y < bottom; ++y) {
    const uint16_t* sourceRow = source.Row(rect.Top + static_cast<int>((stepY * (y - destRect.Top)) >> 16)) + rect.Left;
    uint16_t* destRow = dest.Row(y);
    for (int x = left; x < right; ++x) {
      const uint16_t pixel = sourceRow[(stepX * (x - destRect.Left)) >> 16];
      if (!keyed || pixel != key) destRow[x] = pixel;
    }
  }
}

void TPictureCollectionItem::DrawBlended(TDirectDrawSurface& dest, const TRect& destRect,
                                         int pattern, int alpha) {
  const TPatternEntry* entry = EntryFor(surfaces_, pattern);
  if (!entry || alpha <= 0 || dest.Empty() || destRect.Width() <= 0 || destRect.Height() <= 0) {
    return;
  }
  TDirectDrawSurface& source = *surfaces_.Surfaces[static_cast<size_t>(entry->SurfaceIndex)];
  const TRect& rect = entry->Rect;
  if (source.Empty() || !SourceInside(rect, source)) return;
  if (!dest.Lock()) return;
  if (!source.Lock()) {
    dest.Unlock();
    return;
  }
  const int64_t stepX = (static_cast<int64_t>(rect.Width()) << 16) / destRect.Width();
  const int64_t stepY = (static_cast<int64_t>(rect.Height()) << 16) / destRect.Height();
  const int left = std::max(destRect.Left, 0);
  const int right = std::min(destRect.Right, dest.Width());
  const int top = std::max(destRect.Top, 0);
  const int bottom = std::min(destRect.Bottom, dest.Height());
  const bool keyed = Transparent && source.HasColorKey();
  const uint16_t key = source.ColorKey();
  const int weight = std::min(alpha, 255);
  const TPixelFormat format = dest.PixelFormat();
  for (int y = top; y < bottom; ++y) {
    const uint16_t* sourceRow = source.Row(rect.Top + static_cast<int>((stepY * (y - destRect.Top)) >> 16)) + rect.Left;
    uint16_t* destRow = dest.Row(y);
    for (int x = left; x < right; ++x) {
      const uint16_t pixel = sourceRow[(stepX * (x - destRect.Left)) >> 16];
      if (keyed && pixel == key) continue;
      destRow[x] = weight == 255 ? pixel : Blend16(pixel, destRow[x], weight, format);
    }
  }
  source.Unlock();
  dest.Unlock();
}
