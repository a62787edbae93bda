// When the SDL host's loop draws the screen itself, and so how long it may wait for input meanwhile.
// The menus are drawn at the display's pace for a while after anything happened (ImGui needs a few
// frames to show a press or a hover, and a hint appears half a second after the pointer rests),
// then only a few times a second (an edit's caret, a window uncovered). A timer that runs while the
// menus show may change them on any tick, so they keep the display's pace then. While a timer drives
// the drawing area the game presents its own frames, and the loop only refreshes a screen the game
// has left alone for a while (a pause, a picture drawn straight onto the front surface).
#pragma once

#include <cstdint>

class TFramePacer {
 public:
  static constexpr uint32_t kFrameMs = 16;
  static constexpr uint32_t kSettleMs = 750;
  static constexpr uint32_t kIdleFrameMs = 250;
  static constexpr uint32_t kPlayRefreshMs = 100;

  // Input arrived or a handler ran at now (host milliseconds): the picture may change.
  void Stirred(uint32_t now) { stirred_ = now; }
  // The screen was presented at now.
  void Presented(uint32_t now) { presented_ = now; }
  // Milliseconds from now until the loop should draw a frame of its own (0: now).
  uint32_t UntilFrame(uint32_t now, bool timerRuns, bool drawAreaShows) const;

 private:
  uint32_t stirred_ = 0;
  uint32_t presented_ = 0;
};
