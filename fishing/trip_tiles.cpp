#include "fishing/trip_tiles.h"

#include <algorithm>

#include "media/dx_draw.h"
#include "media/dx_image_list.h"

namespace {

// The first surface row the dashboard covers later in the tick, when it is an opaque picture across
// the whole width; tiles below it would be drawn only to be drawn over. The surface's height when
// the dashboard lets anything show through.
int CoveredFrom(const TTripContext& ctx, const TDirectDrawSurface& surface) {
  TPictureCollectionItem* dash = ctx.pictures.fishdash;
  const bool opaque = dash && (!dash->Transparent || dash->TransparentColor() == clNone);
  if (!opaque || !dash->PatternSurface(0) || dash->Width() < surface.Width()) return surface.Height();
  return surface.Height() - dash->Height();
}

// The tile's look for this tick, looked up on its first cell.
const TTileLook& LookOf(std::vector<TTileLook>& looks, TPictureCollection& tiles, int32_t tile, int32_t tileHeight) {
  TTileLook& look = looks[static_cast<size_t>(tile)];
  if (!look.item) {
    look.item = &tiles.Items(tile);
    look.total = look.item->PatternTotal();
    look.rise = look.item->Height() - tileHeight;
  }
  return look;
}

}  // namespace

TTileView TilesInView(const TTripContext& ctx) {
  const LakeTrip& trip = ctx.trip;
  const TDirectDrawSurface& surface = *ctx.dev.DXDraw.Surface();
  const int32_t hh = trip.tileHeight / 2;
  TTileView view;
  view.scrollX = trip.scrollX;
  view.scrollY = trip.scrollY;
  view.c0 = std::max(0, trip.scrollX / trip.tileWidth - 1);
  view.r0 = std::max(0, trip.scrollY / hh - 1);
  view.lastRow = std::min(trip.lastRow, surface.Height() / hh + view.r0);
  view.lastCol = std::min(trip.lastCol, surface.Width() / trip.tileWidth + view.c0 + 2);
  view.coveredFrom = CoveredFrom(ctx, surface);
  return view;
}

void DrawCellsOneByOne(TTripContext& ctx, const TTileView& view, TDirectDrawSurface& surface) {
  LakeTrip& trip = ctx.trip;
  TPictureCollection& tiles = ctx.dev.DXTileList.Items;
  const int32_t hw = trip.tileWidth / 2;
  const int32_t hh = trip.tileHeight / 2;
  const int32_t count = tiles.Count();
  std::vector<TTileLook>& looks = ctx.tileLooks;
  looks.assign(static_cast<size_t>(count), TTileLook{});
  for (int32_t r = view.r0; r <= view.lastRow; ++r) {
    const int y0 = hh * r - view.scrollY;
    const int x0 = (r % 2) * hw - view.scrollX;
    for (int32_t c = view.c0; c <= view.lastCol; ++c) {
      const TileCell& cell = trip.cells[c][r];
      // Negative numbers other than -1 are no tile either: the library has no such item.
      if (cell.tile < 0 || cell.tile >= count) continue;
      const TTileLook& look = LookOf(looks, tiles, cell.tile, trip.tileHeight);
      look.item->DrawAbove(surface, x0 + c * trip.tileWidth, y0 - look.rise, std::min(look.total - 1, cell.frame >> 3),
                           view.coveredFrom);
    }
  }
}

void DrawTiles(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  TDirectDrawSurface& surface = *ctx.dev.DXDraw.Surface();
  TPictureCollection& tiles = ctx.dev.DXTileList.Items;
  const TTileView view = TilesInView(ctx);
  const int32_t count = tiles.Count();
  std::vector<TTileLook>& looks = ctx.tileLooks;
  if (ctx.tileLayer.Draw(surface, trip, tiles, view)) {
    looks.assign(static_cast<size_t>(count), TTileLook{});
  } else {
    DrawCellsOneByOne(ctx, view, surface);
  }
  for (int32_t c = view.c0; c <= view.lastCol; ++c) {
    for (int32_t r = view.r0; r <= view.lastRow; ++r) {
      TileCell& cell = trip.cells[c][r];
      if (cell.tile < 0 || cell.tile >= count) continue;
      const TTileLook& look = LookOf(looks, tiles, cell.tile, trip.tileHeight);
      if (look.total > 1) {
        ++cell.frame;
        if (cell.frame > 8 * look.total) cell.frame = 0;
      }
    }
  }
}
