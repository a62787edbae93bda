// The strike meter: when a fish strikes, play stops and a bar bounces on the power bar picture
// until the player clicks (or presses space). Where the bar stands then decides at the rod whether
// the fish is landed. The bar keeps its position from one strike to the next.
#pragma once

#include "fishing/trip_context.h"

// A fish (slot) strikes: the frame timer stops and the strike timer runs, faster for lakes with
// bigger fish (36 - Biggest ms, at least 8).
void StartStrike(TTripContext& ctx, int slot);
// One tick of the strike timer: the hook picture and the bar on the visible surface, the bar moved
// (reversing with a "boing" at either end); a click hooks the fish and play resumes.
void StrikeMeterTick(TTripContext& ctx);
