#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "tools/assetgen/audio/effects.h"
#include "tools/assetgen/audio/instruments.h"
#include "tools/assetgen/audio/room.h"
#include "tools/assetgen/audio/water.h"

namespace audio {

namespace {

// A throat: a buzzing source (unison saws and a subharmonic), roughened and overdriven, with
// breath, through formant resonances that give each beast its vowel.
struct Throat {
  double seconds = 1.5;
  Envelope pitch{{0.0, 100.0}};
  Envelope level{{0.0, 1.0}};
  std::vector<std::pair<double, double>> formants;  // centre Hz, gain
  int voices = 1;
  double detune = 0.0;  // spread between unison voices, as a fraction of the pitch
  double subharmonic = 0.0;
  double roughness = 0.0;  // random wander of pitch and level
  double flutterHz = 0.0;  // pulsing of the voice (a bellow's throb, a rattle)
  double flutterDepth = 0.0;
  double breath = 0.0;
  double drive = 1.0;
};

Signal Growl(Noise& noise, const Throat& throat) {
  Signal out(static_cast<size_t>(Samples(throat.seconds)));
  std::vector<Oscillator> saws(static_cast<size_t>(throat.voices));
  for (size_t v = 0; v < saws.size(); ++v) saws[v] = Oscillator(noise.Uniform());
  Oscillator sub, flutter;
  const Signal wander = SmoothRandom(noise, out.size(), 0.05);
  const Signal shimmer = SmoothRandom(noise, out.size(), 0.018);
  std::vector<Svf> formants;
  for (const auto& [hz, gain] : throat.formants) formants.emplace_back(hz, 4.0);
  Svf breathTone(1500, 0.6);
  const double normal = std::tanh(throat.drive);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double rough = throat.roughness * (2.0 * wander[i] - 1.0);
    const double hz = throat.pitch.At(t) * (1.0 + 0.08 * rough);
    double source = 0;
    for (size_t v = 0; v < saws.size(); ++v) {
      const double spread = saws.size() > 1 ? static_cast<double>(v) / (saws.size() - 1) - 0.5 : 0.0;
      source += saws[v].Saw(hz * (1.0 + throat.detune * spread));
    }
    source /= static_cast<double>(saws.size());
    source += throat.subharmonic * sub.Square(hz * 0.5);
    const double pulsing = 1.0 - throat.flutterDepth * (0.5 + 0.5 * flutter.Sine(throat.flutterHz));
    const double ragged = 1.0 + throat.roughness * 0.5 * (2.0 * shimmer[i] - 1.0);
    const double driven = std::tanh(throat.drive * source * pulsing * ragged) / normal;
    const double air = throat.breath * breathTone.Highpass(noise.White()) * (0.6 + 0.4 * pulsing);
    double voiced = 0.15 * (driven + air);
    size_t k = 0;
    for (const auto& [hz_, gain] : throat.formants)
      voiced += gain * formants[k++].BandpassUnit(static_cast<float>(driven + air));
    out[i] = static_cast<float>(voiced * throat.level.At(t));
  }
  return out;
}

}  // namespace

Signal SerpentSound() {
  Noise noise(0x5E4F);
  const double seconds = 2.1;
  Signal out(static_cast<size_t>(Samples(seconds)));
  // The hiss: bright noise that swells, trembles and sinks a little in pitch.
  Svf sibilance(6500, 1.1);
  Oscillator tremble;
  const Envelope level{{0.0, 0.0}, {0.18, 1.0}, {1.3, 0.75}, {1.95, 0.0}};
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    sibilance.Set(6500 - 2300 * std::min(1.0, t / 1.6), 1.1);
    const double shake = 1.0 - 0.18 * (0.5 + 0.5 * tremble.Sine(11.0));
    out[i] = sibilance.BandpassUnit(noise.White()) * static_cast<float>(level.At(t) * shake);
  }
  // Under it, a low rattling throat.
  Throat throat;
  throat.seconds = seconds;
  throat.pitch = Envelope{{0.0, 85.0}, {seconds, 66.0}};
  throat.level = Envelope{{0.0, 0.0}, {0.3, 0.8}, {1.4, 0.6}, {1.9, 0.0}};
  throat.formants = {{380, 1.0}, {950, 0.4}};
  throat.roughness = 0.4;
  throat.flutterHz = 31;
  throat.flutterDepth = 0.8;
  throat.drive = 2.0;
  MixInto(out, Growl(noise, throat), 0, 0.5f);
  return out;
}

