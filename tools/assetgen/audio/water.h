// Water voices shared by the splash effects and the lake ambiences.
#pragma once

#include "tools/assetgen/audio/dsp.h"

namespace audio {

// A bubble or drop: a sine whose pitch rises as it closes (hz at the start, times rise at the end).
Signal Bubble(double hz, double seconds, double rise, double tau);

// A burst of water: noise whose brightness falls from brightHz to dullHz as the spray settles.
Signal Spray(Noise& noise, double seconds, double brightHz, double dullHz, double attack, double tau);

// A small wave lapping at a hull or a shore: a soft, low swash with a little trickle at its end.
Signal Lap(Noise& noise, double seconds, double level);

}  // namespace audio
