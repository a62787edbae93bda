// The frame timer. Every timer of a program shares the application's one idle slot: starting a
// timer installs it there (replacing any other), stopping a running timer empties the slot. Each
// idle call ticks the installed timer once Interval milliseconds have passed since its last tick.
//
// Idle call: now = host clock; if now - last < Interval, nothing. Else
//   lagCount = (now - last) div max(Interval, 1); last = now; count the tick (TickRate is updated
//   once a second: round(ticks * 1000 / elapsed)); OnTimer(max(lagCount, 1)).
#pragma once

#include <cstdint>
#include <functional>

#include "media/application.h"

class TDXTimer {
 public:
  // A timer of the application; enabled (and so started at once) unless enabled is false.
  explicit TDXTimer(TApplication& application, bool enabled = true);
  ~TDXTimer();
  TDXTimer(const TDXTimer&) = delete;
  TDXTimer& operator=(const TDXTimer&) = delete;

  bool Enabled() const { return enabled_; }
  // true: starts the timer (takes the idle slot); false: stops it (a running timer empties the
  // slot).
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  // Milliseconds between ticks, stored as max(interval, 0).
  void SetInterval(int interval);
  // Suspended while the program has no focus.
  bool ActiveOnly = true;
  // Ticks counted over the last whole second.
  int TickRate() const { return tickRate_; }
  // Milliseconds from the host's clock now until the next tick is due (0: due now), so that a
  // host may sleep meanwhile instead of spinning.
  uint32_t MillisecondsToNextTick() const;

  // The frame step; lagCount >= 1 is how many intervals have passed since the previous tick.
  std::function<void(int lagCount)> OnTimer;
  std::function<void()> OnActivate;
  std::function<void()> OnDeactivate;

  // Used by TApplication.
  void DoIdle();
  void AppActivated();
  void AppDeactivated();

 private:
  void Start();

  TApplication& application_;
  bool enabled_ = false;
  bool suspended_ = false;
  int interval_ = 1000;
  int tickRate_ = 0;
  uint32_t lastTick_ = 0;
  uint32_t periodStart_ = 0;
  int periodTicks_ = 0;
};
