#include "media/surface_damage.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<uint64_t> clearings{0};

bool Contains(const TRect& outer, const TRect& inner) {
  return outer.Left <= inner.Left && outer.Top <= inner.Top && outer.Right >= inner.Right &&
         outer.Bottom >= inner.Bottom;
}

}  // namespace

bool TSurfaceDamage::LastSeenByAll() const {
  for (const TMarkState& mark : marks_) {
    if (!mark.all && mark.start >= log_.size()) return false;
  }
  return true;
}

void TSurfaceDamage::Add(const TRect& rect) {
  if (marks_[0].all && marks_[1].all) return;
  const TRect clipped{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, width_),
                      std::min(rect.Bottom, height_)};
  if (clipped.Left >= clipped.Right || clipped.Top >= clipped.Bottom) return;
  if (!log_.empty() && LastSeenByAll()) {
    TRect& last = log_.back();
    if (Contains(last, clipped)) return;
    if (Contains(clipped, last)) {
      last = clipped;
      return;
    }
    if (last.Top == clipped.Top && last.Bottom == clipped.Bottom && last.Right >= clipped.Left &&
        clipped.Right >= last.Left) {
      last.Left = std::min(last.Left, clipped.Left);
      last.Right = std::max(last.Right, clipped.Right);
      return;
    }
    if (last.Left == clipped.Left && last.Right == clipped.Right && last.Bottom >= clipped.Top &&
        clipped.Bottom >= last.Top) {
      last.Top = std::min(last.Top, clipped.Top);
      last.Bottom = std::max(last.Bottom, clipped.Bottom);
      return;
    }
  }
  if (log_.size() == kMaxRects) {
    AddAll();
    return;
  }
  if (log_.capacity() < kMaxRects) log_.reserve(kMaxRects);
  log_.push_back(clipped);
}

void TSurfaceDamage::AddAll() {
  for (TMarkState& mark : marks_) {
    mark.all = true;
    mark.start = 0;
  }
  log_.clear();
}

void TSurfaceDamage::Clear(TDamageMark which) {
  TMarkState& mark = State(which);
  mark.all = false;
  mark.start = log_.size();
  mark.serial = ++clearings;
  // When no mark needs what is logged, the log starts again.
  for (const TMarkState& other : marks_) {
    if (!other.all && other.start < log_.size()) return;
  }
  log_.clear();
  for (TMarkState& other : marks_) other.start = 0;
}

std::span<const TRect> TSurfaceDamage::Since(TDamageMark mark) const {
  const size_t start = std::min(State(mark).start, log_.size());
  return std::span<const TRect>(log_).subspan(start);
}

void TDamageCover::Build(std::span<const TRect> rects, int width, int height) {
  height_ = std::max(height, 0);
  const size_t bands = static_cast<size_t>((height_ + kBandRows - 1) / kBandRows);
  counts_.assign(bands, 0);
  if (spans_.size() < bands * kSpans) spans_.resize(bands * kSpans);
  for (const TRect& rect : rects) {
    const int left = std::max(rect.Left, 0);
    const int right = std::min(rect.Right, width);
    const int top = std::max(rect.Top, 0);
    const int bottom = std::min(rect.Bottom, height_);
    if (left >= right || top >= bottom) continue;
    for (int band = top / kBandRows; band <= (bottom - 1) / kBandRows; ++band) {
      AddSpan(static_cast<size_t>(band), left, right);
    }
  }
}

void TDamageCover::AddSpan(size_t band, int left, int right) {
  TSpan* spans = &spans_[band * kSpans];
  int count = counts_[band];
  // Spans lie in order and apart: find those [left, right) touches.
  int first = 0;
  while (first < count && spans[first].right < left) ++first;
  int last = first;
  while (last < count && spans[last].left <= right) {
    left = std::min(left, spans[last].left);
    right = std::max(right, spans[last].right);
    ++last;
  }
  if (last > first) {
    // Touches spans first..last-1: they become one.
    spans[first] = TSpan{left, right};
    std::copy(spans + last, spans + count, spans + first + 1);
    counts_[band] = static_cast<uint8_t>(count - (last - first - 1));
    return;
  }
  if (count == kSpans) {
    // No room: of the spans and the new one, the two nearest neighbours join.
    TSpan all[kSpans + 1];
    std::copy(spans, spans + first, all);
    all[first] = TSpan{left, right};
    std::copy(spans + first, spans + count, all + first + 1);
    int join = 0;
    for (int i = 1; i < kSpans; ++i) {
      if (all[i + 1].left - all[i].right < all[join + 1].left - all[join].right) join = i;
    }
    all[join].right = all[join + 1].right;
    std::copy(all, all + join + 1, spans);
    std::copy(all + join + 2, all + kSpans + 1, spans + join + 1);
    return;
  }
  std::copy_backward(spans + first, spans + count, spans + count + 1);
  spans[first] = TSpan{left, right};
  counts_[band] = static_cast<uint8_t>(count + 1);
}

int64_t TDamageCover::Area() const {
  int64_t area = 0;
  ForEach([&](const TRect& rect) { area += static_cast<int64_t>(rect.Width()) * rect.Height(); });
  return area;
}
