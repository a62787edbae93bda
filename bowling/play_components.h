// Everything one match needs when no form owns it: the media components, the state, the LED sign
// and play itself, wired together on a host and a bowling host that outlive them. The match
// simulator, the benchmarks and the tests build play this way; the main form owns its own.
#pragma once

#include <iostream>
#include <string>

#include "bowling/bowling_devices.h"
#include "bowling/bowling_host.h"
#include "bowling/bowling_play.h"
#include "bowling/bowling_state.h"
#include "bowling/led_sign.h"

struct TPlayComponents {
  // Play on the data of programFolder.
  TPlayComponents(THost& host, TBowlingHost& bowlingHost, const std::string& programFolder)
      : app(host), paths(programFolder), sign(state, devices, bowlingHost), play(state, devices, bowlingHost, sign) {
    state.front.programFolder = paths.Folder();
  }
  TPlayComponents(const TPlayComponents&) = delete;
  TPlayComponents& operator=(const TPlayComponents&) = delete;

  TApplication app;
  TProgramPaths paths;
  TRandom random;
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
  TSoundSwitch sounds{std::cerr};
  TBowlingState state;
  TBowlingDevices devices{app,     DXDraw,  graphics,   LedList,  alley,      bowler, music, DXWaveList, noise, speech,
                          DXSound, DXTimer, IntroTimer, LEDTimer, goverTimer, random, paths, sounds};
  TLedSign sign;
  TBowlingPlay play;
};
