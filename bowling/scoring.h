// The ten-pin score sheet of one match: recording each finished ball, strikes and spares, the
// tenth frame's bonus balls (kept as frames 11 and 12), whose turn is next, the running totals, and
// the banner line over the lane (turn prompts and the result).
#pragma once

#include "bowling/bowling_state.h"

// What follows a finished ball.
enum class TAfterBall {
  SecondBall,  // the same player bowls the frame's second ball (spareup)
  NextTurn,    // turns change, then the next turn is set up
};

// Records the ball that just finished for the current player, from the pins that are not
// standing, and decides whether the player is finished.
TAfterBall RecordBall(TBowlingState& state);
// Passes the turn: after player 2 (or after player 1 when player 2 is finished) the frame advances,
// never above 13, and player 1 bowls unless finished; otherwise player 2 bowls.
void ChangeTurns(TBowlingState& state);
// Recomputes the current player's running totals from the whole sheet (from frame 2 on), and marks
// the match complete once players 1 and 2 are both finished.
void ScoreUp(TBowlingState& state);
// A player's running totals from the whole sheet while the match is in frame `frame` (left as they
// are in frame 1). A bonus ball not bowled yet counts 0.
void ComputeFrameTotals(TPlayer& player, int frame);
// The banner for this frame: the result, a human's turn prompt, or the exit question.
void BuildBanner(TBowlingState& state);
// The whole score sheet of a player cleared for a new match.
void ClearSheet(TPlayer& player);
