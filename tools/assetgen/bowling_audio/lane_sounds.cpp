#include "tools/assetgen/bowling_audio/lane_sounds.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/audio/loop.h"
#include "tools/assetgen/audio/room.h"

namespace audio::bowling {

namespace {

struct Mode {
  double ratio;
  double level;
  double tau;  // seconds
};

// Decaying sines at ratios of hz, started together: a struck body's ring.
void AddModes(Signal& out, double hz, const Mode* modes, size_t count, double gain) {
  for (size_t m = 0; m < count; ++m) {
    const double f = hz * modes[m].ratio;
    if (f >= 0.45 * kRate) continue;
    const double step = 2.0 * kPi * f / kRate;
    for (size_t i = 0; i < out.size(); ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double decay = std::exp(-t / modes[m].tau);
      if (decay < 1e-4) break;
      out[i] += static_cast<float>(gain * modes[m].level * decay * std::sin(step * static_cast<double>(i)));
    }
  }
}

// A part whose ring is not quite over by its end fades out over its last fraction, not with a click.
void FadeTail(Signal& signal, double fraction) {
  const auto fade = static_cast<size_t>(fraction * static_cast<double>(signal.size()));
  for (size_t i = 0; i < fade; ++i)
    signal[signal.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
}

// Soft highs: a crash is loud but should not sting.
void Soften(Signal& signal, double hz) {
  OnePole a(hz), b(hz);
  for (float& s : signal) s = b.Lowpass(a.Lowpass(s));
}

}  // namespace

Signal PinKnock(Noise& noise, double hz, double hardness) {
  Signal out(static_cast<size_t>(Samples(0.2)));
  // A pin is a thick-walled maple shell under a hard coat: a few bright modes, damped within a few
  // hundredths of a second, over a hollow body.
  const Mode modes[] = {{1.0, 1.0, 0.026},
                        {noise.Range(1.52, 1.66), 0.6, 0.018},
                        {noise.Range(2.3, 2.45), 0.45, 0.013},
                        {noise.Range(3.1, 3.35), 0.25, 0.009},
                        {noise.Range(4.3, 4.6), 0.12, 0.006},
                        {0.42, 0.55, 0.016}};
  AddModes(out, hz, modes, std::size(modes), 1.0);
  // The hard coats meet: a short, bright click that carries the knock's crispness.
  Svf contact(4000, 0.7);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double click = contact.BandpassUnit(noise.White()) * std::exp(-t / 0.0016) * 1.3 * hardness;
    out[i] = static_cast<float>((out[i] + click) * StrikeEnvelope(t, 0.0003, 1e9));
  }
  FadeTail(out, 0.3);
  return out;
}

Signal BallThud(Noise& noise, double weight) {
  Signal out(static_cast<size_t>(Samples(0.6)));
  Oscillator low, body;
  Svf dull(700, 0.7), click(2200, 1.0);
  const double tau = 0.07 + 0.06 * weight;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    // The ball is heavy and the lane springs under it: the pitch sags as the boards give.
    const double hz = 58 + 42 * std::exp(-t / 0.04);
    const double v = low.Sine(hz) * std::exp(-t / tau) + 0.4 * body.Sine(210) * std::exp(-t / 0.025) +
                     0.5 * dull.Lowpass(noise.White()) * std::exp(-t / 0.012) +
                     0.25 * weight * click.BandpassUnit(noise.White()) * std::exp(-t / 0.001);
    out[i] = static_cast<float>(v * (0.4 + 0.6 * weight) * StrikeEnvelope(t, 0.0008, 1e9));
  }
  FadeTail(out, 0.3);
  return out;
}

Signal PinCrash(Noise& noise, const Crash& crash) {
  Signal out(static_cast<size_t>(Samples(crash.seconds)));
  MixInto(out, BallThud(noise, crash.weight), 0, static_cast<float>(0.6 * crash.weight));
  // The blow itself: a broadband crack as ball, head pin and its neighbours meet.
  Svf crackTone(1500, 0.7);
  for (size_t i = 0; i < static_cast<size_t>(Samples(0.06)); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[i] += static_cast<float>(1.1 * crash.weight * crackTone.Highpass(noise.White()) *
                                 StrikeEnvelope(t, 0.0004, 0.008));
  }
  // Pins on pins: the first few at once as the rack gives, the rest thinning out.
  for (int k = 0; k < crash.knocks; ++k) {
    const double t = k < 4 ? noise.Range(0.0, 0.03) : crash.spread * std::pow(noise.Uniform(), 1.6);
    const double level = std::exp(-t / (0.6 * crash.spread)) * noise.Range(0.35, 1.0);
    MixInto(out, PinKnock(noise, noise.Range(800, 1900), noise.Range(0.5, 1.0)), Samples(t),
            static_cast<float>(0.55 * level));
  }
  // Pins landing on the deck and against the side boards: lower, duller knocks.
  for (int k = 0; k < crash.knocks / 2; ++k) {
    const double t = noise.Range(0.06, crash.spread * 1.1);
    MixInto(out, PinKnock(noise, noise.Range(330, 560), 0.3), Samples(t),
            static_cast<float>(0.35 * noise.Range(0.4, 1.0)));
  }
  // The last pins roll and drop into the pit, quieter and quieter.
  for (int k = 0; k < crash.knocks / 4; ++k) {
    const double t = crash.spread + noise.Range(0.0, 0.5);
    MixInto(out, PinKnock(noise, noise.Range(400, 900), 0.3), Samples(t),
            static_cast<float>(0.12 * noise.Range(0.4, 1.0) * std::exp(-(t - crash.spread) / 0.25)));
  }
  // Under the knocks, the wash of countless small contacts.
  Svf wash(2600, 0.6);
  const double washTau = 0.35 * crash.spread;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[i] += static_cast<float>(crash.clatter * wash.BandpassUnit(noise.White()) *
                                 StrikeEnvelope(t, 0.004, washTau));
  }
  Soften(out, 7000);
  AddRoom(out, 0.4, 0.5, 0.15);
  return out;
}

