// The SDL host's audio output: a 16-bit stereo device whose callback (on SDL's audio thread) pulls
// mixed frames from the program's source. The device is opened when its rate is asked for and
// closed when the source goes (in a browser only paused: see SetSource); a failed open leaves
// SDL's audio shut so that the next attempt starts afresh (a sound server started meanwhile,
// another driver named).
#pragma once

#include <cstdint>

#include "media/host.h"

class TSdlAudio {
 public:
  static constexpr int kRate = 44100;

  TSdlAudio() = default;
  ~TSdlAudio();
  TSdlAudio(const TSdlAudio&) = delete;
  TSdlAudio& operator=(const TSdlAudio&) = delete;

  // Opens the device unless it is open; the rate it plays at, or 0 when no device could be opened.
  int Open();
  // The source the callback pulls from (nullptr: silence, and the device closes).
  void SetSource(TAudioSource* source);

 private:
  void Close();
  static void Callback(void* audio, uint8_t* stream, int bytes);

  uint32_t device_ = 0;
  int rate_ = 0;
  TAudioSource* source_ = nullptr;
};
