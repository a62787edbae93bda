#include "media/dx_timer.h"

#include <algorithm>
#include <cmath>

TDXTimer::TDXTimer(TApplication& application, bool enabled) : application_(application) {
  application_.RegisterTimer(this);
  SetEnabled(enabled);
}

TDXTimer::~TDXTimer() { application_.UnregisterTimer(this); }

void TDXTimer::SetEnabled(bool enabled) {
  const bool wasRunning = enabled_;
  enabled_ = enabled;
  suspended_ = false;
  if (enabled) {
    Start();
  } else if (wasRunning) {
    application_.InstallIdleTimer(nullptr);
  }
}

void TDXTimer::SetInterval(int interval) { interval_ = std::max(interval, 0); }

void TDXTimer::Start() {
  lastTick_ = application_.Host().Clock();
  periodStart_ = lastTick_;
  periodTicks_ = 0;
  application_.InstallIdleTimer(this);
}

void TDXTimer::DoIdle() {
  const uint32_t now = application_.Host().Clock();
  const uint32_t elapsed = now - lastTick_;
  if (elapsed < static_cast<uint32_t>(interval_)) return;
  const uint32_t lagCount = elapsed / static_cast<uint32_t>(std::max(interval_, 1));
  lastTick_ = now;
  ++periodTicks_;
  const uint32_t periodLength = now - periodStart_;
  if (periodLength >= 1000) {
    tickRate_ = static_cast<int>(std::nearbyint(periodTicks_ * 1000.0 / periodLength));
    periodStart_ = now;
    periodTicks_ = 0;
  }
  if (OnTimer) OnTimer(static_cast<int>(std::clamp<uint32_t>(lagCount, 1, 0x7FFFFFFF)));
}

uint32_t TDXTimer::MillisecondsToNextTick() const {
  const uint32_t elapsed = application_.Host().Clock() - lastTick_;
  const auto interval = static_cast<uint32_t>(interval_);
  return elapsed < interval ? interval - elapsed : 0;
}

void TDXTimer::AppDeactivated() {
  if (OnDeactivate) OnDeactivate();
  if (ActiveOnly && enabled_ && application_.IdleTimer() == this) {
    application_.InstallIdleTimer(nullptr);
    suspended_ = true;
  }
}

void TDXTimer::AppActivated() {
  if (OnActivate) OnActivate();
  if (suspended_ && enabled_) {
    suspended_ = false;
    Start();
  }
}
