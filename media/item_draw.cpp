// Sprite drawing: copies of an image item's patterns onto a surface, one to one (Draw), scaled
// (DrawStretched) or mixed with what the surface shows (DrawBlended).
#include <algorithm>
#include <cstring>

#include "media/blend_rows.h"
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

// Copies n pixels, size <= n <= 2 * size, with one move of size pixels from the start and one
// ending at the end; where they overlap they write the same pixels, so both stay inside the run.
template <uint32_t size>
inline void CopyEnds(uint16_t* dest, const uint16_t* source, uint32_t n) {
  std::memcpy(dest, source, size * 2);
  std::memcpy(dest + n - size, source + n - size, size * 2);
}

// Copies n pixels with at most two fixed-size moves. Short runs are the common case in sprites and
// tiles (runs of 2 to 64 pixels), where a call to memcpy per run costs more than the copy.
inline void CopyPixels(uint16_t* dest, const uint16_t* source, uint32_t n) {
  if (n > 64) {
    // Long runs (meters, panels, pictures): the library's wide moves do better.
    std::memcpy(dest, source, static_cast<size_t>(n) * 2);
  } else if (n >= 32) {
    CopyEnds<32>(dest, source, n);
  } else if (n >= 16) {
    CopyEnds<16>(dest, source, n);
  } else if (n >= 8) {
    CopyEnds<8>(dest, source, n);
  } else if (n >= 4) {
    CopyEnds<4>(dest, source, n);
  } else if (n >= 2) {
    CopyEnds<2>(dest, source, n);
  } else if (n == 1) {
    *dest = *source;
  }
}

// Copies the part of the run (first, first + length) that falls within columns [from, to).
inline void CopyRunClipped(uint16_t* dest, const uint16_t* source, uint32_t first, uint32_t length, int from,
                           int to) {
  const int left = std::max(static_cast<int>(first), from);
  const int right = std::min(static_cast<int>(first + length), to);
  if (left < right) CopyPixels(dest + left, source + left, static_cast<uint32_t>(right - left));
}

// Copies the runs of one row that fall within columns [from, to) of the pattern.
inline void CopyRunsClipped(uint16_t* dest, const uint16_t* source, const uint32_t* run,
                            const uint32_t* end, int from, int to) {
  for (; run != end && static_cast<int>(run[0]) < to; run += 2) {
    CopyRunClipped(dest, source, run[0], run[1], from, to);
  }
}

// Copies count pixels, leaving the destination's where a keyed source has the key: what the
// blender's row gives at full weight, without a call per row for the short rows of small sprites.
inline void CopyKeyedRow(uint16_t* dest, const uint16_t* source, int count, bool keyed, uint16_t key) {
  for (int i = 0; i < count; ++i) dest[i] = keyed && source[i] == key ? dest[i] : source[i];
}

// DrawBlended picks the stepped source pixels of a scaled row this many at a time, then blends
// them as one run.
constexpr int kPickedRun = 256;

// The whole-pattern source rectangle of a scaled copy, or false when it does not lie on its
// surface.
bool SourceInside(const TRect& rect, const TDirectDrawSurface& source) {
  return rect.Left >= 0 && rect.Top >= 0 && rect.Right <= source.Width() &&
         rect.Bottom <= source.Height() && rect.Width() > 0 && rect.Height() > 0;
}

// A drawing call as a draw list notes it, with what it draws from.
TDrawRecord Noted(TDrawRecord::TKind kind, TPictureCollectionItem& item, int pattern,
                  const TDirectDrawSurface& source, bool keyed) {
  TDrawRecord record;
  record.kind = kind;
  record.item = &item;
  record.pattern = pattern;
  record.sourceId = source.Id();
  record.sourceWrites = source.Writes();
  record.keyed = keyed;
  return record;
}

}  // namespace

TDirectDrawSurface* TPictureCollectionItem::PatternSurface(int pattern) {
  const TPatternEntry* entry = EntryFor(Surfaces(), pattern);
  return entry ? surfaces_.Surfaces[static_cast<size_t>(entry->SurfaceIndex)].get() : nullptr;
}

void TPictureCollectionItem::Draw(TDirectDrawSurface& dest, int x, int y, int pattern) {
  DrawWithin(dest, x, y, pattern, TRect{0, 0, dest.Width(), dest.Height()});
}

void TPictureCollectionItem::DrawAbove(TDirectDrawSurface& dest, int x, int y, int pattern, int clipBottom) {
  DrawWithin(dest, x, y, pattern, TRect{0, 0, dest.Width(), clipBottom});
}

