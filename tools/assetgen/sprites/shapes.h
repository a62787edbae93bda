// Building blocks of the sprite models: boxes, ellipsoids, tubes, lofted hulls, flat polygons
// and lines, added to a Model in model space (x forward, y right, z up).
#pragma once

#include <vector>

#include "tools/assetgen/sprites/render3d.h"

namespace sprites {

// An axis-aligned box around centre with the given half sizes (flat faces).
void AddBox(Model& m, Vec3 centre, Vec3 half, uint32_t color, double shine = 0);
// An ellipsoid with radii r (smooth).
void AddEllipsoid(Model& m, Vec3 centre, Vec3 r, uint32_t color, double shine = 0,
                  int slices = 14, int stacks = 8);
// A round tube from a (radius ra) to b (radius rb), with flat caps (smooth sides).
void AddTube(Model& m, Vec3 a, Vec3 b, double ra, double rb, uint32_t color, double shine = 0,
             int sides = 10);
// A surface through stations of equal point counts: segment j of every station joins point j to
// point j + 1 and takes colors[j]. Smooth along the stations, sharp across the segments.
void AddLoft(Model& m, const std::vector<std::vector<Vec3>>& stations,
             const std::vector<uint32_t>& colors, double shine = 0);
// A flat convex polygon (a fan from its first point).
void AddPolygon(Model& m, const std::vector<Vec3>& points, uint32_t color, double shine = 0);
// A one-pixel line, drawn over the solid parts it is in front of.
void AddLine(Model& m, Vec3 a, Vec3 b, uint32_t colorA, uint32_t colorB);

// Rotates every point of the model about the z axis by `angle` radians (x towards y), then moves
// it by offset.
void TurnAndMove(Model& m, double angle, Vec3 offset);
// Scales every point of the model by f about the origin.
void ScaleModel(Model& m, double f);
// Rotates about the y axis by `angle` radians (x towards -z: a pitch that lifts the front when
// negative), around the pivot point.
void Pitch(Model& m, double angle, Vec3 pivot);

}  // namespace sprites
