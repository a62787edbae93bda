// "Fish This Lake": the fee, the checks made before it, the boat's start, placement, and the way
// back to the menu when a file fails to load.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fishing/lake_map.h"
#include "media/dx_draw.h"
#include "media/iso_math.h"
#include "play_rig.h"

namespace {

using play_test::SetObject;
using play_test::TPlayRig;
using play_test::WaterMap;

TEST(PlayStart, PaysTheFeeAndSwitchesToPlay) {
  TPlayRig rig;
  rig.trip->cash = 100;
  rig.trip->entryFee = 30;
  rig.tripHost.speed = 0;
  ASSERT_TRUE(rig.Start());
  EXPECT_EQ(rig.trip->cash, 70);
  EXPECT_TRUE(rig.tripHost.messages.empty());
  EXPECT_FALSE(rig.tripHost.menuShown);
  EXPECT_TRUE(rig.tripHost.drawAreaShown);
  EXPECT_TRUE(rig.tripHost.cursorHidden);
  EXPECT_EQ(rig.tripHost.dots, 0);  // the label is back to "Loading."
  EXPECT_EQ(rig.timer.Interval(), 33);
  EXPECT_TRUE(rig.draw.Initialized());
  EXPECT_TRUE(rig.Sounding("canada.dxg"));
  EXPECT_EQ(rig.play->LakeName(), "testlake");
  // The device's initialisation reset the strike meter and the counters.
  EXPECT_EQ(rig.trip->meter, 0);
  EXPECT_EQ(rig.trip->meterStep, 1);
  EXPECT_FLOAT_EQ(rig.trip->boatSpeed, 0.1f);
}

TEST(PlayStart, FrameIntervalFollowsGameSpeed) {
  TPlayRig rig;
  rig.tripHost.speed = 1;
  ASSERT_TRUE(rig.Start());
  EXPECT_EQ(rig.timer.Interval(), 15);
  rig.tripHost.speed = 2;
  rig.tripHost.flip = true;
  rig.timer.SetEnabled(false);
  ASSERT_TRUE(rig.Start());
  EXPECT_EQ(rig.timer.Interval(), 0);
  EXPECT_TRUE(rig.draw.Options.Contains(doFlip));
  EXPECT_TRUE(rig.draw.Options.Contains(doWaitVBlank));
}

TEST(PlayStart, NotEnoughMoney) {
  TPlayRig rig;
  rig.trip->cash = 29;
  rig.trip->entryFee = 30;
  EXPECT_FALSE(rig.Start());
  ASSERT_EQ(rig.tripHost.messages.size(), 1u);
  EXPECT_EQ(rig.tripHost.messages[0], "You don't have enough money to enter!");
  EXPECT_EQ(rig.trip->cash, 29);
  EXPECT_FALSE(rig.tripHost.loadingShown);
}

TEST(PlayStart, BoatStartsAt300WithoutLevelStart) {
  TPlayRig rig;
  ASSERT_TRUE(rig.Start());
  EXPECT_EQ(rig.trip->boatX, 300.0f);
  EXPECT_EQ(rig.trip->boatY, 300.0f);
  EXPECT_EQ(rig.trip->cursorX, 300);
}

TEST(PlayStart, LastLevelStartWins) {
  TIsoMap map = WaterMap(40, 120);
  SetObject(map, 2, 10, 50, "levelstart", "");
  SetObject(map, 7, 12, 41, "LevelStart ", "");
  TPlayRig rig(map);
  ASSERT_TRUE(rig.Start());
  EXPECT_EQ(rig.trip->boatX, 12.0f * 64);
  EXPECT_EQ(rig.trip->boatY, 41.0f * 16);
  EXPECT_EQ(rig.trip->cursorY, 41 * 16);
}

TEST(PlayStart, PlacesFishOnWaterAndMonstersAwayFromTheBoat) {
  TIsoMap map = WaterMap(40, 120);
  SetObject(map, 0, 20, 60, "singlefish", "3");
  SetObject(map, 1, 22, 62, "monster", "1");
  TPlayRig rig(map);
  rig.trip->lastFish = 40;
  rig.trip->lastMonster = 5;
  ASSERT_TRUE(rig.Start());
  for (int i = 0; i <= 40; ++i) {
    const FishRecord& fish = rig.trip->fish[i];
    EXPECT_FALSE(fish.gone);
    if (i == 3) continue;
    EXPECT_LT(TileUnder(*rig.trip, Round(fish.x), Round(fish.y)), 4) << i;
    EXPECT_EQ(fish.mode, 0);
    EXPECT_LE(fish.swimSpeed, 15.0f / 8);
  }
  const FishRecord& circling = rig.trip->fish[3];
  EXPECT_EQ(circling.mode, 1);
  EXPECT_EQ(circling.x, 21.0f * 64);
  EXPECT_EQ(circling.y, 61.0f * 16);
  EXPECT_GE(circling.swimSpeed, 0.25f);
  for (int i = 0; i <= 5; ++i) {
    const FishRecord& monster = rig.trip->monsters[i];
    if (i == 1) continue;
    EXPECT_GT(IsoDistance(Round(monster.x), Round(monster.y), 300, 300), 100);
  }
  EXPECT_EQ(rig.trip->monsters[1].x, 23.0f * 64);
  EXPECT_EQ(rig.trip->monsters[1].swimSpeed, 0.75f);
}

TEST(PlayStart, BadLakesAreRefusedBeforeThePayment) {
  struct TCase {
    const char* what;
    std::function<void(TPlayRig&)> spoil;
  };
  const TCase cases[] = {
      {"MaxFish", [](TPlayRig& rig) { rig.trip->lastFish = 300; }},
      {"Difficulty", [](TPlayRig& rig) { rig.trip->Difficulty = 100; }},
      {"Biggest", [](TPlayRig& rig) { rig.trip->Biggest = 0; }},
      {"param", [](TPlayRig& rig) {
         TIsoMap map = WaterMap(40, 120);
         SetObject(map, 0, 5, 9, "treasure", "lots");
         rig.WriteMap(map);
       }},
      {"no water", [](TPlayRig& rig) {
         TIsoMap map = WaterMap(40, 120);
         for (int32_t& tile : map.cells) tile = 30;
         rig.WriteMap(map);
       }},
      {"missing map", [](TPlayRig& rig) { rig.tripHost.lakeName = "elsewhere"; }},
      {"grid too large", [](TPlayRig& rig) {
         std::vector<uint8_t> bytes = EncodeIsoMap(WaterMap(2, 6));
         bytes[0] = 0x01;  // lastCol 513
         bytes[1] = 0x02;
         std::ofstream((rig.folder / "lakes" / "testlake.iso").string(), std::ios::binary)
             .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
       }},
  };
  for (const TCase& c : cases) {
    TPlayRig rig;
    rig.trip->cash = 500;
    rig.trip->entryFee = 100;
    c.spoil(rig);
    EXPECT_FALSE(rig.Start()) << c.what;
    EXPECT_EQ(rig.trip->cash, 500) << c.what;
    EXPECT_EQ(rig.tripHost.messages.size(), 1u) << c.what;
    EXPECT_FALSE(rig.tripHost.loadingShown) << c.what;
    EXPECT_TRUE(rig.tripHost.menuShown) << c.what;
  }
}

TEST(PlayStart, LibraryThatFailsToLoadReturnsTheFee) {
  for (const char* file : {"objects.dxg", "canada.dxg"}) {
    for (bool truncate : {false, true}) {
      TPlayRig rig;
      rig.trip->cash = 500;
      rig.trip->entryFee = 100;
      const auto path = rig.folder / file;
      if (truncate) {
        std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
      } else {
        std::filesystem::remove(path);
      }
      EXPECT_FALSE(rig.Start()) << file;
      EXPECT_EQ(rig.trip->cash, 500) << file;
      ASSERT_EQ(rig.tripHost.messages.size(), 1u) << file;
      if (!truncate) {
        EXPECT_NE(rig.tripHost.messages[0].find("Cannot open file"), std::string::npos);
      }
      EXPECT_FALSE(rig.tripHost.loadingShown);
      EXPECT_TRUE(rig.tripHost.menuShown);
      EXPECT_FALSE(rig.tripHost.drawAreaShown);
    }
  }
}

TEST(PlayStart, MissingPictureOrSoundIsRefused) {
  TPlayRig rig;
  rig.trip->lastMonster = 0;
  rig.trip->monsterKind = "Shark";
  rig.trip->cash = 40;
  rig.trip->entryFee = 40;
  EXPECT_FALSE(rig.Start());
  ASSERT_EQ(rig.tripHost.messages.size(), 1u);
  EXPECT_EQ(rig.tripHost.messages[0], "Image 'Shark' not found");
  EXPECT_EQ(rig.trip->cash, 40);

  rig.tripHost.messages.clear();
  rig.trip->entryFee = 0;
  rig.trip->lastMonster = -1;
  rig.trip->imageLib = "CANADA.DXG";  // found without regard to case on disk and in the library
  ASSERT_TRUE(rig.Start());
  rig.timer.SetEnabled(false);
  rig.background.Items.Clear();
  EXPECT_FALSE(rig.Start());
  EXPECT_EQ(rig.tripHost.messages.back(), "Wave 'CANADA.DXG' not found");
  rig.tripHost.bgsound = false;
  EXPECT_TRUE(rig.Start());
}

}  // namespace
