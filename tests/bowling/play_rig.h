// A test rig for bowling play: the media components the form would own, a host whose clock and
// pointer the test sets, a bowling host with settable options that records the hand-overs, and a
// program folder written by data_fixture. Without a bowler name a turn loads nothing, so the rules
// can be exercised with no files at all.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "bowling/bowling_devices.h"
#include "bowling/bowling_host.h"
#include "bowling/bowling_play.h"
#include "bowling/bowling_state.h"
#include "bowling/led_sign.h"
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

class TRigBowlingHost : public TBowlingHost {
 public:
  bool SoundOn() const override { return sound; }
  bool CrowdReactions() const override { return crowd; }
  bool SoftShadows() const override { return shadows; }
  bool FastRefresh() const override { return fastRefresh; }
  int Animations() const override { return animations; }
  int TournamentGames() const override { return games; }
  void cleanup() override { ++cleanups; }
  void EndProgram() override { ++endings; }

  bool sound = true;
  bool crowd = true;
  bool shadows = true;
  bool fastRefresh = false;
  int animations = 2;
  int games = 3;
  int cleanups = 0;
  int endings = 0;
};

struct TPlayRig {
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

  TRigHost host;
  TApplication app{host};
  TRigBowlingHost bowlingHost;
  TProgramPaths paths;
  TRandom random{7};
  TDXDraw DXDraw{&app};
  TDXSound DXSound{&app};
  TDXImageList graphics{&DXDraw};
  TDXImageList LedList{&DXDraw};
  TDXImageList alley{&DXDraw};
  TDXImageList bowler{&DXDraw};
  TDXWaveList music{&DXSound};
  TDXWaveList DXWaveList{&DXSound};
  TDXWaveList noise{&DXSound};
  TDXWaveList speech{&DXSound};
  TDXTimer DXTimer{app, false};
  TDXTimer IntroTimer{app, false};
  TDXTimer LEDTimer{app, false};
  TDXTimer goverTimer{app, false};
  TBowlingState state;
  TBowlingDevices devices{app,      DXDraw, graphics, LedList,    alley,    bowler,     music,  DXWaveList, noise,
                          speech,   DXSound, DXTimer, IntroTimer, LEDTimer, goverTimer, random, paths};
  TLedSign sign{state, devices, bowlingHost};
  TBowlingPlay play{state, devices, bowlingHost, sign};
};

}  // namespace bowling_test
