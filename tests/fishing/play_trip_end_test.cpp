// Map objects, the clock, the texts, and every way a trip ends.
#include <gtest/gtest.h>

#include "fishing/dashboard.h"
#include "fishing/lake_map.h"
#include "fishing/map_objects.h"
#include "fishing/trip_end.h"
#include "media/dx_timer.h"
#include "media/iso_math.h"
#include "play_rig.h"

namespace {

using play_test::SetObject;
using play_test::TPlayRig;
using play_test::WaterMap;

TEST(PlayTexts, CashAtItsBounds) {
  EXPECT_EQ(CashText(0), "     $0");
  EXPECT_EQ(CashText(7), "     $7");
  EXPECT_EQ(CashText(10), "    $10");
  EXPECT_EQ(CashText(999), "   $999");
  EXPECT_EQ(CashText(1000), "  $1000");
  EXPECT_EQ(CashText(99999), " $99999");
  EXPECT_EQ(CashText(123456), "$123456");
  EXPECT_EQ(CashText(999999), "$999999");
  EXPECT_EQ(CashText(1000000), "");
  EXPECT_EQ(CashText(1234567), "");
  EXPECT_EQ(CashText(-1), "");
}

TEST(PlayTexts, ClockAtItsBounds) {
  EXPECT_EQ(ClockText(0), "000");
  EXPECT_EQ(ClockText(9), "009");
  EXPECT_EQ(ClockText(10), "010");
  EXPECT_EQ(ClockText(99), "099");
  EXPECT_EQ(ClockText(100), "100");
  EXPECT_EQ(ClockText(999), "999");
  EXPECT_EQ(ClockText(1000), "");
}

class PlayEnd : public ::testing::Test {
 protected:
  void Begin(const TIsoMap& map = WaterMap(40, 120)) {
    rig = std::make_unique<TPlayRig>(map);
    rig->trip->cash = 50;
    rig->trip->prizeMoney = 100;
    rig->trip->lakeLevel = 4;
    rig->trip->lakesOpen = 2;
    rig->trip->winIf = 5;
    rig->trip->limit = 2;
  }
  void Start() { ASSERT_TRUE(rig->Start()); }
  LakeTrip& trip() { return *rig->trip; }
  TTripContext& ctx() { return rig->play->Context(); }
  // The cell the boat is in.
  TCell BoatCell() { return TileAt(trip(), Round(trip().boatX), Round(trip().boatY)); }

