// A bowler as a model of simple shapes, put together from a pose: where the hips and feet are,
// how the body leans and how the arms swing. Poses are written for a right-handed bowler (the
// ball side is +x); a left-handed bowler's model is mirrored afterwards.
//
// World space: x to the right, y back towards the viewer, z up; the bowler faces -y (up the
// lane). Units are pixels of the finished picture.
#pragma once

#include <array>

#include "tools/assetgen/bowling_people/bowler_style.h"
#include "tools/assetgen/bowling_people/view_render.h"

namespace bowling_people {

// An arm's upper and lower half, each as two angles in degrees: Swing turns the arm from hanging
// down towards the front (90 straight ahead, 180 straight up, negative behind the body), Spread
// lifts it out to the side (negative: across the body).
struct ArmPose {
  double Swing = 0, Spread = 0;
  double ForeSwing = 0, ForeSpread = 0;
};

struct FootPose {
  Vec3 Ankle;        // world position of the ankle joint
  double Toe = 0;    // degrees the toe points down (a heel lifted off the floor)
};

struct BodyPose {
  Vec3 Pelvis;            // middle of the hips
  double Lean = 0;        // torso bent forward, degrees
  double Roll = 0;        // torso tipped towards the ball side, degrees
  double Twist = 0;       // shoulders turned so the ball side comes back, degrees
  double Nod = 0;         // head bent forward, degrees
  double Turn = 0;        // head turned towards the ball side, degrees
  std::array<FootPose, 2> Feet;  // 0 the ball side, 1 the other
  std::array<ArmPose, 2> Arms;
  bool HoldsBall = false;
};

// Number of values a pose is made of (everything but HoldsBall), for blending.
constexpr int kPoseValues = 24;
// The pose's values in a fixed order, and back.
std::array<double, kPoseValues> PoseValues(const BodyPose& pose);
BodyPose PoseFromValues(const std::array<double, kPoseValues>& values, bool holdsBall);

struct FigureModel {
  Model Shape;
  Vec3 BallCentre;  // where the ball is (valid when the pose holds it)
};

// The bowler in the pose, mirrored for a left-hander; `face` adds the eyes, nose and mouth that
// the views from behind never show.
FigureModel BuildFigure(const BowlerStyle& style, const BodyPose& pose, bool face = false);
// The bowling ball's radius in the figure (the lane ball is drawn 28 pixels across).
constexpr double kBallRadius = 12.5;

}  // namespace bowling_people
