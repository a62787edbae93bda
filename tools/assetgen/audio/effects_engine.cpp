#include <algorithm>
#include <cmath>
#include <functional>

#include "tools/assetgen/audio/effects.h"
#include "tools/assetgen/audio/loop.h"

namespace audio {

namespace {

// The outboard's voice: each firing is a pressure pop (pulse) with a burst of turbulence (hiss),
// shaped by the exhaust pipe, the ports and the cowling's rattle. Kept warm and round, so the
// engine sounds right at any volume the speed gives it.
class Exhaust {
 public:
  float Process(float pulse, float hiss) {
    const float v = pipe_.BandpassUnit(pulse) + 0.8f * port_.BandpassUnit(pulse) +
                    0.25f * rattle_.BandpassUnit(hiss) + 0.3f * body_.Lowpass(hiss);
    return tone_.Lowpass(v);
  }

 private:
  Svf pipe_{150, 2.2};
  Svf port_{560, 3.0};
  Svf rattle_{2200, 1.4};
  Svf body_{400, 0.7};
  OnePole tone_{2800};
};

// The excitation of one firing: a sharp pop and a short noisy gust after it.
void AddFiring(Signal& pulse, Signal& hiss, Noise& noise, double atSeconds, double level, bool wrap) {
  const size_t length = static_cast<size_t>(Samples(0.012));
  Signal pop(length), gust(length);
  for (size_t i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kRate;
    pop[i] = static_cast<float>(level * std::exp(-t / 0.0005));
    gust[i] = static_cast<float>(level * noise.White() * std::exp(-t / 0.0035));
  }
  const long at = std::lround(atSeconds * kRate);
  if (wrap) {
    AddWrapped(pulse, pop, at);
    AddWrapped(hiss, gust, at);
  } else {
    MixInto(pulse, pop, at);
    MixInto(hiss, gust, at);
  }
}

// A quick clicking of the recoil starter's pawls.
void AddRecoilClick(Signal& out, Noise& noise, double atSeconds, double level) {
  MixInto(out, NoiseBurst(noise, 0.01, 3000, 4.0, 0.0003, 0.0015), Samples(atSeconds),
          static_cast<float>(level));
}

}  // namespace

Signal GasLoop() {
  Noise noise(0x6A5);
  const size_t length = static_cast<size_t>(Samples(2.0));
  constexpr int kFirings = 144;  // 72 a second, a whole number in the loop
  Signal pulse(length), hiss(length);
  for (int k = 0; k < kFirings; ++k) {
    const double t = 2.0 * k / kFirings;
    const double throb = 1.0 + 0.1 * std::sin(2.0 * kPi * t);  // the hull riding the chop
    const double uneven = k % 2 == 0 ? 1.0 : 0.88;
    const double jitter = noise.Range(-0.0003, 0.0003);
    AddFiring(pulse, hiss, noise, t + jitter, throb * uneven * noise.Range(0.9, 1.05), true);
  }
  Signal loop(length);
  Exhaust exhaust;
  for (int lap = 0; lap < 2; ++lap) {
    for (size_t i = 0; i < length; ++i) loop[i] = exhaust.Process(pulse[i], hiss[i]);
  }
  // Gear whine and the rush of water along the hull.
  Oscillator whine;
  const size_t overhang = static_cast<size_t>(Samples(0.25));
  Signal rush(length + overhang);
  Svf wash(450, 0.7);
  const Signal swell = SmoothRandom(noise, rush.size(), 0.4);
  for (size_t i = 0; i < rush.size(); ++i) {
    const float drift = 0.6f + 0.8f * swell[i];
    rush[i] = wash.Lowpass(noise.White()) * 0.22f * drift;
  }
  Signal water = FoldCrossfade(rush, length);
  for (size_t i = 0; i < length; ++i) loop[i] += water[i] + 0.005f * whine.Sine(576.0);
  return loop;
}

Signal StartGasSound() {
  Noise noise(0x57A7);
  const double seconds = 2.4;
  Signal out(static_cast<size_t>(Samples(seconds)));
  Signal pulse(out.size()), hiss(out.size());

  // The cord: a zip of rope through the guide while the pawls rattle faster and faster.
  Svf rope(700, 2.0);
  const Envelope ropeLevel{{0.0, 0.0}, {0.05, 0.5}, {0.35, 0.35}, {0.46, 0.0}};
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    if (t > 0.5) break;
    rope.Set(700 + 1400 * std::min(1.0, t / 0.4), 2.0);
    out[i] += rope.BandpassUnit(noise.White()) * static_cast<float>(ropeLevel.At(t));
  }
  for (double t = 0.02, rate = 25; t < 0.45; t += 1.0 / rate, rate = std::min(70.0, rate * 1.12))
    AddRecoilClick(out, noise, t, 0.3);
  // Compression strokes turning over, quickening, then the engine catches at half a second.
  for (double t : {0.08, 0.2, 0.29, 0.36, 0.42}) AddFiring(pulse, hiss, noise, t, 0.45, false);
  const Envelope revs{{0.5, 18}, {0.95, 88}, {1.5, 64}, {seconds, 64}};
  const Envelope level{{0.5, 0.6}, {0.9, 1.0}, {1.5, 0.85}, {1.7, 0.85}, {2.25, 0.0}};
  double t = 0.5;
  while (t < seconds) {
    const bool misfire = t < 0.72 && noise.Uniform() < 0.3;  // it coughs before it runs clean
    if (!misfire) AddFiring(pulse, hiss, noise, t, level.At(t) * noise.Range(0.88, 1.05), false);
    t += 1.0 / revs.At(t);
  }
  Exhaust exhaust;
  for (size_t i = 0; i < out.size(); ++i) out[i] += exhaust.Process(pulse[i], hiss[i]);
  return out;
}

}  // namespace audio
