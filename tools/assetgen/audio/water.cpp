#include "tools/assetgen/audio/water.h"

#include <cmath>

namespace audio {

Signal Bubble(double hz, double seconds, double rise, double tau) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  Oscillator tone;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double pitch = hz * (1.0 + (rise - 1.0) * t / seconds);
    out[i] = tone.Sine(pitch) * static_cast<float>(StrikeEnvelope(t, 0.002, tau));
  }
  return out;
}

Signal Spray(Noise& noise, double seconds, double brightHz, double dullHz, double attack, double tau) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  Svf tone(brightHz, 0.8);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    tone.Set(dullHz + (brightHz - dullHz) * std::exp(-t / (tau * 0.8)), 0.8);
    out[i] = tone.Lowpass(noise.White()) * static_cast<float>(StrikeEnvelope(t, attack, tau));
  }
  return out;
}

Signal Lap(Noise& noise, double seconds, double level) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  Svf swash(350, 0.9);
  Svf trickle(1800, 2.0);
  const double peak = seconds * noise.Range(0.3, 0.45);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    // A rounded swell up to the peak and a slower fall after it.
    const double x = t < peak ? t / peak : 1.0 - (t - peak) / (seconds - peak);
    const double body = std::sin(0.5 * kPi * std::max(0.0, x));
    swash.Set(250 + 300 * body, 0.9);
    const double after = t > peak ? std::sin(kPi * (t - peak) / (seconds - peak)) : 0.0;
    const double v =
        swash.Lowpass(noise.White()) * body + 0.25 * trickle.BandpassUnit(noise.White()) * after * after;
    out[i] = static_cast<float>(v * level);
  }
  return out;
}

}  // namespace audio
