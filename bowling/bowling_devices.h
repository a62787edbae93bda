// The media components of the bowling form that the front end, the LED sign and play share:
// drawing device, image and sound libraries, sound device, the four frame timers, the random source
// the program folder and the switch every sound goes through. The main form owns them all.
#pragma once

#include "bowling/sound_switch.h"
#include "media/application.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_sound.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"
#include "media/program_paths.h"
#include "media/random.h"

struct TBowlingDevices {
  TApplication& app;
  TDXDraw& DXDraw;
  TDXImageList& graphics;  // "graphics.dxg": screen furniture and fonts
  TDXImageList& LedList;   // the LED show running now
  TDXImageList& alley;     // the chosen alley's "anis.dxg"
  TDXImageList& bowler;    // the bowling player's "anis.dxg"
  TDXWaveList& music;      // "music.dxw"
  TDXWaveList& DXWaveList; // "sound.dxw": clicks and throw sounds
  TDXWaveList& noise;      // the alley's "noise.dxw"
  TDXWaveList& speech;     // the bowling player's "speech.dxw"
  TDXSound& DXSound;
  TDXTimer& DXTimer;       // play
  TDXTimer& IntroTimer;    // intro and in-play LED shows
  TDXTimer& LEDTimer;      // in-play LED shows
  TDXTimer& goverTimer;    // end-of-match and credits shows
  TRandom& random;
  TProgramPaths& paths;
  TSoundSwitch& sounds;  // every sound played or stopped goes through it
};
