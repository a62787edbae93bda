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
#include "media/host.h"

namespace bowling_test {

class TRigHost : public THost {
 public:
  void SetDisplaySurface(const TDirectDrawSurface* primary) override { display = primary; }
  void Present(bool) override { ++presents; }
  uint32_t Clock() override { return clock; }
  void Sleep(uint32_t milliseconds) override { clock += milliseconds; }
  TPoint CursorPos() override { return cursor; }
  void SetCursor(TCursorShape) override {}
  void SetAudioSource(TAudioSource* source) override { audio = source; }
  int AudioRate() const override { return audioRate; }
  void ProcessMessages() override {}
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool OpenFileDialog(TFileDialog&) override { return false; }
  bool SaveFileDialog(TFileDialog&) override { return false; }

  const TDirectDrawSurface* display = nullptr;
  TAudioSource* audio = nullptr;
  int audioRate = 22050;
  uint32_t clock = 1000;
  TPoint cursor{320, 240};
  int presents = 0;
  std::vector<std::string> messages;
};

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