Signal RollBed(Noise& noise, double seconds) {
  Signal out(static_cast<size_t>(Samples(seconds)));
  // The boards resonate under the ball at a few low frequencies; the oiled surface adds a fine grit.
  Svf rumble(160, 0.7), boardA(85, 3.0), boardB(140, 3.0), boardC(230, 2.0), grit(900, 0.8);
  const Signal swell = SmoothRandom(noise, out.size(), 0.45);
  const Signal grain = SmoothRandom(noise, out.size(), 0.004);
  for (size_t i = 0; i < out.size(); ++i) {
    const float white = noise.White();
    const double low = rumble.Lowpass(white) + 0.6 * boardA.BandpassUnit(white) +
                       0.45 * boardB.BandpassUnit(white) + 0.25 * boardC.BandpassUnit(white);
    const double fine = 0.05 * grit.BandpassUnit(noise.White()) * (0.3 + grain[i]);
    out[i] = static_cast<float>((low + fine) * (0.85 + 0.3 * swell[i]));
  }
  return out;
}

void AddRotation(Signal& roll, Noise& noise, double rotationsPerSecond, double level, bool wrap) {
  Signal thump(static_cast<size_t>(Samples(0.08)));
  Oscillator tone;
  for (size_t i = 0; i < thump.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    thump[i] = static_cast<float>(tone.Sine(75 + 20 * std::exp(-t / 0.01)) * StrikeEnvelope(t, 0.006, 0.02));
  }
  const double seconds = static_cast<double>(roll.size()) / kRate;
  const int rotations = static_cast<int>(std::floor(seconds * rotationsPerSecond));
  for (int k = 0; k < rotations; ++k) {
    const long at = std::lround(k / rotationsPerSecond * kRate);
    const auto gain = static_cast<float>(level * noise.Range(0.85, 1.0));
    if (wrap) {
      AddWrapped(roll, thump, at, gain);
    } else {
      MixInto(roll, thump, at, gain);
    }
  }
}

Signal HitSound() {
  Noise noise(0x4175);
  Crash crash;
  crash.knocks = 34;
  crash.spread = 0.6;
  crash.weight = 1.0;
  crash.clatter = 0.7;
  crash.seconds = 1.4;
  return PinCrash(noise, crash);
}

Signal SpareSound() {
  Noise noise(0x5BA4);
  Crash crash;
  crash.knocks = 14;
  crash.spread = 0.45;
  crash.weight = 0.6;
  crash.clatter = 0.4;
  crash.seconds = 1.0;
  return PinCrash(noise, crash);
}

Signal SingleSound() {
  Noise noise(0x5146);
  Signal out(static_cast<size_t>(Samples(0.4)));
  MixInto(out, BallThud(noise, 0.2), 0, 0.3f);
  MixInto(out, PinKnock(noise, 980, 0.9), 0, 1.0f);
  // The pin tips over onto the deck and rocks once.
  MixInto(out, PinKnock(noise, 470, 0.3), Samples(0.12), 0.3f);
  MixInto(out, PinKnock(noise, 520, 0.2), Samples(0.19), 0.12f);
  Soften(out, 9000);
  return out;
}

Signal DropSound() {
  Noise noise(0xD40B);
  Signal out(static_cast<size_t>(Samples(0.75)));
  MixInto(out, BallThud(noise, 1.0), 0, 1.0f);
  // The boards knock under the blow; the ball settles with a small second bump.
  MixInto(out, PinKnock(noise, 190, 0.2), 0, 0.35f);
  MixInto(out, BallThud(noise, 0.3), Samples(0.11), 0.3f);
  Soften(out, 4000);
  return out;
}

Signal RollLoop() {
  Noise noise(0x4011);
  constexpr double kSeconds = 2.0;
  const size_t length = static_cast<size_t>(Samples(kSeconds));
  Signal loop = FoldCrossfade(RollBed(noise, kSeconds + 0.3), length);
  // Nine turns of the ball in the loop: a whole number, so the thumps keep their pace over the seam.
  AddRotation(loop, noise, 9 / kSeconds, 0.35, true);
  return loop;
}

}  // namespace audio::bowling
