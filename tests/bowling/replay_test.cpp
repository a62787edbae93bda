// A seeded match replays tick for tick, and once warmed up a tick of play allocates nothing.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/alloc_counter.h"
#include "bowling/scoring.h"
#include "play_rig.h"

namespace bowling_test {
namespace {

// A fingerprint of everything a tick changes, one line per tick.
std::string Fingerprint(const TBowlingState& state) {
  const TMatchState& m = state.match;
  std::ostringstream line;
  line << int{state.front.currentPlayer} << ' ' << int{m.frame} << ' ' << int{m.shot} << ' ' << m.ballX << ' '
       << m.ballY << ' ' << m.ballVX << ' ' << m.meter << ' ' << m.power << ' ' << m.accuracy << ' '
       << m.players[1].approachX << ' ' << m.players[2].approachX;
  for (int n = 1; n <= 10; ++n) line << ' ' << m.pins[n].x << ',' << m.pins[n].y << (m.pins[n].standing ? "s" : "");
  return line.str();
}

// A whole computer-against-computer match from the seed, one fingerprint per tick.
std::vector<std::string> Replay(const std::string& folder, uint64_t seed) {
  TPlayRig rig(folder);
  rig.random.Seed(seed);
  rig.state.match.players[1].bowlerName = "Vekt";
  rig.state.match.players[2].bowlerName = "Oskar";
  rig.state.match.players[1].level = 4;
  rig.state.match.players[2].level = 8;
  rig.StartMatch(2, true, true);
  std::vector<std::string> ticks;
  for (int i = 0; i < 100000 && !rig.state.match.matchComplete; ++i) {
    rig.play.Step(1, false);
    ticks.push_back(Fingerprint(rig.state));
  }
  return ticks;
}

TEST(Replay, ASeededMatchReplaysTickForTick) {
  TFixture fixture;
  fixture.bowlers = {"Vekt", "Oskar"};
  fixture.releaseOffsetX = 14;
  const std::string folder = FreshFolder("ASeededMatchReplaysTickForTick");
  WriteProgramFolder(folder, fixture);
  const std::vector<std::string> first = Replay(folder, 99);
  const std::vector<std::string> second = Replay(folder, 99);
  ASSERT_GT(first.size(), 2000u);
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); ++i) ASSERT_EQ(first[i], second[i]) << "tick " << i;
  EXPECT_NE(Replay(folder, 100), first) << "another seed, another match";
}

TEST(Replay, ATickOfPlayAllocatesNothing) {
  const std::string folder = FreshFolder("ATickOfPlayAllocatesNothing");
  WriteProgramFolder(folder);
  TPlayRig rig(folder);
  rig.OpenDevices();
  rig.state.match.players[1].bowlerName = "Vekt";
  rig.state.match.players[2].bowlerName = "Marla";
  rig.StartMatch(2, true, true);
  rig.state.match.showAllScores = true;
  TMatchState& match = rig.state.match;
  // Warm up through a whole turn, so every string has grown to what it needs.
  // The clock moves as in play, so sounds end and their instances are reused.
  for (int i = 0; i < 2000 && match.frame == 1; ++i) {
    rig.host.clock += 15;
    rig.play.Step(1, true);
  }
  // Then every tick that neither finishes a ball (a new turn reads the bowler's files) nor starts an
  // LED show draws and plays without allocating.
  int checked = 0;
  for (int i = 0; i < 3000 && !match.matchComplete; ++i) {
    const uint8_t shot = match.shot;
    const uint8_t player = rig.state.front.currentPlayer;
    rig.host.clock += 15;
    const long before = AllocationCount();
    rig.play.Step(1, true);
    const long allocated = AllocationCount() - before;
    if (match.shot != shot || rig.state.front.currentPlayer != player || match.aniPlayed) continue;
    ASSERT_EQ(allocated, 0) << "tick " << i << (match.rolling ? " rolling" : match.charging ? " charging" : " aiming");
    ++checked;
  }
  EXPECT_GT(checked, 1000);
}

}  // namespace
}  // namespace bowling_test
