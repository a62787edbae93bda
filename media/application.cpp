#include "media/application.h"

#include <algorithm>
#include <exception>

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

void TApplication::WindowDestroyed() {
  std::exception_ptr firstError;
  // A handler may add or remove listeners; walk a copy and skip the ones removed meanwhile.
  const std::vector<TWindowListener> listeners = windowListeners_;
  for (const TWindowListener& listener : listeners) {
    const int id = listener.Id;
    if (std::none_of(windowListeners_.begin(), windowListeners_.end(),
                     [id](const TWindowListener& l) { return l.Id == id; })) {
      continue;
    }
    try {
      listener.Call();
    } catch (...) {
      if (!firstError) firstError = std::current_exception();
    }
  }
  if (firstError) std::rethrow_exception(firstError);
}

int TApplication::AddWindowListener(std::function<void()> listener) {
  const int id = nextListenerId_++;
  windowListeners_.push_back(TWindowListener{id, std::move(listener)});
  return id;
}

void TApplication::RemoveWindowListener(int id) {
  std::erase_if(windowListeners_, [id](const TWindowListener& l) { return l.Id == id; });
}
