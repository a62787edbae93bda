// The power and accuracy meter that turns two timed presses into a throw. The meter counts ticks:
// 0..62 wait for the power press (none by 63 gives a fixed, weak power), the press jumps it to 64,
// 64..127 wait for the accuracy press, and 127 releases the ball. Accuracy 96 sends the ball
// straight back towards the lane's centre line; earlier presses drift it right, later ones hook it
// left, twice as hard beyond 112.
#pragma once

#include "bowling/bowling_state.h"

// The power press at the current meter value: the ball's speed (at least 2.0), meter := 64.
void PowerPress(TMatchState& match);
// The accuracy press at the current meter value: the ball's sideways speed and hook.
void AccuracyPress(TMatchState& match, const TPlayer& player);

// What a human press did.
enum class TPressEffect { None, StartedMeter, Power, Accuracy };
// Space or the left button: while charging, the accuracy press (after power, past meter 74) or the
// power press; while aiming, the start of the meter. Each effect sounds "single".
TPressEffect HumanPress(TMatchState& match, const TPlayer& player);
// Starts the meter from aiming (a human's start; the computer starts silently the same way).
void StartMeter(TMatchState& match);

// One tick of the running meter. Returns true when it released the ball this tick ("drop" and
// "roll" sound then).
bool MeterStep(TMatchState& match, const TPlayer& player);
