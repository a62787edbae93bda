// The score sheet: the rules' own cases, and thousands of random legal games fed ball by ball
// through the play loop's ball-finished step, checked against a scorer written from the ordinary
// rules of ten-pin bowling.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "bowling/score_sheet.h"
#include "bowling/scoring.h"
#include "media/random.h"
#include "play_rig.h"

namespace bowling_test {
namespace {

// Running scores after each of the ten frames of one player's balls, by the ordinary rules; -1
// where a frame's score still waits for balls not bowled.
std::array<int, 11> ReferenceScores(const std::vector<int>& balls) {
  std::array<int, 11> scores;
  scores.fill(-1);
  const auto ball = [&](size_t i) { return i < balls.size() ? balls[i] : -1; };
  int total = 0;
  size_t i = 0;
  for (int frame = 1; frame <= 10 && i < balls.size(); ++frame) {
    int frameScore = -1;
    if (ball(i) == 10) {
      if (ball(i + 1) >= 0 && ball(i + 2) >= 0) frameScore = 10 + ball(i + 1) + ball(i + 2);
      i += 1;
    } else if (ball(i + 1) >= 0 && ball(i) + ball(i + 1) == 10) {
      if (ball(i + 2) >= 0) frameScore = 10 + ball(i + 2);
      i += 2;
    } else if (ball(i + 1) >= 0) {
      frameScore = ball(i) + ball(i + 1);
      i += 2;
    } else {
      break;
    }
    if (frameScore < 0) break;
    total += frameScore;
    scores[frame] = total;
  }
  return scores;
}

// One player's legal game, ball by ball.
std::vector<int> RandomGame(TRandom& random) {
  std::vector<int> balls;
  // Strikes and spares often enough that the bonus rules are exercised in most games.
  const auto roll = [&](int standing) {
    const int r = random.Random(4);
    if (r == 0) return standing;
    return random.Random(standing + 1);
  };
  for (int frame = 1; frame <= 9; ++frame) {
    const int first = roll(10);
    balls.push_back(first);
    if (first < 10) balls.push_back(roll(10 - first));
  }
  const int first = roll(10);
  balls.push_back(first);
  if (first == 10) {
    const int second = roll(10);
    balls.push_back(second);
    balls.push_back(second == 10 ? roll(10) : roll(10 - second));
  } else {
    const int second = roll(10 - first);
    balls.push_back(second);
    if (first + second == 10) balls.push_back(roll(10));
  }
  return balls;
}

// Bowls one ball that knocks down `pins` of the standing pins and lets the ball finish.
void Bowl(TPlayRig& rig, int pins) {
  TMatchState& match = rig.state.match;
  for (int n = 1; n <= 10 && pins > 0; ++n) {
    if (!match.pins[n].standing) continue;
    match.pins[n].standing = false;
    --pins;
  }
  ASSERT_EQ(pins, 0) << "more pins than stand";
  match.aiming = match.charging = false;
  match.rolling = true;
  match.ballX = 320;
  match.ballY = -1000;
  rig.play.Step(1, false);
}

// Every total the sheet would show agrees with the reference.
void ExpectShownTotals(TPlayRig& rig, int player, const std::vector<int>& bowled) {
  // The totals as the sheet draws them.
  TPlayer p = rig.state.match.players[player];
  ComputeFrameTotals(p, rig.state.match.frame);
  const std::array<int, 11> reference = ReferenceScores(bowled);
  const int current = rig.state.match.frame;
  for (int k = 1; k <= std::min(current, 10); ++k) {
    if (!p.frameStarted[k]) continue;
    const bool shown = k < 10 ? FrameTotalShown(p, k, current) : p.finished;
    if (!shown) continue;
    ASSERT_GE(reference[k], 0) << "frame " << k << " total shown before its balls are known";
    ASSERT_EQ(p.frameTotal[k], reference[k]) << "player " << player << " frame " << k;
  }
}

TEST(Scoring, RandomGamesAgreeWithTheOrdinaryRules) {
  TRandom games(2024);
  for (int game = 0; game < 3000; ++game) {
    const int players = 1 + game % 2;
    TPlayRig rig;
    rig.StartMatch(players);
    std::array<std::vector<int>, 3> planned{{{}, RandomGame(games), RandomGame(games)}};
    std::array<std::vector<int>, 3> bowled;
    std::array<size_t, 3> next{0, 0, 0};
    int guard = 0;
    while (!rig.state.match.matchComplete) {
      ASSERT_LT(++guard, 100) << "game " << game << " does not end";
      const int player = rig.state.front.currentPlayer;
      ASSERT_LT(next[player], planned[player].size()) << "game " << game << ": player " << player << " bowls too often";
      const int pins = planned[player][next[player]++];
      bowled[player].push_back(pins);
      Bowl(rig, pins);
      for (int p = 1; p <= players; ++p) ExpectShownTotals(rig, p, bowled[p]);
    }
    for (int p = 1; p <= players; ++p) {
      EXPECT_EQ(next[p], planned[p].size()) << "game " << game << ": player " << p << " stopped early";
      rig.state.front.currentPlayer = static_cast<uint8_t>(p);
      ScoreUp(rig.state);
      EXPECT_EQ(rig.state.match.players[p].frameTotal[10], ReferenceScores(planned[p])[10]) << "game " << game;
    }
  }
}

// A one-player match bowled from a list of balls; the rig afterwards.
void PlayOut(TPlayRig& rig, const std::vector<int>& balls) {
  rig.StartMatch(1);
  for (int pins : balls) {
    ASSERT_FALSE(rig.state.match.matchComplete);
    Bowl(rig, pins);
  }
}

TEST(Scoring, TwelveStrikesMakeThreeHundredAndEndAfterFrameTwelvesFirstBall) {
  TPlayRig rig;
  PlayOut(rig, std::vector<int>(12, 10));
  const TPlayer& p = rig.state.match.players[1];
  EXPECT_TRUE(rig.state.match.matchComplete);
  EXPECT_TRUE(p.finished);
  EXPECT_EQ(p.frameTotal[10], 300);
  EXPECT_TRUE(p.strike[12]);
  EXPECT_FALSE(p.secondThrown[12]);
  EXPECT_EQ(FrameBoxPattern(p, 10), 8);
}

TEST(Scoring, TenthFrameBonusBalls) {
  {
    // Strike, strike, then a non-strike in frame 12: finished at once.
    TPlayRig rig;
    std::vector<int> balls(9, 10);
    balls.insert(balls.end(), {10, 10, 7});
    PlayOut(rig, balls);
    EXPECT_TRUE(rig.state.match.players[1].finished);
    EXPECT_EQ(FrameBoxPattern(rig.state.match.players[1], 10), 7);
  }
  {
    // A tenth-frame spare earns one ball, and a strike on it earns no other.
    TPlayRig rig;
    std::vector<int> balls(18, 0);
    balls.insert(balls.end(), {4, 6, 10});
    PlayOut(rig, balls);
    const TPlayer& p = rig.state.match.players[1];
    EXPECT_TRUE(p.finished);
    EXPECT_EQ(p.frameTotal[10], 20);
    EXPECT_EQ(FrameBoxPattern(p, 10), 5);
  }
  {
    // A strike then a non-strike earns a second ball in frame 11, finished whether or not it spares.
    for (int last : {1, 2}) {
      TPlayRig rig;
      std::vector<int> balls(18, 0);
      balls.insert(balls.end(), {10, 8, last});
      PlayOut(rig, balls);
      const TPlayer& p = rig.state.match.players[1];
      EXPECT_TRUE(p.finished);
      EXPECT_EQ(p.frameTotal[10], 18 + last);
      EXPECT_EQ(FrameBoxPattern(p, 10), last == 2 ? 9 : 6);
    }
  }
  {
    // An open tenth frame ends the game with no bonus.
    TPlayRig rig;
    std::vector<int> balls(18, 1);
    balls.insert(balls.end(), {3, 4});
    PlayOut(rig, balls);
    EXPECT_TRUE(rig.state.match.matchComplete);
    EXPECT_EQ(rig.state.match.players[1].frameTotal[10], 25);
    EXPECT_EQ(FrameBoxPattern(rig.state.match.players[1], 10), 3);
  }
}

TEST(Scoring, TotalsWaitForTheBallsTheyNeed) {
  TPlayRig rig;
  rig.StartMatch(1);
  Bowl(rig, 3);
  Bowl(rig, 4);
  // Frame 1 is complete, but its total shows only once frame 2 has begun.
  EXPECT_EQ(rig.state.match.frame, 2);
  EXPECT_EQ(rig.state.match.players[1].frameTotal[1], 7);
  for (int frame = 2; frame <= 8; ++frame) {
    Bowl(rig, 0);
    Bowl(rig, 0);
  }
  Bowl(rig, 10);  // strike in frame 9
  Bowl(rig, 10);  // strike in frame 10
  const TPlayer& p = rig.state.match.players[1];
  EXPECT_EQ(rig.state.match.frame, 11);
  EXPECT_FALSE(FrameTotalShown(p, 9, 11)) << "the ninth frame waits for frame 11's ball";
  Bowl(rig, 5);
  Bowl(rig, 2);
  EXPECT_EQ(rig.state.match.frame, 12);
  EXPECT_TRUE(FrameTotalShown(p, 9, 12));
  EXPECT_EQ(p.frameTotal[9], 7 + 25);
}

TEST(Scoring, TwoPlayersAlternateAndTheFrameAdvancesAfterPlayerTwo) {
  TPlayRig rig;
  rig.StartMatch(2);
  Bowl(rig, 10);
  EXPECT_EQ(rig.state.front.currentPlayer, 2);
  EXPECT_EQ(rig.state.match.frame, 1);
  Bowl(rig, 4);
  EXPECT_EQ(rig.state.front.currentPlayer, 2) << "the second ball of the frame";
  Bowl(rig, 5);
  EXPECT_EQ(rig.state.front.currentPlayer, 1);
  EXPECT_EQ(rig.state.match.frame, 2);
}

TEST(Scoring, Banners) {
  TBowlingState state;
  state.front.playerCount = 2;
  state.front.currentPlayer = 1;
  TMatchState& match = state.match;
  match.frame = 1;
  match.aiming = true;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "PLAYER 1 UP");
  EXPECT_EQ(match.banner.size(), 11u);
  match.shot = 1;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "PLAYER 1 2ND SHOT");
  match.shot = 0;
  match.frame = 10;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "PLAYER 1 10TH FRAME");
  match.frame = 11;
  match.shot = 1;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "PLAYER 1 EXTRA BALL");
  match.players[1].computer = true;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "") << "a computer's turn has no prompt";

  match.matchComplete = true;
  match.players[1].frameTotal[10] = 120;
  match.players[2].frameTotal[10] = 120;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "MATCH TIED");
  match.players[2].frameTotal[10] = 121;
  match.players[2].computer = true;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "COMPUTER PLAYER 2 WINS");
  match.players[2].computer = false;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "PLAYER 2 WINS");
  state.front.playerCount = 1;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "GAME OVER");
  match.exitPending = true;
  BuildBanner(state);
  EXPECT_EQ(match.banner, "PRESS ENTER CONFIRM EXIT");
}

TEST(Scoring, FrameBoxesMarkOnlyWhatNumbersDoNotShow) {
  TPlayer p;
  p.spare[3] = true;
  p.strike[4] = true;
  EXPECT_EQ(FrameBoxPattern(p, 2), 0);
  EXPECT_EQ(FrameBoxPattern(p, 3), 1);
  EXPECT_EQ(FrameBoxPattern(p, 4), 2);
  p.spare[10] = true;
  EXPECT_EQ(FrameBoxPattern(p, 10), 4);
  p.strike[11] = true;
  EXPECT_EQ(FrameBoxPattern(p, 10), 5);
}

}  // namespace
}  // namespace bowling_test
