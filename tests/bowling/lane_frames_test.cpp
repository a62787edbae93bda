// A lane redrawn only where it changes shows, tick for tick, what redrawing it whole shows: a seeded
// match between computers, drawn twice, once as play draws it and once with the back surface counted
// as drawn all over before every tick (which leaves the lane and the flip no choice but to draw and
// copy everything), with Fast Refresh on and off, the help screen, scores shown and hidden, the
// exit banner, a moving pointer, reactions and in-play LED shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "media/surface.h"
#include "play_rig.h"

namespace bowling_test {
namespace {

bool Same(const TDirectDrawSurface& a, const TDirectDrawSurface& b) {
  const size_t pixels = static_cast<size_t>(a.Width()) * a.Height();
  return a.Width() == b.Width() && a.Height() == b.Height() && std::equal(a.Bits(), a.Bits() + pixels, b.Bits());
}

struct TMatchRig {
  explicit TMatchRig(const std::string& folder) : rig(folder) {
    rig.OpenDevices();
    // Opaque lamps: the sign is copied a row of lamps at a time.
    rig.graphics.Items.Find("led").Transparent = false;
    rig.bowlingHost.animations = 1;
    rig.random.Seed(5);
    rig.state.match.players[1].bowlerName = "Vekt";
    rig.state.match.players[2].bowlerName = "Oskar";
    rig.state.match.players[1].level = 9;
    rig.state.match.players[2].level = 2;
    rig.StartMatch(2, true, true);
  }

  // One tick of the script: what the player does and which options are on depend on the tick only.
  void Tick(int tick, bool wholeFrames) {
    TMatchState& match = rig.state.match;
    rig.host.cursor = {(tick * 7) % 700 - 30, (tick * 3) % 520 - 20};
    rig.bowlingHost.fastRefresh = tick / 300 % 3 == 1;
    rig.bowlingHost.shadows = tick / 450 % 4 != 3;
    match.showAllScores = tick / 200 % 2 == 1;
    if (tick % 1000 == 500) match.helpShown = true;
    if (tick % 1000 == 520) match.helpShown = false;
    if (tick % 1000 == 700) match.exitPending = true;
    if (tick % 1000 == 760) match.exitPending = false;
    if (wholeFrames) rig.DXDraw.Surface()->DrawnAll();
    if (rig.LEDTimer.Enabled()) {
      ++ledTicks;
      rig.sign.IntroTimerTimer(1);
    } else {
      if (match.reacting) ++reactingTicks;
      rig.play.Step(1, true);
    }
  }

  TPlayRig rig;
  int ledTicks = 0;
  int reactingTicks = 0;
};

TEST(LaneFrames, RedrawingWhereTheFrameChangesShowsWhatRedrawingItWholeShows) {
  const std::string folder = FreshFolder("RedrawingWhereTheFrameChangesShowsWhatRedrawingItWholeShows");
  WriteProgramFolder(folder);
  TMatchRig changed(folder);
  TMatchRig whole(folder);
  int tick = 0;
  for (; tick < 40000 && !changed.rig.state.match.matchComplete; ++tick) {
    changed.Tick(tick, false);
    whole.Tick(tick, true);
    ASSERT_TRUE(Same(*changed.rig.DXDraw.Surface(), *whole.rig.DXDraw.Surface())) << "back, tick " << tick;
    ASSERT_TRUE(Same(*changed.rig.DXDraw.Primary(), *whole.rig.DXDraw.Primary())) << "front, tick " << tick;
  }
  EXPECT_TRUE(changed.rig.state.match.matchComplete) << tick << " ticks, frame " << int{changed.rig.state.match.frame} << " led " << changed.ledTicks << " react " << changed.reactingTicks;
  EXPECT_GT(changed.reactingTicks, 0);
  EXPECT_GT(changed.ledTicks, 0) << "an LED show in play";
}

}  // namespace
}  // namespace bowling_test
