// The bowler's own ball on the lane: 48 pictures of a forward roll seen from behind, pattern p
// turned p x 22.5 degrees, so any run of consecutive patterns rolls on smoothly (the program picks
// round(roll) plus 0, 8 or 16). Glossy, marbled in the bowler's colours, with its finger holes.
// The pictures are 28 x 28 with the ball's middle at their centre.
#pragma once

#include <vector>

#include "tools/assetgen/bowling_people/bowler_style.h"
#include "tools/assetgen/sprites/image.h"

namespace bowling_people {

constexpr int kBallSize = 28;
constexpr int kBallPatterns = 48;
constexpr int kBallPatternsPerTurn = 16;

// The rolling ball, every pattern.
std::vector<sprites::Image> BallPatterns(const BowlerStyle& style);
// The contact shadow, drawn blended two pixels below the ball's rectangle.
sprites::Image BallShadow();

}  // namespace bowling_people
