// The title tune: a relaxed lakeside loop in G for fingerpicked guitar, soft bass, shaker and
// woodblock, with a whistled melody; sixteen bars that run back into their own start.
#pragma once

#include "media/wave.h"

namespace audio {

// The whole tune as a looping 16-bit stereo wave.
TWave TitleTune();

}  // namespace audio
