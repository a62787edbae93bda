// The tile layer draws what drawing the cells one by one draws, tick after tick, on the generated
// lakes: while the view drives about and jumps, cells animate, a cell changes its tile, and the
// device builds its surfaces anew.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "fishing/trip_tiles.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/surface.h"
#include "play_rig.h"

namespace {

using play_test::TPlayRig;

// Where two surfaces first differ, or empty when they hold the same pixels.
std::string FirstDifference(const TDirectDrawSurface& a, const TDirectDrawSurface& b) {
  for (int y = 0; y < a.Height(); ++y) {
    if (std::memcmp(a.Row(y), b.Row(y), static_cast<size_t>(a.Width()) * 2) == 0) continue;
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Row(y)[x] != b.Row(y)[x]) {
        std::ostringstream where;
        where << "(" << x << ", " << y << "): " << a.Row(y)[x] << " instead of " << b.Row(y)[x];
        return where.str();
      }
    }
  }
  return {};
}

// The scroll of step i: drives in small steps that change direction, with a long jump now and then
// and a visit to the lake's top-left corner, where the map ends inside the view.
TPoint ScrollAt(int i, TPoint start) {
  static constexpr TPoint kSteps[] = {{3, 2}, {-5, 1}, {2, -4}, {-1, -3}, {6, 0}, {0, 5}};
  TPoint at = start;
  for (int k = 0; k < i; ++k) {
    const TPoint step = kSteps[(k / 25) % 6];
    at.X += step.X;
    at.Y += step.Y;
    if (k % 70 == 69) at.X += 400;
    if (k % 90 == 89) at.Y -= 300;
    if (k % 160 == 159) at = TPoint{0, 0};
    if (k % 160 == 0 && k > 0) at = start;
  }
  return TPoint{std::max(0, at.X), std::max(0, at.Y)};
}

void PlayTheLake(const std::filesystem::path& folder, const std::string& lake) {
  SCOPED_TRACE(lake);
  TPlayRig rig(folder);
  rig.SelectLake(lake);
  rig.trip->cash = 1000000;
  ASSERT_TRUE(rig.Start());
  TTripContext& ctx = rig.play->Context();
  LakeTrip& trip = ctx.trip;
  const TPoint start{static_cast<int>(trip.boatX) - 320, static_cast<int>(trip.boatY) - 190};
  int layered = 0;
  int cellByCell = 0;
  constexpr int kSteps = 400;
  for (int i = 0; i < kSteps; ++i) {
    const TPoint at = ScrollAt(i, start);
    trip.scrollX = std::min(at.X, trip.lastCol * trip.tileWidth);
    trip.scrollY = std::min(at.Y, trip.lastRow * trip.tileHeight / 2);
    if (i == 120 || i == 260) {
      // A cell in the middle of the view turns into a tall picture, and later back.
      const int col = (trip.scrollX + 320) / trip.tileWidth;
      const int row = (trip.scrollY + 200) / (trip.tileHeight / 2);
      trip.cells[col][row].tile = i == 120 ? 39 : 3;
    }
    if (i == 200) {
      // The device makes every surface again: the tiles' pictures are new surfaces.
      rig.draw.Finalize();
      rig.draw.Initialize();
    }
    TDirectDrawSurface& back = *rig.draw.Surface();
    TDirectDrawSurface expected(back.Width(), back.Height(), back.PixelFormat());
    std::memcpy(expected.Bits(), back.Bits(), static_cast<size_t>(back.Pitch()) * back.Height());
    DrawCellsOneByOne(ctx, TilesInView(ctx), expected);
    DrawTiles(ctx);
    (ctx.tileLayer.Anchored() ? layered : cellByCell) += 1;
    const std::string difference = FirstDifference(back, expected);
    ASSERT_EQ(difference, "") << "step " << i << ", scroll " << trip.scrollX << ", " << trip.scrollY;
  }
  // Both ways were taken, the layer for most of the trip.
  EXPECT_GT(layered, kSteps * 3 / 4);
  EXPECT_GT(cellByCell, 0);
}

TEST(TileLayer, DrawsWhatDrawingCellByCellDrawsOnEveryTileLibrary) {
  const std::filesystem::path folder = std::filesystem::path(TH_BIN_DIR) / "tarnhook";
  if (!std::filesystem::exists(folder / "lakes" / "Loon_Lake.iso")) {
    GTEST_SKIP() << "no generated program folder at " << folder;
  }
  PlayTheLake(folder, "Loon_Lake");     // canada.dxg
  PlayTheLake(folder, "Palm_Lagoon");  // tropic.dxg
}

}  // namespace
