// Voices of the lakeside for the ambiences: calls, songs, insects and wind.
#pragma once

#include "tools/assetgen/audio/dsp.h"

namespace audio {

// A whistled call: a tone that follows a pitch curve (Hz over seconds) and a level curve, with
// vibrato and a touch of harmonics. Birds are made of these.
struct Call {
  Envelope pitch{{0.0, 1000.0}};
  Envelope level{{0.0, 1.0}};
  double vibratoHz = 0;
  double vibratoDepth = 0;  // fraction of the pitch
  double second = 0;        // level of the second harmonic
  double third = 0;
};
Signal Sing(const Call& call);

// The long rising wail of a loon, and its quavering laugh.
Signal LoonWail();
Signal LoonTremolo();

// Tropical birds: a falling two-note whistle, a quick trill, and a dove's soft hoot.
Signal WhistlerCall(Noise& noise);
Signal TrillCall(Noise& noise);
Signal DoveCall();

// Insects: a cicada's rasping buzz swelling over seconds, and one cricket chirp of three pulses.
Signal CicadaSong(Noise& noise, double seconds, double centreHz);
Signal CricketChirp(double hz);

// A steady bed of wind through pine needles, gusting slowly.
Signal PineWind(Noise& noise, double seconds);

}  // namespace audio
