// A crowd at the lanes: many voices and hands at once. Each part starts at its own time 0 and
// ends in silence; the reactions and the hall ambiences mix them.
#pragma once

#include "tools/assetgen/audio/dsp.h"

namespace audio::bowling {

// One handclap: a sharp burst shaped by the cupped hands' resonance near centreHz.
Signal Clap(Noise& noise, double centreHz);
// People clapping, each at a pace of their own, starting together and dying away over seconds.
Signal Applause(Noise& noise, int clappers, double seconds);
// A whistle through the fingers around hz; a wolf whistle rises, falls, then rises and falls long.
Signal FingerWhistle(Noise& noise, double hz, bool wolf);

// People shouting "yeah", "woo" and "hey" together, each a moment after the first.
Signal CrowdCheer(Noise& noise, int people, double childShare, double seconds);
// People letting out a falling "aww" or "ohh" together.
Signal CrowdGroan(Noise& noise, int people, double childShare, double seconds);

}  // namespace audio::bowling
