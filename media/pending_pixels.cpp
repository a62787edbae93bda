#include "media/pending_pixels.h"

#include "media/surface_damage.h"

void TPendingPixels::Set(const TDamageCover& cover) {
  rects_.clear();
  cover.ForEach([&](const TRect& rect) { rects_.push_back(rect); });
  Bound();
}

void TPendingPixels::SetAll(const TRect& rect) {
  Clear();
  if (!Empty(rect)) rects_.push_back(rect);
  bounds_ = rect;
}

bool TPendingPixels::Drop(const TRect& rect) {
  if (!MayOverlap(rect)) return true;
  cut_.clear();
  for (const TRect& pending : rects_) {
    if (!Overlap(pending, rect)) {
      cut_.push_back(pending);
      continue;
    }
    // What lies above, below, left and right of rect; the sides only over rect's rows.
    const TRect inner = Intersection(pending, rect);
    const TRect pieces[] = {
        {pending.Left, pending.Top, pending.Right, inner.Top},
        {pending.Left, inner.Bottom, pending.Right, pending.Bottom},
        {pending.Left, inner.Top, inner.Left, inner.Bottom},
        {inner.Right, inner.Top, pending.Right, inner.Bottom},
    };
    for (const TRect& piece : pieces) {
      if (!Empty(piece)) cut_.push_back(piece);
    }
  }
  if (cut_.size() > kMaxRects) return false;
  rects_.swap(cut_);
  Bound();
  return true;
}

void TPendingPixels::Bound() {
  bounds_ = TRect{};
  for (const TRect& rect : rects_) Extend(bounds_, rect);
}
