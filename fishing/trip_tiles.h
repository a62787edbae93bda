// The lake's tiles on screen: the cells in view (plus one cell left and up and two columns right)
// drawn from the lake's tile library, tall pictures rising above their diamond. Animated tiles
// show each pattern for 8 ticks (the last for 9); cells off screen do not animate.
#pragma once

#include "fishing/tile_layer.h"
#include "fishing/trip_context.h"

class TDirectDrawSurface;

// The cells in view and the rows the dashboard leaves to them.
TTileView TilesInView(const TTripContext& ctx);
// Draws the cells of view on surface one by one, each over the ones before, leaving their
// animation counters alone.
void DrawCellsOneByOne(TTripContext& ctx, const TTileView& view, TDirectDrawSurface& surface);

// Tick step 2: draws the visible cells with the view of the previous tick and advances their
// animation counters. The surface is not cleared: where no tile covers it, the last frame stays.
// The trip's tile layer (tile_layer.h) draws them where it can; elsewhere they are drawn one by one.
void DrawTiles(TTripContext& ctx);
