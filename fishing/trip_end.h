// The end of a trip: the quit prompt, the end countdown and the return to the menu, the catch
// limit with the contest result and its prize, and the end when every fish has been played.
// Playing -> (quit confirmed, time out, limit reached, all fish played) ending -> (countdown run
// out, no cast or retrieve in progress) menu. Monsters stop and no strike comes while ending.
#pragma once

#include <string>

#include "fishing/trip_context.h"

// Tick step 23: the quit prompt, and while ending "GAME OVER" and the countdown. Returns true when
// the trip has just returned to the menu (the rest of the tick is not run).
bool QuitPromptAndEnd(TTripContext& ctx);
// Tick step 24: with the catch limit reached, the trip ends with the contest result; a win pays
// the prize in the tick the limit is reached (unless another cause started the end first) and
// opens further lakes; winning "World_Championship" opens them all.
void CatchLimit(TTripContext& ctx, const std::string& lakeName);
// Tick step 25: every fish of the lake has struck, so the trip ends.
void AllFishPlayed(TTripContext& ctx);

// Stops the trip and shows the menu again: background sound off, device finalised and hidden,
// menu and lake list back, device initialised again (which resets the trip counters).
void ReturnToMenu(TTripContext& ctx);
