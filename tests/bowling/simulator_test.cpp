// The match simulator and the bowlsim tool built on it: matches played with the program's own play
// code to their end, the same seed giving the same matches and the same printout.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bowling/match_simulator.h"
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

TEST(MatchSimulator, ABowlerWithoutItsLibraryIsAnError) {
  const std::string folder = FreshFolder("ABowlerWithoutItsLibraryIsAnError");
  WriteProgramFolder(folder);
  TMatchSimulator simulator(folder);
  EXPECT_THROW(simulator.Play("Nobody", "Vekt", 1, "Tradtional"), std::exception);
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
