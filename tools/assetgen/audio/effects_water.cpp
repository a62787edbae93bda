#include <cmath>

#include "tools/assetgen/audio/effects.h"
#include "tools/assetgen/audio/instruments.h"
#include "tools/assetgen/audio/water.h"

namespace audio {

namespace {

// Drops falling back after a splash: short rising plinks, fewer as time goes on.
void AddDroplets(Signal& out, Noise& noise, double from, double until, int count, double level) {
  for (int k = 0; k < count; ++k) {
    const double u = noise.Uniform();
    const double t = from + (until - from) * u * u;  // crowded at the start
    const double hz = noise.Range(900, 2600);
    const double fade = level * (1.0 - 0.7 * (t - from) / (until - from)) * noise.Range(0.4, 1.0);
    MixInto(out, Bubble(hz, 0.05, noise.Range(1.3, 2.0), 0.012), Samples(t), static_cast<float>(fade));
  }
}

}  // namespace

Signal MiniSplashSound() {
  Noise noise(0x1E5E);
  Signal out(static_cast<size_t>(Samples(0.36)));
  MixInto(out, NoiseBurst(noise, 0.03, 2600, 1.2, 0.0008, 0.006), 0, 0.5f);  // the lure's slap
  MixInto(out, Spray(noise, 0.2, 3500, 700, 0.002, 0.035), 0, 0.45f);        // a little spray
  MixInto(out, Bubble(620, 0.09, 1.9, 0.03), Samples(0.008), 0.8f);          // the plop
  AddDroplets(out, noise, 0.05, 0.28, 5, 0.22);
  return out;
}

Signal SplashSound() {
  Noise noise(0x5B1A);
  Signal out(static_cast<size_t>(Samples(1.4)));
  // The fish breaks the surface, thrashes twice and is gone.
  const double hits[][3] = {{0.0, 1.0, 0.16}, {0.22, 0.75, 0.12}, {0.41, 0.5, 0.10}};
  for (const auto& [at, level, tau] : hits) {
    MixInto(out, Spray(noise, 0.8, 7000, 600, 0.004, tau), Samples(at), static_cast<float>(level));
    Signal thump = Bubble(120, 0.25, 0.6, 0.06);
    MixInto(out, thump, Samples(at), static_cast<float>(0.9 * level));
    MixInto(out, Bubble(noise.Range(350, 500), 0.14, 1.8, 0.05), Samples(at + 0.02),
            static_cast<float>(0.5 * level));
  }
  AddDroplets(out, noise, 0.1, 1.2, 22, 0.3);
  return out;
}

}  // namespace audio
