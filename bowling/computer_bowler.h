// The computer bowler: walks to its spot, starts the meter silently once it stands there, and
// presses power and accuracy at moments drawn from its error level (8 Rookie, 4 Amateur, 1 Pro):
// Pros press at fixed good moments, Rookies early or late at random. The ball then follows the same
// physics as a human's.
#pragma once

#include "bowling/bowling_state.h"
#include "media/random.h"

// The spot for the first ball of a turn: releaseOffsetX + 320 - Random(2 level) + (3 level) div 2.
int32_t FirstBallTarget(const TPlayer& player, TRandom& random);
// The spot for a second ball: the release point straight below the lowest-numbered standing pin
// (the last one given, as the caller walks the pins from 10 down to 1).
int32_t SpareTarget(const TPin& pin, const TPlayer& player);

// One tick of the computer's turn, before the meter step: walk, start, and the two presses.
void ComputerStep(TMatchState& match, TPlayer& player, TRandom& random);
