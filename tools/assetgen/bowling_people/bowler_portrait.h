// "pose.bmp": the bowler facing the viewer, holding the ball up, in front of an alley's hall, with
// the bowler's name along the bottom, for the page where players choose their bowler.
#pragma once

#include "media/picture.h"
#include "tools/assetgen/bowling_people/bowler_style.h"
#include "tools/assetgen/sprites/image.h"

namespace bowling_people {

constexpr int kPortraitWidth = 100, kPortraitHeight = 180;

// The portrait over a backdrop cut from `hall` (a 640 x 480 alley picture).
TPicture BowlerPortrait(const BowlerStyle& style, const sprites::Image& hall);

}  // namespace bowling_people
