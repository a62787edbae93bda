// Playing and stopping named sounds the way the bowling program does: only while "Sound Enabled" is
// checked, looked up by name in their library, never waiting. A library that lacks the name (its
// file could not be read; already reported) stays silent rather than failing in the middle of play.
#pragma once

#include "media/dx_wave_list.h"

// Starts the sound when soundOn.
void PlayWhenOn(bool soundOn, TDXWaveList& library, const char* name);
// Stops every instance of the sound when soundOn.
void StopWhenOn(bool soundOn, TDXWaveList& library, const char* name);
