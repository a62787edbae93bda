// The boat and its controls: engine, steering in both drive modes, the shore, the dashboard strip.
#include <gtest/gtest.h>

#include <algorithm>

#include "fishing/boat.h"
#include "fishing/lake_map.h"
#include "fishing/trip_tiles.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_wave_list.h"
#include "media/iso_math.h"
#include "play_rig.h"

namespace {

using play_test::TPlayRig;

class PlayBoat : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(rig.Start()); }
  LakeTrip& trip() { return *rig.trip; }
  TTripContext& ctx() { return rig.play->Context(); }

  TPlayRig rig;
};

// The tiles under an opaque dashboard would only be drawn over: they are left out. Under one
// that lets the lake show through its key, they are drawn.
TEST_F(PlayBoat, TilesReachUnderTheDashboardOnlyWhereItShowsThrough) {
  TDirectDrawSurface& back = *rig.draw.Surface();
  TPictureCollectionItem& dash = *ctx().pictures.fishdash;
  constexpr uint16_t kUntouched = 0x0001;
  dash.Transparent = true;
  back.Fill(kUntouched);
  DrawTiles(ctx());
  EXPECT_NE(back.PixelAt(320, 470), kUntouched);
  dash.Transparent = false;
  back.Fill(kUntouched);
  DrawTiles(ctx());
  EXPECT_EQ(back.PixelAt(320, 380), kUntouched);
  EXPECT_EQ(back.PixelAt(320, 470), kUntouched);
  EXPECT_NE(back.PixelAt(320, 379), kUntouched) << "the lake above the dashboard is drawn";
}

// Cells of one animated tile each show the pattern of their own counter, in the same tick, and
// each counter moves on; a cell out of view keeps its counter.
TEST_F(PlayBoat, AnimatedCellsOfOneTileShowTheirOwnPatterns) {
  LakeTrip& t = trip();
  t.scrollX = 64 * 10;
  t.scrollY = 16 * 20;
  const int row = 26;  // an even row: its cells start at whole tile widths
  const uint8_t frames[] = {0, 9, 17, 32};
  for (int i = 0; i < 4; ++i) {
    t.cells[12 + i][row].tile = 1;
    t.cells[12 + i][row].frame = frames[i];
  }
  t.cells[40][row].tile = 1;
  t.cells[40][row].frame = 5;
  DrawTiles(ctx());
  TPictureCollectionItem& tile = ctx().dev.DXTileList.Items.Items(1);
  const TDirectDrawSurface& back = *rig.draw.Surface();
  for (int i = 0; i < 4; ++i) {
    const int pattern = std::min(3, frames[i] >> 3);
    const TRect rect = tile.Surfaces().Patterns[static_cast<size_t>(pattern)].Rect;
    // The test tiles are opaque rectangles: the next row covers the lower half of each.
    EXPECT_EQ(back.PixelAt((12 + i) * 64 + 32 - t.scrollX, row * 16 + 8 - t.scrollY),
              tile.PatternSurface(pattern)->PixelAt(rect.Left + 32, rect.Top + 8))
        << "cell " << i;
  }
  EXPECT_EQ(t.cells[12][row].frame, 1);
  EXPECT_EQ(t.cells[13][row].frame, 10);
  EXPECT_EQ(t.cells[15][row].frame, 0) << "past the last pattern's ninth tick the counter starts again";
  EXPECT_EQ(t.cells[40][row].frame, 5);
}

TEST_F(PlayBoat, EngineStartsOnlyFromSpeedExactlyZero) {
  // The trip starts at 0.1: a throttle held from the first tick drives without the start sound.
  rig.play->FormKeyDown(VK_UP);
  rig.Tick();
  EXPECT_FALSE(rig.Sounding("startgas"));
  EXPECT_GT(trip().boatSpeed, 0.1f);
  rig.play->FormKeyUp(VK_UP);
  rig.Ticks(10);
  EXPECT_EQ(trip().boatSpeed, 0.0f);
  EXPECT_FALSE(rig.Sounding("gas"));
  rig.play->FormKeyDown(VK_UP);
  rig.Tick();
  EXPECT_TRUE(rig.Sounding("startgas"));
  EXPECT_TRUE(rig.Sounding("gas"));
}

