// The words and calls of the bowlers and their crowds as utterances for Speak: what the mouth,
// the pitch and the breath do over time. The voice that says them is chosen separately.
#pragma once

#include "tools/assetgen/bowling_audio/voice.h"

namespace audio::bowling {

// Cheers. stretch lengthens the call (1 = as a bowler says it); lift raises its pitch contour.
Utterance Yeah(double stretch, double lift);
Utterance WooHoo();
Utterance Yes();
Utterance Yay();
Utterance Hey(double stretch);
Utterance Woo(double seconds, double lift);

// Disappointment: a falling "aww", "oh no", a grunted "ugh" and a long "ohh".
Utterance Aww(double seconds);
Utterance OhNo();
Utterance Ugh();
Utterance Ohh(double seconds);

// Laughter: "ha-ha-ha" of the given number of syllables, getting breathier and lower as it goes.
Utterance Laugh(Noise& noise, int syllables, double rate);
// Talk heard without its words: random syllables in a phrase that falls in pitch towards its end.
Utterance Chatter(Noise& noise, double seconds, double syllablesPerSecond);

}  // namespace audio::bowling
