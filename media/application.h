// The program's application object: the host, the one idle slot that the frame timers share, and
// whether the program has the input focus. The main form owns it; every component gets a reference.
#pragma once

#include <functional>
#include <vector>

#include "media/host.h"

class TDXTimer;

class TApplication {
 public:
  explicit TApplication(THost& host) : host_(host) {}
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  THost& Host() { return host_; }

  // Called by the host's loop whenever its message queue is empty: ticks the timer in the slot.
  // Returns true when the host should call again at once instead of waiting for a message.
  bool Idle();
  // Pumps and dispatches pending messages (the modal pauses inside a tick use this).
  void ProcessMessages() { host_.ProcessMessages(); }

  // Focus changes: fire every timer's OnActivate / OnDeactivate and suspend or restart the
  // running ActiveOnly timer; tell the focus listeners (the sound device mutes without focus).
  void SetActive(bool active);
  bool Active() const { return active_; }

  // The idle slot: the timer started last, or nullptr.
  TDXTimer* IdleTimer() const { return idleTimer_; }

  // Used by TDXTimer.
  void InstallIdleTimer(TDXTimer* timer) { idleTimer_ = timer; }
  void RegisterTimer(TDXTimer* timer);
  void UnregisterTimer(TDXTimer* timer);

  // Used by the sound device: called with the new state after every focus change.
  using TFocusListener = std::function<void(bool active)>;
  int AddFocusListener(TFocusListener listener);
  void RemoveFocusListener(int id);

  // The form's window is going away (TForm::WindowDestroyed): every window listener is called in
  // the order they were added, each even when one before it raised; the first error then propagates.
  void WindowDestroyed();
  // Used by the drawing and sound devices, which finalise with their events when told.
  int AddWindowListener(std::function<void()> listener);
  void RemoveWindowListener(int id);

 private:
  THost& host_;
  bool active_ = true;
  TDXTimer* idleTimer_ = nullptr;
  std::vector<TDXTimer*> timers_;
  struct TListener {
    int Id;
    TFocusListener Call;
  };
  std::vector<TListener> focusListeners_;
  struct TWindowListener {
    int Id;
    std::function<void()> Call;
  };
  std::vector<TWindowListener> windowListeners_;
  int nextListenerId_ = 1;
};
