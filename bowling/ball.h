// The ball's flight down the lane: its roll, hook and speed, the gutters, the bumpers and the
// channel walls. The lane's edges are drawn in perspective: 212..423 wide at y 407 and 253..382 at
// y 96; bumpers move them 15 pixels inwards.
#pragma once

#include <cstdint>

#include "bowling/bowling_state.h"

// (y1 - y2)(x3 - x2) + (x2 - x1)(y3 - y2): negative when (x3, y3) lies left of the directed line
// from (x1, y1) to (x2, y2) as the lane's left edge is drawn, positive right of the right edge's.
int32_t LineSide(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);

// One tick of the rolling ball. Returns true when the ball dropped into a gutter this tick (on a
// lane without bumpers), which sounds "drop".
bool BallStep(TMatchState& match, bool bumperAlley);
