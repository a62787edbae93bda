// Casting and reeling: the cast from the stopped boat to a point on the water, the line flying out
// point by point, the retrieve, the strike of a fish near the lure, and landing or losing it at the
// rod. The line's points run from the rod tip (index 0); Z is the height above the water.
#pragma once

#include "fishing/trip_context.h"

// Tick step 7: a pending right click on water starts a cast towards the pointer once the boat is
// at rest, no line is out, the target is more than 115 away and the trip is not ending.
void CastStart(TTripContext& ctx);
// Tick step 13: the line's shadow on the water and the rod, under the boat and the angler.
void LineUnderlay(TTripContext& ctx);
// Tick step 14: the splash rings, growing from nothing as they fade.
void DrawSplashes(TTripContext& ctx);
// Tick step 19: the line to the lure, the lure coming back, its splashes, the strike check and,
// at the rod, the catch or the loss.
void ReelStep(TTripContext& ctx);
// Tick step 20: the line in the air and the bobber, then one more point towards the target, the
// line sagging; when it reaches the target the retrieve begins.
void CastStep(TTripContext& ctx);

// The inches and pounds of a landed fish and the kind named in its message.
struct TCatch {
  int32_t length;
  int32_t weight;
  const char* kind;
};
// Draws a caught fish: length 3 .. Biggest - 1 inches, weight length div (2..4) + 1 pounds.
TCatch DrawCatch(TRandom& random, int32_t biggest);
