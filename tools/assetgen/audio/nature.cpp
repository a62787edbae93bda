#include "tools/assetgen/audio/nature.h"

#include <algorithm>
#include <cmath>

namespace audio {

Signal Sing(const Call& call) {
  Signal out(static_cast<size_t>(Samples(call.level.Duration())));
  Oscillator tone, second, third, vibrato;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = call.pitch.At(t) * (1.0 + call.vibratoDepth * vibrato.Sine(call.vibratoHz));
    const double v = tone.Sine(hz) + call.second * second.Sine(2 * hz) + call.third * third.Sine(3 * hz);
    out[i] = static_cast<float>(v * call.level.At(t));
  }
  return out;
}

Signal LoonWail() {
  Call call;
  call.pitch =
      Envelope{{0.0, 560}, {0.5, 840}, {1.3, 860}, {1.45, 780}, {1.7, 1080}, {2.6, 1060}, {3.0, 900}};
  call.level =
      Envelope{{0.0, 0.0}, {0.35, 0.8}, {1.35, 0.9}, {1.5, 0.5}, {1.75, 1.0}, {2.6, 0.8}, {3.0, 0.0}};
  call.vibratoHz = 5.5;
  call.vibratoDepth = 0.008;
  call.second = 0.25;
  call.third = 0.08;
  return Sing(call);
}

Signal LoonTremolo() {
  // The laugh: the pitch and level flutter together about nine times a second.
  Signal out(static_cast<size_t>(Samples(1.6)));
  Oscillator tone, second, flutter;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f = flutter.Sine(9.0);
    const double hz = (820 + 120 * std::min(1.0, t / 0.4)) * (1.0 + 0.06 * f);
    const double level = std::min(1.0, t / 0.15) * std::max(0.0, 1.0 - std::max(0.0, t - 1.2) / 0.4);
    out[i] = static_cast<float>((tone.Sine(hz) + 0.3 * second.Sine(2 * hz)) * level * (0.6 + 0.4 * f));
  }
  return out;
}

Signal WhistlerCall(Noise& noise) {
  const double top = noise.Range(2300, 2800);
  Call call;
  call.pitch = Envelope{{0.0, top}, {0.12, top * 1.05}, {0.18, top * 0.7}, {0.4, top * 0.6}};
  call.level = Envelope{{0.0, 0.0}, {0.02, 1.0}, {0.14, 0.8}, {0.18, 0.2}, {0.22, 0.9}, {0.4, 0.0}};
  call.second = 0.1;
  return Sing(call);
}

Signal TrillCall(Noise& noise) {
  Call call;
  const double centre = noise.Range(3000, 3600);
  call.pitch = Envelope{{0.0, centre}, {0.7, centre * 0.85}};
  call.level = Envelope{{0.0, 0.0}, {0.05, 0.9}, {0.55, 0.7}, {0.7, 0.0}};
  call.vibratoHz = 26;
  call.vibratoDepth = 0.12;
  return Sing(call);
}

Signal DoveCall() {
  Call call;
  call.pitch =
      Envelope{{0.0, 560}, {0.15, 620}, {0.45, 600}, {0.6, 520}, {0.75, 580}, {1.05, 560}, {1.2, 500}};
  call.level = Envelope{{0.0, 0.0},  {0.08, 1.0}, {0.4, 0.8},  {0.5, 0.0},
                        {0.65, 0.0}, {0.72, 0.9}, {1.05, 0.7}, {1.2, 0.0}};
  call.second = 0.15;
  return Sing(call);
}

Signal CicadaSong(Noise& noise, double seconds, double centreHz) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  Svf band(centreHz, 5.0);
  Oscillator pulse;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    // Swell in, hold, fade: a cicada's phrase.
    const double x = t / seconds;
    const double swell = std::sin(kPi * x) * std::min(1.0, x * 4.0);
    const double rasp = std::pow(0.5 + 0.5 * pulse.Sine(135.0), 4.0);
    out[i] = band.BandpassUnit(noise.White()) * static_cast<float>(swell * (0.25 + 0.75 * rasp));
  }
  return out;
}

Signal CricketChirp(double hz) {
  Signal out(static_cast<size_t>(Samples(0.11)));
  Oscillator tone;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double inPulse = std::fmod(t, 0.035);
    const double level = inPulse < 0.02 ? std::sin(kPi * inPulse / 0.02) : 0.0;
    out[i] = tone.Sine(hz) * static_cast<float>(level);
  }
  return out;
}

Signal PineWind(Noise& noise, double seconds) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  Svf body(900, 0.7);
  Svf needles(4200, 0.8);
  const Signal gusts = SmoothRandom(noise, out.size(), 2.5);
  const Signal wander = SmoothRandom(noise, out.size(), 4.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double strength = 0.25 + 0.9 * gusts[i] * gusts[i];
    body.Set(700 + 900 * wander[i], 0.7);
    const double v = body.BandpassUnit(noise.White()) + 0.35 * strength * needles.BandpassUnit(noise.White());
    out[i] = static_cast<float>(v * strength);
  }
  return out;
}

}  // namespace audio
