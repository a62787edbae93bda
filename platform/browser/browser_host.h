// The host in a web browser: the SDL host (SDL2 built for the browser draws into the page's canvas
// with WebGL and plays through Web Audio) with the loop handed to the page's animation frames.
//
// A page must not block: the program's code still runs as on the desktop, but wherever the desktop
// would wait (the loop between passes, a vsync present, a modal pause pumping messages, a message box
// or file dialog, a sleep) the program's stack is set aside until the page calls back (emscripten's
// Asyncify), so the browser keeps drawing, taking input and playing sound meanwhile.
//
// Pacing: each pass of the loop waits for the next animation frame, then pumps input, runs the idle
// slot once (a timer that is not due yet does not tick, so intervals longer than a frame keep their
// pace; shorter ones run at the display's pace, as on a desktop that waits for vsync) and draws when
// the game did not present. A game that presents twice within one animation frame with vsync waits
// for the next one, as it would for the display.
#pragma once

#include <cstdint>
#include <string>

#include "platform/sdl_host.h"

class TBrowserHost : public TSdlHost {
 public:
  // Opens SDL on the page's canvas (a window of 640 x 480, scaled by the page).
  explicit TBrowserHost(const std::string& title);

  // THost
  void Present(bool waitVBlank) override;
  void ProcessMessages() override;

 protected:
  void LoopOnce(TForm& form) override;

 private:
  // Gives the page its turn until its next animation frame.
  void WaitForFrame();

  bool presentedInFrame_ = false;
  int framesWaited_ = 0;
  int framesAtPassEnd_ = -1;
  uint32_t lastWait_ = 0;
};