void TPictureCollectionItem::DrawWithin(TDirectDrawSurface& dest, int x, int y, int pattern, const TRect& clip) {
  const TPatternEntry* entry = EntryFor(Surfaces(), pattern);
  const int clipLeft = std::max(clip.Left, 0);
  const int clipTop = std::max(clip.Top, 0);
  const int clipRight = std::min(clip.Right, dest.Width());
  const int clipBottom = std::min(clip.Bottom, dest.Height());
  if (!entry || x > clipRight || y > clipBottom) return;
  const TDirectDrawSurface& source = *surfaces_.Surfaces[static_cast<size_t>(entry->SurfaceIndex)];
  // Clip destination and source together: cut the same amount from both.
  const TRect& rect = entry->Rect;
  int from = 0;  // first pattern column drawn
  int to = rect.Width();
  int top = 0;  // first pattern row drawn
  int bottom = rect.Height();
  from = std::max({from, clipLeft - x, -rect.Left});
  top = std::max({top, clipTop - y, -rect.Top});
  to = std::min({to, clipRight - x, source.Width() - rect.Left});
  bottom = std::min({bottom, clipBottom - y, source.Height() - rect.Top});
  if (from >= to || top >= bottom) return;
  const bool keyed = Transparent && source.HasColorKey();
  if (TDrawList* list = dest.Recording()) {
    TDrawRecord record = Noted(TDrawRecord::TKind::Copy, *this, pattern, source, keyed);
    record.x = x;
    record.y = y;
    record.changes = TRect{x + from, y + top, x + to, y + bottom};
    list->Add(record);
    return;
  }
  const TReportedWrite write(dest, TRect{x + from, y + top, x + to, y + bottom},
                             keyed ? TWriteKind::Within : TWriteKind::Overwrite);

  if (!keyed) {
    if (from == 0 && x == 0 && rect.Left == 0 && to == source.Width() && to == dest.Width()) {
      // Whole rows of both surfaces: one contiguous copy.
      std::memcpy(dest.Row(y + top), source.Row(rect.Top + top),
                  static_cast<size_t>(bottom - top) * to * 2);
      return;
    }
    // Short rows (lamps, glyphs, icons) are copied inline; a call to memcpy would cost more.
    constexpr int kInlineRow = 32;
    for (int row = top; row < bottom; ++row) {
      uint16_t* target = dest.Row(y + row) + x + from;
      const uint16_t* pixels = source.Row(rect.Top + row) + rect.Left + from;
      if (to - from <= kInlineRow) {
        CopyPixels(target, pixels, static_cast<uint32_t>(to - from));
      } else {
        std::memcpy(target, pixels, static_cast<size_t>(to - from) * 2);
      }
    }
    return;
  }
  const uint32_t* runs = entry->Runs.data();
  const uint32_t* rowStart = entry->RowStart.data();
  const uint32_t* rowRun = entry->RowRun.data();
  const uint16_t* sourceRow = source.Row(rect.Top + top) + rect.Left;
  uint16_t* destRow = dest.Row(y + top) + x;
  const int sourceStep = source.Width();
  const int destStep = dest.Width();
  const bool wholeRows = from == 0 && to == rect.Width();
  for (int row = top; row < bottom; ++row) {
    // Most rows have one run, held in the row's word; the others list theirs.
    const uint32_t word = rowRun[row];
    if (word == TPatternEntry::kListedRow) {
      CopyRunsClipped(destRow, sourceRow, runs + rowStart[row], runs + rowStart[row + 1], from, to);
    } else if (wholeRows) {
      CopyPixels(destRow + (word >> 16), sourceRow + (word >> 16), word & 0xFFFF);
    } else {
      CopyRunClipped(destRow, sourceRow, word >> 16, word & 0xFFFF, from, to);
    }
    sourceRow += sourceStep;
    destRow += destStep;
  }
}

void TPictureCollectionItem::DrawStretched(TDirectDrawSurface& dest, const TRect& destRect,
                                           int pattern) {
  const TPatternEntry* entry = EntryFor(Surfaces(), pattern);
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
  if (stepX == 65536 && stepY == 65536) {
    // One to one: the pattern's runs do it without looking at each pixel.
    Draw(dest, destRect.Left, destRect.Top, pattern);
    return;
  }
  if (left >= right || top >= bottom) return;
  const TReportedWrite write(dest, TRect{left, top, right, bottom});
  const bool keyed = Transparent && source.HasColorKey();
  const uint16_t key = source.ColorKey();
  // Every row picks the same source columns: they are worked out once per span of kPickedRun
  // destination columns rather than with a multiplication per pixel. The picked pixels are then
  // copied, key and all, as the blender's row at full weight would.
  int32_t columns[kPickedRun];
  uint16_t picked[kPickedRun];
  for (int spanLeft = left; spanLeft < right; spanLeft += kPickedRun) {
    const int count = std::min(kPickedRun, right - spanLeft);
    int64_t sourceX = stepX * (spanLeft - destRect.Left);
    for (int i = 0; i < count; ++i, sourceX += stepX) columns[i] = static_cast<int32_t>(sourceX >> 16);
    // Shrunk by a little (a wake particle a pixel smaller than its picture), the columns picked can
    // still be side by side: then the source row is copied from where they start, nothing picked.
    const bool sideBySide = columns[count - 1] - columns[0] == count - 1;
    for (int y = top; y < bottom; ++y) {
      const uint16_t* sourceRow =
          source.Row(rect.Top + static_cast<int>((stepY * (y - destRect.Top)) >> 16)) + rect.Left;
      const uint16_t* pixels = sourceRow + columns[0];
      if (!sideBySide) {
        for (int i = 0; i < count; ++i) picked[i] = sourceRow[columns[i]];
        pixels = picked;
      }
      CopyKeyedRow(dest.Row(y) + spanLeft, pixels, count, keyed, key);
    }
  }
}

