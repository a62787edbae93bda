#include "tools/assetgen/audio/ambience.h"

#include "tools/assetgen/audio/loop.h"
#include "tools/assetgen/audio/nature.h"
#include "tools/assetgen/audio/room.h"
#include "tools/assetgen/audio/water.h"

namespace audio {

namespace {

size_t LoopLength() { return static_cast<size_t>(Samples(kAmbienceSeconds)); }

// The bed under everything: a low murmur of water, rendered long and folded into the loop.
Signal WaterMurmur(Noise& noise, double level) {
  const size_t length = LoopLength();
  Signal bed(length + static_cast<size_t>(Samples(2.0)));
  Svf murmur(220, 0.7);
  const Signal swell = SmoothRandom(noise, bed.size(), 1.7);
  for (size_t i = 0; i < bed.size(); ++i) {
    bed[i] = murmur.Lowpass(noise.White()) * static_cast<float>(level * (0.5 + 0.8 * swell[i]));
  }
  return FoldCrossfade(bed, length);
}

// Small waves against the hull at uneven intervals, wrapped round the loop.
void AddLapping(Signal& loop, Noise& noise, double gap, double level) {
  for (double t = 0; t < kAmbienceSeconds - 0.5; t += noise.Range(gap * 0.6, gap * 1.6)) {
    const Signal lap = Lap(noise, noise.Range(0.7, 1.4), noise.Range(0.4, 1.0));
    AddWrapped(loop, lap, Samples(t), static_cast<float>(level));
  }
}

// Far voices across the water: softened, with an echo off the far shore and some air around them.
void AddDistant(Signal& loop, const Signal& far, double echoSeconds, double gain) {
  Signal shaped = far;
  Svf distance(2600, 0.7);
  ProcessCircular(shaped, [&distance](float x) { return distance.Lowpass(x); });
  Signal echoed = shaped;
  AddWrapped(echoed, shaped, Samples(echoSeconds), 0.3f);
  AddWrapped(echoed, shaped, Samples(echoSeconds * 2.1), 0.12f);
  Signal right = echoed;
  AddRoomToLoop(echoed, right, 0.7, 0.5, 0.6);
  for (size_t i = 0; i < loop.size(); ++i)
    loop[i] += static_cast<float>(gain) * 0.5f * (echoed[i] + right[i]);
}

Signal Folded(const Signal& bed) { return FoldCrossfade(bed, LoopLength()); }

}  // namespace

Signal CanadaAmbience() {
  Noise noise(0xCA4ADA);
  Signal loop = WaterMurmur(noise, 0.35);
  const Signal wind = Folded(PineWind(noise, kAmbienceSeconds + 2.0));
  for (size_t i = 0; i < loop.size(); ++i) loop[i] += 0.3f * wind[i];
  AddLapping(loop, noise, 1.5, 0.55);

  Signal far(loop.size());
  AddWrapped(far, LoonWail(), Samples(2.5));
  AddWrapped(far, LoonTremolo(), Samples(13.0), 0.8f);
  AddWrapped(far, LoonWail(), Samples(19.5), 0.55f);
  AddDistant(loop, far, 0.45, 0.2);
  return loop;
}

Signal TropicAmbience() {
  Noise noise(0x7409);
  Signal loop = WaterMurmur(noise, 0.3);
  const Signal breeze = Folded(PineWind(noise, kAmbienceSeconds + 2.0));
  for (size_t i = 0; i < loop.size(); ++i) loop[i] += 0.12f * breeze[i];
  AddLapping(loop, noise, 1.8, 0.5);

  // Cicadas swell in and out in the trees; crickets keep time in the grass.
  AddWrapped(loop, CicadaSong(noise, 9.0, 5200), Samples(1.0), 0.16f);
  AddWrapped(loop, CicadaSong(noise, 7.5, 4300), Samples(12.5), 0.13f);
  AddWrapped(loop, CicadaSong(noise, 6.0, 6100), Samples(18.0), 0.08f);
  const Signal cricket = CricketChirp(4600);
  for (double t = 0; t < kAmbienceSeconds - 0.3; t += noise.Range(0.5, 0.6)) {
    AddWrapped(loop, cricket, Samples(t), 0.05f);
  }
  const Signal farCricket = CricketChirp(3900);
  for (double t = 6.0; t < 16.0; t += noise.Range(0.75, 0.9))
    AddWrapped(loop, farCricket, Samples(t), 0.025f);

  Signal far(loop.size());
  for (double t : {3.8, 4.35}) AddWrapped(far, WhistlerCall(noise), Samples(t), 0.7f);
  for (double t : {15.2, 15.65, 16.15}) AddWrapped(far, WhistlerCall(noise), Samples(t), 0.6f);
  AddWrapped(far, TrillCall(noise), Samples(9.0), 0.5f);
  AddWrapped(far, TrillCall(noise), Samples(21.0), 0.4f);
  AddWrapped(far, DoveCall(), Samples(6.4), 0.8f);
  AddWrapped(far, DoveCall(), Samples(18.6), 0.7f);
  AddDistant(loop, far, 0.3, 0.22);
  return loop;
}

}  // namespace audio
