// A test rig for bowling play: the media components the form would own, a host whose clock and
// pointer the test sets, a bowling host with settable options that records the hand-overs, and a
// program folder written by data_fixture. Without a bowler name a turn loads nothing, so the rules
// can be exercised with no files at all.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "bowling/bowling_host.h"
#include "bowling/play_components.h"
#include "data_fixture.h"
#include "tests/support/rig_host.h"

namespace bowling_test {

// Options the test sets; counts the hand-overs back to the menus.
class TRigBowlingHost : public TPresetBowlingHost {
 public:
  void cleanup() override { ++cleanups; }
  void EndProgram() override { ++endings; }

  int cleanups = 0;
  int endings = 0;
};

// The hosts, made before the components that use them.
struct TRigHosts {
  TRigHost host;
  TRigBowlingHost bowlingHost;
};

struct TPlayRig : TRigHosts, TPlayComponents {
  // A rig whose program folder is folder ("" for none: turns then load nothing).
  explicit TPlayRig(const std::string& folder = "");
  ~TPlayRig();

  // Opens the display and the sound device, and loads the program's and the alley's libraries.
  void OpenDevices(const std::string& alleyName = "Tradtional");
  // A match of players (1 or 2) from frame 1, as "Play" starts it; computers as given.
  void StartMatch(int players, bool firstComputer = false, bool secondComputer = false);
  // Ticks until done() or maxTicks; whether done.
  bool TickUntil(const std::function<bool()>& done, int maxTicks, bool draw = false);
  // The frame on the front surface at (x, y).
  uint16_t FrontPixel(int x, int y) const;
};

}  // namespace bowling_test