void TPictureCollectionItem::DrawBlended(TDirectDrawSurface& dest, const TRect& destRect,
                                         int pattern, int alpha) {
  DrawBlendedWithin(dest, destRect, pattern, alpha, TRect{0, 0, dest.Width(), dest.Height()});
}

void TPictureCollectionItem::DrawBlendedWithin(TDirectDrawSurface& dest, const TRect& destRect, int pattern,
                                               int alpha, const TRect& clip) {
  const TPatternEntry* entry = EntryFor(Surfaces(), pattern);
  if (!entry || alpha <= 0 || dest.Empty() || destRect.Width() <= 0 || destRect.Height() <= 0) {
    return;
  }
  TDirectDrawSurface& lockedSource = *surfaces_.Surfaces[static_cast<size_t>(entry->SurfaceIndex)];
  const TDirectDrawSurface& source = lockedSource;
  const TRect& rect = entry->Rect;
  if (source.Empty() || !SourceInside(rect, source)) return;
  const int left = std::max({destRect.Left, clip.Left, 0});
  const int right = std::min({destRect.Right, clip.Right, dest.Width()});
  const int top = std::max({destRect.Top, clip.Top, 0});
  const int bottom = std::min({destRect.Bottom, clip.Bottom, dest.Height()});
  if (left >= right || top >= bottom) return;
  if (TDrawList* list = dest.Recording()) {
    TDrawRecord record = Noted(TDrawRecord::TKind::Blend, *this, pattern, source, Transparent && source.HasColorKey());
    record.dest = destRect;
    record.alpha = alpha;
    record.changes = TRect{left, top, right, bottom};
    list->Add(record);
    return;
  }
  if (!dest.Lock()) return;
  if (!lockedSource.Lock()) {
    dest.Unlock();
    return;
  }
  const TReportedWrite write(dest, TRect{left, top, right, bottom});
  const int64_t stepX = (static_cast<int64_t>(rect.Width()) << 16) / destRect.Width();
  const int64_t stepY = (static_cast<int64_t>(rect.Height()) << 16) / destRect.Height();
  const bool keyed = Transparent && source.HasColorKey();
  const uint16_t key = source.ColorKey();
  const int weight = std::min(alpha, 255);
  const TPixelFormat format = dest.PixelFormat();
  const int64_t firstX = stepX * (left - destRect.Left);
  const int count = right - left;
  if (keyed && stepX == 65536 && stepY == 65536) {
    // One to one and keyed: only the pattern's opaque runs need blending.
    const uint32_t* runs = entry->Runs.data();
    const uint32_t* rowStart = entry->RowStart.data();
    const int from = left - destRect.Left;
    const int to = right - destRect.Left;
    for (int y = top; y < bottom; ++y) {
      const int row = y - destRect.Top;
      const uint16_t* sourceRow = source.Row(rect.Top + row) + rect.Left;
      uint16_t* destRow = dest.Row(y);
      for (const uint32_t* run = runs + rowStart[row]; run != runs + rowStart[row + 1]; run += 2) {
        const int first = std::max(static_cast<int>(run[0]), from);
        const int last = std::min(static_cast<int>(run[0] + run[1]), to);
        if (first < last) {
          BlendRow(destRow + (destRect.Left + first), sourceRow + first, last - first, weight, format, false, key);
        }
      }
    }
    lockedSource.Unlock();
    dest.Unlock();
    return;
  }
  uint16_t picked[kPickedRun];
  for (int y = top; y < bottom; ++y) {
    const uint16_t* sourceRow =
        source.Row(rect.Top + static_cast<int>((stepY * (y - destRect.Top)) >> 16)) + rect.Left;
    uint16_t* destRow = dest.Row(y) + left;
    if (stepX == 65536) {
      BlendRow(destRow, sourceRow + (firstX >> 16), count, weight, format, keyed, key);
      continue;
    }
    int64_t sourceX = firstX;
    for (int done = 0; done < count;) {
      const int run = std::min(kPickedRun, count - done);
      for (int i = 0; i < run; ++i, sourceX += stepX) picked[i] = sourceRow[sourceX >> 16];
      BlendRow(destRow + done, picked, run, weight, format, keyed, key);
      done += run;
    }
  }
  lockedSource.Unlock();
  dest.Unlock();
}
