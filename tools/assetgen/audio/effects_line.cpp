#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "tools/assetgen/audio/effects.h"
#include "tools/assetgen/audio/instruments.h"
#include "tools/assetgen/audio/loop.h"
#include "tools/assetgen/audio/room.h"

namespace audio {

namespace {

// One tick of a reel's pawl on its gear: a tiny metallic tick.
Signal PawlClick(Noise& noise, double hz, double level) {
  Signal out(static_cast<size_t>(Samples(0.018)));
  Svf body(hz, 6.0);
  Oscillator ping;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double v = body.BandpassUnit(noise.White()) * std::exp(-t / 0.0018) +
                     0.35 * ping.Sine(hz * 1.37) * std::exp(-t / 0.004);
    out[i] = static_cast<float>(v * level * StrikeEnvelope(t, 0.0003, 1.0));
  }
  return out;
}

}  // namespace

Signal CastSound() {
  Noise noise(0xCA57);
  Signal out(static_cast<size_t>(Samples(0.95)));
  // The rod cutting the air: band-passed noise whose centre rises and falls with the swing.
  Svf air(800, 1.4);
  const Envelope centre{{0.0, 500}, {0.14, 2600}, {0.34, 700}};
  const Envelope level{{0.0, 0.0}, {0.10, 0.7}, {0.15, 1.0}, {0.30, 0.25}, {0.42, 0.0}};
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    air.Set(centre.At(t), 1.4);
    out[i] = air.BandpassUnit(noise.White()) * static_cast<float>(level.At(t));
  }
  // The spool paying out line: clicks that start fast and slow down as the lure flies.
  double t = 0.16, rate = 42;
  while (t < 0.9) {
    const double clickLevel = 0.55 * std::exp(-(t - 0.16) / 0.45);
    MixInto(out, PawlClick(noise, 3400 + noise.Range(-150, 150), clickLevel), Samples(t));
    t += 1.0 / rate;
    rate = std::max(11.0, rate * 0.93);
  }
  return out;
}

Signal ReelLoop() {
  Noise noise(0x4EE1);
  const size_t length = static_cast<size_t>(Samples(1.0));
  // Gear hum: a soft rough buzz, as a steady bed folded into the loop.
  const size_t overhang = static_cast<size_t>(Samples(0.1));
  Signal bed(length + overhang);
  Svf hum(900, 3.0);
  Oscillator gear;
  for (size_t i = 0; i < bed.size(); ++i) {
    const float grit = hum.BandpassUnit(noise.White());
    bed[i] = 0.06f * grit + 0.03f * gear.Triangle(96.0) * (0.5f + 0.5f * grit);
  }
  Signal loop = FoldCrossfade(bed, length);
  // 24 pawl clicks a second; the handle's two turns swell and ease them.
  constexpr int kClicks = 24;
  for (int k = 0; k < kClicks; ++k) {
    const double phase = static_cast<double>(k) / kClicks;
    const double swell = 0.75 + 0.25 * std::sin(2.0 * kPi * 2.0 * phase);
    const long at = std::lround(phase * static_cast<double>(length));
    AddWrapped(loop, PawlClick(noise, 2900 + noise.Range(-120, 120), swell * noise.Range(0.85, 1.0)), at);
  }
  return loop;
}

Signal HookSting() {
  Noise noise(0x4004);
  Signal out(static_cast<size_t>(Samples(1.1)));
  // A stab of tense strings: detuned saws on a diminished cluster, trembling, closing down.
  const double notes[] = {40, 52, 55, 58, 64};  // E2 E3 G3 Bb3 E4
  std::vector<Oscillator> saws(std::size(notes) * 2);
  Oscillator tremolo;
  Svf tone(5000, 0.9);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0;
    for (size_t n = 0; n < std::size(notes); ++n) {
      const double hz = MidiToHz(notes[n]);
      v += saws[2 * n].Saw(hz * 1.003) + saws[2 * n + 1].Saw(hz * 0.997);
    }
    const double shake = 0.75 + 0.25 * tremolo.Sine(13.0);
    const double amp = StrikeEnvelope(t, 0.004, 0.09) * 0.6 + 0.4 * shake * std::exp(-t / 0.4);
    tone.Set(900 + 4500 * std::exp(-t / 0.12), 1.2);
    out[i] = tone.Lowpass(static_cast<float>(v * 0.12 * amp));
  }
  // The line snapping taut: a thin rising whine.
  Oscillator whine, wobble;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = 1300 + 1200 * std::min(1.0, t / 0.35) + 30 * wobble.Sine(9);
    const double amp = 0.12 * StrikeEnvelope(t, 0.03, 0.18);
    out[i] += static_cast<float>(whine.Sine(hz) * amp);
  }
  // The fish hitting the lure: a low thump.
  MixInto(out, SoftKick(), 0, 0.7f);
  return out;
}

Signal CaughtJingle() {
  Noise noise(0xCA06);
  Signal out(static_cast<size_t>(Samples(1.9)));
  PluckTone banjo;
  banjo.brightness = 5000;
  banjo.ring = 1.2;
  banjo.pickPosition = 0.12;
  banjo.banjo = true;
  auto glock = [&noise](double hz) {
    return Struck(noise, hz, 1.2, {{1.0, 1.0, 0.5}, {2.76, 0.25, 0.12}, {5.4, 0.08, 0.05}}, 0.15);
  };
  // Up the G major arpeggio, then the chord rings with a high bell on top.
  const double run[] = {67, 71, 74, 79};
  for (size_t k = 0; k < std::size(run); ++k) {
    const long at = Samples(0.085 * static_cast<double>(k));
    MixInto(out, Pluck(noise, MidiToHz(run[k]), 0.15, banjo), at, 0.5f);
    MixInto(out, glock(MidiToHz(run[k] + 12)), at, 0.22f);
  }
  const double chord[] = {55, 59, 62, 67, 71};
  const long strum = Samples(0.40);
  for (size_t k = 0; k < std::size(chord); ++k) {
    MixInto(out, Pluck(noise, MidiToHz(chord[k]), 1.0, banjo),
            strum + Samples(0.012 * static_cast<double>(k)), 0.35f);
  }
  MixInto(out, glock(MidiToHz(91)), strum, 0.25f);
  MixInto(out, glock(MidiToHz(86)), strum + Samples(0.12), 0.15f);
  AddRoom(out, 0.4, 0.4, 0.25);
  return out;
}

Signal BoingSound() {
  Signal out(static_cast<size_t>(Samples(0.2)));
  Oscillator spring;
  OnePole soften(2500);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double wobble = 0.18 * std::sin(2.0 * kPi * 24.0 * t) * std::exp(-t / 0.06);
    const double hz = (330 + 250 * std::min(1.0, t / 0.12)) * (1.0 + wobble);
    out[i] = soften.Lowpass(spring.Triangle(hz) * static_cast<float>(StrikeEnvelope(t, 0.002, 0.05)));
  }
  return out;
}

}  // namespace audio
