// The lake's tiles on screen: the cells in view (plus one cell left and up and two columns right)
// drawn from the lake's tile library, tall pictures rising above their diamond. Animated tiles
// show each pattern for 8 ticks (the last for 9); cells off screen do not animate.
#pragma once

#include "fishing/trip_context.h"

// Tick step 2: draws the visible cells with the view of the previous tick and advances their
// animation counters. The surface is not cleared: where no tile covers it, the last frame stays.
void DrawTiles(TTripContext& ctx);
