// The form's input handlers during play. They only record flags and positions; the next tick
// acts on them. Keys arrive as virtual-key codes whatever control has the focus.
#pragma once

#include "fishing/trip_context.h"
#include "forms/virtual_keys.h"

// Pointer moved over the drawing device (screen coordinates).
void PlayMouseMove(TTripContext& ctx, int x, int y);
// Left: drive (not from the lower part of the dashboard); right: reverse while driving, else ask
// for a cast when the pointer is on water; any button answers the strike meter.
void PlayMouseDown(TTripContext& ctx, TMouseButton button, int x, int y);
void PlayMouseUp(TTripContext& ctx, TMouseButton button);
// Escape asks to quit (again: no), Enter confirms, arrows and space drive, Backspace or Down
// reverse, space answers the strike meter.
void PlayKeyDown(TTripContext& ctx, int key);
void PlayKeyUp(TTripContext& ctx, int key);
