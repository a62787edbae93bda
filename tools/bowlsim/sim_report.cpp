#include "tools/bowlsim/sim_report.h"

#include <cmath>
#include <cstdio>

void TSimReport::Add(const TGameResult& game) {
  TTotals& totals = bowlers_[game.bowler];
  ++totals.games;
  totals.score += game.score;
  totals.squares += static_cast<double>(game.score) * game.score;
  totals.strikes += game.strikes;
  totals.spares += game.spares;
  totals.firstBallPins += game.firstBallPins;
  totals.splits += game.splits;
  totals.gutterBalls += game.gutterBalls;
}

std::string TSimReport::Text() const {
  std::string text =
      "bowler            games    mean  spread  strikes  spares  first ball  splits  gutter balls/game\n";
  char line[160];
  for (const auto& [name, t] : bowlers_) {
    const double mean = t.score / t.games;
    const double spread = std::sqrt(std::max(0.0, t.squares / t.games - mean * mean));
    const int frames = 10 * t.games;
    const int open = frames - t.strikes;
    std::snprintf(line, sizeof line, "%-16s %6d  %6.1f  %6.1f  %6.1f%%  %5.1f%%  %10.2f  %5.1f%%  %17.2f\n",
                  name.c_str(), t.games, mean, spread, 100.0 * t.strikes / frames,
                  open > 0 ? 100.0 * t.spares / open : 0.0, static_cast<double>(t.firstBallPins) / frames,
                  100.0 * t.splits / frames, static_cast<double>(t.gutterBalls) / t.games);
    text += line;
  }
  return text;
}
