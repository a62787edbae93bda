// Instrument voices: each renders one note as a mono signal that includes its own release tail.
// The tune, the jingles and the bells all draw on them.
#pragma once

#include "tools/assetgen/audio/dsp.h"

namespace audio {

// Tone of a plucked string.
struct PluckTone {
  double brightness = 3000;   // cut-off of the pick's noise burst, Hz
  double ring = 2.0;          // seconds for the string to fall by 60 dB
  double pickPosition = 0.2;  // along the string, 0..0.5: nearer the bridge is thinner
  bool banjo = false;         // add the bright, short-lived ring of a drum-head body
};

// A plucked string (Karplus-Strong with a fractional-delay tuning allpass), damped after held seconds.
Signal Pluck(Noise& noise, double hz, double held, const PluckTone& tone);

// A round, soft bass note: a few sine partials with a gentle thump.
Signal SoftBass(double hz, double held);

// A breathy whistle with delayed vibrato: a tin-whistle or ocarina kind of lead.
Signal Whistle(Noise& noise, double hz, double held);

// Light percussion.
Signal Shaker(Noise& noise, double accent);
Signal SoftKick();
Signal WoodBlock(Noise& noise, double hz);

// A struck metal bar or bell: inharmonic partials (ratios to hz) with their own decay times.
struct Partial {
  double ratio;
  double level;
  double tau;  // seconds
};
Signal Struck(Noise& noise, double hz, double seconds, std::initializer_list<Partial> partials,
              double strikeNoise);

}  // namespace audio
