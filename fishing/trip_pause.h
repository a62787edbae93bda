// The modal pauses inside a tick: a picture shown on the visible surface until the player presses
// a key or a mouse button. Window messages keep flowing, so the input handlers run meanwhile.
#pragma once

#include <string>

#include "fishing/trip_context.h"

class TPictureCollectionItem;

// Draws pattern 0 of the picture on Primary, centred across the screen and over the play area
// above the dashboard.
void DrawPausePicture(TTripContext& ctx, TPictureCollectionItem& picture);

// Processes messages 256 times (so a click still held from play does not end the wait), clears
// inputSeen, then processes messages until a key or button sets it again. Ends early when the
// program is closing.
void WaitForInput(TTripContext& ctx);

// DrawPausePicture of the named object picture, then WaitForInput.
void PauseOnPicture(TTripContext& ctx, const std::string& name);
