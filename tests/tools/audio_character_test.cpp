// What the generated sounds are like, measured rather than listened to: monsters of distinct
// character, an engine that buzzes at its firing rate, a reel that ticks, quiet backgrounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/audio/ambience.h"
#include "tools/assetgen/audio/effects.h"

namespace {

using namespace audio;

// Zero crossings per second: high for hisses, low for deep roars.
double CrossingsPerSecond(const Signal& s) {
  size_t crossings = 0;
  for (size_t i = 1; i < s.size(); ++i) crossings += (s[i - 1] < 0) != (s[i] < 0);
  return static_cast<double>(crossings) * kRate / static_cast<double>(s.size());
}

double Rms(const Signal& s) {
  double sum = 0;
  for (float v : s) sum += static_cast<double>(v) * v;
  return std::sqrt(sum / static_cast<double>(s.size()));
}

double Peak(const Signal& s) {
  double peak = 0;
  for (float v : s) peak = std::max(peak, static_cast<double>(std::fabs(v)));
  return peak;
}

// Normalised autocorrelation of a signal's envelope or waveform at the given lag (circular, for loops).
double LoopCorrelation(const Signal& s, size_t lag) {
  double c = 0, e = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    c += s[i] * s[(i + lag) % s.size()];
    e += s[i] * s[i];
  }
  return c / e;
}

TEST(AudioCharacter, MonstersSoundUnlikeEachOther) {
  const double serpent = CrossingsPerSecond(SerpentSound());
  const double gator = CrossingsPerSecond(GatorSound());
  const double kraken = CrossingsPerSecond(KrakenSound());
  const double monster = CrossingsPerSecond(MonsterSound());
  EXPECT_GT(serpent, 3 * monster);  // a hiss against a voiced roar
  EXPECT_GT(monster, kraken);       // the kraken is the deepest and darkest
  EXPECT_GT(serpent, 3 * gator);
  const std::vector<double> all = {serpent, gator, kraken, monster};
  for (size_t a = 0; a < all.size(); ++a) {
    for (size_t b = a + 1; b < all.size(); ++b)
      EXPECT_GT(std::fabs(all[a] - all[b]) / std::max(all[a], all[b]), 0.1);
  }
}

TEST(AudioCharacter, TheEngineBuzzesAtItsFiringRate) {
  const Signal gas = GasLoop();
  // 72 firings a second, alternately strong and weak: the waveform repeats every two firings.
  const size_t pair = static_cast<size_t>(std::lround(kRate / 36.0));
  EXPECT_GT(LoopCorrelation(gas, pair), 0.5);
  EXPECT_LT(LoopCorrelation(gas, pair / 4), LoopCorrelation(gas, pair));
}

TEST(AudioCharacter, TheReelTicksTwentyFourTimesASecond) {
  Signal envelope = ReelLoop();
  for (float& v : envelope) v = std::fabs(v);
  const size_t tick = static_cast<size_t>(kRate / 24);
  EXPECT_GT(LoopCorrelation(envelope, tick), 1.5 * LoopCorrelation(envelope, tick / 2));
}

TEST(AudioCharacter, StartingTheEngineEndsQuietlyForTheRunningLoopToTakeOver) {
  const Signal start = StartGasSound();
  const size_t last = static_cast<size_t>(Samples(0.1));
  const Signal tail(start.end() - static_cast<long>(last), start.end());
  EXPECT_LT(Peak(tail), 0.1 * Peak(start));
}

TEST(AudioCharacter, TheBoingIsShortAndOver) {
  const Signal boing = BoingSound();
  EXPECT_LE(boing.size(), static_cast<size_t>(Samples(0.25)));
  const Signal tail(boing.end() - Samples(0.05), boing.end());
  EXPECT_LT(Peak(tail), 0.15 * Peak(boing));
}

TEST(AudioCharacter, AmbiencesAreSteadyBeds) {
  for (const Signal& bed : {CanadaAmbience(), TropicAmbience()}) {
    ASSERT_EQ(bed.size(), static_cast<size_t>(Samples(kAmbienceSeconds)));
    // No second of the loop falls silent or stands far out of the rest.
    const double overall = Rms(bed);
    for (size_t from = 0; from + kRate <= bed.size(); from += kRate) {
      const double second =
          Rms(Signal(bed.begin() + static_cast<long>(from), bed.begin() + static_cast<long>(from + kRate)));
      EXPECT_GT(second, 0.3 * overall) << "second " << from / kRate;
      EXPECT_LT(second, 2.5 * overall) << "second " << from / kRate;
    }
  }
}

}  // namespace
