// The program's application object: the host, the one idle slot that the frame timers share, and
// whether the program has the input focus. The main form owns it; every component gets a reference.
#pragma once

#include <vector>

#include "media/host.h"

class TDXTimer;

class TApplication {
 public:
  explicit TApplication(THost& host) : host_(host) {}

  THost& Host() { return host_; }

  // Called by the host's loop whenever its message queue is empty: ticks the timer in the slot.
  void Idle();
  // Pumps and dispatches pending messages (the modal pauses inside a tick use this).
  void ProcessMessages() { host_.ProcessMessages(); }

  // Focus changes: fire every timer's OnActivate / OnDeactivate and suspend or restart the
  // running ActiveOnly timer.
  void SetActive(bool active);
  bool Active() const { return active_; }

  // The idle slot: the timer started last, or nullptr.
  TDXTimer* IdleTimer() const { return idleTimer_; }

  // Used by TDXTimer.
  void InstallIdleTimer(TDXTimer* timer) { idleTimer_ = timer; }
  void RegisterTimer(TDXTimer* timer);
  void UnregisterTimer(TDXTimer* timer);

 private:
  THost& host_;
  bool active_ = true;
  TDXTimer* idleTimer_ = nullptr;
  std::vector<TDXTimer*> timers_;
};
