// The LED sign: shows of small monochrome frames from ".led" files (image libraries, one frame per
// item), sampled into 81 x 30 lamps and drawn with the lit or dark lamp of "led". Full-screen shows
// (intro, credits, end of a match) run over "logo" and loop until a key or click; in-play shows run
// in the sign's housing over the lane once and hand back to play.
//
// Frame order of a show of N frames: frames 1, 2, ..., N-1, then 0 (full screen: and again; the
// logo is redrawn on the tick after frame 0). An in-play show never shows frame 0. A tick that lags
// more than one interval advances the frame without drawing, so a slow machine keeps the pace.
#pragma once

#include <string>

#include "bowling/bowling_devices.h"
#include "bowling/bowling_host.h"
#include "bowling/bowling_state.h"

class TLedSign {
 public:
  TLedSign(TBowlingState& state, TBowlingDevices& devices, TBowlingHost& host)
      : state_(state), devices_(devices), host_(host) {}

  // Loads "leds\" + name + ".led" from the program folder into LedList. A show that cannot be read
  // is reported in a message box and left empty, so it ends at once instead of failing every tick.
  // The frames of an in-play show are built as it loads, so its ticks only draw; those of a
  // full-screen show as each is first shown.
  void Load(const std::string& name, bool inPlay = false);
  // From frame 0: stops play's and the shows' timers and starts timer.
  void Start(TDXTimer& timer);

  // A tick of the intro or an in-play show (IntroTimer and LEDTimer).
  void IntroTimerTimer(int lagCount);
  // Draws and presents at once what the intro's first tick draws (the logo and frame 1), so the
  // title shows as the device comes up rather than a tick later; the show goes on as before, its
  // first frame held until the second tick.
  void ShowOpening();
  // A tick of an end-of-match, tournament or credits show (goverTimer).
  void goverTimerTimer(int lagCount);

 private:
  // Lamps of rows first..first+29 from frame ledFrame (or the frame given).
  void DrawLamps(int firstRow);
  void DrawLamps(int firstRow, int frame);
  // A show without frames ends at once, as a key would end it.
  void EndEmptyShow();

  TBowlingState& state_;
  TBowlingDevices& devices_;
  TBowlingHost& host_;
};
