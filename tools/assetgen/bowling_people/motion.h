// The bowler's movements as poses per picture. The approach is one smooth delivery over 64
// pictures: the stance (0), the push-away and four steps with the ball swinging back and through,
// the ball at the release point for the last time in 62, and the held follow-through in 63, from
// which both reactions start: the strike (jump and fist pump) and the gutter ball (slump, hands
// on the head). The figure walks up the lane so that, seen from the view's elevation, it climbs
// about one pixel per picture.
#pragma once

#include "tools/assetgen/bowling_people/figure.h"

namespace bowling_people {

constexpr int kApproachPatterns = 64;
constexpr int kLastHeldPattern = 62;  // the ball is at the release point
constexpr int kReactionPatterns = 24;
// The elevation the bowlers are seen from: steeper than the far pins, as the camera looks down
// on the approach close by.
constexpr double kFigureElevation = 25;

enum class Reaction { Strike, Gutter };

// Pose of approach picture n (0..63).
BodyPose ApproachPose(int n);
// Pose of reaction picture n (0..kReactionPatterns - 1).
BodyPose ReactionPose(Reaction reaction, int n);
// Standing tall with the ball held up in both hands, for the portrait.
BodyPose PortraitPose();

}  // namespace bowling_people
