// A formant voice: a glottal buzz and breath noise through a cascade of vocal-tract resonances
// that glide from vowel to vowel, with an 's' hiss beside it. The bowlers' exclamations, the
// crowd's cheers and groans, the murmur of a hall and children's laughter are all made of these.
#pragma once

#include <utility>
#include <vector>

#include "tools/assetgen/audio/dsp.h"
#include "tools/assetgen/bowling_audio/curve.h"

namespace audio::bowling {

// The first three resonances of the vocal tract for a vowel, as a grown man says it (Hz).
struct Vowel {
  double f1, f2, f3;
};

namespace vowels {
constexpr Vowel kEe{270, 2290, 3010};  // "see"
constexpr Vowel kIh{390, 1990, 2550};  // "sit"
constexpr Vowel kEh{530, 1840, 2480};  // "yes"
constexpr Vowel kAe{660, 1720, 2410};  // "yeah"
constexpr Vowel kAh{730, 1090, 2440};  // "ha"
constexpr Vowel kAw{570, 840, 2410};   // "aww"
constexpr Vowel kUh{520, 1190, 2390};  // "ugh"
constexpr Vowel kOh{450, 800, 2620};   // "oh"
constexpr Vowel kOo{300, 870, 2240};   // "woo"
constexpr Vowel kW{290, 610, 2150};    // lips rounded before a vowel
constexpr Vowel kY{260, 2070, 3020};   // tongue high before a vowel
constexpr Vowel kN{250, 1700, 2600};   // a nasal; say it quietly
}  // namespace vowels

// Who speaks: the pitch and size of the voice and how it is produced.
struct Voice {
  double pitchHz = 120;       // the speaking pitch the utterance's pitch curve multiplies
  double formantScale = 1.0;  // 1 a man, about 1.17 a woman, 1.3 a child
  double breathiness = 0.06;  // breath noise mixed into the buzz
  double effort = 0.5;        // 0 soft, 1 shouted: a brighter, rougher buzz
  double vibratoHz = 5.0;
  double vibratoDepth = 0.0;  // fraction of the pitch
};

// What is said: curves over the utterance's own time (seconds from its start).
struct Utterance {
  double seconds = 0.5;
  Curve pitch{{0.0, 1.0}};                       // multiple of the voice's pitch
  Curve level{{0.0, 1.0}};                       // loudness
  Curve voicing{{0.0, 1.0}};                     // 1 voiced, 0 breath only (an 'h' or a whisper)
  Curve hiss{{0.0, 0.0}};                        // level of an 's'
  std::vector<std::pair<double, Vowel>> vowels;  // (time, vowel): the mouth glides between them
};

// Renders the utterance in the voice, scaled to a peak of 1.
Signal Speak(Noise& noise, const Voice& voice, const Utterance& utterance);

// A voice drawn at random: a man, a woman, or (with the given share) a child.
Voice RandomVoice(Noise& noise, double childShare);

}  // namespace audio::bowling
