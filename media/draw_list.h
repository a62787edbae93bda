// Drawing kept as a list instead of done. While a surface records into a TDrawList, the drawing calls
// on it (an item's Draw, DrawAbove, DrawWithin and DrawBlended, the surface's FillRectBlended) are
// noted, each with the rectangle of pixels it would change, and nothing is drawn; Replay carries a
// noted call out later, limited to a clip rectangle. Anything else that would draw on the surface
// while it records (stretched pictures, fills, raw writes) spoils the list: it cannot stand for
// what was drawn.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "media/geometry.h"

class TDirectDrawSurface;
class TPictureCollectionItem;

struct TDrawRecord {
  enum class TKind : uint8_t { Copy, Blend, Shade };
  TKind kind = TKind::Copy;
  TPictureCollectionItem* item = nullptr;  // Copy, Blend
  int pattern = 0;
  int x = 0;  // Copy: where the pattern's top-left corner goes
  int y = 0;
  TRect dest;  // Blend: the rectangle the pattern is scaled to; Shade: the rectangle darkened
  int alpha = 0;
  uint32_t color = 0;  // Shade
  // The pattern's surface as it was (Copy, Blend): the same numbers mean the same pixels and key.
  uint64_t sourceId = 0;
  uint64_t sourceWrites = 0;
  bool keyed = false;
  // The pixels the call changes lie within this rectangle, which lies on the surface.
  TRect changes;

  bool operator==(const TDrawRecord&) const = default;
};

class TDrawList {
 public:
  void Clear() {
    records_.clear();
    replayable_ = true;
  }
  void Add(const TDrawRecord& record) { records_.push_back(record); }
  void Spoil() { replayable_ = false; }
  bool Replayable() const { return replayable_; }
  std::span<const TDrawRecord> Records() const { return records_; }
  size_t Size() const { return records_.size(); }
  void Reserve(size_t records) { records_.reserve(records); }

  // Carries the call out on surface, changing only pixels within clip.
  static void Replay(const TDrawRecord& record, TDirectDrawSurface& surface, const TRect& clip);

 private:
  std::vector<TDrawRecord> records_;
  bool replayable_ = true;
};
