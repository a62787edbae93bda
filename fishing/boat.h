// The boat and the view: engine sound, driving and steering, speed limits, movement with the land
// check, the camera, and the boat, angler and pointer sprites. The boat level B (the boat gear bar,
// 1 to 3) sets the turn rate (B steps a tick), the acceleration (0.2 x (B + 1) a tick) and the top
// speed (B + 4 pixels a tick).
#pragma once

#include "fishing/lake_map.h"
#include "fishing/trip_context.h"

// Tick step 4: the looping "gas" sound stops at rest, is quiet in reverse, and otherwise grows
// from silent at rest to full volume at top speed.
void EngineSound(TTripContext& ctx);
// Tick step 5: with the throttle held from a standstill (speed exactly 0) and no line out, the
// engine starts.
void EngineStart(TTripContext& ctx);
// Tick step 6: with the throttle held and no line out, steer (mouse or keys), speed up and leave
// wake; otherwise coast down by 0.25.
void DriveOrCoast(TTripContext& ctx);
// Tick step 8: clamps the speed, moves the boat forward or back, and puts it back where it was
// (rememberedX, rememberedY) when the new position is not on water. Returns the cell of the
// attempted position, which the map objects are compared with.
TCell MoveBoat(TTripContext& ctx, float rememberedX, float rememberedY);
// Tick step 10: centres the view on the boat above the dashboard, kept 64 pixels inside the map.
void Camera(TTripContext& ctx);
// Tick step 16: the boat, with its engine picture while the throttle is held.
void DrawBoat(TTripContext& ctx);
// Tick step 17: the angler standing on the boat, facing the way of driving, the lure or the
// pointer.
void DrawAngler(TTripContext& ctx);
// Tick step 28: the pointer while no line is out: engine, fishing spot or no-fishing shape.
void DrawPointer(TTripContext& ctx);
