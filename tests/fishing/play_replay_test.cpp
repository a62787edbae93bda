// A trip replays tick for tick: the same seed and the same input give the same trip and the same
// frames. And once warmed up, a tick allocates nothing.
#include <gtest/gtest.h>

#include <sstream>

#include "media/dx_draw.h"
#include "media/surface.h"
#include "tests/support/alloc_counter.h"
#include "play_rig.h"

namespace {

using play_test::SetObject;
using play_test::TPlayRig;
using play_test::WaterMap;

TIsoMap BusyMap() {
  TIsoMap map = WaterMap(40, 120);
  for (int c = 14; c <= 18; ++c) {
    for (int r = 40; r <= 48; ++r) map.Cell(c, r) = 20 + (c + r) % 16;
  }
  for (int c = 5; c <= 30; ++c) map.Cell(c, 30) = 0 + c % 3;  // animated water
  SetObject(map, 0, 9, 30, "treasure", "15");
  SetObject(map, 1, 20, 60, "singlefish", "2");
  SetObject(map, 2, 25, 70, "monster", "0");
  return map;
}

// One scripted input step: what happens before a tick.
void ScriptedInput(TPlayRig& rig, int tick) {
  TFishingPlay& play = *rig.play;
  switch (tick % 400) {
    case 0:
      play.DXDrawMouseMove(500, 120);
      play.DXDrawMouseDown(TMouseButton::Left, 500, 120);
      break;
    case 60:
      play.DXDrawMouseMove(200, 300);
      break;
    case 120:
      play.DXDrawMouseUp(TMouseButton::Left);
      break;
    case 160:
      play.DXDrawMouseMove(560, 100);
      play.DXDrawMouseDown(TMouseButton::Right, 560, 100);
      play.DXDrawMouseUp(TMouseButton::Right);
      break;
    case 250:
      play.FormKeyDown(VK_SPACE);
      break;
    case 251:
      play.FormKeyUp(VK_SPACE);
      break;
    default:
      break;
  }
  // Any strike is answered a few ticks into the meter.
  if (rig.castTimer.Enabled() && tick % 7 == 0) play.DXDrawMouseDown(TMouseButton::Left, 10, 10);
}

std::string StateLine(const LakeTrip& trip) {
  std::ostringstream out;
  out.precision(9);
  out << trip.boatX << ' ' << trip.boatY << ' ' << int{trip.heading} << ' ' << trip.boatSpeed << ' '
      << trip.scrollX << ' ' << trip.scrollY << ' ' << trip.casting << trip.reeling << trip.fishOn << ' '
      << trip.lureX << ' ' << trip.lureY << ' ' << int{trip.linePoints} << ' ' << trip.meter << ' '
      << trip.fishCaught << ' ' << trip.poundsCaught << ' ' << trip.fishPlayed << ' ' << trip.cash << ' '
      << trip.message;
  for (int i = 0; i <= trip.lastFish; ++i) out << ' ' << trip.fish[i].x << ',' << trip.fish[i].y;
  for (int i = 0; i <= trip.lastMonster; ++i) out << ' ' << trip.monsters[i].x << ',' << trip.monsters[i].y;
  return out.str();
}

uint64_t FrameHash(TPlayRig& rig) {
  const TDirectDrawSurface& surface = *rig.draw.Surface();
  uint64_t hash = 1469598103934665603ull;
  for (int y = 0; y < surface.Height(); ++y) {
    const uint16_t* row = surface.Row(y);
    for (int x = 0; x < surface.Width(); ++x) hash = (hash ^ row[x]) * 1099511628211ull;
  }
  return hash;
}

std::vector<std::string> Replay(uint64_t seed, int ticks, std::vector<uint64_t>* frames) {
  TPlayRig rig(BusyMap());
  rig.random.Seed(seed);
  rig.trip->lastFish = 29;
  rig.trip->lastMonster = 2;
  rig.trip->limit = 100;
  EXPECT_TRUE(rig.Start());
  std::vector<std::string> states;
  for (int tick = 0; tick < ticks && rig.timer.Enabled() + rig.castTimer.Enabled() > 0; ++tick) {
    ScriptedInput(rig, tick);
    rig.Tick();
    states.push_back(StateLine(*rig.trip));
    if (frames && tick % 50 == 0) frames->push_back(FrameHash(rig));
  }
  return states;
}

TEST(PlayReplay, SameSeedSameInputSameTrip) {
  std::vector<uint64_t> framesA;
  std::vector<uint64_t> framesB;
  const std::vector<std::string> a = Replay(99, 1600, &framesA);
  const std::vector<std::string> b = Replay(99, 1600, &framesB);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i], b[i]) << "tick " << i;
  EXPECT_EQ(framesA, framesB);
  // The script does something: the boat moved.
  EXPECT_NE(a.front().substr(0, 20), a.back().substr(0, 20));

  const std::vector<std::string> other = Replay(100, 50, nullptr);
  EXPECT_NE(other.back(), a[other.size() - 1]);
}

TEST(PlayAllocation, TicksAllocateNothing) {
  TPlayRig rig(BusyMap());
  rig.trip->lastFish = 29;
  rig.trip->lastMonster = 2;
  rig.trip->limit = 100;
  rig.trip->timed = true;
  rig.trip->ticksTotal = 100000;
  ASSERT_TRUE(rig.Start());
  // Monsters far away so that none eats (its message and pause build text).
  std::vector<int16_t> audio(2 * 735);
  auto tick = [&](int i) {
    for (int m = 0; m <= rig.trip->lastMonster; ++m) {
      rig.trip->monsters[m].x = 2400;
      rig.trip->monsters[m].y = 1700;
    }
    ScriptedInput(rig, i);
    rig.Tick();
    // The host pulls the mix about once a frame, so finished sounds free their voices.
    if (rig.host.audio) rig.host.audio->Mix(audio.data(), 735);
  };
  for (int i = 0; i < 800; ++i) tick(i);
  const long before = AllocationCount();
  bool cast = false;
  bool reeled = false;
  for (int i = 800; i < 1600; ++i) {
    tick(i);
    cast = cast || rig.trip->casting;
    reeled = reeled || rig.trip->reeling;
  }
  EXPECT_EQ(AllocationCount() - before, 0);
  EXPECT_TRUE(cast);
  EXPECT_TRUE(reeled);
}

}  // namespace
