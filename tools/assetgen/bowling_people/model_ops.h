// Moves and turns of whole models, and the shapes the fishing generator's set lacks: turned
// (lathe) bodies and tubes between joints with round ends.
#pragma once

#include <functional>
#include <vector>

#include "tools/assetgen/bowling_people/view_render.h"

namespace bowling_people {

// Turns every point about the line through pivot along axis by angle radians (right-handed).
void Rotate(Model& m, Vec3 axis, double angle, Vec3 pivot);
// Moves every point by offset.
void Translate(Model& m, Vec3 offset);
// Mirrors the model left to right (x to -x).
void MirrorX(Model& m);
// The lowest z of any point (0 for an empty model).
double LowestZ(const Model& m);
// A point turned about an axis through the origin.
Vec3 RotatePoint(Vec3 p, Vec3 axis, double angle);

struct ProfilePoint {
  double Z, R;  // height along the axis and radius there
};
// A body turned about the z axis through base: the profile runs bottom to top; band j (between
// points j and j + 1) takes colors[j]. A flat disc closes the bottom when its radius is not 0.
void AddLathe(Model& m, Vec3 base, const std::vector<ProfilePoint>& profile,
              const std::vector<uint32_t>& colors, double shine, int sides);
struct Ring {
  double Z, Rx, Ry, Y;  // height, half width, half depth and the ring's middle (y)
};
// A smooth body through elliptical rings stacked bottom to top, closed at both ends; each
// triangle takes colorAt(height of its middle).
void AddRings(Model& m, const std::vector<Ring>& rings, const std::function<uint32_t(double z)>& colorAt,
              double shine, int sides);
// A limb from a to b with radii ra and rb and a ball at each end, so joints bend without gaps.
void AddLimb(Model& m, Vec3 a, Vec3 b, double ra, double rb, uint32_t color, double shine = 0.1);

}  // namespace bowling_people