  std::unique_ptr<TPlayRig> rig;
};

TEST_F(PlayEnd, WinPaysThePrizeOnceAndOpensLakes) {
  Begin();
  Start();
  trip().fishCaught = 2;
  trip().poundsCaught = 7;
  rig->Tick();
  EXPECT_TRUE(trip().ending);
  EXPECT_EQ(trip().cash, 150);
  EXPECT_EQ(trip().lakesOpen, 4);
  EXPECT_EQ(trip().endTicks, 120);
  rig->Ticks(119);
  EXPECT_EQ(trip().cash, 150);
  EXPECT_TRUE(rig->timer.Enabled());
  rig->Tick();
  EXPECT_FALSE(rig->timer.Enabled());
  EXPECT_TRUE(rig->tripHost.menuShown);
  EXPECT_EQ(rig->tripHost.lakeListFills, 1);
  EXPECT_EQ(trip().cash, 150);
  EXPECT_EQ(trip().fishCaught, 0);  // the device's initialisation reset the counters
}

TEST_F(PlayEnd, ContestMessages) {
  Begin();
  Start();
  trip().fishCaught = 2;
  trip().poundsCaught = 7;
  CatchLimit(ctx(), "Lake");
  EXPECT_EQ(trip().message, "YOU WIN $100 FOR 1ST PLACE");
  trip().poundsCaught = 2;
  CatchLimit(ctx(), "Lake");
  EXPECT_EQ(trip().message, "YOU WERE 3LBS LIGHT");
  trip().winIf = 0;
  trip().lakesOpen = 1;
  const int32_t cash = trip().cash;
  trip().endTicks = 0;
  CatchLimit(ctx(), "Lake");
  EXPECT_EQ(trip().message, "YOU CAUGHT YOUR LIMIT");
  EXPECT_EQ(trip().cash, cash);
  EXPECT_EQ(trip().lakesOpen, 4);
  trip().winIf = 1;
  trip().endTicks = 0;
  CatchLimit(ctx(), "World_Championship");
  EXPECT_EQ(trip().message, "YOU ARE THE GRAND CHAMPION");
  EXPECT_EQ(trip().cash, cash + 100);
  EXPECT_EQ(trip().lakesOpen, 255);
}

TEST_F(PlayEnd, LimitInTheTickTheClockRunsOutPaysNoPrize) {
  Begin();
  trip().timed = true;
  trip().ticksTotal = 1;
  Start();
  trip().fishCaught = 2;
  trip().poundsCaught = 9;
  rig->Tick();
  EXPECT_TRUE(trip().ending);
  EXPECT_EQ(trip().endTicks, 89);
  EXPECT_EQ(trip().cash, 50);
  EXPECT_EQ(trip().lakesOpen, 4);
  rig->Ticks(89);
  EXPECT_EQ(trip().cash, 50);
  EXPECT_FALSE(rig->timer.Enabled());
}

TEST_F(PlayEnd, TimeExpires) {
  Begin();
  trip().timed = true;
  trip().ticksTotal = 3;
  Start();
  rig->Ticks(2);
  EXPECT_FALSE(trip().ending);
  EXPECT_EQ(trip().ticksLeft, 1);
  rig->Tick();
  EXPECT_TRUE(trip().ending);
  EXPECT_EQ(trip().ticksLeft, 0);
  EXPECT_EQ(trip().endTicks, 89);
  rig->Tick();
  EXPECT_EQ(trip().ticksLeft, 0);
  EXPECT_EQ(trip().endTicks, 88);
}

TEST_F(PlayEnd, NoFishOrNoLimitEndsAtTheFirstTick) {
  Begin();
  trip().lastFish = -1;
  Start();
  rig->Tick();
  EXPECT_TRUE(trip().ending);
  EXPECT_EQ(trip().endTicks, 120);

  Begin();
  trip().limit = 0;
  Start();
  rig->Tick();
  EXPECT_TRUE(trip().ending);
  EXPECT_EQ(trip().endTicks, 120);
  EXPECT_EQ(trip().cash, 50);  // 0 pounds: 5 light
}

TEST_F(PlayEnd, EndWaitsForTheRetrieve) {
  Begin();
  Start();
  trip().ending = true;
  trip().endTicks = 1;
  trip().reeling = true;
  trip().lureX = trip().boatX + 200;
  trip().lureY = trip().boatY;
  trip().lineX[0] = trip().boatX;
  trip().lineY[0] = trip().boatY;
  trip().reelSpeed = 1;
  rig->Ticks(10);
  EXPECT_TRUE(rig->timer.Enabled());
  EXPECT_LT(trip().endTicks, 0);
  rig->Ticks(200);
  EXPECT_FALSE(trip().reeling);
  EXPECT_FALSE(rig->timer.Enabled());
  EXPECT_TRUE(rig->tripHost.menuShown);
}

TEST_F(PlayEnd, TreasureAndExtraTime) {
  TIsoMap map = WaterMap(40, 120);
  map.Cell(4, 18) = 6;  // a shore cell
  SetObject(map, 3, 4, 18, "Treasure", "25");
  SetObject(map, 4, 4, 18, "moretime", "20");
  SetObject(map, 5, 6, 18, "MORETIME ", "10");
  Begin(map);
  Start();
  MapObjectsUnderBoat(ctx(), TCell{4, 18});
  EXPECT_EQ(trip().cash, 75);
  EXPECT_EQ(trip().mapObjects[3].active, 0);
  EXPECT_EQ(trip().cells[4][18].tile, 3);
  EXPECT_EQ(trip().message, "YOU FOUND $25");
  EXPECT_EQ(trip().messageTicks, 90);
  EXPECT_TRUE(rig->Sounding("coins"));
  // Untimed: extra time does nothing and can be met again.
  EXPECT_EQ(trip().mapObjects[4].active, 1);
  MapObjectsUnderBoat(ctx(), TCell{4, 18});
  EXPECT_EQ(trip().mapObjects[4].active, 1);
  EXPECT_EQ(trip().cash, 75);

  trip().timed = true;
  trip().ticksLeft = 100;
  MapObjectsUnderBoat(ctx(), TCell{6, 18});
  EXPECT_EQ(trip().ticksLeft, 400);
  EXPECT_EQ(trip().message, "ADD 10 SECONDS");
  EXPECT_EQ(trip().mapObjects[5].active, 0);
  EXPECT_EQ(trip().cells[6][18].tile, 3);
}

TEST_F(PlayEnd, BoatRunsIntoAShoreObject) {
  TIsoMap map = WaterMap(40, 120);
  SetObject(map, 0, 1, 17, "treasure", "5");  // on the land along the left edge
  Begin(map);
  rig->tripHost.mouseDrive = false;
  Start();
  trip().heading = 128;
  rig->play->FormKeyDown(VK_UP);
  rig->Ticks(150);
  EXPECT_EQ(trip().cash, 55);
  EXPECT_EQ(trip().cells[1][17].tile, 3);
}

TEST_F(PlayEnd, InfoStopPausesWithItsText) {
  TIsoMap map = WaterMap(40, 120);
  SetObject(map, 8, 5, 19, "buoy", "", "WELCOME TO THE LAKE");
  Begin(map);
  Start();
  trip().throttle = true;
  trip().boatSpeed = 3;
  rig->Silence();
  MapObjectsUnderBoat(ctx(), TCell{5, 19});
  EXPECT_EQ(rig->pauses, 1);
  EXPECT_FALSE(trip().throttle);
  EXPECT_EQ(trip().boatSpeed, 0.0f);
  EXPECT_EQ(trip().mapObjects[8].active, 0);
  EXPECT_TRUE(rig->timer.Enabled());
  EXPECT_TRUE(rig->Sounding("bell"));
  // The buoy picture was drawn on the visible surface, centred over the play area.
  const uint32_t raw = rig->draw.Primary()->PixelAt(320, (480 - 100) / 2);
  EXPECT_EQ(raw, (0xE0u >> 3 << 11) | (0xE0u >> 2 << 5));
  MapObjectsUnderBoat(ctx(), TCell{5, 19});
  EXPECT_EQ(rig->pauses, 1);
}

TEST_F(PlayEnd, AllFishPlayed) {
  Begin();
  Start();
  trip().fishPlayed = trip().lastFish + 1;
  AllFishPlayed(ctx());
  EXPECT_TRUE(trip().ending);
  EXPECT_EQ(trip().endTicks, 120);
  trip().endTicks = 60;
  AllFishPlayed(ctx());
  EXPECT_EQ(trip().endTicks, 60);
}

}  // namespace
