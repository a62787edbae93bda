// Seamless loops. Discrete events (a click, a bird call, a note) are added with their tails wrapped
// round to the start; steady beds (wind, water, engine noise) are rendered a little longer than the
// loop and the overhang is crossfaded into the start. Filters and echoes that run over a loop run
// round it twice, so their state at the end matches the start.
#pragma once

#include <functional>

#include "tools/assetgen/audio/dsp.h"

namespace audio {

// Adds part into loop from offset on, wrapping whatever passes the end round to the start.
void AddWrapped(Signal& loop, const Signal& part, long offset, float gain = 1.0f);

// Folds a bed rendered loopLength + overhang samples long into loopLength samples: the overhang
// crossfades (equal power, for uncorrelated material) into the start, so the end runs on into it.
Signal FoldCrossfade(const Signal& bed, size_t loopLength);

// Runs a per-sample process round the loop twice and keeps the second lap: the loop's output as it
// sounds when it has been playing for a while, and the same at the seam as anywhere else.
void ProcessCircular(Signal& loop, const std::function<float(float)>& process);

}  // namespace audio
