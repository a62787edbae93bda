// The frame timer and the application's one idle slot, driven by a fake clock.
#include <gtest/gtest.h>

#include <vector>

#include "media/dx_timer.h"
#include "tests/media/draw_fake_host.h"

namespace {

class TimerTest : public ::testing::Test {
 protected:
  TFakeHost host;
  TApplication app{host};
  std::vector<int> lags;

  void Record(TDXTimer& timer) {
    timer.OnTimer = [this](int lag) { lags.push_back(lag); };
  }
  void IdleAt(uint32_t now) {
    host.Now = now;
    app.Idle();
  }
};

TEST_F(TimerTest, TicksAfterTheIntervalWithTheLagCount) {
  TDXTimer timer(app, false);
  Record(timer);
  timer.SetInterval(33);
  host.Now = 1000;
  timer.SetEnabled(true);
  IdleAt(1032);
  EXPECT_TRUE(lags.empty());
  IdleAt(1070);
  EXPECT_EQ(lags, std::vector<int>{2});
  IdleAt(1103);
  EXPECT_EQ(lags, (std::vector<int>{2, 1}));
}

TEST_F(TimerTest, IntervalZeroTicksOnEveryIdleCall) {
  TDXTimer timer(app, false);
  Record(timer);
  timer.SetInterval(-5);
  EXPECT_EQ(timer.Interval(), 0);
  timer.SetEnabled(true);
  IdleAt(0);
  IdleAt(7);
  EXPECT_EQ(lags, (std::vector<int>{1, 7}));
}

TEST_F(TimerTest, OnlyTheTimerStartedLastRuns) {
  TDXTimer play(app, false);
  TDXTimer cast(app, false);
  int playTicks = 0;
  int castTicks = 0;
  play.SetInterval(0);
  cast.SetInterval(0);
  play.OnTimer = [&](int) { ++playTicks; };
  cast.OnTimer = [&](int) { ++castTicks; };
  play.SetEnabled(true);
  IdleAt(1);
  cast.SetEnabled(true);
  IdleAt(2);
  EXPECT_EQ(playTicks, 1);
  EXPECT_EQ(castTicks, 1);
  // Stopping the cast timer leaves no timer running, though play is still enabled.
  cast.SetEnabled(false);
  EXPECT_FALSE(app.Idle());
  EXPECT_EQ(app.IdleTimer(), nullptr);
  EXPECT_TRUE(play.Enabled());
  play.SetEnabled(true);
  EXPECT_TRUE(app.Idle());
  EXPECT_EQ(playTicks, 2);
  // Stopping a timer that is not enabled leaves the slot alone.
  cast.SetEnabled(false);
  EXPECT_EQ(app.IdleTimer(), &play);
}

TEST_F(TimerTest, ConstructedTimersStartUnlessDisabled) {
  TDXTimer timer(app);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  EXPECT_EQ(app.IdleTimer(), &timer);
  { TDXTimer gone(app); }
  EXPECT_EQ(app.IdleTimer(), nullptr);
}

TEST_F(TimerTest, TickRateCountsTicksPerSecond) {
  TDXTimer timer(app, false);
  timer.SetInterval(10);
  timer.SetEnabled(true);
  for (uint32_t now = 10; now <= 1000; now += 10) IdleAt(now);
  EXPECT_EQ(timer.TickRate(), 100);
  for (uint32_t now = 1040; now <= 2000; now += 40) IdleAt(now);
  EXPECT_EQ(timer.TickRate(), 25);
}

TEST_F(TimerTest, ActiveOnlyTimersSuspendWithoutFocus) {
  TDXTimer timer(app, false);
  Record(timer);
  int activations = 0;
  int deactivations = 0;
  timer.OnActivate = [&] { ++activations; };
  timer.OnDeactivate = [&] { ++deactivations; };
  timer.SetInterval(10);
  timer.SetEnabled(true);
  app.SetActive(false);
  EXPECT_EQ(deactivations, 1);
  EXPECT_EQ(app.IdleTimer(), nullptr);
  host.Now = 500;
  app.SetActive(true);
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(app.IdleTimer(), &timer);
  IdleAt(505);
  EXPECT_TRUE(lags.empty());  // the last-tick time was reset on reactivation
  IdleAt(520);
  EXPECT_EQ(lags, std::vector<int>{2});

  timer.ActiveOnly = false;
  app.SetActive(false);
  EXPECT_EQ(app.IdleTimer(), &timer);
}

TEST_F(TimerTest, ReactivationRestartsOnlyTheSuspendedTimer) {
  TDXTimer play(app, false);
  TDXTimer cast(app, false);
  play.SetEnabled(true);
  cast.SetEnabled(true);
  app.SetActive(false);
  app.SetActive(true);
  EXPECT_EQ(app.IdleTimer(), &cast);
}

TEST_F(TimerTest, ATickMayStopItsOwnTimer) {
  TDXTimer timer(app, false);
  timer.SetInterval(0);
  timer.OnTimer = [&](int) { timer.SetEnabled(false); };
  timer.SetEnabled(true);
  EXPECT_TRUE(app.Idle());
  EXPECT_FALSE(app.Idle());
}

}  // namespace
