// The score card's colours, shared by the frame boxes and the digits written on them (the digits'
// soft edges are mixed with the paper, so both must agree).
#pragma once

#include "tools/assetgen/sprites/image.h"

namespace bowling_art {

inline constexpr uint32_t kScorePaper = sprites::Rgb(250, 244, 226);
inline constexpr uint32_t kScoreInk = sprites::Rgb(26, 28, 64);
inline constexpr uint32_t kScoreRule = sprites::Rgb(150, 28, 22);
inline constexpr uint32_t kScoreMark = sprites::Rgb(196, 26, 20);

}  // namespace bowling_art
