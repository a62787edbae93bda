// Fish and monsters: their placement when a trip starts and their movement and drawing each tick.
// Only slots 0..lastFish and 0..lastMonster take part. The fish picture "fish" and the monster
// picture (named by monsterKind) have 16 directions of pattern, a monster's in pairs (even = calm,
// odd = attacking).
#pragma once

#include "fishing/trip_context.h"

// Places every fish at random on a placement tile (below 4), then the "singlefish" objects' fish,
// circling at their object. Needs the map loaded.
void PlaceFish(TTripContext& ctx);
// Places every monster at random on a placement tile more than 100 pixels from the boat, then the
// "monster" objects' monsters. Needs the map loaded and the boat at its start.
void PlaceMonsters(TTripContext& ctx);

// Tick step 11: draws each fish where it is, then moves it.
void FishTick(TTripContext& ctx);
// Tick step 12 (not while the trip is ending): each monster measures its distance to the boat,
// eats the catch when it is within 50, is drawn, and moves (towards the boat when within 300).
void MonstersTick(TTripContext& ctx);
