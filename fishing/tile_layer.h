// The lake's tiles kept drawn on a surface of their own, larger than the screen and anchored to the
// lake. A tick then redraws only the cells whose picture changed (an animation step, a cell turned
// to water) and copies the view out, instead of drawing every cell in view; the layer is drawn
// anew only when the view leaves it.
//
// It stands in for drawing the cells in view one by one only where both give the same pixels:
// every pixel of the view above the dashboard lies on the whole diamond of a cell in view, and no
// cell out of view reaches into it. Where that does not hold (holes in the map, its edges,
// pictures with gaps in their diamond) the cells are drawn one by one, as before.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "media/geometry.h"
#include "media/pixel_format.h"

class TDirectDrawSurface;
class TPictureCollection;
class TPictureCollectionItem;
struct LakeTrip;

// What one tick shows of the lake: the cells [c0, lastCol] x [r0, lastRow], seen from scroll
// (the world position of the screen's top-left pixel), on the surface's rows above coveredFrom.
struct TTileView {
  int32_t scrollX = 0;
  int32_t scrollY = 0;
  int32_t c0 = 0;
  int32_t r0 = 0;
  int32_t lastCol = 0;
  int32_t lastRow = 0;
  int coveredFrom = 0;
};

class TTileLayer {
 public:
  TTileLayer();
  ~TTileLayer();

  // Puts on surface's rows above view.coveredFrom what drawing the view's cells in order would,
  // and returns true; returns false, having drawn nothing, where the layer cannot stand for that
  // drawing. Animation counters are left to the caller.
  bool Draw(TDirectDrawSurface& surface, const LakeTrip& trip, TPictureCollection& tiles, const TTileView& view);
  // Drops what the layer holds: the next Draw draws it anew (a new lake, new pictures).
  void Forget();
  // Whether the last Draw drew from the layer.
  bool Anchored() const { return anchored_; }

  // The layer's pixels outside the screen on each side.
  static constexpr int kMargin = 160;
  // Tiles larger than this are drawn cell by cell.
  static constexpr int kMaxTileSide = 128;

 private:
  // A cell's picture: its tile and the pattern shown; tile -1 is no picture.
  struct TKey {
    int32_t tile = -1;
    int32_t pattern = 0;
    bool operator==(const TKey&) const = default;
  };
  // What the layer knows of a tile of the library, worked out when the tile is first met and again
  // whenever its pictures change.
  struct TTileShape {
    TPictureCollectionItem* item = nullptr;
    uint64_t stamp = 0;
    uint32_t seen = 0;  // the Draw that last checked the stamp
    int total = 0;
    int width = 0;
    int height = 0;
    // Per pattern: its bottom rows hold the whole diamond (covers), and nothing else (exact).
    std::vector<uint8_t> covers;
    std::vector<uint8_t> exact;
    bool allCover = false;  // every pattern covers
  };
  struct TChange {
    int32_t col = 0;
    int32_t row = 0;
    TKey was;
  };

  // The tile's shape, its stamp checked once a Draw.
  TTileShape* Shape(int tile);
  TTileShape* Refresh(int tile);
  TKey KeyOf(const LakeTrip& trip, int32_t col, int32_t row);
  // The cell's picture rectangle in the world (empty for no picture).
  TRect BoundsOf(int32_t col, int32_t row, const TKey& key);
  bool Eligible(const LakeTrip& trip, const TTileView& view, const TRect& window);
  bool Anchor(const LakeTrip& trip, const TRect& window);
  void DrawCell(int32_t col, int32_t row, const TKey& key, const TRect& clip);
  void Redraw(const TRect& area);
  bool AloneOnItsDiamond(const TChange& change, const TKey& now);
  TKey& Shown(int32_t col, int32_t row);

  std::unique_ptr<TDirectDrawSurface> layer_;
  TPictureCollection* tiles_ = nullptr;
  std::vector<TTileShape> shapes_;
  uint32_t draws_ = 0;
  bool stampsChanged_ = false;
  // The lake's cell sides, and the largest picture of the library.
  int tw_ = 0;
  int th_ = 0;
  int maxWidth_ = 0;
  int maxHeight_ = 0;
  // The canonical diamond's columns [from, to) for each of its rows, and whether such diamonds
  // cover the plane once over on the staggered grid.
  std::vector<std::pair<int, int>> diamond_;
  bool diamondsTile_ = false;
  // Where the layer lies in the world, the cells whose pictures can reach it, and the picture each
  // of them has on it.
  bool anchored_ = false;
  TRect area_;
  int32_t regionCol0_ = 0;
  int32_t regionRow0_ = 0;
  int32_t regionCols_ = 0;
  int32_t regionRows_ = 0;
  int32_t lakeCols_ = 0;
  int32_t lakeRows_ = 0;
  TPixelFormat format_ = TPixelFormat::RGB565;
  std::vector<TKey> shown_;
  std::vector<TChange> changes_;
};
