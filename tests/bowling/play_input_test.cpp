// The human bowler's keys and mouse, abandoning with Escape then Enter, the help screen, and the
// play loop's order of work, through the real tick of play.
#include <gtest/gtest.h>

#include "forms/virtual_keys.h"
#include "play_rig.h"

namespace bowling_test {
namespace {

TEST(PlayInput, ArrowsMoveTheBowlerOnlyWhileAimingAndWithinTheApproach) {
  TPlayRig rig;
  rig.StartMatch(1);
  TPlayer& player = rig.state.match.players[1];
  rig.play.FormKeyDown(VK_RIGHT, 0);
  rig.play.Step(1, false);
  EXPECT_EQ(player.approachX, 321);
  for (int i = 0; i < 200; ++i) rig.play.Step(1, false);
  EXPECT_EQ(player.approachX, 320 - 0 + 80) << "held at the approach's right limit";
  rig.play.FormKeyUp(VK_RIGHT, 0);
  rig.play.FormKeyDown(VK_SPACE, 0);  // the meter starts
  ASSERT_TRUE(rig.state.match.charging);
  rig.play.FormKeyDown(VK_LEFT, 0);
  rig.play.Step(1, false);
  EXPECT_EQ(player.approachX, 400) << "no key movement while charging";
}

TEST(PlayInput, DraggingMovesTheBowlerInAnyPhase) {
  TPlayRig rig;
  rig.StartMatch(1);
  TMatchState& match = rig.state.match;
  rig.host.cursor = {300, 400};
  rig.play.Step(1, false);  // polls the pointer
  rig.play.DXDrawMouseDown(TMouseButton::Left);
  EXPECT_TRUE(match.dragging);
  rig.host.cursor = {260, 420};
  rig.play.Step(1, false);
  EXPECT_EQ(match.players[1].approachX, 260);
  rig.play.FormKeyDown(VK_SPACE, 0);
  rig.host.cursor = {100, 420};
  rig.play.Step(1, false);
  EXPECT_TRUE(match.charging);
  EXPECT_EQ(match.players[1].approachX, 240) << "clamped to the approach, while charging too";
  rig.play.DXDrawMouseUp();
  EXPECT_FALSE(match.dragging);
}

TEST(PlayInput, MouseRectanglesWhileAiming) {
  TPlayRig rig;
  rig.StartMatch(1);
  TMatchState& match = rig.state.match;
  const auto clickAt = [&](int x, int y) {
    rig.host.cursor = {x, y};
    rig.play.Step(1, false);
    rig.play.DXDrawMouseDown(TMouseButton::Left);
    rig.play.DXDrawMouseUp();
  };
  clickAt(68, 86);  // the player label's corner, edges included
  EXPECT_TRUE(match.showAllScores);
  clickAt(4, 68);
  EXPECT_FALSE(match.showAllScores);
  clickAt(640, 480);
  EXPECT_TRUE(match.helpShown);
  // Under the help nothing of the tick runs: a held arrow does not walk, pacing does not count.
  match.keyRight = true;
  const int32_t approachX = match.players[1].approachX;
  const int32_t paceCount = match.paceCount;
  for (int i = 0; i < 3; ++i) rig.play.Step(1, false);
  EXPECT_EQ(match.players[1].approachX, approachX) << "play is frozen under the help";
  EXPECT_EQ(match.paceCount, paceCount);
  EXPECT_TRUE(match.aiming);
  match.keyRight = false;
  rig.play.FormKeyDown('A', 0);
  EXPECT_FALSE(match.helpShown);
  rig.host.cursor = {461, 306};
  rig.play.Step(1, false);
  rig.play.DXDrawMouseDown(TMouseButton::Right);
  EXPECT_TRUE(match.aiming) << "only the left button";
  rig.play.DXDrawMouseDown(TMouseButton::Left);
  EXPECT_TRUE(match.charging) << "a click on the meter starts it";
  rig.host.cursor = {10, 10};
  rig.play.Step(1, false);
  rig.play.DXDrawMouseDown(TMouseButton::Left);
  EXPECT_NE(match.power, 0) << "while charging a click anywhere presses";
}

TEST(PlayInput, EscapeThenEnterAbandonsAndAnythingElseCancels) {
  TPlayRig rig;
  rig.StartMatch(1);
  TMatchState& match = rig.state.match;
  rig.play.FormKeyDown(VK_ESCAPE, 0);
  EXPECT_TRUE(match.exitPending);
  rig.play.FormKeyDown(VK_UNNAMED + 51, 0);
  EXPECT_FALSE(match.exitPending) << "another key cancels, one without a name too";
  rig.play.FormKeyDown(VK_ESCAPE, 0);
  rig.play.DXDrawMouseDown(TMouseButton::Left);
  EXPECT_FALSE(match.exitPending) << "a click cancels";
  rig.play.FormKeyDown(VK_ESCAPE, 0);
  rig.state.front.tournamentContinues = true;
  rig.play.FormKeyDown(VK_RETURN, 0);
  EXPECT_FALSE(rig.DXTimer.Enabled());
  EXPECT_TRUE(rig.goverTimer.Enabled());
  EXPECT_FALSE(rig.state.front.tournamentContinues) << "abandoning ends a tournament";
  EXPECT_FALSE(match.exitPending);
}

TEST(PlayInput, AComputersTurnIgnoresTheArrowsAndSpace) {
  TPlayRig rig;
  rig.StartMatch(2, true, true);
  TMatchState& match = rig.state.match;
  ASSERT_TRUE(match.aiming);
  rig.play.FormKeyDown(VK_SPACE, 0);
  rig.play.FormKeyDown(VK_LEFT, 0);
  EXPECT_FALSE(match.keyLeft);
  EXPECT_TRUE(match.aiming) << "Space did not start the computer's meter";
  EXPECT_FALSE(match.charging);
  rig.play.FormKeyDown(VK_SHIFT, 0);
  EXPECT_TRUE(match.showAllScores) << "Shift works on any turn";
  rig.play.FormKeyUp(VK_SHIFT, 0);
  EXPECT_FALSE(match.showAllScores);
}

TEST(PlayInput, AKeyAfterTheResultLeadsToTheEndShow) {
  TPlayRig rig;
  rig.StartMatch(1);
  TMatchState& match = rig.state.match;
  match.players[1].finished = true;
  match.matchComplete = true;
  rig.play.Step(1, false);
  rig.play.Step(1, false);
  EXPECT_FALSE(rig.goverTimer.Enabled()) << "the result stays until a key";
  rig.play.FormKeyDown(VK_UNNAMED + 57, 0);  // Caps Lock, which has no name
  EXPECT_FALSE(match.matchComplete);
  rig.play.Step(1, false);
  EXPECT_TRUE(rig.goverTimer.Enabled());
  EXPECT_FALSE(rig.DXTimer.Enabled());
  rig.play.FormKeyDown('Q', 0);
  EXPECT_EQ(rig.bowlingHost.cleanups, 1) << "a key ends the end show";
  EXPECT_FALSE(rig.goverTimer.Enabled());
}

TEST(PlayInput, PacingTunesTheIntervalFromTheMeasuredRate) {
  TPlayRig rig;
  rig.StartMatch(1);
  rig.DXTimer.OnTimer = [&](int lagCount) { rig.play.Step(lagCount, false); };
  // A loop that calls every millisecond: the interval settles where the rate stays within 55..65,
  // or at its ceiling of 15 (66 a second) above that.
  for (int ms = 0; ms < 20000; ++ms) {
    rig.host.clock += 1;
    rig.app.Idle();
  }
  EXPECT_EQ(rig.DXTimer.Interval(), 15);
  EXPECT_GE(rig.DXTimer.TickRate(), 55);
}

}  // namespace
}  // namespace bowling_test
