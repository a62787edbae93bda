// The lounge combo that plays the menu tune: jazz organ, vibraphone and a light drum kit. The
// walking bass is the fishing tune's soft bass. Each voice renders one note with its own tail.
#pragma once

#include "tools/assetgen/audio/dsp.h"

namespace audio::bowling {

// A tonewheel organ on its jazz stops (sub-octave, fifth and unison) with a decaying percussion
// harmonic and the slow shimmer of a rotating speaker; held seconds, then a quick release.
Signal Organ(Noise& noise, double hz, double held, double velocity);
// A vibraphone bar struck with a soft mallet: tuned partials at 1, 4 and 10 times the pitch under
// the motor's tremolo, damped by the pedal after held seconds.
Signal Vibes(Noise& noise, double hz, double held);

// Drums and cymbals; accent 0..1.
Signal Ride(Noise& noise, double accent);       // a ride cymbal's ping with its wash
Signal HiHatFoot(Noise& noise, double accent);  // the hi-hat closed by the pedal: a short "chick"
Signal BrushTap(Noise& noise, double accent);   // a brush tapped on the snare

}  // namespace audio::bowling
