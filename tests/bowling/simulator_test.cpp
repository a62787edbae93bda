// The match simulator and the bowlsim tool built on it: matches played with the program's own play
// code to their end, the same seed giving the same matches and the same printout, each game scored as
// its balls score whichever seat the bowler takes, and the splits it counts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "bowling/match_simulator.h"
#include "bowling/split_leave.h"
#include "data_fixture.h"

namespace bowling_test {
namespace {

TEST(MatchSimulator, PlaysWholeMatchesTheSameWayForTheSameSeed) {
  const std::string folder = FreshFolder("PlaysWholeMatchesTheSameWayForTheSameSeed");
  WriteProgramFolder(folder);
  const auto play = [&](uint64_t seed) {
    TMatchSimulator simulator(folder);
    simulator.Seed(seed);
    std::vector<int32_t> scores;
    for (int match = 0; match < 5; ++match) {
      const TMatchResult result = simulator.Play("Vekt", "Marla", 4, "Tradtional");
      for (const TGameResult& game : result.players) {
        EXPECT_GE(game.balls, 10);
        EXPECT_LE(game.balls, 21);
        EXPECT_GE(game.score, 0);
        EXPECT_LE(game.score, 300);
        EXPECT_LE(game.strikes + game.spares, 10);
        scores.push_back(game.score);
      }
    }
    return scores;
  };
  EXPECT_EQ(play(3), play(3));
  EXPECT_NE(play(3), play(4));
}

// The ordinary ten-pin score of a game's balls in the order bowled: a strike scores 10 and the next
// two balls, a spare 10 and the next ball; after the tenth frame only its bonus balls may follow.
int32_t TenPinScore(const std::vector<int32_t>& balls) {
  int32_t score = 0;
  size_t at = 0;
  for (int frame = 1; frame <= 10; ++frame) {
    if (balls.at(at) == 10) {
      score += 10 + balls.at(at + 1) + balls.at(at + 2);
      at += frame == 10 ? 3 : 1;
    } else if (balls.at(at) + balls.at(at + 1) == 10) {
      score += 10 + balls.at(at + 2);
      at += frame == 10 ? 3 : 2;
    } else {
      score += balls.at(at) + balls.at(at + 1);
      at += 2;
    }
  }
  EXPECT_EQ(at, balls.size()) << "balls after the game ended";
  return score;
}

TEST(MatchSimulator, EveryGameScoresWhatItsBallsScore) {
  const std::string folder = FreshFolder("EveryGameScoresWhatItsBallsScore");
  WriteProgramFolder(folder);
  TMatchSimulator simulator(folder);
  simulator.Seed(11);
  // Pros strike most tenth frames, so most games end in bonus balls.
  for (int match = 0; match < 40; ++match) {
    for (const TGameResult& game : simulator.Play("Vekt", "Marla", 1, "Tradtional").players) {
      ASSERT_EQ(static_cast<size_t>(game.balls), game.pins.size());
      EXPECT_EQ(game.score, TenPinScore(game.pins)) << game.bowler << " in match " << match;
    }
  }
}

// One figure of a bowler, one value per game, with its mean and the standard error of that mean.
struct TSample {
  std::vector<double> values;
  double Mean() const {
    double sum = 0;
    for (double v : values) sum += v;
    return sum / static_cast<double>(values.size());
  }
  double Variance() const {
    const double mean = Mean();
    double sum = 0;
    for (double v : values) sum += (v - mean) * (v - mean);
    return sum / static_cast<double>(values.size() - 1);
  }
  double Spread() const { return std::sqrt(Variance()); }
  double MeanError() const { return std::sqrt(Variance() / static_cast<double>(values.size())); }
  // A normal sample's standard deviation is known to about sd / sqrt(2 (n - 1)).
  double SpreadError() const { return Spread() / std::sqrt(2.0 * static_cast<double>(values.size() - 1)); }
};

TEST(MatchSimulator, ABowlersFiguresDoNotDependOnItsSeat) {
  const std::string folder = FreshFolder("ABowlersFiguresDoNotDependOnItsSeat");
  WriteProgramFolder(folder);
  TMatchSimulator simulator(folder);
  simulator.Seed(7);
  constexpr int kMatches = 300;
  // Per bowler and seat: score, strikes and spares of each game.
  std::map<std::pair<std::string, int>, std::array<TSample, 3>> figures;
  for (const auto& [first, second] : {std::pair{"Vekt", "Marla"}, std::pair{"Marla", "Vekt"}}) {
    for (int match = 0; match < kMatches; ++match) {
      const TMatchResult result = simulator.Play(first, second, 1, "Tradtional");
      for (int seat = 1; seat <= 2; ++seat) {
        const TGameResult& game = result.players[static_cast<size_t>(seat - 1)];
        auto& sample = figures[{game.bowler, seat}];
        sample[0].values.push_back(game.score);
        sample[1].values.push_back(game.strikes);
        sample[2].values.push_back(game.spares);
      }
    }
  }
  // Four standard errors: a seat that changes nothing passes all but once in thousands of seeds.
  const auto same = [](double a, double b, double errorA, double errorB) {
    return std::abs(a - b) <= 4 * std::hypot(errorA, errorB);
  };
  for (const char* bowler : {"Vekt", "Marla"}) {
    const auto& one = figures[{bowler, 1}];
    const auto& two = figures[{bowler, 2}];
    const char* names[] = {"score", "strikes", "spares"};
    for (int f = 0; f < 3; ++f) {
      EXPECT_TRUE(same(one[f].Mean(), two[f].Mean(), one[f].MeanError(), two[f].MeanError()))
          << bowler << "'s mean " << names[f] << ": " << one[f].Mean() << " as player 1, " << two[f].Mean()
          << " as player 2";
    }
    EXPECT_TRUE(same(one[0].Spread(), two[0].Spread(), one[0].SpreadError(), two[0].SpreadError()))
        << bowler << "'s spread: " << one[0].Spread() << " as player 1, " << two[0].Spread() << " as player 2";
  }
}

TEST(MatchSimulator, ABowlerWithoutItsLibraryIsAnError) {
  const std::string folder = FreshFolder("ABowlerWithoutItsLibraryIsAnError");
  WriteProgramFolder(folder);
  TMatchSimulator simulator(folder);
  EXPECT_THROW(simulator.Play("Nobody", "Vekt", 1, "Tradtional"), std::exception);
}

TEST(SplitLeave, APinDownBetweenStandingPinsMakesASplit) {
  using TLeave = std::vector<int>;
  const auto split = [](const TLeave& pins) {
    std::array<bool, 11> standing{};
    for (int pin : pins) standing[static_cast<size_t>(pin)] = true;
    return IsSplit(standing);
  };
  const auto text = [](const TLeave& pins) {
    std::string words;
    for (int pin : pins) {
      if (!words.empty()) words += '-';
      words += std::to_string(pin);
    }
    return words;
  };
  for (const TLeave& pins : std::vector<TLeave>{{7, 10}, {4, 6}, {2, 7}, {3, 10}, {4, 7, 10}, {7, 9}, {5, 7}, {2, 10},
                                                {4, 6, 7, 10}}) {
    EXPECT_TRUE(split(pins)) << text(pins);
  }
  for (const TLeave& pins : std::vector<TLeave>{{2, 3}, {4, 5}, {5, 6}, {8, 9}, {2, 4, 7}, {3, 5, 8}, {6, 9, 10},
                                                {1, 7, 10}, {1, 2, 10}, {7}, {}}) {
    EXPECT_FALSE(split(pins)) << text(pins);
  }
}

// bowlsim's printout and exit status for the arguments, on the generated data.
std::pair<std::string, int> Bowlsim(const std::string& arguments) {
  const std::string command = std::string(TH_BIN_DIR) + "/bowlsim " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  std::array<char, 512> buffer;
  while (pipe && fgets(buffer.data(), buffer.size(), pipe)) output += buffer.data();
  const int status = pipe ? pclose(pipe) : -1;
  return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(Bowlsim, SameSeedSameOutputAndPlainWordsForMistakes) {
  if (!std::filesystem::exists(std::string(TH_BIN_DIR) + "/bowlsim") ||
      !std::filesystem::exists(std::string(TH_BIN_DIR) + "/bowling/graphics.dxg")) {
    GTEST_SKIP() << "bowlsim or the generated data is not built";
  }
  const std::string args = "--matches 20 --level amateur --bowler Vekt --bowler Tess --alley Neon --seed 7";
  const auto [first, firstStatus] = Bowlsim(args);
  const auto [second, secondStatus] = Bowlsim(args);
  EXPECT_EQ(firstStatus, 0) << first;
  EXPECT_EQ(first, second);
  EXPECT_NE(first.find("20 matches, level amateur, alley Neon, seed 7"), std::string::npos) << first;
  EXPECT_NE(first.find("strikes  spares  first ball  splits  gutter balls/game"), std::string::npos) << first;
  EXPECT_NE(first.find("Tess "), std::string::npos);
  EXPECT_NE(first.find("Vekt "), std::string::npos);
  EXPECT_NE(Bowlsim(args + "0").first, first) << "another seed";

  const auto [unknown, unknownStatus] = Bowlsim("--bowler Nobody");
  EXPECT_EQ(unknownStatus, 1);
  EXPECT_NE(unknown.find("no bowler \"Nobody\""), std::string::npos) << unknown;
  const auto [bad, badStatus] = Bowlsim("--level expert");
  EXPECT_EQ(badStatus, 2);
  EXPECT_NE(bad.find("--level wants rookie, amateur or pro"), std::string::npos) << bad;
  EXPECT_EQ(Bowlsim("--help").second, 0);
}

}  // namespace
}  // namespace bowling_test
