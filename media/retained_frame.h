// A frame of a backdrop picture under layers of drawing, drawn again each tick but changed only where
// it changes. Each Draw records the layers' drawing calls (draw_list.h), compares them layer by
// layer with the last frame's, and redraws, from the backdrop up, only the rectangles where a call
// differs (where the last frame's call drew and where this frame's draws) or where anything else
// drew on the surface since; everything else on the surface already shows this frame. The whole
// frame is drawn when there is no last frame to go by: the first time, on another surface or
// backdrop, after drawing that did not say where it drew, or when a layer drew in a way a list
// cannot replay. Either way the surface ends up as drawing the backdrop and every layer in full
// leaves it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "media/draw_list.h"
#include "media/geometry.h"

class TDirectDrawSurface;
class TPictureCollectionItem;

class TRetainedFrame {
 public:
  // Rectangles the changed part of a frame is gathered into at most; more are joined.
  static constexpr size_t kMaxRects = 12;

  // The backdrop (item's pattern with its top-left corner at x, y), then layers 0..count-1, each
  // drawn by drawLayer(layer), which must draw the same whenever it is called for the same state.
  void Draw(TDirectDrawSurface& surface, TPictureCollectionItem& backdrop, int x, int y, int pattern, int count,
            const std::function<void(int)>& drawLayer);
  // The rectangles the last Draw redrew.
  const std::vector<TRect>& Redrawn() const { return changed_; }

 private:
  // What the backdrop's pixels on the surface depend on.
  struct TLaid {
    uint64_t sourceId = 0;
    uint64_t sourceWrites = 0;
    TRect rect;
    bool keyed = false;
    int x = 0;
    int y = 0;
    uint64_t clearing = 0;  // the surface's backdrop mark as the last Draw left it
    bool operator==(const TLaid&) const = default;
  };
  // Adds the rectangles where this frame's layers differ from the last frame's.
  void AddChangedLayers(int count);
  // Joins the changed rectangles until none overlap and there are at most kMaxRects.
  void JoinChanged();

  TDrawList now_;
  TDrawList last_;
  std::vector<size_t> nowStarts_;  // where each layer's records start, and the end
  std::vector<size_t> lastStarts_;
  TLaid laid_;
  bool haveLast_ = false;
  std::vector<TRect> changed_;
};
