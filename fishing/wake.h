// The boat's wake: particles spawned behind the driving boat that drift apart and shrink over 32
// ticks. Particles behind the boat (above its line on screen) are drawn before the boat, the
// others after it, so the wake wraps around the hull.
#pragma once

#include "fishing/trip_context.h"

// Tick step 6 (while driving): one particle in the next slot, overwriting whatever was there.
void SpawnWake(TTripContext& ctx);
// Tick step 15: every live particle drifts; those behind the boat are drawn; all lose a tick.
void WakeFirstPass(TTripContext& ctx);
// Tick step 18: live particles in front of the boat are drawn (one exactly on the line is drawn
// in neither pass).
void WakeSecondPass(TTripContext& ctx);