TEST_F(PlayBoat, ShorePressedAtFullThrottleKeepsPositionAndSpeed) {
  rig.tripHost.mouseDrive = false;
  trip().heading = 128;  // towards the land on the left of the map
  rig.play->FormKeyDown(VK_UP);
  rig.Ticks(200);
  const float x = trip().boatX;
  const float y = trip().boatY;
  EXPECT_LT(x, 200.0f);
  rig.Ticks(5);
  EXPECT_EQ(trip().boatX, x);
  EXPECT_EQ(trip().boatY, y);
  EXPECT_EQ(trip().boatSpeed, 5.0f);  // boat level 1: top speed 1 + 4
  EXPECT_EQ(rig.sounds.Items.Find("gas").Volume(), 0);
  EXPECT_TRUE(WaterUnder(trip(), Round(x), Round(y)));
}

TEST_F(PlayBoat, SpeedLimitsAndReverse) {
  rig.tripHost.boat = 3;
  trip().boatSpeed = 20;
  trip().throttle = false;
  MoveBoat(ctx(), trip().boatX, trip().boatY);
  EXPECT_EQ(trip().boatSpeed, 7.0f);
  trip().reverse = true;
  const float x = trip().boatX;
  trip().heading = 0;
  MoveBoat(ctx(), trip().boatX, trip().boatY);
  EXPECT_EQ(trip().boatSpeed, 2.0f);
  EXPECT_FLOAT_EQ(trip().boatX, x - 2.0f);
  EngineSound(ctx());
  EXPECT_EQ(rig.sounds.Items.Find("gas").Volume(), -500);
  trip().boatSpeed = -3;
  MoveBoat(ctx(), trip().boatX, trip().boatY);
  EXPECT_EQ(trip().boatSpeed, 0.0f);
}

TEST_F(PlayBoat, MouseDriveWithinThreeStepsDoesNotTurn) {
  trip().throttle = true;
  trip().boatX = 1000;
  trip().boatY = 1000;
  trip().cursorX = 1100;
  trip().cursorY = 1000 + 7;  // direction 3 (atan(0.07) x 40.7 = 2.85)
  ASSERT_EQ(DirectionTo(trip().cursorX, trip().cursorY, 1000, 1000), 3);
  trip().heading = 0;
  DriveOrCoast(ctx());
  EXPECT_EQ(trip().heading, 0);
  trip().heading = 6;
  DriveOrCoast(ctx());
  EXPECT_EQ(trip().heading, 6);
  trip().heading = 7;
  DriveOrCoast(ctx());
  EXPECT_EQ(trip().heading, 6);
  trip().heading = 250;
  rig.tripHost.boat = 2;
  DriveOrCoast(ctx());
  EXPECT_EQ(trip().heading, 252);
}

TEST_F(PlayBoat, MouseDriveTurnsAcrossTheWrap) {
  trip().throttle = true;
  trip().boatX = 1000;
  trip().boatY = 1000;
  trip().cursorX = 1100;
  trip().cursorY = 1000;  // direction 0
  trip().heading = 250;
  std::vector<int> headings;
  for (int i = 0; i < 10; ++i) {
    DriveOrCoast(ctx());
    headings.push_back(trip().heading);
  }
  // 250 is six steps short of 0, but the plain difference is large, so the boat keeps turning
  // through 255 and settles at 0.
  EXPECT_EQ(headings, (std::vector<int>{251, 252, 253, 254, 255, 0, 0, 0, 0, 0}));

  // With a heading just past 0 and the target just below 256 the boat turns down through the wrap.
  trip().cursorY = 1000 - 7;  // direction 253
  trip().heading = 2;
  rig.tripHost.boat = 3;
  DriveOrCoast(ctx());
  EXPECT_EQ(trip().heading, 255);
  DriveOrCoast(ctx());
  EXPECT_EQ(trip().heading, 255);  // 253 against 255: within 3
}

TEST_F(PlayBoat, KeyDriveTurnsClockwiseForLeft) {
  rig.tripHost.mouseDrive = false;
  rig.tripHost.boat = 2;
  trip().heading = 100;
  rig.play->FormKeyDown(VK_UP);
  rig.play->FormKeyDown(VK_LEFT);
  DriveOrCoast(ctx());
  EXPECT_EQ(trip().heading, 102);
  rig.play->FormKeyUp(VK_LEFT);
  rig.play->FormKeyDown(VK_RIGHT);
  DriveOrCoast(ctx());
  EXPECT_EQ(trip().heading, 100);
  EXPECT_FLOAT_EQ(trip().boatSpeed, 0.1f + 2 * 0.6f);
  rig.play->FormKeyUp(VK_UP);
  DriveOrCoast(ctx());
  EXPECT_FLOAT_EQ(trip().boatSpeed, 0.1f + 2 * 0.6f - 0.25f);
}

