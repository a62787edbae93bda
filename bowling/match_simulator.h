// Computer-against-computer matches played with the program's own play code, without a window,
// sound or LED shows: for people who make bowlers and alleys (bowlsim) and for measuring play.
// A match runs tick by tick from "Play" to the result; each bowler's library is read once and kept.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One player's game.
struct TGameResult {
  std::string bowler;
  int32_t score = 0;           // the final total of the score sheet
  int strikes = 0;             // frames 1..10 opened with a strike
  int spares = 0;              // frames 1..10 closed with a spare
  int firstBallPins = 0;       // pins knocked down by the first balls of frames 1..10
  int splits = 0;              // frames 1..10 whose first ball left a split (split_leave.h)
  int gutterBalls = 0;         // balls that dropped into a gutter
  int balls = 0;               // balls bowled
  std::vector<int32_t> pins;   // pins knocked down by each ball, in the order bowled, from the sheet
};

struct TMatchResult {
  std::array<TGameResult, 2> players;
  int64_t ticks = 0;
};

class TMatchSimulator {
 public:
  // Plays on the data of programFolder (its bowlers' "info" pictures give the release offsets).
  explicit TMatchSimulator(const std::string& programFolder);
  ~TMatchSimulator();
  TMatchSimulator(const TMatchSimulator&) = delete;
  TMatchSimulator& operator=(const TMatchSimulator&) = delete;

  // Seeds the random source every throw draws from.
  void Seed(uint64_t seed);
  // A whole match between two computer bowlers of the given level (8 Rookie, 4 Amateur, 1 Pro) on
  // the alley. Raises Exception when a bowler's library cannot be read, or when a match would not
  // end (it never should).
  TMatchResult Play(const std::string& firstBowler, const std::string& secondBowler, int level,
                    const std::string& alleyName);

 private:
  struct TRig;
  std::unique_ptr<TRig> rig_;
};
