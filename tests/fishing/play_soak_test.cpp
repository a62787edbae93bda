// Soak: random input over every lake of the generated program folder, trip after trip. Run by
// ctest as "fishing_play_soak" (label "soak"): 200,000 ticks in all under AddressSanitizer,
// 20,000 in other builds; TH_SOAK_TICKS overrides the count.
#include <gtest/gtest.h>

#include <filesystem>

#include "fishing/lake_map.h"
#include "media/dx_timer.h"
#include "media/ini_file.h"
#include "media/iso_math.h"
#include "play_rig.h"
#include "tests/support/soak_length.h"

namespace {

using play_test::TPlayRig;

std::vector<std::string> CatalogueLakes(const TProgramPaths& paths) {
  const TIniFile catalogue(paths.Find("lakes\\lakes.ini"));
  std::vector<std::string> lakes;
  for (int i = 1; i <= 255; ++i) {
    const std::string name = catalogue.ReadString("Lakes", "lake" + std::to_string(i), "NA");
    if (name != "NA") lakes.push_back(name);
  }
  return lakes;
}

// One tick's worth of what a restless player might do.
void RandomInput(TPlayRig& rig, TRandom& dice) {
  TFishingPlay& play = *rig.play;
  const int roll = dice.Random(1000);
  if (roll < 200) {
    play.DXDrawMouseMove(dice.Random(640), dice.Random(480));
  } else if (roll < 230) {
    play.DXDrawMouseDown(TMouseButton::Left, dice.Random(640), dice.Random(480));
  } else if (roll < 260) {
    play.DXDrawMouseUp(TMouseButton::Left);
  } else if (roll < 290) {
    play.DXDrawMouseDown(TMouseButton::Right, dice.Random(640), dice.Random(480));
  } else if (roll < 310) {
    play.DXDrawMouseUp(TMouseButton::Right);
  } else if (roll < 312) {
    play.DXDrawMouseDown(TMouseButton::Middle, 1, 1);
  } else if (roll < 380) {
    static const int kKeys[] = {VK_UP, VK_LEFT, VK_RIGHT, VK_DOWN, VK_SPACE, VK_BACK};
    const int key = kKeys[dice.Random(6)];
    if (dice.Random(2) == 0) {
      play.FormKeyDown(key);
    } else {
      play.FormKeyUp(key);
    }
  } else if (roll < 382) {
    play.FormKeyDown(VK_ESCAPE);
  } else if (roll < 394) {
    play.FormKeyDown(VK_RETURN);
  } else if (roll < 396) {
    rig.tripHost.mouseDrive = !rig.tripHost.mouseDrive;
  }
  if (rig.castTimer.Enabled() && dice.Random(20) == 0) play.FormKeyDown(VK_SPACE);
}

// Starts the next trip on the lake with new gear; false when the lake was refused.
bool NextTrip(TPlayRig& rig, TRandom& dice, const std::string& lake) {
  rig.SelectLake(lake);
  rig.trip->cash = 100000;
  rig.tripHost.lures = dice.Random(5);
  rig.tripHost.rod = dice.Random(5);
  rig.tripHost.boat = dice.Random(4);
  rig.tripHost.speed = dice.Random(3);
  rig.trip->boatImage = "boat" + std::to_string(1 + dice.Random(3));
  rig.trip->bodyImage = dice.Random(2) ? "fishguy" : "fishgirl";
  return rig.Start();
}

TEST(PlaySoak, DISABLED_RandomInputOverEveryGeneratedLake) {
  const std::filesystem::path folder = std::filesystem::path(TH_BIN_DIR) / "tarnhook";
  if (!std::filesystem::exists(folder / "lakes" / "lakes.ini")) {
    GTEST_SKIP() << "no generated program folder at " << folder;
  }
  TPlayRig rig(folder);
  const std::vector<std::string> lakes = CatalogueLakes(rig.paths);
  ASSERT_FALSE(lakes.empty());
  TRandom dice(20261208);
  std::vector<int16_t> audio(2 * 735);
  const long perLake = SoakTicks() / static_cast<long>(lakes.size()) + 1;
  for (const std::string& lake : lakes) {
    int trips = 1;
    ASSERT_TRUE(NextTrip(rig, dice, lake)) << lake;
    // The boat starts on water and never leaves it.
    ASSERT_TRUE(WaterUnder(*rig.trip, Round(rig.trip->boatX), Round(rig.trip->boatY))) << lake;
    for (long tick = 0; tick < perLake; ++tick) {
      if (!rig.timer.Enabled() && !rig.castTimer.Enabled()) {
        ++trips;
        ASSERT_TRUE(NextTrip(rig, dice, lake)) << lake;
      }
      RandomInput(rig, dice);
      rig.Tick();
      if (rig.host.audio) rig.host.audio->Mix(audio.data(), 735);
      const LakeTrip& trip = *rig.trip;
      ASSERT_LE(trip.linePoints, 255);
      ASSERT_TRUE(WaterUnder(trip, Round(trip.boatX), Round(trip.boatY))) << lake << " tick " << tick;
    }
    // Quit the trip and wait for the menu (a cast or retrieve in progress is finished first).
    if (!rig.trip->quitAsked) rig.play->FormKeyDown(VK_ESCAPE);
    rig.play->FormKeyDown(VK_RETURN);
    for (int tick = 0; tick < 5000 && (rig.timer.Enabled() || rig.castTimer.Enabled()); ++tick) {
      if (rig.castTimer.Enabled()) rig.play->FormKeyDown(VK_SPACE);
      rig.Tick();
    }
    ASSERT_FALSE(rig.timer.Enabled()) << lake;
    RecordProperty(lake, trips);
  }
  EXPECT_TRUE(rig.tripHost.messages.empty());
  EXPECT_TRUE(rig.host.messages.empty());
}

}  // namespace
