// Where a loop starts. A looped sound begins playing at its first sample, so a loop that starts
// mid-swing clicks when it is started, however seamless its seam. Turning the loop round (moving
// samples from its front to its back) keeps the seam and lets it start where it is near zero.
#pragma once

#include <cstddef>

#include "tools/assetgen/audio/dsp.h"

namespace audio::bowling {

// The sample in from .. to - 1 where the loop is nearest to silence (both sides of a stereo loop
// together; pass the same signal twice for a mono one).
size_t QuietStart(const Signal& left, const Signal& right, size_t from, size_t to);
// Turns the loop round so that it starts at sample `start`.
void StartLoopAt(Signal& loop, size_t start);

}  // namespace audio::bowling
