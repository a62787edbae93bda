#include "media/draw_list.h"

#include <algorithm>

#include "media/picture_collection.h"
#include "media/surface.h"

void TDrawList::Replay(const TDrawRecord& record, TDirectDrawSurface& surface, const TRect& clip) {
  switch (record.kind) {
    case TDrawRecord::TKind::Copy:
      record.item->DrawWithin(surface, record.x, record.y, record.pattern, clip);
      return;
    case TDrawRecord::TKind::Blend:
      record.item->DrawBlendedWithin(surface, record.dest, record.pattern, record.alpha, clip);
      return;
    case TDrawRecord::TKind::Shade:
      surface.FillRectBlended(TRect{std::max(record.dest.Left, clip.Left), std::max(record.dest.Top, clip.Top),
                                    std::min(record.dest.Right, clip.Right), std::min(record.dest.Bottom, clip.Bottom)},
                              record.color, record.alpha);
      return;
  }
}
