// Figures the LED shows are made of, drawn in lamps: pins (standing or tumbling), the ball with
// its finger holes turning as it rolls, firework bursts, faces and a trophy.
#pragma once

#include "tools/assetgen/bowling_art/led_frame.h"

namespace bowling_art {

constexpr int kLedPinHeight = 13;

// A pin seen from the side with its base centre at (x, y), turned by `angle` radians about its
// middle (positive turns the head to the right).
void DrawLedPin(LedFrame& frame, double x, double y, double angle = 0);
// A ball of radius r centred at (cx, cy); its three finger holes sit at `turn` radians.
void DrawLedBall(LedFrame& frame, double cx, double cy, double r, double turn);
// A firework burst at (cx, cy): a ring of sparks at `radius` with short trails and an inner
// ring; `fade` (0..1) drops sparks as the burst dies.
void DrawLedBurst(LedFrame& frame, double cx, double cy, double radius, double fade, int seed);
// A round face of radius r: smiling, or frowning with a tear below one eye when `sad`.
void DrawLedFace(LedFrame& frame, double cx, double cy, double r, bool sad, bool blink);
// A trophy cup about 20 lamps wide and 26 high with its top-left at (x, y).
void DrawLedTrophy(LedFrame& frame, int x, int y);

}  // namespace bowling_art
