// The ten pins: racked, reset, sliding with friction between the deck's walls, thrown back from
// the pit, knocked down by the ball and by each other, judged still, and swept before a second ball.
// A pin is either standing or knocked; any touch knocks it. Every random draw comes from the
// program's generator, in a fixed order, so a seeded throw replays exactly.
#pragma once

#include "bowling/bowling_state.h"
#include "media/random.h"

// The rack: pin 1 at (320, 152), each further row 14 to the side and 5 up.
void RackPins(TMatchState& match);
// Every pin standing at its rack place, not moving, swept or in the pit (velocities kept).
void ResetPins(TMatchState& match);
// One tick of motion for every moving pin that is not swept, pins 10 down to 1.
void MovePins(TMatchState& match);
// The ball knocks every standing pin within reach of its test point (30 below the ball). Returns
// the number of the first pin it touched in this throw when this tick made the first contact, else 0.
int BallHitsPins(TMatchState& match, TRandom& random);
// Knocked pins knock down the pins they come near.
void PinsHitPins(TMatchState& match, TRandom& random);
// True when no pin of the ten has any velocity (standing and swept ones included).
bool PinsAreStill(const TMatchState& match);
// Pins that are not standing are taken off the lane before a second ball.
void SweepPins(TMatchState& match);
// Pins not standing (swept ones included).
int PinsDown(const TMatchState& match);
