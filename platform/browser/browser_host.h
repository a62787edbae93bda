// The host in a web browser: the SDL host (SDL2 built for the browser draws into the page's canvas
// with WebGL and plays through Web Audio) with the loop handed to the page's animation frames.
//
// A page must not block: the program's code still runs as on the desktop, but wherever the desktop
// would wait (the loop between passes, a vsync present, a modal pause pumping messages, a message box
// or file dialog, a sleep) the program's stack is set aside until the page calls back (emscripten's
// Asyncify), so the browser keeps drawing, taking input and playing sound meanwhile.
//
// Pacing: a pass of the loop waits for the page's next animation frame unless the running timer's
// next tick comes sooner: then it waits just that long (a timeout), so the game keeps its own tick
// pace, and a tick already due runs at once while the page had its turn within the last frame. Then
// it pumps input, runs the idle slot and draws when the screen is due. A game that presents twice
// within one animation frame with vsync waits for the next one, as it would for the display.
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
  uint32_t lastWait_ = 0;
};
