#include "tools/assetgen/bowling_audio/words.h"

#include <algorithm>
#include <iterator>

namespace audio::bowling {

using namespace vowels;

Utterance Yeah(double stretch, double lift) {
  const double d = 0.55 * stretch;
  Utterance u;
  u.seconds = d;
  u.vowels = {{0.0, kY}, {0.1 * d, kEe}, {0.25 * d, kEh}, {0.45 * d, kAe}, {d, kAh}};
  u.pitch = {{0.0, 1.0 * lift}, {0.2 * d, 1.4 * lift}, {0.6 * d, 1.25 * lift}, {d, 0.85 * lift}};
  u.level = {{0.0, 0.0}, {0.05 * d, 0.7}, {0.2 * d, 1.0}, {0.7 * d, 0.85}, {d, 0.0}};
  return u;
}

Utterance WooHoo() {
  Utterance u;
  u.seconds = 0.95;
  u.vowels = {{0.0, kW}, {0.08, kOo}, {0.33, kOo}, {0.45, kOo}, {0.95, kOh}};
  u.pitch = {{0.0, 1.1}, {0.25, 1.5}, {0.35, 1.45}, {0.45, 1.75}, {0.7, 1.8}, {0.95, 1.3}};
  u.level = {{0.0, 0.0},  {0.05, 0.8}, {0.3, 1.0}, {0.36, 0.25},
             {0.42, 0.6}, {0.5, 1.0},  {0.8, 0.9}, {0.95, 0.0}};
  u.voicing = {{0.0, 1.0}, {0.34, 1.0}, {0.37, 0.0}, {0.43, 0.0}, {0.47, 1.0}};
  return u;
}

Utterance Yes() {
  Utterance u;
  u.seconds = 0.55;
  u.vowels = {{0.0, kY}, {0.07, kEe}, {0.14, kEh}, {0.3, kEh}};
  u.pitch = {{0.0, 1.2}, {0.1, 1.45}, {0.3, 1.1}};
  u.level = {{0.0, 0.0}, {0.04, 0.8}, {0.12, 1.0}, {0.27, 0.7}, {0.34, 0.0}};
  u.voicing = {{0.0, 1.0}, {0.28, 1.0}, {0.34, 0.0}};
  u.hiss = {{0.0, 0.0}, {0.27, 0.0}, {0.33, 1.0}, {0.47, 0.8}, {0.55, 0.0}};
  return u;
}

Utterance Yay() {
  Utterance u;
  u.seconds = 0.7;
  u.vowels = {{0.0, kY}, {0.08, kEh}, {0.35, kEh}, {0.7, kEe}};
  u.pitch = {{0.0, 1.3}, {0.15, 1.6}, {0.45, 1.75}, {0.7, 1.35}};
  u.level = {{0.0, 0.0}, {0.05, 0.8}, {0.15, 1.0}, {0.55, 0.9}, {0.7, 0.0}};
  return u;
}

Utterance Hey(double stretch) {
  const double d = 0.45 * stretch;
  Utterance u;
  u.seconds = d;
  u.vowels = {{0.0, kEh}, {0.5 * d, kEh}, {d, kEe}};
  u.voicing = {{0.0, 0.0}, {0.12 * d, 0.0}, {0.18 * d, 1.0}};
  u.pitch = {{0.0, 1.3}, {0.3 * d, 1.5}, {d, 1.1}};
  u.level = {{0.0, 0.0}, {0.04 * d, 0.5}, {0.15 * d, 1.0}, {0.7 * d, 0.8}, {d, 0.0}};
  return u;
}

Utterance Woo(double seconds, double lift) {
  const double s = seconds;
  Utterance u;
  u.seconds = s;
  u.vowels = {{0.0, kW}, {0.1, kOo}, {0.7 * s, kOo}, {s, kOh}};
  u.pitch = {{0.0, 1.2 * lift}, {0.2 * s, 1.7 * lift}, {0.8 * s, 1.8 * lift}, {s, 1.4 * lift}};
  u.level = {{0.0, 0.0}, {0.08, 0.8}, {0.2, 1.0}, {0.8 * s, 0.8}, {s, 0.0}};
  return u;
}

Utterance Aww(double seconds) {
  const double s = seconds;
  Utterance u;
  u.seconds = s;
  u.vowels = {{0.0, kAh}, {0.45 * s, kAw}, {s, kOo}};
  u.pitch = {{0.0, 1.35}, {0.15 * s, 1.4}, {s, 0.75}};
  u.level = {{0.0, 0.0}, {0.06, 0.8}, {0.15, 1.0}, {0.6 * s, 0.8}, {s, 0.0}};
  return u;
}

Utterance OhNo() {
  Utterance u;
  u.seconds = 0.95;
  u.vowels = {{0.0, kOh}, {0.28, kOh}, {0.34, kN}, {0.42, kN}, {0.5, kOh}, {0.95, kOo}};
  u.pitch = {{0.0, 1.35}, {0.25, 1.2}, {0.4, 1.3}, {0.55, 1.25}, {0.95, 0.75}};
  u.level = {{0.0, 0.0},   {0.04, 0.9}, {0.25, 0.9}, {0.33, 0.35},
             {0.42, 0.35}, {0.5, 1.0},  {0.8, 0.7},  {0.95, 0.0}};
  return u;
}

Utterance Ugh() {
  Utterance u;
  u.seconds = 0.4;
  u.vowels = {{0.0, kUh}};
  u.pitch = {{0.0, 0.9}, {0.4, 0.65}};
  u.level = {{0.0, 0.0}, {0.03, 1.0}, {0.2, 0.7}, {0.3, 0.3}, {0.4, 0.0}};
  u.voicing = {{0.0, 1.0}, {0.25, 1.0}, {0.32, 0.2}};
  return u;
}

Utterance Ohh(double seconds) {
  const double s = seconds;
  Utterance u;
  u.seconds = s;
  u.vowels = {{0.0, kOh}, {s, kOo}};
  u.pitch = {{0.0, 1.25}, {0.2 * s, 1.3}, {s, 0.8}};
  u.level = {{0.0, 0.0}, {0.1 * s, 0.9}, {0.5 * s, 1.0}, {s, 0.0}};
  return u;
}

Utterance Laugh(Noise& noise, int syllables, double rate) {
  const double p = 1.0 / rate;
  Utterance u;
  u.seconds = syllables * p + 0.05;
  u.pitch = {};
  u.level = {};
  u.voicing = {};
  for (int k = 0; k < syllables; ++k) {
    const double t0 = k * p;
    const double strength = 1.0 - 0.5 * k / std::max(1, syllables);
    const double hz = (1.55 - 0.06 * k) * noise.Range(0.95, 1.05);
    // Each "ha": a breath, the voiced vowel, then a short catch before the next.
    u.voicing.Add(t0, 0.0);
    u.voicing.Add(t0 + 0.25 * p, 0.0);
    u.voicing.Add(t0 + 0.33 * p, 1.0);
    u.voicing.Add(t0 + 0.8 * p, 1.0);
    u.voicing.Add(t0 + 0.9 * p, 0.0);
    u.level.Add(t0, 0.05);
    u.level.Add(t0 + 0.1 * p, 0.45 * strength);
    u.level.Add(t0 + 0.4 * p, strength);
    u.level.Add(t0 + 0.75 * p, 0.8 * strength);
    u.level.Add(t0 + 0.95 * p, 0.05);
    u.pitch.Add(t0 + 0.33 * p, hz);
    u.pitch.Add(t0 + 0.9 * p, hz * 0.92);
    u.vowels.emplace_back(t0 + 0.3 * p, k % 3 == 2 ? kAe : kAh);
  }
  u.level.Add(u.seconds, 0.0);
  return u;
}

Utterance Chatter(Noise& noise, double seconds, double syllablesPerSecond) {
  static const Vowel kNuclei[] = {kAh, kEh, kIh, kOh, kUh, kAe, kEe, kOo, kAw};
  static const Vowel kOnsets[] = {kN, kW, kY, kUh};
  Utterance u;
  u.seconds = seconds;
  u.pitch = {};
  u.level = {};
  u.voicing = {};
  u.level.Add(0.0, 0.0);
  double t = 0.0;
  for (;;) {
    const double length = noise.Range(0.7, 1.3) / syllablesPerSecond;
    if (t + length > seconds - 0.05) break;
    const double x = t / seconds;
    // A phrase starts high and sinks; now and then a syllable is stressed.
    const double stress = noise.Uniform() < 0.25 ? noise.Range(1.1, 1.25) : 1.0;
    const double hz = (1.15 - 0.3 * x) * stress * noise.Range(0.94, 1.06);
    const bool voicelessOnset = noise.Uniform() < 0.35;
    u.vowels.emplace_back(t, kOnsets[static_cast<size_t>(noise.Uniform() * std::size(kOnsets))]);
    u.vowels.emplace_back(t + 0.35 * length,
                          kNuclei[static_cast<size_t>(noise.Uniform() * std::size(kNuclei))]);
    u.voicing.Add(t, voicelessOnset ? 0.0 : 1.0);
    u.voicing.Add(t + 0.25 * length, 1.0);
    const double loud = std::min(1.0, stress * noise.Range(0.6, 0.9));
    u.level.Add(t + 0.05 * length, t == 0.0 ? 0.0 : 0.3);
    u.level.Add(t + 0.4 * length, loud);
    u.level.Add(t + 0.85 * length, 0.7 * loud);
    u.pitch.Add(t + 0.3 * length, hz);
    t += length;
  }
  u.level.Add(seconds, 0.0);
  return u;
}

}  // namespace audio::bowling
