// The parts the sound generator is built from: note names and melodies, string tuning, seamless
// loops, the sequencer's wrap-round, and the finishing into 16-bit waves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "tools/assetgen/audio/dsp.h"
#include "tools/assetgen/audio/finish.h"
#include "tools/assetgen/audio/instruments.h"
#include "tools/assetgen/audio/loop.h"
#include "tools/assetgen/audio/sequencer.h"

namespace {

using namespace audio;

// The period of a steady tone, by the best autocorrelation lag (refined between samples).
double MeasuredHz(const Signal& s, double expectedHz) {
  const size_t from = static_cast<size_t>(Samples(0.1)), count = 4096;
  auto correlation = [&](int lag) {
    double c = 0;
    for (size_t i = from; i < from + count; ++i) c += s[i] * s[i + static_cast<size_t>(lag)];
    return c;
  };
  const int lo = static_cast<int>(kRate / (expectedHz * 1.2)),
            hi = static_cast<int>(kRate / (expectedHz * 0.8));
  int best = lo;
  for (int lag = lo; lag <= hi; ++lag) {
    if (correlation(lag) > correlation(best)) best = lag;
  }
  const double a = correlation(best - 1), b = correlation(best), c = correlation(best + 1);
  return kRate / (best + 0.5 * (a - c) / (a - 2 * b + c));
}

double Peak(const Signal& s) {
  double peak = 0;
  for (float v : s) peak = std::max(peak, static_cast<double>(std::fabs(v)));
  return peak;
}

std::vector<int> Samples16(const TWave& wave) {
  std::vector<int> out;
  for (size_t i = 0; i + 1 < wave.Data.size(); i += 2)
    out.push_back(static_cast<int16_t>(wave.Data[i] | (wave.Data[i + 1] << 8)));
  return out;
}

TEST(AudioNotes, NamesGiveMidiNumbersAndBadNamesAreRefused) {
  EXPECT_EQ(NoteNumber("C4"), 60);
  EXPECT_EQ(NoteNumber("A4"), 69);
  EXPECT_EQ(NoteNumber("F#3"), 54);
  EXPECT_EQ(NoteNumber("Bb5"), 82);
  EXPECT_EQ(NoteNumber("C0"), 12);
  for (const char* bad : {"", "C", "H4", "C#", "C44", "c4", "E#x"}) {
    EXPECT_THROW(NoteNumber(bad), std::invalid_argument) << bad;
  }
  EXPECT_NEAR(MidiToHz(69), 440.0, 1e-9);
  EXPECT_NEAR(MidiToHz(57), 220.0, 1e-9);
}

TEST(AudioNotes, MelodiesKeepTimeThroughRestsAndTranspose) {
  std::vector<Note> notes;
  const double end = AppendMelody(notes, "G4/1 r/0.5 A4/0.5  B4/2", 4, 12, 0.8);
  EXPECT_DOUBLE_EQ(end, 8.0);
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_DOUBLE_EQ(notes[0].beat, 4.0);
  EXPECT_DOUBLE_EQ(notes[0].pitch, 79.0);
  EXPECT_DOUBLE_EQ(notes[1].beat, 5.5);  // after the rest
  EXPECT_DOUBLE_EQ(notes[2].beats, 2.0);
  EXPECT_DOUBLE_EQ(notes[2].velocity, 0.8);
  EXPECT_THROW(AppendMelody(notes, "G4", 0, 0, 1), std::invalid_argument);
}

TEST(AudioInstruments, StringsAndBassSoundInTune) {
  Noise noise(7);
  const PluckTone tone;
  for (double note : {40.0, 55.0, 67.0, 79.0, 86.0}) {
    const double hz = MidiToHz(note);
    EXPECT_NEAR(MeasuredHz(Pluck(noise, hz, 1.0, tone), hz) / hz, 1.0, 0.003) << note;
  }
  for (double note : {36.0, 43.0}) {
    const double hz = MidiToHz(note);
    EXPECT_NEAR(MeasuredHz(SoftBass(hz, 1.0), hz) / hz, 1.0, 0.003) << note;
  }
}

TEST(AudioInstruments, APluckStartsSoftlyAndDiesAfterItIsStopped) {
  Noise noise(9);
  const Signal s = Pluck(noise, 196.0, 0.3, PluckTone{});
  EXPECT_EQ(s[0], 0.0f);
  const size_t tail = s.size() - static_cast<size_t>(Samples(0.01));
  const Signal end(s.begin() + static_cast<long>(tail), s.end());
  EXPECT_LT(Peak(end), 0.05 * Peak(s));
}

TEST(AudioNoise, TheSameSeedGivesTheSameStreamAndOthersDiffer) {
  Noise a(42), b(42), c(43);
  bool differs = false;
  for (int i = 0; i < 1000; ++i) {
    const float x = a.White();
    EXPECT_EQ(x, b.White());
    EXPECT_GE(x, -1.0f);
    EXPECT_LT(x, 1.0f);
    differs = differs || x != c.White();
  }
  EXPECT_TRUE(differs);
  const Signal curve = SmoothRandom(a, 5000, 0.01);
  for (float v : curve) {
    ASSERT_GE(v, 0.0f);
    ASSERT_LE(v, 1.0f);
  }
}

TEST(AudioLoops, WrappedPartsCarryTheirTailsToTheStart) {
  Signal loop(10, 0.0f);
  AddWrapped(loop, Signal{1, 2, 3, 4}, 8, 2.0f);
  EXPECT_EQ(loop, (Signal{6, 8, 0, 0, 0, 0, 0, 0, 2, 4}));
  Signal other(10, 0.0f);
  AddWrapped(other, Signal{1}, -1);
  EXPECT_EQ(other[9], 1.0f);
  Signal empty;
  AddWrapped(empty, Signal{1, 2}, 0);  // nothing to add into, nothing happens
  EXPECT_TRUE(empty.empty());
}

TEST(AudioLoops, AFoldedBedRunsOnIntoItsStartAtTheSameLevel) {
  // A ramp folded at 1000 samples: the first sample continues the last one.
  Signal ramp(1200);
  for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<float>(i) / 1200.0f;
  const Signal folded = FoldCrossfade(ramp, 1000);
  ASSERT_EQ(folded.size(), 1000u);
  EXPECT_NEAR(folded.front(), ramp[1000], 0.002);
  EXPECT_EQ(folded[999], ramp[999]);
  EXPECT_EQ(folded[500], ramp[500]);

  // Folded noise keeps its level through the crossfade (equal power for unrelated material).
  Noise noise(5);
  Signal bed(30000);
  for (float& v : bed) v = noise.White();
  const Signal loop = FoldCrossfade(bed, 20000);
  double fade = 0, rest = 0;
  for (size_t i = 0; i < 10000; ++i) fade += loop[i] * loop[i];
  for (size_t i = 10000; i < 20000; ++i) rest += loop[i] * loop[i];
  EXPECT_NEAR(fade / rest, 1.0, 0.1);
}

TEST(AudioLoops, FiltersRunRoundTheLoopLeaveNoSeam) {
  // A one-pole low-pass of a square wave: run once it starts from rest and jumps at the seam;
  // run round the loop it settles, and the end leads into the start like any other step.
  Signal square(4000);
  for (size_t i = 0; i < square.size(); ++i) square[i] = (i / 500) % 2 == 0 ? 1.0f : -1.0f;
  OnePole smooth(30);
  Signal loop = square;
  ProcessCircular(loop, [&smooth](float x) { return smooth.Lowpass(x); });
  float largestStep = 0;
  for (size_t i = 1; i < loop.size(); ++i)
    largestStep = std::max(largestStep, std::fabs(loop[i] - loop[i - 1]));
  EXPECT_LE(std::fabs(loop.front() - loop.back()), largestStep * 1.01f);
  EXPECT_LT(loop.front(), -0.1f);  // it carries the low half's state over the seam
}

TEST(AudioSequencer, TheLoopLastsItsBeatsAndNotesWrapPastTheEnd) {
  Sequencer sequencer(120, 8, 0.0, 1);  // 8 beats at 120 a minute: 4 seconds
  EXPECT_EQ(sequencer.LoopSamples(), static_cast<size_t>(4 * kRate));
  Track track;
  track.voice = [](const Note&, double) { return Signal(static_cast<size_t>(Samples(1.0)), 0.5f); };
  track.notes.push_back({7.5, 0.5, 60, 1.0});  // starts a quarter second before the end
  sequencer.Add(track);
  Signal left, right;
  sequencer.Render(left, right);
  ASSERT_EQ(left.size(), sequencer.LoopSamples());
  EXPECT_GT(left[static_cast<size_t>(Samples(0.5))], 0.0f);  // the tail, wrapped to the start
  EXPECT_EQ(left[static_cast<size_t>(Samples(1.5))], 0.0f);  // and nothing after it
  EXPECT_GT(left.back(), 0.0f);
  EXPECT_NEAR(left.back(), right.back(), 1e-6);  // centred
}

TEST(AudioFinish, EffectsFadeToSilenceAtTheRequestedPeak) {
  Signal tone(static_cast<size_t>(Samples(0.5)));
  Oscillator oscillator;
  for (float& v : tone) v = 0.3f + 2.0f * oscillator.Sine(440);  // offset and far too loud
  const std::vector<int> s = Samples16(FinishEffect(tone, 0.5));
  EXPECT_EQ(s.front(), 0);
  EXPECT_EQ(s.back(), 0);
  const int peak =
      *std::max_element(s.begin(), s.end(), [](int a, int b) { return std::abs(a) < std::abs(b); });
  EXPECT_NEAR(std::abs(peak), 0.5 * 32767, 40);
  double mean = 0;
  for (int v : s) mean += v;
  EXPECT_LT(std::fabs(mean / static_cast<double>(s.size())), 30.0);
}

TEST(AudioFinish, WavesClampAndStereoLoopsStayUnderTheirPeak) {
  const std::vector<int> clamped = Samples16(MonoWave(Signal{2.0f, -2.0f, 0.5f}));
  EXPECT_EQ(clamped, (std::vector<int>{32767, -32767, 16384}));

  Noise noise(3);
  Signal left(20000), right(20000);
  for (size_t i = 0; i < left.size(); ++i) {
    left[i] = noise.White() * (i % 1000 == 0 ? 20.0f : 1.0f);  // sparse spikes, as plucks give
    right[i] = noise.White();
  }
  const TWave wave = FinishStereoLoop(left, right, 0.2, 0.8);
  EXPECT_EQ(wave.Channels(), 2);
  EXPECT_EQ(wave.Data.size(), 20000u * 4);
  for (int v : Samples16(wave)) ASSERT_LE(std::abs(v), std::lround(0.8 * 32767));
}

}  // namespace