Signal GatorSound() {
  Noise noise(0x6A70);
  Signal out(static_cast<size_t>(Samples(2.2)));
  // A deep bellow that throbs, then the jaws slam shut with a slap of water.
  Throat throat;
  throat.seconds = 1.6;
  throat.pitch = Envelope{{0.0, 44.0}, {1.5, 36.0}};
  throat.level = Envelope{{0.0, 0.0}, {0.1, 0.8}, {0.3, 1.0}, {1.2, 0.9}, {1.5, 0.0}};
  throat.formants = {{260, 1.0}, {620, 0.7}, {1400, 0.3}};
  throat.voices = 2;
  throat.detune = 0.015;
  throat.subharmonic = 0.5;
  throat.roughness = 0.5;
  throat.flutterHz = 21;
  throat.flutterDepth = 0.85;
  throat.breath = 0.15;
  throat.drive = 2.5;
  MixInto(out, Growl(noise, throat), 0, 1.0f);
  const long snap = Samples(1.55);
  MixInto(out, WoodBlock(noise, 380), snap, 0.6f);
  MixInto(out, WoodBlock(noise, 300), snap + Samples(0.012), 0.45f);
  MixInto(out, NoiseBurst(noise, 0.06, 1800, 1.0, 0.0005, 0.01), snap, 0.3f);
  MixInto(out, Spray(noise, 0.5, 5000, 500, 0.005, 0.1), snap + Samples(0.02), 0.3f);
  return out;
}

Signal KrakenSound() {
  Noise noise(0x4BA4);
  const double seconds = 2.7;
  Signal out(static_cast<size_t>(Samples(seconds)));
  // Something vast rises: a slow, falling roar with a huge subharmonic, churning the water.
  Throat throat;
  throat.seconds = seconds;
  throat.pitch = Envelope{{0.0, 62.0}, {0.5, 58.0}, {2.3, 38.0}};
  throat.level = Envelope{{0.0, 0.0}, {0.3, 1.0}, {1.6, 0.85}, {2.35, 0.0}};
  throat.formants = {{300, 1.0}, {700, 0.6}, {1100, 0.2}};
  throat.voices = 3;
  throat.detune = 0.025;
  throat.subharmonic = 0.7;
  throat.roughness = 0.6;
  throat.breath = 0.3;
  throat.drive = 3.0;
  MixInto(out, Growl(noise, throat), 0, 1.0f);
  for (int k = 0; k < 70; ++k) {
    const double t = noise.Range(0.0, 2.3);
    const double hz = noise.Range(110, 420);
    MixInto(out, Bubble(hz, 0.16, noise.Range(1.3, 2.0), 0.05), Samples(t),
            static_cast<float>(noise.Range(0.1, 0.3)));
  }
  MixInto(out, Spray(noise, 2.0, 1500, 250, 0.4, 0.6), 0, 0.5f);
  // Heard through the water: the highs are gone.
  Svf depth(2200, 0.7);
  for (float& s : out) s = depth.Lowpass(s);
  AddRoom(out, 0.8, 0.5, 0.3);
  return out;
}

Signal MonsterSound() {
  Noise noise(0x3057);
  Throat throat;
  throat.seconds = 1.9;
  throat.pitch = Envelope{{0.0, 95.0}, {0.3, 122.0}, {1.2, 100.0}, {1.75, 74.0}};
  throat.level = Envelope{{0.0, 0.0}, {0.12, 1.0}, {1.2, 0.8}, {1.75, 0.0}};
  throat.formants = {{750, 1.0}, {1150, 0.6}, {2500, 0.25}};
  throat.voices = 2;
  throat.detune = 0.01;
  throat.subharmonic = 0.3;
  throat.roughness = 0.5;
  throat.breath = 0.25;
  throat.drive = 2.0;
  Signal out = Growl(noise, throat);
  AddRoom(out, 0.5, 0.5, 0.15);
  return out;
}

}  // namespace audio
