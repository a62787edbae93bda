// Rectangles of a surface whose up-to-date pixels lie on another surface for now, to be copied in
// when they are first needed. The drawing device's exchanging flip leaves its back surface so
// (dx_draw.h): the back then holds the frame before last, and the front the pixels where the two
// differ. Copying them only when drawing reaches them skips those that drawing covers anyway.
//
// The rectangles never overlap. This holds the bookkeeping; the surface does the copying.
#pragma once

#include <cstddef>
#include <vector>

#include "media/geometry.h"

class TDamageCover;

class TPendingPixels {
 public:
  // Pieces kept at most: past this, dropping a rectangle takes what it overlaps instead of cutting.
  static constexpr size_t kMaxRects = 512;

  bool Any() const { return !rects_.empty(); }
  // Whether any pending rectangle may overlap rect (a quick look at what holds them all).
  bool MayOverlap(const TRect& rect) const { return Overlap(bounds_, rect); }
  // Pending: every rectangle of the cover.
  void Set(const TDamageCover& cover);
  // Pending: all of rect.
  void SetAll(const TRect& rect);
  // The pixels in rect are about to be set without being read: they need no copying. False when
  // that would cut the rectangles into too many pieces; take what overlaps rect then.
  bool Drop(const TRect& rect);
  // Calls copy(const TRect&) for each pending rectangle that overlaps rect and forgets it: whole,
  // so what it copies may reach past rect.
  template <class Copy>
  void Take(const TRect& rect, Copy copy) {
    if (!MayOverlap(rect)) return;
    size_t kept = 0;
    for (const TRect& pending : rects_) {
      if (Overlap(pending, rect)) {
        copy(pending);
      } else {
        rects_[kept++] = pending;
      }
    }
    rects_.resize(kept);
    Bound();
  }
  // Calls copy for every pending rectangle and forgets them.
  template <class Copy>
  void TakeAll(Copy copy) {
    for (const TRect& pending : rects_) copy(pending);
    Clear();
  }
  // Nothing pending.
  void Clear() {
    rects_.clear();
    bounds_ = TRect{};
  }

 private:
  void Bound();

  std::vector<TRect> rects_;
  TRect bounds_;  // holds every rectangle
  std::vector<TRect> cut_;  // Drop's work space
};
