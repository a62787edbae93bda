#include "platform/browser/browser_host.h"

#include <SDL.h>
#include <emscripten.h>

#include "media/application.h"
#include "media/dx_timer.h"
#include "platform/form_dispatcher.h"

namespace {

// Resolves on the page's next animation frame; the program's stack waits meanwhile.
EM_ASYNC_JS(void, WaitForAnimationFrame, (), { await new Promise(resolve => requestAnimationFrame(resolve)); });

}  // namespace

TBrowserHost::TBrowserHost(const std::string& title) : TSdlHost(title, true) {}

void TBrowserHost::WaitForFrame() {
  WaitForAnimationFrame();
  presentedInFrame_ = false;
  lastWait_ = SDL_GetTicks();
}

void TBrowserHost::LoopOnce(TForm& form) {
  const TDXTimer* timer = form.Application().IdleTimer();
  const uint32_t now = SDL_GetTicks();
  const uint32_t tickWait = timer ? timer->MillisecondsToNextTick() : TFramePacer::kFrameMs;
  if (tickWait == 0 && now - lastWait_ < TFramePacer::kFrameMs) {
    // A tick is due and the page had its turn within this frame: tick now.
  } else if (tickWait > 0 && tickWait < TFramePacer::kFrameMs) {
    // The next tick comes before the next frame: the game keeps its own pace.
    emscripten_sleep(tickWait);
    lastWait_ = SDL_GetTicks();
  } else {
    WaitForFrame();
  }
  Pump(0);
  if (!form.CloseRequested() && !QuitAsked() && Dispatcher()) {
    Dispatcher()->Idle();
    if (!form.CloseRequested() && !QuitAsked()) {
      const bool timerRuns = form.Application().IdleTimer() != nullptr;
      if (Pacer().UntilFrame(SDL_GetTicks(), timerRuns, form.ShowingDrawArea() != nullptr) == 0) {
        RenderScreen(false);
      }
    }
  }
}

void TBrowserHost::Present(bool waitVBlank) {
  if (waitVBlank && presentedInFrame_) WaitForFrame();
  // The page presents in step with the display by itself; the renderer's vsync has no meaning here.
  RenderScreen(false);
  presentedInFrame_ = true;
}

void TBrowserHost::ProcessMessages() {
  TSdlHost::ProcessMessages();
  // A modal pause calls this in a loop of its own: the page gets its turn once a frame.
  if (SDL_GetTicks() - lastWait_ >= TFramePacer::kFrameMs) WaitForFrame();
}
