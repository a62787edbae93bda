// What bowlsim prints: per bowler the games played, the mean score and its spread (standard
// deviation), the share of frames opened with a strike, the share of the other frames closed with a
// spare, the pins the first ball of a frame knocks down on average, the share of frames whose first
// ball left a split (split_leave.h), and gutter balls per game.
#pragma once

#include <map>
#include <string>

#include "bowling/match_simulator.h"

class TSimReport {
 public:
  void Add(const TGameResult& game);
  // The table, one line per bowler in name order.
  std::string Text() const;

 private:
  struct TTotals {
    int games = 0;
    double score = 0;
    double squares = 0;
    int strikes = 0;
    int spares = 0;
    int firstBallPins = 0;
    int splits = 0;
    int gutterBalls = 0;
  };
  std::map<std::string, TTotals> bowlers_;
};
