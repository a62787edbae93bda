// A small room reverberation (parallel damped combs into series allpasses, one set per side with
// slightly different lengths for width). Used on the tune, and for distance in the ambiences.
#pragma once

#include "tools/assetgen/audio/dsp.h"

namespace audio {

class Room {
 public:
  // size: 0..1, the comb feedback grows with it; damping: 0..1, how fast the highs die away.
  Room(double size, double damping);
  // One stereo frame in, the reverberated (wet only) frame out.
  void Process(float inLeft, float inRight, float& outLeft, float& outRight);

 private:
  struct Comb {
    std::vector<float> buffer;
    size_t position = 0;
    float filtered = 0;
  };
  struct Allpass {
    std::vector<float> buffer;
    size_t position = 0;
  };
  float RunComb(Comb& comb, float x) const;
  static float RunAllpass(Allpass& allpass, float x);

  float feedback_;
  float damping_;
  Comb combs_[2][4];
  Allpass allpasses_[2][2];
};

// Adds reverb (wet level) to a stereo loop, running round it twice so that the tail crosses the seam.
void AddRoomToLoop(Signal& left, Signal& right, double size, double damping, double wet);
// Adds reverb to a mono one-shot; the signal should already end in enough silence for the tail.
void AddRoom(Signal& signal, double size, double damping, double wet);

}  // namespace audio
