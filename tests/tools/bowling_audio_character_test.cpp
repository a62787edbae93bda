// What the bowling sounds are like, measured rather than listened to: a crisp crash that is soon
// over, a short knock, deep ball sounds, a tune that swings at its tempo, bowlers with voices and
// crowds of their own, and alleys that each sound like their hall.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/tools/bowling_audio_measure.h"
#include "tools/assetgen/audio/finish.h"
#include "tools/assetgen/bowling_audio/alley_noise.h"
#include "tools/assetgen/bowling_audio/hall.h"
#include "tools/assetgen/bowling_audio/lane_sounds.h"
#include "tools/assetgen/bowling_audio/lounge_tune.h"
#include "tools/assetgen/bowling_audio/reactions.h"

namespace {

using namespace bowling_audio_test;
using audio::bowling::Alley;
using audio::bowling::Alleys;
using audio::bowling::Bowler;
using audio::bowling::Bowlers;

// Seconds from the first audible sample to half the peak.
double AttackSeconds(const Samples& s) {
  const double peak = Peak(s);
  size_t start = 0;
  while (start < s.size() && std::fabs(s[start]) < 0.01 * peak) ++start;
  size_t half = start;
  while (half < s.size() && std::fabs(s[half]) < 0.5 * peak) ++half;
  return static_cast<double>(half - start) / kRate;
}

double Seconds(const Samples& s) { return static_cast<double>(s.size()) / kRate; }

const Bowler& BowlerNamed(const std::string& name) {
  for (const Bowler& bowler : Bowlers()) {
    if (name == bowler.name) return bowler;
  }
  throw std::invalid_argument(name);
}

TEST(BowlingAudioCharacter, TheBigCrashIsCrispBroadAndSoonOver) {
  const Samples hit = audio::bowling::HitSound();
  EXPECT_LT(AttackSeconds(hit), 0.005);
  // The ball's blow below, the pins' clatter above.
  EXPECT_GT(BandShare(hit, 0, 500), 0.15);
  EXPECT_GT(BandShare(hit, 2000, 11025), 0.08);
  EXPECT_GT(Centroid(hit), 700);
  EXPECT_LT(EnergyTime(hit, 0.9), 0.7);
  EXPECT_LT(Seconds(hit), 2.0);
}

TEST(BowlingAudioCharacter, PinSoundsGrowFromOneKnockToAFullRack) {
  const Samples single = audio::bowling::SingleSound();
  const Samples spare = audio::bowling::SpareSound();
  const Samples hit = audio::bowling::HitSound();
  // One pin: a short, clean knock, over within a tenth of a second.
  EXPECT_LT(AttackSeconds(single), 0.005);
  EXPECT_LT(EnergyTime(single, 0.9), 0.12);
  EXPECT_LE(Seconds(single), 0.6);
  // More pins, a longer crash.
  EXPECT_LT(EnergyTime(single, 0.9), EnergyTime(spare, 0.9));
  EXPECT_LT(EnergyTime(spare, 0.9), EnergyTime(hit, 0.9));
  EXPECT_GT(Centroid(spare), Centroid(single));
}

TEST(BowlingAudioCharacter, TheBallSoundsAreDeep) {
  const Samples drop = audio::bowling::DropSound();
  EXPECT_GT(BandShare(drop, 0, 300), 0.8);
  EXPECT_LT(AttackSeconds(drop), 0.01);
  EXPECT_LT(EnergyTime(drop, 0.9), 0.4);

  const Samples roll = audio::bowling::RollLoop();
  EXPECT_GT(BandShare(roll, 0, 400), 0.8);
  EXPECT_LT(Centroid(roll), 400);
  // A steady rumble: no quarter second stands out of the rest or drops away.
  const double overall = Rms(roll);
  const size_t quarter = static_cast<size_t>(kRate / 4);
  for (size_t from = 0; from + quarter <= roll.size(); from += quarter) {
    const double part = Rms(Slice(roll, from, quarter));
    EXPECT_GT(part, 0.6 * overall) << from;
    EXPECT_LT(part, 1.6 * overall) << from;
  }
}

TEST(BowlingAudioCharacter, TheTuneKeepsItsBeat) {
  const TWave tune = audio::bowling::LoungeTune();
  EXPECT_EQ(tune.Channels(), 2);
  const Samples left = Channel(tune, 0);
  const double beat = 60.0 / audio::bowling::kTuneBpm;
  EXPECT_NEAR(Seconds(left), audio::bowling::kTuneBars * 4 * beat, 0.01);
  // Where the highs (cymbals, brushes, the vibraphone's mallet) rise, a note or a stroke begins:
  // those onsets come again a beat later, and do not at an odd fraction of a beat.
  audio::Svf highs(4000, 0.7);
  std::vector<double> level, onsets;
  const size_t hop = 64;
  double sum = 0;
  for (size_t i = 0; i < left.size(); ++i) {
    sum += std::fabs(highs.Highpass(left[i]));
    if ((i + 1) % hop == 0) {
      level.push_back(sum);
      sum = 0;
    }
  }
  for (size_t i = 0; i < level.size(); ++i)
    onsets.push_back(std::max(0.0, level[i] - level[(i + level.size() - 1) % level.size()]));
  double mean = 0;
  for (double v : onsets) mean += v;
  mean /= static_cast<double>(onsets.size());
  auto correlation = [&](double seconds) {
    const auto lag = static_cast<size_t>(std::lround(seconds * kRate / hop));
    double c = 0, e = 0;
    for (size_t i = 0; i < onsets.size(); ++i) {
      c += (onsets[i] - mean) * (onsets[(i + lag) % onsets.size()] - mean);
      e += (onsets[i] - mean) * (onsets[i] - mean);
    }
    return c / e;
  };
  for (double offGrid : {0.3, 1.3, 2.7})
    EXPECT_GT(correlation(beat), correlation(offGrid * beat) + 0.1) << offGrid;
  EXPECT_GT(correlation(2 * beat), correlation(2.3 * beat) + 0.1);
}

TEST(BowlingAudioCharacter, EachBowlerCriesOutInAVoiceOfTheirOwn) {
  std::vector<double> pitches;
  for (const char* name : {"Oskar", "Vekt", "Marla", "Tess"}) {
    const double hz = MedianPitch(audio::bowling::Exclamation(BowlerNamed(name), true), 60, 700);
    EXPECT_GT(hz, 80) << name;
    EXPECT_LT(hz, 600) << name;
    pitches.push_back(hz);
  }
  // From the deepest to the highest, a clear step between each.
  for (size_t i = 1; i < pitches.size(); ++i) EXPECT_GT(pitches[i], 1.1 * pitches[i - 1]) << i;
  // A gutter ball takes the bowler down: the cry sinks below the strike's.
  for (const Bowler& bowler : Bowlers()) {
    const double strike = MedianPitch(audio::bowling::Exclamation(bowler, true), 50, 700);
    const double gutter = MedianPitch(audio::bowling::Exclamation(bowler, false), 50, 700);
    EXPECT_LT(gutter, strike) << bowler.name;
  }
}

TEST(BowlingAudioCharacter, AStrikeIsCheeredAndAGutterBallGroanedAt) {
  std::vector<std::vector<double>> strikes, gutters;
  for (const Bowler& bowler : Bowlers()) {
    const Samples strike = audio::bowling::StrikeReaction(bowler);
    const Samples gutter = audio::bowling::GutterReaction(bowler);
    // Claps and whistles brighten the cheer; a groan has none.
    EXPECT_GT(BandShare(strike, 2000, 11025), 2 * BandShare(gutter, 2000, 11025)) << bowler.name;
    EXPECT_GT(EnergyTime(strike, 0.9), 0.8) << bowler.name << ": the crowd goes on after the cry";
    strikes.push_back(OctaveProfile(strike));
    gutters.push_back(OctaveProfile(gutter));
  }
  // No two bowlers' reactions are alike.
  for (size_t a = 0; a < strikes.size(); ++a) {
    for (size_t b = a + 1; b < strikes.size(); ++b) {
      EXPECT_GT(ProfileDistance(strikes[a], strikes[b]), 1.5)
          << Bowlers()[a].name << " " << Bowlers()[b].name;
      EXPECT_GT(ProfileDistance(gutters[a], gutters[b]), 1.5)
          << Bowlers()[a].name << " " << Bowlers()[b].name;
    }
  }
}

TEST(BowlingAudioCharacter, EachAlleySoundsLikeItsOwnHall) {
  std::vector<Samples> halls;
  for (const Alley& alley : Alleys()) {
    halls.push_back(alley.ambience());
    EXPECT_GE(Seconds(halls.back()), 10.0) << alley.name;
    EXPECT_LE(Seconds(halls.back()), 20.0) << alley.name;
  }
  for (size_t a = 0; a < halls.size(); ++a) {
    for (size_t b = a + 1; b < halls.size(); ++b) {
      EXPECT_GT(ProfileDistance(OctaveProfile(halls[a]), OctaveProfile(halls[b])), 2.0)
          << Alleys()[a].name << " " << Alleys()[b].name;
    }
  }
  // The neon hall's synth hum and the music through its wall give it by far the most low end.
  size_t neon = 0;
  while (std::string(Alleys()[neon].name) != "Neon") ++neon;
  for (size_t a = 0; a < halls.size(); ++a) {
    if (a == neon) continue;
    EXPECT_GT(BandShare(halls[neon], 20, 150), 1.5 * BandShare(halls[a], 20, 150)) << Alleys()[a].name;
  }
  // The calm evening hall plays quieter than the busy classic one.
  const auto level = [](const char* name) {
    for (const Alley& alley : Alleys()) {
      if (std::string(name) == alley.name) return alley.level;
    }
    return 0.0;
  };
  EXPECT_LT(level("Sunset"), 0.8 * level("Tradtional"));
}

// Children's smaller mouths raise their vowels' first resonance into the 600 .. 1400 Hz band.
TEST(BowlingAudioCharacter, ChildrenChatterHigherThanGrownUps) {
  audio::bowling::HallLoop children(6.0, 1), grownUps(6.0, 1);
  children.AddMurmur(6, 1.0, 0.3);
  grownUps.AddMurmur(6, 0.0, 0.3);
  const Samples young = children.Mix(), old = grownUps.Mix();
  EXPECT_GT(BandShare(young, 600, 1400), 1.3 * BandShare(old, 600, 1400));
  EXPECT_GT(Centroid(young), Centroid(old));
}

// A hall's games: every ball that rolls ends in a crash, so more games make a busier hall.
TEST(BowlingAudioCharacter, MoreGamesMakeABusierHall) {
  audio::bowling::HallLoop quiet(8.0, 2), busy(8.0, 2);
  quiet.AddGames(2, 0.5, 0.0);
  busy.AddGames(8, 0.5, 0.0);
  EXPECT_GT(Rms(busy.Mix()), 1.5 * Rms(quiet.Mix()));
}

}  // namespace
