#include "bowling/sound_switch.h"

void PlayWhenOn(bool soundOn, TDXWaveList& library, const char* name) {
  if (!soundOn) return;
  const int index = library.Items.IndexOf(name);
  if (index >= 0) library.Items.Items(index).Play(false);
}

void StopWhenOn(bool soundOn, TDXWaveList& library, const char* name) {
  if (!soundOn) return;
  const int index = library.Items.IndexOf(name);
  if (index >= 0) library.Items.Items(index).Stop();
}
