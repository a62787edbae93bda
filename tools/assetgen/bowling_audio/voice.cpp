#include "tools/assetgen/bowling_audio/voice.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/audio/finish.h"

namespace audio::bowling {

namespace {

// The resonances' widths for a grown man (Hz), and the fourth resonance, which vowels hardly move.
constexpr double kBandwidths[4] = {80, 110, 160, 250};
constexpr double kFourth = 3500;
// Filter coefficients cost a tangent each, so the mouth moves every few samples, not every one.
constexpr size_t kControlStep = 8;

Vowel VowelAt(const Utterance& utterance, double t) {
  const auto& targets = utterance.vowels;
  if (targets.empty()) return vowels::kUh;
  if (t <= targets.front().first) return targets.front().second;
  for (size_t i = 1; i < targets.size(); ++i) {
    const auto& [t1, v1] = targets[i];
    if (t <= t1) {
      const auto& [t0, v0] = targets[i - 1];
      const double x = t1 > t0 ? (t - t0) / (t1 - t0) : 1.0;
      const double eased = x * x * (3.0 - 2.0 * x);  // the tongue moves smoothly, not at an even speed
      return {v0.f1 + (v1.f1 - v0.f1) * eased, v0.f2 + (v1.f2 - v0.f2) * eased,
              v0.f3 + (v1.f3 - v0.f3) * eased};
    }
  }
  return targets.back().second;
}

double PeakOf(const Signal& signal) {
  double peak = 0;
  for (float s : signal) peak = std::max(peak, static_cast<double>(std::fabs(s)));
  return peak;
}

double RmsOf(const Signal& signal) {
  double sum = 0;
  for (float s : signal) sum += static_cast<double>(s) * s;
  return signal.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(signal.size()));
}

}  // namespace

Signal Speak(Noise& noise, const Voice& voice, const Utterance& utterance) {
  const size_t length = static_cast<size_t>(Samples(utterance.seconds));
  Signal tract(length), sibilant(length), presence(length);
  Oscillator buzz(noise.Uniform()), vibrato(noise.Uniform());
  // Shouts waver: the pitch and loudness wander a little from one glottal pulse to the next.
  const Signal jitter = SmoothRandom(noise, length, 0.011);
  const Signal shimmer = SmoothRandom(noise, length, 0.007);
  OnePole tilt(300), breathTone(400);
  float lastOut = 0;
  Svf formants[4];
  Svf hissBand(6200, 1.2);
  // The cascade falls steeply above its fourth resonance; a real voice keeps some air up there,
  // the more so when it shouts. A resonance beside the cascade puts it back.
  Svf airBand(4700 * voice.formantScale, 1.5);
  const double s = voice.formantScale;
  double hissMax = 0;
  for (size_t i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = voice.pitchHz * utterance.pitch.At(t) *
                      (1.0 + voice.vibratoDepth * vibrato.Sine(voice.vibratoHz)) *
                      (1.0 + 0.03 * voice.effort * (2.0 * jitter[i] - 1.0));
    if (i % kControlStep == 0) {
      const Vowel v = VowelAt(utterance, t);
      const double centres[4] = {v.f1 * s, v.f2 * s, v.f3 * s, kFourth * s};
      for (size_t k = 0; k < 4; ++k) formants[k].Set(centres[k], centres[k] / (kBandwidths[k] * s));
      // The glottal buzz falls off steeply above its pitch when soft, and keeps its highs when shouted.
      tilt.Set(1.5 * hz + voice.effort * 1400.0);
    }
    const double voicing = utterance.voicing.At(t);
    const double level = utterance.level.At(t) * (1.0 - 0.25 * voice.effort * shimmer[i]);
    const double pulse = tilt.Lowpass(buzz.Saw(hz));
    // Breath: steady when voiceless, pulsing with the glottis when voiced.
    const double phase = buzz.Phase();
    const double breath = breathTone.Highpass(noise.White()) *
                          ((1.0 - voicing) * 0.9 + voicing * voice.breathiness * (0.4 + phase));
    float x = static_cast<float>(level * (voicing * pulse + breath));
    presence[i] = airBand.BandpassUnit(x);
    for (Svf& formant : formants) x = formant.Lowpass(x);
    // Sound leaving the lips: the radiation lifts the highs by 6 dB an octave.
    tract[i] = x - lastOut;
    lastOut = x;
    const double hiss = utterance.hiss.At(t);
    hissMax = std::max(hissMax, hiss);
    sibilant[i] = static_cast<float>(hiss * hissBand.Bandpass(noise.White()));
  }
  // The tract's resonances and the hiss have gains of their own; set each to its intended share.
  NormalisePeak(tract, 1.0);
  const double air = RmsOf(presence);
  if (air > 0) {
    const auto gain = static_cast<float>((0.02 + 0.05 * voice.effort) * RmsOf(tract) / air);
    for (size_t i = 0; i < length; ++i) tract[i] += gain * presence[i];
  }
  if (hissMax > 0) NormalisePeak(sibilant, 0.3 * hissMax);
  for (size_t i = 0; i < length; ++i) tract[i] += sibilant[i];
  if (PeakOf(tract) > 0) NormalisePeak(tract, 1.0);
  return tract;
}

Voice RandomVoice(Noise& noise, double childShare) {
  Voice voice;
  const double pick = noise.Uniform();
  if (pick < childShare) {
    voice.pitchHz = noise.Range(240, 340);
    voice.formantScale = noise.Range(1.25, 1.38);
  } else if (noise.Uniform() < 0.5) {
    voice.pitchHz = noise.Range(175, 250);
    voice.formantScale = noise.Range(1.12, 1.22);
  } else {
    voice.pitchHz = noise.Range(90, 145);
    voice.formantScale = noise.Range(0.94, 1.05);
  }
  voice.breathiness = noise.Range(0.03, 0.12);
  voice.effort = noise.Range(0.2, 0.6);
  voice.vibratoHz = noise.Range(4.5, 6.0);
  return voice;
}

}  // namespace audio::bowling
