// Idle waits: the loop learns from the running timer when its next tick is due, and draws the
// screen itself only as often as the screen's state needs.
#include <gtest/gtest.h>

#include "forms/form.h"
#include "media/dx_timer.h"
#include "platform/frame_pacer.h"
#include "platform/headless_host.h"

namespace {

TEST(FramePacingTest, TheTimerTellsWhenItsNextTickIsDueWithoutChangingItsTicks) {
  THeadlessHost host;
  TForm form(host);
  TDXTimer timer(form.Application(), false);
  std::vector<int> lags;
  timer.OnTimer = [&](int lag) { lags.push_back(lag); };
  timer.SetInterval(15);
  host.SetClock(1000);
  timer.SetEnabled(true);
  EXPECT_EQ(timer.MillisecondsToNextTick(), 15u);
  host.SetClock(1011);
  EXPECT_EQ(timer.MillisecondsToNextTick(), 4u);
  form.Application().Idle();
  EXPECT_TRUE(lags.empty());
  host.SetClock(1015);
  EXPECT_EQ(timer.MillisecondsToNextTick(), 0u);
  form.Application().Idle();
  EXPECT_EQ(lags, std::vector<int>{1});
  EXPECT_EQ(timer.MillisecondsToNextTick(), 15u);  // counted from the tick just made
  host.SetClock(1050);  // late: due at once, and the lag count says how late
  EXPECT_EQ(timer.MillisecondsToNextTick(), 0u);
  form.Application().Idle();
  EXPECT_EQ(lags, (std::vector<int>{1, 2}));

  timer.SetInterval(0);
  EXPECT_EQ(timer.MillisecondsToNextTick(), 0u);
}

TEST(FramePacingTest, MenusLeftAloneAreDrawnAFewTimesASecond) {
  TFramePacer pacer;
  pacer.Stirred(0);
  pacer.Presented(0);
  // Just after input: the display's pace.
  EXPECT_EQ(pacer.UntilFrame(5, false, false), TFramePacer::kFrameMs - 5);
  EXPECT_EQ(pacer.UntilFrame(20, false, false), 0u);
  // Once things settled: a few frames a second, counted from the last one.
  pacer.Presented(TFramePacer::kSettleMs);
  EXPECT_EQ(pacer.UntilFrame(TFramePacer::kSettleMs + 10, false, false), TFramePacer::kIdleFrameMs - 10);
  int frames = 0;
  for (uint32_t now = TFramePacer::kSettleMs; now <= TFramePacer::kSettleMs + 10000; ++now) {
    if (pacer.UntilFrame(now, false, false) == 0) {
      pacer.Presented(now);
      ++frames;
    }
  }
  EXPECT_EQ(frames, static_cast<int>(10000 / TFramePacer::kIdleFrameMs));
  // Input wakes the pace up again.
  pacer.Stirred(20000);
  pacer.Presented(20000);
  EXPECT_EQ(pacer.UntilFrame(20001, false, false), TFramePacer::kFrameMs - 1);
}

TEST(FramePacingTest, TimersKeepTheMenusLivelyAndLeavePlayToTheGame) {
  TFramePacer pacer;
  pacer.Stirred(0);
  pacer.Presented(5000);
  // A timer that runs while the menus show may change them on any tick.
  EXPECT_EQ(pacer.UntilFrame(5010, true, false), TFramePacer::kFrameMs - 10);
  // Play presents its own frames; the loop only refreshes a screen left alone.
  EXPECT_EQ(pacer.UntilFrame(5010, true, true), TFramePacer::kPlayRefreshMs - 10);
  EXPECT_EQ(pacer.UntilFrame(5000 + TFramePacer::kPlayRefreshMs, true, true), 0u);
  // Play without a timer (the program lost the focus) is a still picture.
  EXPECT_EQ(pacer.UntilFrame(5010, false, true), TFramePacer::kIdleFrameMs - 10);
}

}  // namespace
