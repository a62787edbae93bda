#include <cmath>

#include "tools/assetgen/audio/effects.h"
#include "tools/assetgen/audio/instruments.h"
#include "tools/assetgen/audio/room.h"

namespace audio {

namespace {

// A small bronze bell: hum, prime, minor-third tierce, quint and nominal, with close pairs that
// beat slowly as a real bell's partials do.
Signal BuoyBellStrike(Noise& noise, double hz, double seconds) {
  return Struck(noise, hz, seconds,
                {{0.5, 0.35, 1.6},
                 {1.0, 0.8, 1.3},
                 {1.0025, 0.4, 1.2},
                 {1.19, 0.5, 1.0},
                 {1.5, 0.25, 0.8},
                 {2.0, 0.45, 0.7},
                 {2.004, 0.2, 0.6},
                 {2.52, 0.18, 0.35},
                 {3.01, 0.1, 0.25},
                 {4.1, 0.06, 0.12}},
                0.3);
}

}  // namespace

Signal BellSound() {
  Noise noise(0xBE11);
  Signal out(static_cast<size_t>(Samples(3.4)));
  // The buoy rocks: a full strike, then the clapper swings back for a softer one.
  MixInto(out, BuoyBellStrike(noise, 560, 3.4), 0, 1.0f);
  MixInto(out, BuoyBellStrike(noise, 560, 2.2), Samples(1.15), 0.55f);
  AddRoom(out, 0.3, 0.5, 0.2);
  // Let the last of the ring die away rather than stop.
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    if (t > 2.6) out[i] *= static_cast<float>(std::max(0.0, 1.0 - (t - 2.6) / 0.8));
  }
  return out;
}

Signal CoinsSound() {
  Noise noise(0xC014);
  Signal out(static_cast<size_t>(Samples(1.4)));
  // A spill of coins: bright inharmonic clinks, thick at first and thinning out.
  for (int k = 0; k < 18; ++k) {
    const double u = noise.Uniform();
    const double t = 0.9 * u * u;
    const double hz = noise.Range(1900, 3300);
    const double level = noise.Range(0.4, 1.0) * (1.0 - 0.6 * t / 0.9);
    const Signal clink = Struck(
        noise, hz, 0.3, {{1.0, 1.0, 0.09}, {1.58, 0.6, 0.06}, {2.31, 0.4, 0.04}, {3.1, 0.2, 0.03}}, 0.4);
    MixInto(out, clink, Samples(t), static_cast<float>(level));
  }
  // A little sparkle on top: the treasure is yours.
  const double sparkle[] = {88, 92, 95, 100};
  for (size_t k = 0; k < std::size(sparkle); ++k) {
    MixInto(out, Struck(noise, MidiToHz(sparkle[k]), 0.7, {{1.0, 1.0, 0.25}, {2.76, 0.2, 0.08}}, 0.0),
            Samples(0.05 + 0.07 * static_cast<double>(k)), 0.35f);
  }
  AddRoom(out, 0.3, 0.3, 0.2);
  return out;
}

}  // namespace audio
