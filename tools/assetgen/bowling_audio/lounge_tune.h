// The menu tune: a bright, swinging lounge number in F for vibraphone, jazz organ, walking bass and
// brushes and ride; twenty-four bars (two eight-bar verses and a bridge) whose last bar turns back
// into the first, so the loop repeats without a seam.
#pragma once

#include "media/wave.h"

namespace audio::bowling {

constexpr double kTuneBpm = 132;
constexpr int kTuneBars = 24;

// The whole tune as a looping 16-bit stereo wave.
TWave LoungeTune();

}  // namespace audio::bowling
