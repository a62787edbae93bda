// The generated tile libraries: every item a map numbers, diamonds that tile the plane, water that
// joins seamlessly in any animation phase, and shore pieces whose land edges match plain ground.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "media/picture_collection.h"
#include "tests/tools/world_data.h"
#include "tools/assetgen/tile_set.h"

namespace {

bool InDiamond(int x, int y) {
  return std::fabs(x + 0.5 - 32) / 32 + std::fabs(y + 0.5 - 16) / 16 < 1.0;
}

// Pixel (x, y) of the diamond of pattern p (bottom 32 rows of the pattern).
uint32_t Ground(const TPictureCollectionItem& item, int pattern, int x, int y) {
  const TRect r = item.PatternRect(pattern);
  return item.Picture().At(r.Left + x, r.Bottom - 32 + y);
}

// Which edge a rim pixel lies on: 0 north-west, 1 north-east, 2 south-east, 3 south-west; -1 for
// pixels inside the rim.
int RimEdge(int x, int y) {
  if (!InDiamond(x, y)) return -1;
  const bool rim = !InDiamond(x - 1, y) || !InDiamond(x + 1, y) || !InDiamond(x, y - 1) || !InDiamond(x, y + 1);
  // Pixels at a corner touch two edges; they belong to neither test.
  if (!rim || std::abs(x - 32) <= 1 || x <= 1 || x >= 62) return -1;
  if (y < 16) return x < 32 ? 0 : 1;
  return x < 32 ? 3 : 2;
}

class WorldTiles : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    if (!world_test::HaveData()) GTEST_SKIP() << "no generated data folder";
    library_.ReadFromFile((world_test::DataFolder() / GetParam()).string());
  }
  TPictureCollectionItem& Tile(int number) { return library_.Items(number); }

  TPictureCollection library_;
};

TEST_P(WorldTiles, EveryTileIsADiamondWithTallItemsRisingAboveIt) {
  ASSERT_GE(library_.Count(), tiles::kLibraryCount);
  for (int t = 0; t < library_.Count(); ++t) {
    SCOPED_TRACE(t);
    TPictureCollectionItem& item = Tile(t);
    EXPECT_EQ(item.PatternWidth, 64);
    EXPECT_GE(item.Height(), 32);
    EXPECT_TRUE(item.Transparent);
    EXPECT_EQ(item.TransparentColor(), clBlack);
    for (int p = 0; p < item.PatternTotal(); ++p) {
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) {
          // The diamond is solid; beside it, only a standing feature may cover the lower corners'
          // neighbours, never a flat tile.
          if (InDiamond(x, y)) {
            ASSERT_NE(Ground(item, p, x, y), clBlack) << x << "," << y;
          } else if (item.Height() == 32) {
            ASSERT_EQ(Ground(item, p, x, y), clBlack) << x << "," << y;
          }
        }
      }
    }
  }
}

TEST_P(WorldTiles, WaterRimsMatchInEveryPattern) {
  // Water cells animate independently, so any two patterns of any water tiles meet at the rim.
  TPictureCollectionItem& plain = Tile(tiles::kWater);
  EXPECT_EQ(plain.PatternTotal(), 1);
  for (const int t : {tiles::kWaterRipple1, tiles::kWaterRipple2, tiles::kWaterSparkle, tiles::kLilyPads,
                      tiles::kWeed, tiles::kDeepWater, tiles::kShallows, tiles::kShallowRipple}) {
    TPictureCollectionItem& item = Tile(t);
    if (t <= tiles::kWaterSparkle) {
      EXPECT_GE(item.PatternTotal(), 3) << t;
    }
    for (int p = 0; p < item.PatternTotal(); ++p) {
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) {
          if (RimEdge(x, y) >= 0) {
            ASSERT_EQ(Ground(item, p, x, y), Ground(plain, 0, x, y)) << t << " " << x << "," << y;
          }
        }
      }
    }
  }
}

TEST_P(WorldTiles, ShoreEdgesThatFaceLandMatchPlainGround) {
  // Along an edge whose neighbour is land, a shore piece shows exactly what plain ground shows
  // there, so its water and beach never end in a seam against the next piece.
  for (const int base : {tiles::kGrass, tiles::kSand}) {
    TPictureCollectionItem& plain = Tile(base);
    for (int mask = 1; mask < 16; ++mask) {
      TPictureCollectionItem& shore = Tile(base + mask);
      int water = 0;
      for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) {
          const int edge = RimEdge(x, y);
          if (edge < 0) continue;
          if (!(mask >> edge & 1)) {
            ASSERT_EQ(Ground(shore, 0, x, y), Ground(plain, 0, x, y))
                << "tile " << base + mask << " pixel " << x << "," << y;
          } else {
            water += Ground(shore, 0, x, y) == Ground(Tile(tiles::kWater), 0, x, y);
          }
        }
      }
      EXPECT_GT(water, 0) << "tile " << base + mask << " shows no water along its water edges";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Looks, WorldTiles, ::testing::Values("canada.dxg", "tropic.dxg"));

}  // namespace
