// Background ambiences of the lakes, one per tile library and named after it: each a seamless loop
// of water, wind and wildlife that plays for the whole trip.
#pragma once

#include "tools/assetgen/audio/dsp.h"

namespace audio {

constexpr double kAmbienceSeconds = 24.0;

// A northern lake: water lapping at the hull, wind in the pines, loons calling across the water.
Signal CanadaAmbience();
// A warm lake: lapping water, cicadas and crickets, tropical birds in the trees.
Signal TropicAmbience();

}  // namespace audio
