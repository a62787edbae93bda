#include "tools/assetgen/bowling_people/motion.h"

#include <algorithm>
#include <vector>

namespace bowling_people {

namespace {

// A pose at a picture number; the pictures between keys are blended smoothly.
struct Key {
  double At;
  BodyPose Pose;
};

// A pose from the hips' middle; the torso's lean, roll and twist; the head's nod and turn; the
// ball side's foot and the other; the ball arm and the other (upper arm swing and spread, then
// the forearm's); and whether the ball is in the hand.
BodyPose MakePose(Vec3 pelvis, double lean, double roll, double twist, double nod, double turn,
                  FootPose ballFoot, FootPose otherFoot, ArmPose ballArm, ArmPose otherArm, bool ball) {
  BodyPose p;
  p.Pelvis = pelvis;
  p.Lean = lean;
  p.Roll = roll;
  p.Twist = twist;
  p.Nod = nod;
  p.Turn = turn;
  p.Feet = {ballFoot, otherFoot};
  p.Arms = {ballArm, otherArm};
  p.HoldsBall = ball;
  return p;
}

// Catmull-Rom through the keys' values, so the motion has no corners; the ball is held as the
// key at or before t says.
BodyPose Interpolate(const std::vector<Key>& keys, double t) {
  size_t i = 0;
  while (i + 2 < keys.size() && keys[i + 1].At <= t) ++i;
  const Key& k1 = keys[i];
  const Key& k2 = keys[std::min(i + 1, keys.size() - 1)];
  // The release is a break in the motion: the swing before it does not bend towards the
  // follow-through after it.
  const Key& before = keys[i == 0 ? 0 : i - 1];
  const Key& after = keys[std::min(i + 2, keys.size() - 1)];
  const Key& k0 = before.Pose.HoldsBall == k1.Pose.HoldsBall ? before : k1;
  const Key& k3 = after.Pose.HoldsBall == k2.Pose.HoldsBall ? after : k2;
  if (t <= k1.At) return k1.Pose;
  if (t >= k2.At) return k2.Pose;
  const double u = (t - k1.At) / (k2.At - k1.At);
  const auto p0 = PoseValues(k0.Pose), p1 = PoseValues(k1.Pose);
  const auto p2 = PoseValues(k2.Pose), p3 = PoseValues(k3.Pose);
  // Tangents scaled to the uneven spacing of the keys.
  const double d1 = k2.At - k1.At;
  const double s1 = d1 / std::max(1e-9, k2.At - k0.At), s2 = d1 / std::max(1e-9, k3.At - k1.At);
  std::array<double, kPoseValues> v{};
  for (int j = 0; j < kPoseValues; ++j) {
    const double m1 = (p2[j] - p0[j]) * s1, m2 = (p3[j] - p1[j]) * s2;
    const double u2 = u * u, u3 = u2 * u;
    v[j] = (2 * u3 - 3 * u2 + 1) * p1[j] + (u3 - 2 * u2 + u) * m1 + (-2 * u3 + 3 * u2) * p2[j] + (u3 - u2) * m2;
  }
  return PoseFromValues(v, k1.Pose.HoldsBall);
}

// A foot's ankle, by default flat on the floor (the ankle 5 above it).
FootPose Foot(double x, double y, double z = 5, double toe = 0) { return {{x, y, z}, toe}; }

// The delivery of a right-handed bowler, walking from y 0 towards -150.
const std::vector<Key>& ApproachKeys() {
  static const std::vector<Key> keys = {
      {0, MakePose({0, 0, 81}, 12, 0, 0, 6, 0,
                      Foot(8, 3), Foot(-8, -3), {10, 10, 60, -16}, {10, -6, 60, -34}, true)},
      {3, MakePose({0, -6, 80}, 13, 0, 0, 5, 0,
                      Foot(8, 1, 7, 10), Foot(-8, -3), {18, 8, 58, -12}, {18, -6, 58, -28}, true)},
      {8, MakePose({0, -17, 79}, 14, 0, 0, 4, 0,
                      Foot(8, -14, 11, 5), Foot(-8, -3, 5, 12), {32, 5, 48, -6}, {30, -5, 48, -18}, true)},
      {13, MakePose({0, -29, 77}, 14, 0, 0, 3, 0,
                      Foot(8, -31), Foot(-8, -5, 6, 25), {38, 3, 38, 0}, {30, 6, 32, 10}, true)},
      {17, MakePose({0, -39, 79}, 15, 1, 2, 2, 0,
                      Foot(8, -31), Foot(-8, -30, 11, 10), {18, 1, 18, 1}, {18, 22, 20, 28}, true)},
      {20, MakePose({0, -46, 79}, 15, 2, 4, 2, 0,
                      Foot(8, -31, 5, 12), Foot(-8, -45, 10, 0), {2, 0, 2, 0}, {12, 32, 14, 38}, true)},
      {26, MakePose({0, -62, 76}, 16, 3, 8, 1, 0,
                      Foot(8, -34, 7, 30), Foot(-8, -67), {-28, 0, -28, 0}, {6, 45, 8, 50}, true)},
      {30, MakePose({0, -72, 77}, 17, 3, 11, 0, 0,
                      Foot(8, -56, 12, 12), Foot(-8, -67), {-52, 1, -52, 1}, {2, 52, 4, 58}, true)},
      {34, MakePose({0, -82, 77}, 18, 4, 14, 0, 0,
                      Foot(8, -78, 11, 0), Foot(-8, -67, 5, 10), {-92, 2, -92, 2}, {2, 56, 6, 62}, true)},
      {40, MakePose({-1, -98, 73}, 20, 5, 16, -2, 0,
                      Foot(8, -104), Foot(-8, -71, 7, 30), {-118, 4, -116, 4}, {6, 60, 10, 66}, true)},
      {44, MakePose({-2, -108, 70}, 24, 6, 13, -6, 0,
                      Foot(8, -104), Foot(-7, -96, 10, 10), {-106, 2, -104, 2}, {10, 63, 14, 68}, true)},
      {49, MakePose({-3, -122, 61}, 30, 7, 8, -12, 0,
                      Foot(7, -106, 7, 25), Foot(-5, -128), {-72, 0, -70, 0}, {15, 66, 20, 71}, true)},
      {53, MakePose({-3, -132, 57}, 34, 8, 4, -16, 0,
                      Foot(-2, -104, 8, 40), Foot(-4, -139), {-36, -2, -36, -2}, {18, 69, 23, 74}, true)},
      {57, MakePose({-4, -140, 52}, 38, 8, 0, -20, 0,
                      Foot(-12, -100, 7, 50), Foot(-4, -146), {-12, -4, -12, -4}, {21, 71, 26, 76}, true)},
      {60, MakePose({-4, -144, 50}, 41, 8, -2, -22, 0,
                      Foot(-19, -97, 6, 58), Foot(-4, -149), {2, -5, 2, -5}, {23, 72, 28, 77}, true)},
      {62, MakePose({-4, -146, 50}, 42, 8, -4, -24, 0,
                      Foot(-24, -95, 6, 62), Foot(-4, -150), {12, -6, 12, -6}, {25, 72, 30, 78}, true)},
      {63, MakePose({-4, -148, 50}, 44, 4, -10, -26, 0,
                      Foot(-28, -93, 6, 66), Foot(-4, -151), {95, 14, 115, 12}, {20, 70, 25, 75}, false)},
  };
  return keys;
}

const std::vector<Key>& StrikeKeys() {
  static const std::vector<Key> keys = {
      {0, ApproachKeys().back().Pose},
      {3, MakePose({-2, -145, 68}, 25, 0, -5, -10, 0,
                      Foot(6, -138, 6, 20), Foot(-4, -151), {60, 0, 80, 0}, {10, 50, 15, 55}, false)},
      {6, MakePose({0, -143, 76}, 12, 0, 0, 0, 0,
                      Foot(8, -146), Foot(-8, -150), {25, 12, 70, 0}, {25, 12, 70, 0}, false)},
      {8, MakePose({0, -143, 69}, 22, 0, 0, -4, 0,
                      Foot(8, -146), Foot(-8, -150), {-30, 12, -22, 12}, {-30, 12, -22, 12}, false)},
      {11, MakePose({0, -143, 96}, 0, 0, 0, -15, 0,
                      Foot(8, -146, 19, 25), Foot(-8, -150, 19, 25), {165, 25, 170, 20}, {165, 25, 170, 20},
                      false)},
      {14, MakePose({0, -143, 74}, 14, 0, 0, -8, 0,
                      Foot(8, -146), Foot(-8, -150), {150, 25, 160, 20}, {150, 25, 160, 20}, false)},
      {16, MakePose({0, -143, 80}, 5, 0, 0, -10, 0,
                      Foot(8, -146), Foot(-8, -150), {160, 20, 170, 15}, {150, 30, 160, 25}, false)},
      {18, MakePose({0, -143, 79}, 8, 2, 0, -6, 0,
                      Foot(8, -146), Foot(-8, -150), {20, 25, 110, -10}, {155, 28, 165, 22}, false)},
      {20, MakePose({0, -143, 80}, 4, 0, 0, -10, 0,
                      Foot(8, -146), Foot(-8, -150), {160, 15, 175, 10}, {40, 30, 120, 0}, false)},
      {22, MakePose({0, -143, 79}, 8, -2, 0, -6, 0,
                      Foot(8, -146), Foot(-8, -150), {25, 25, 115, -10}, {155, 22, 168, 15}, false)},
      {23, MakePose({0, -143, 81}, 3, 0, 0, -10, 0,
                      Foot(8, -146), Foot(-8, -150), {165, 15, 175, 10}, {25, 25, 110, -10}, false)},
  };
  return keys;
}

const std::vector<Key>& GutterKeys() {
  static const std::vector<Key> keys = {
      {0, ApproachKeys().back().Pose},
      {4, MakePose({-2, -145, 70}, 25, 0, -4, -5, 0,
                      Foot(4, -140, 6, 15), Foot(-4, -151), {50, 5, 60, 0}, {10, 40, 15, 40}, false)},
      {8, MakePose({0, -144, 78}, 18, 0, 0, 22, 0,
                      Foot(8, -146), Foot(-8, -150), {-4, 8, -4, 8}, {-4, 8, -4, 8}, false)},
      {11, MakePose({0, -144, 79}, 14, 0, 0, 16, 0,
                      Foot(8, -146), Foot(-8, -150), {70, 30, 110, 0}, {70, 30, 110, 0}, false)},
      {14, MakePose({0, -144, 79}, 10, 0, 0, 10, 0,
                      Foot(8, -146), Foot(-8, -150), {120, 55, 150, -75}, {120, 55, 150, -75}, false)},
      {16, MakePose({0, -144, 79}, 12, 0, 0, 14, 14,
                      Foot(8, -146), Foot(-8, -150), {120, 55, 150, -75}, {120, 55, 150, -75}, false)},
      {18, MakePose({0, -144, 79}, 12, 0, 0, 14, -14,
                      Foot(8, -146), Foot(-8, -150), {120, 55, 150, -75}, {120, 55, 150, -75}, false)},
      {20, MakePose({0, -144, 78}, 15, 0, 0, 20, 8,
                      Foot(8, -146), Foot(-8, -150), {118, 55, 148, -75}, {118, 55, 148, -75}, false)},
      {23, MakePose({0, -144, 77}, 18, 0, 0, 26, 0,
                      Foot(8, -146), Foot(-8, -150), {116, 55, 146, -75}, {116, 55, 146, -75}, false)},
  };
  return keys;
}

}  // namespace

BodyPose PortraitPose() {
  return MakePose({0, 0, 83}, 2, 0, 0, -4, 0,
                  Foot(9, 2), Foot(-9, -2), {26, 14, 108, -32}, {24, -6, 100, -44}, true);
}

BodyPose ApproachPose(int n) { return Interpolate(ApproachKeys(), n); }

BodyPose ReactionPose(Reaction reaction, int n) {
  return Interpolate(reaction == Reaction::Strike ? StrikeKeys() : GutterKeys(), n);
}

}  // namespace bowling_people
