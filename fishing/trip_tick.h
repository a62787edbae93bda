// One tick of the frame timer during a trip: the fixed order of work that advances the trip by
// one step and draws one frame on the back surface.
//
//   1 ready to draw?      8 speed, movement, land    15 wake, first pass     22 clock
//   2 tiles               9 map objects              16 boat                 23 quit prompt and end
//   3 remember the boat  10 camera                   17 angler               24 catch limit, contest
//   4 engine sound       11 fish                     18 wake, second pass    25 all fish played
//   5 engine start       12 monsters (not ending)    19 reeling step         26 centre message
//   6 drive or coast     13 line shadow and rod      20 casting step         27 cash
//   7 cast start         14 splashes                 21 dashboard            28 pointer; 29 flip
#pragma once

#include <string>

#include "fishing/trip_context.h"

// Runs one tick. lakeName is the lake being fished (the contest result names the championship).
void TripTick(TTripContext& ctx, const std::string& lakeName);
