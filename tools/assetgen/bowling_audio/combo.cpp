#include "tools/assetgen/bowling_audio/combo.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace audio::bowling {

namespace {

// Six square waves at unrelated pitches: the clangorous heart of a cymbal.
class Metal {
 public:
  explicit Metal(Noise& noise) {
    for (Oscillator& o : squares_) o = Oscillator(noise.Uniform());
  }
  float Next(double scale) {
    static const double kHz[6] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    float sum = 0;
    for (size_t i = 0; i < std::size(squares_); ++i) sum += squares_[i].Square(kHz[i] * scale);
    return sum / 6.0f;
  }

 private:
  Oscillator squares_[6];
};

}  // namespace

Signal Organ(Noise& noise, double hz, double held, double velocity) {
  const double release = 0.06;
  Signal out(static_cast<size_t>(Samples(held + release)));
  Oscillator sub(noise.Uniform()), fifth(noise.Uniform()), unison(noise.Uniform()), octave(noise.Uniform()),
      percussion, rotor(noise.Uniform());
  Svf clickTone(2500, 1.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double spin = rotor.Sine(0.85);
    const double f = hz * (1.0 + 0.0015 * spin);
    double v =
        0.5 * sub.Sine(0.5 * f) + 0.6 * fifth.Sine(1.5 * f) + unison.Sine(f) + 0.3 * octave.Sine(2 * f);
    v += 0.55 * velocity * percussion.Sine(3 * f) * std::exp(-t / 0.22);
    v *= 1.0 + 0.08 * spin;
    v += 0.15 * clickTone.BandpassUnit(noise.White()) * std::exp(-t / 0.003);  // the key's contact
    double amp = std::min(1.0, t / 0.004);
    if (t > held) amp *= std::max(0.0, 1.0 - (t - held) / release);
    out[i] = static_cast<float>(0.3 * v * amp);
  }
  return out;
}

Signal Vibes(Noise& noise, double hz, double held) {
  const double release = 0.12;
  Signal out(static_cast<size_t>(Samples(held + release)));
  Oscillator first, fourth, tenth, motor(noise.Uniform());
  Svf mallet(hz * 2, 1.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    // The motor's discs open and close the resonators: the fundamental swells and sinks.
    const double tremolo = 1.0 - 0.3 * (0.5 + 0.5 * motor.Sine(5.3));
    double v =
        first.Sine(hz) * std::exp(-t / 1.4) * tremolo + 0.25 * fourth.Sine(4 * hz) * std::exp(-t / 0.25);
    if (10 * hz < 0.45 * kRate) v += 0.06 * tenth.Sine(10 * hz) * std::exp(-t / 0.05);
    v += 0.08 * mallet.BandpassUnit(noise.White()) * std::exp(-t / 0.002);
    double amp = StrikeEnvelope(t, 0.001, 1e9);
    if (t > held) amp *= std::exp(-(t - held) / 0.04);  // the pedal's felt damps the bar
    if (t > held + release * 0.6) amp *= std::max(0.0, 1.0 - (t - held - release * 0.6) / (release * 0.4));
    out[i] = static_cast<float>(v * amp);
  }
  return out;
}

Signal Ride(Noise& noise, double accent) {
  Signal out(static_cast<size_t>(Samples(1.1)));
  Metal metal(noise);
  Svf ring(6500, 0.8), bright(5000, 0.7), bell(3100, 6.0);
  // The squares' own low pitches would hang under the tune as a drone; only their clang is kept.
  Svf lowCut(3000, 0.7), lowCutAgain(3000, 0.7);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const float m = lowCutAgain.Highpass(lowCut.Highpass(metal.Next(1.9)));
    const double ping = ring.BandpassUnit(m) * (std::exp(-t / 0.05) + 0.3 * std::exp(-t / 0.45));
    const double wash = bright.Highpass(noise.White()) * 0.15 * std::exp(-t / 0.35);
    const double stick = bell.BandpassUnit(m) * 0.5 * std::exp(-t / 0.12);
    const double fade = t > 0.9 ? std::max(0.0, 1.0 - (t - 0.9) / 0.2) : 1.0;
    out[i] = static_cast<float>((ping + wash + stick) * accent * fade * StrikeEnvelope(t, 0.0005, 1e9));
  }
  return out;
}

Signal HiHatFoot(Noise& noise, double accent) {
  Signal out(static_cast<size_t>(Samples(0.08)));
  Metal metal(noise);
  Svf tone(7000, 0.9), body(900, 1.2);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double v = tone.BandpassUnit(0.6f * metal.Next(2.3) + 0.5f * noise.White()) * std::exp(-t / 0.012) +
                     0.3 * body.BandpassUnit(noise.White()) * std::exp(-t / 0.006);
    out[i] = static_cast<float>(v * accent * StrikeEnvelope(t, 0.001, 1e9));
  }
  return out;
}

Signal BrushTap(Noise& noise, double accent) {
  Signal out(static_cast<size_t>(Samples(0.25)));
  Svf wires(3500, 0.7), swish(6000, 0.6);
  Oscillator head;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double v = wires.BandpassUnit(noise.White()) * std::exp(-t / 0.04) +
                     0.25 * head.Sine(190) * std::exp(-t / 0.03) +
                     0.2 * swish.Highpass(noise.White()) * std::exp(-t / 0.08);
    out[i] = static_cast<float>(v * accent * StrikeEnvelope(t, 0.002, 1e9));
  }
  return out;
}

}  // namespace audio::bowling