TEST_F(PlayBoat, LeftClickInTheDashboardStripDoesNotDrive) {
  // 480 - 100 (the dashboard) + 30: presses from y 410 down are on the dashboard.
  rig.play->DXDrawMouseDown(TMouseButton::Left, 300, 410);
  EXPECT_FALSE(trip().throttle);
  rig.play->DXDrawMouseDown(TMouseButton::Left, 300, 409);
  EXPECT_TRUE(trip().throttle);
  rig.play->DXDrawMouseUp(TMouseButton::Left);
  EXPECT_FALSE(trip().throttle);
}

TEST_F(PlayBoat, RightClickCastsOnWaterReversesWhileDriving) {
  rig.Tick();
  rig.PointAt(400, 200);
  rig.play->DXDrawMouseDown(TMouseButton::Right, 400, 200);
  EXPECT_TRUE(trip().castWanted);
  // On land the pending cast is cleared.
  trip().cursorX = 10;
  trip().cursorY = 10;
  rig.play->DXDrawMouseDown(TMouseButton::Right, 0, 0);
  EXPECT_FALSE(trip().castWanted);
  rig.play->DXDrawMouseDown(TMouseButton::Left, 300, 100);
  rig.PointAt(400, 200);
  rig.play->DXDrawMouseDown(TMouseButton::Right, 400, 200);
  EXPECT_TRUE(trip().reverse);
  EXPECT_FALSE(trip().castWanted);
  rig.play->DXDrawMouseUp(TMouseButton::Right);
  EXPECT_FALSE(trip().reverse);
}

TEST_F(PlayBoat, CameraFollowsTheBoatInsideTheMap) {
  trip().boatX = 1000;
  trip().boatY = 900;
  Camera(ctx());
  EXPECT_EQ(trip().scrollX, 1000 - 320);
  EXPECT_EQ(trip().scrollY, 900 - (480 - 100) / 2);
  trip().boatX = 10;
  trip().boatY = 10;
  Camera(ctx());
  EXPECT_EQ(trip().scrollX, 64);
  EXPECT_EQ(trip().scrollY, 64);
  trip().boatX = 100000;
  trip().boatY = 100000;
  Camera(ctx());
  EXPECT_EQ(trip().scrollX, 40 * 64 - 640 - 64);
  EXPECT_EQ(trip().scrollY, 120 * 32 / 2 - 480 - 64);
}

TEST_F(PlayBoat, WakeFillsItsSlotsInTurn) {
  rig.play->FormKeyDown(VK_UP);
  rig.Ticks(130);
  EXPECT_EQ(trip().wakeIndex, 130 % 129);
  int alive = 0;
  for (const WakeParticle& particle : trip().wake) alive += particle.life > 0;
  EXPECT_EQ(alive, 31);  // each lives 32 ticks, counting the one it was born in
  rig.play->FormKeyUp(VK_UP);
  rig.Ticks(32);
  for (const WakeParticle& particle : trip().wake) EXPECT_EQ(particle.life, 0);
}

TEST_F(PlayBoat, QuitPromptAndEnter) {
  rig.play->FormKeyDown(VK_RETURN);
  EXPECT_FALSE(trip().ending);
  rig.play->FormKeyDown(VK_ESCAPE);
  EXPECT_TRUE(trip().quitAsked);
  rig.Tick();
  EXPECT_EQ(trip().message, "");  // shown for the tick it is set in
  rig.play->FormKeyDown(VK_ESCAPE);
  EXPECT_FALSE(trip().quitAsked);
  rig.play->FormKeyDown(VK_ESCAPE);
  rig.play->FormKeyDown(VK_RETURN);
  EXPECT_TRUE(trip().ending);
  EXPECT_EQ(trip().endTicks, 60);
  rig.Ticks(59);
  EXPECT_TRUE(rig.timer.Enabled());
  rig.Tick();
  EXPECT_FALSE(rig.timer.Enabled());
  EXPECT_TRUE(rig.tripHost.menuShown);
  EXPECT_FALSE(rig.tripHost.drawAreaShown);
  EXPECT_FALSE(rig.tripHost.cursorHidden);
  EXPECT_EQ(rig.tripHost.lakeListFills, 1);
  EXPECT_TRUE(rig.draw.Initialized());
  EXPECT_FALSE(rig.Sounding("canada.dxg"));
}

}  // namespace
