#include "tools/assetgen/bowling_audio/alley_noise.h"

#include <cmath>
#include <memory>

#include "tools/assetgen/audio/instruments.h"
#include "tools/assetgen/audio/loop.h"
#include "tools/assetgen/audio/sequencer.h"
#include "tools/assetgen/bowling_audio/combo.h"
#include "tools/assetgen/bowling_audio/crowd.h"
#include "tools/assetgen/bowling_audio/hall.h"

namespace audio::bowling {

namespace {

// A plain synthesiser bass: a saw through a low-pass that closes after the attack.
Signal SynthBass(double hz, double held) {
  const double release = 0.05;
  Signal out(static_cast<size_t>(Samples(held + release)));
  Oscillator saw;
  Svf filter(900, 1.5);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    if (i % 16 == 0) filter.Set(250 + 900 * std::exp(-t / 0.06), 1.5);
    double amp = std::min(1.0, t / 0.003);
    if (t > held) amp *= std::max(0.0, 1.0 - (t - held) / release);
    out[i] = static_cast<float>(filter.Lowpass(saw.Saw(hz)) * amp);
  }
  return out;
}

}  // namespace

const std::vector<Alley>& Alleys() {
  static const std::vector<Alley> alleys = {
      {"Tradtional", ClassicHallAmbience, 0.07},
      {"Neon", NeonHallAmbience, 0.065},
      {"Sunset", SunsetHallAmbience, 0.05},
      {"KidsBumper", FamilyHallAmbience, 0.065},
  };
  return alleys;
}

Signal NeonHum() {
  const size_t length = static_cast<size_t>(Samples(kNeonSeconds));
  Signal hum(length);
  // Every frequency here completes a whole number of cycles in the loop.
  Oscillator low, detuned, fifth, sub, buzz1, buzz2, buzz3;
  for (size_t i = 0; i < length; ++i) {
    const double pad = low.Saw(55.0) + detuned.Saw(55.125) + 0.6 * fifth.Saw(82.5) + 0.8 * sub.Sine(27.5);
    // The transformers of the neon tubes buzz at twice the mains frequency.
    const double tubes = buzz1.Sine(120) + 0.5 * buzz2.Sine(240) + 0.3 * buzz3.Sine(360);
    hum[i] = static_cast<float>(0.3 * pad + 0.08 * tubes);
  }
  // The pad's filter opens and closes twice round the loop.
  Svf filter(300, 2.0);
  size_t at = 0;
  ProcessCircular(hum, [&filter, &at, length](float x) {
    if (at % 16 == 0)
      filter.Set(260 + 140 * std::sin(2.0 * kPi * 2.0 * static_cast<double>(at) / length), 2.0);
    at = (at + 1) % length;
    return filter.Lowpass(x);
  });
  return hum;
}

Signal MusicThroughTheWall() {
  constexpr double kBpm = 120;
  const double beats = kNeonSeconds * kBpm / 60.0;
  auto noise = std::make_shared<Noise>(0x3E0);
  Sequencer sequencer(kBpm, beats, 0.0, 0x3E1);
  Track kick;
  kick.voice = [](const Note&, double) { return SoftKick(); };
  for (int beat = 0; beat < beats; ++beat) kick.notes.push_back({static_cast<double>(beat), 1, 0, 1.0});
  sequencer.Add(std::move(kick));

  Track claps;
  claps.voice = [noise](const Note&, double) { return Clap(*noise, 1400); };
  claps.gain = 0.5;
  for (int beat = 1; beat < beats; beat += 2) claps.notes.push_back({static_cast<double>(beat), 1, 0, 1.0});
  sequencer.Add(std::move(claps));

  Track hats;
  hats.voice = [noise](const Note& note, double) { return HiHatFoot(*noise, note.velocity); };
  hats.gain = 0.4;
  for (int beat = 0; beat < beats; ++beat) hats.notes.push_back({beat + 0.5, 0.5, 0, 1.0});
  sequencer.Add(std::move(hats));

  // Octave eighths over A minor, F, C and G, two bars each.
  Track bass;
  bass.voice = [](const Note& note, double held) { return SynthBass(MidiToHz(note.pitch), held); };
  bass.gain = 0.5;
  const int roots[4] = {33, 29, 36, 31};
  for (int eighth = 0; eighth < beats * 2; ++eighth) {
    const int root = roots[(eighth / 16) % 4];
    bass.notes.push_back({eighth * 0.5, 0.4, static_cast<double>(root + (eighth % 2) * 12), 1.0});
  }
  sequencer.Add(std::move(bass));

  Signal left, right;
  sequencer.Render(left, right);
  Signal music(left.size());
  for (size_t i = 0; i < music.size(); ++i) music[i] = 0.5f * (left[i] + right[i]);
  // Through a wall only the beat and the bass come across.
  Svf wall(380, 0.8);
  ProcessCircular(music, [&wall](float x) { return wall.Lowpass(x); });
  return music;
}

Signal ClassicHallAmbience() {
  HallLoop hall(16.0, 0x7AD);
  hall.AddAir(0.05);
  hall.AddMurmur(16, 0.1, 0.35);
  hall.AddGames(9, 0.45, 0.0);
  hall.AddLaughter(3, 0.1, 0.12);
  hall.AddCheers(1, 0.25);
  return hall.Mix();
}

Signal NeonHallAmbience() {
  HallLoop hall(kNeonSeconds, 0x4E0);
  hall.AddAir(0.04);
  hall.AddLoop(NeonHum(), 0.1);
  hall.AddLoop(MusicThroughTheWall(), 0.2);
  hall.AddMurmur(10, 0.05, 0.25);
  hall.AddGames(6, 0.4, 0.1);
  hall.AddLaughter(2, 0.0, 0.12);
  return hall.Mix();
}

Signal SunsetHallAmbience() {
  HallLoop hall(18.0, 0x5E7);
  hall.AddAir(0.05);
  hall.AddMurmur(8, 0.05, 0.2);
  hall.AddGames(4, 0.35, 0.3);
  hall.AddLaughter(2, 0.0, 0.1);
  hall.AddGlasses(5, 0.04);
  return hall.Mix();
}

Signal FamilyHallAmbience() {
  HallLoop hall(14.0, 0xC1D);
  hall.AddAir(0.04);
  hall.AddMurmur(12, 0.65, 0.35);
  hall.AddGames(5, 0.4, 0.7);
  hall.AddLaughter(5, 0.8, 0.2);
  hall.AddSqueals(3, 0.15);
  hall.AddBumpers(5, 0.3);
  return hall.Mix();
}

}  // namespace audio::bowling
