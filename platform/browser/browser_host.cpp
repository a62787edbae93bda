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
  ++framesWaited_;
  presentedInFrame_ = false;
  lastWait_ = SDL_GetTicks();
}

void TBrowserHost::LoopOnce(TForm& form) {
  // A wait inside the last pass (a vsync present) already began a frame nobody has drawn into.
  if (presentedInFrame_ || framesWaited_ == framesAtPassEnd_) WaitForFrame();
  Pump(0);
  if (!form.CloseRequested() && !QuitAsked() && Dispatcher()) {
    Dispatcher()->Idle();
    if (!presentedInFrame_ && !form.CloseRequested() && !QuitAsked()) {
      const bool timerRuns = form.Application().IdleTimer() != nullptr;
      if (Pacer().UntilFrame(SDL_GetTicks(), timerRuns, form.ShowingDrawArea() != nullptr) == 0) RenderScreen(false);
    }
  }
  framesAtPassEnd_ = framesWaited_;
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
