// The media components of the fishing form that play uses: drawing device, libraries, sound,
// timers, the random source and the program folder. The main form owns them all.
#pragma once

#include "media/application.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_sound.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"
#include "media/program_paths.h"
#include "media/random.h"

struct TFishingDevices {
  TApplication& app;
  TDXDraw& DXDraw;
  TDXImageList& objects;     // "objects.dxg": sprites and image fonts
  TDXImageList& DXTileList;  // the lake's tile library
  TDXWaveList& sounds;       // "sound.dxw"
  TDXWaveList& background;   // "music.dxw": title music and lake ambiences
  TDXSound& DXSound;
  TDXTimer& DXTimer;         // play
  TDXTimer& DXCastTimer;     // strike meter
  TRandom& random;
  TProgramPaths& paths;
};
