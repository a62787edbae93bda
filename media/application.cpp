#include "media/application.h"

#include <algorithm>

#include "media/dx_timer.h"

bool TApplication::Idle() {
  if (!idleTimer_) return false;
  idleTimer_->DoIdle();
  return true;
}

void TApplication::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  // A handler may start or stop timers; walk a copy so the list may change meanwhile.
  const std::vector<TDXTimer*> timers = timers_;
  for (TDXTimer* timer : timers) {
    if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end()) continue;
    if (active) {
      timer->AppActivated();
    } else {
      timer->AppDeactivated();
    }
  }
  const std::vector<TListener> listeners = focusListeners_;
  for (const TListener& listener : listeners) listener.Call(active);
}

void TApplication::RegisterTimer(TDXTimer* timer) { timers_.push_back(timer); }

void TApplication::UnregisterTimer(TDXTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
  if (idleTimer_ == timer) idleTimer_ = nullptr;
}

int TApplication::AddFocusListener(TFocusListener listener) {
  const int id = nextListenerId_++;
  focusListeners_.push_back(TListener{id, std::move(listener)});
  return id;
}

void TApplication::RemoveFocusListener(int id) {
  std::erase_if(focusListeners_, [id](const TListener& l) { return l.Id == id; });
}
