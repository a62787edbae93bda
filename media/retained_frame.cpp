#include "media/retained_frame.h"

#include <algorithm>
#include <utility>

#include "media/picture_collection.h"
#include "media/surface.h"

namespace {

// Drawing elsewhere since the last frame in more pieces than this is taken as drawing everywhere.
constexpr size_t kMaxForeignRects = 64;
// Records a frame is expected to hold at most; more only cost an allocation.
constexpr size_t kRecords = 1024;

int64_t Area(const TRect& r) { return static_cast<int64_t>(r.Width()) * r.Height(); }

// Stops the surface recording, whatever a layer raises.
struct TRecording {
  TDirectDrawSurface& surface;
  TRecording(TDirectDrawSurface& s, TDrawList& list) : surface(s) { surface.RecordInto(&list); }
  ~TRecording() { surface.RecordInto(nullptr); }
};

}  // namespace

void TRetainedFrame::Draw(TDirectDrawSurface& surface, TPictureCollectionItem& backdrop, int x, int y, int pattern,
                          int count, const std::function<void(int)>& drawLayer) {
  now_.Clear();
  now_.Reserve(kRecords);
  nowStarts_.clear();
  {
    const TRecording recording(surface, now_);
    for (int layer = 0; layer < count; ++layer) {
      nowStarts_.push_back(now_.Size());
      drawLayer(layer);
    }
    nowStarts_.push_back(now_.Size());
  }
  const TRect whole{0, 0, surface.Width(), surface.Height()};
  changed_.clear();
  changed_.push_back(whole);
  if (!now_.Replayable()) {
    backdrop.Draw(surface, x, y, pattern);
    for (int layer = 0; layer < count; ++layer) drawLayer(layer);
    haveLast_ = false;
    return;
  }
  const TDirectDrawSurface* source = backdrop.PatternSurface(pattern);
  TLaid laid;
  if (source) {
    laid = TLaid{source->Id(),
                 source->Writes(),
                 backdrop.Surfaces().Patterns[static_cast<size_t>(pattern)].Rect,
                 backdrop.Transparent && source->HasColorKey(),
                 x,
                 y,
                 surface.Damage().Serial(TDamageMark::Backdrop)};
  }
  const TSurfaceDamage& drawn = surface.Damage();
  if (source && haveLast_ && laid == laid_ && lastStarts_.size() == nowStarts_.size() &&
      !drawn.All(TDamageMark::Backdrop) && drawn.Since(TDamageMark::Backdrop).size() <= kMaxForeignRects) {
    changed_.clear();
    for (const TRect& rect : drawn.Since(TDamageMark::Backdrop)) changed_.push_back(rect);
    AddChangedLayers(count);
    JoinChanged();
  }
  for (const TRect& rect : changed_) backdrop.DrawWithin(surface, x, y, pattern, rect);
  for (const TDrawRecord& record : now_.Records()) {
    for (const TRect& rect : changed_) {
      const TRect clip = Intersection(record.changes, rect);
      if (!Empty(clip)) TDrawList::Replay(record, surface, clip);
    }
  }
  surface.ClearDamage(TDamageMark::Backdrop);
  laid.clearing = surface.Damage().Serial(TDamageMark::Backdrop);
  laid_ = laid;
  haveLast_ = source != nullptr;
  std::swap(now_, last_);
  std::swap(nowStarts_, lastStarts_);
}

void TRetainedFrame::AddChangedLayers(int count) {
  const std::span<const TDrawRecord> last = last_.Records();
  const std::span<const TDrawRecord> now = now_.Records();
  for (size_t layer = 0; layer < static_cast<size_t>(count); ++layer) {
    const size_t lastFrom = lastStarts_[layer];
    const size_t lastTo = lastStarts_[layer + 1];
    const size_t nowFrom = nowStarts_[layer];
    const size_t nowTo = nowStarts_[layer + 1];
    // Where the layer's differing calls drew last frame, and where they draw now.
    TRect before;
    TRect after;
    if (lastTo - lastFrom == nowTo - nowFrom) {
      for (size_t k = 0; k < nowTo - nowFrom; ++k) {
        const TDrawRecord& old = last[lastFrom + k];
        const TDrawRecord& fresh = now[nowFrom + k];
        if (old == fresh) continue;
        Extend(before, old.changes);
        Extend(after, fresh.changes);
      }
    } else {
      for (size_t k = lastFrom; k < lastTo; ++k) Extend(before, last[k].changes);
      for (size_t k = nowFrom; k < nowTo; ++k) Extend(after, now[k].changes);
    }
    if (!Empty(before)) changed_.push_back(before);
    if (!Empty(after)) changed_.push_back(after);
  }
}

void TRetainedFrame::JoinChanged() {
  std::erase_if(changed_, Empty);
  for (;;) {
    bool joined = false;
    for (size_t i = 0; i < changed_.size(); ++i) {
      for (size_t j = i + 1; j < changed_.size();) {
        if (!Overlap(changed_[i], changed_[j])) {
          ++j;
          continue;
        }
        changed_[i] = Union(changed_[i], changed_[j]);
        changed_[j] = changed_.back();
        changed_.pop_back();
        joined = true;
      }
    }
    if (joined) continue;
    if (changed_.size() <= kMaxRects) return;
    // Too many: join the two whose joining covers the fewest pixels more.
    size_t bestI = 0;
    size_t bestJ = 1;
    int64_t bestGrowth = -1;
    for (size_t i = 0; i < changed_.size(); ++i) {
      for (size_t j = i + 1; j < changed_.size(); ++j) {
        const int64_t growth = Area(Union(changed_[i], changed_[j])) - Area(changed_[i]) - Area(changed_[j]);
        if (bestGrowth < 0 || growth < bestGrowth) {
          bestGrowth = growth;
          bestI = i;
          bestJ = j;
        }
      }
    }
    changed_[bestI] = Union(changed_[bestI], changed_[bestJ]);
    changed_[bestJ] = changed_.back();
    changed_.pop_back();
  }
}
