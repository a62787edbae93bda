// A tiny software renderer for the pre-rendered sprites: models made of smooth-shaded triangles
// and thin lines, turned to a heading and projected with the game's view, in which the ground is
// seen from 30 degrees above: world y is drawn at half scale and heights at cos 30. A heading h
// therefore points along (cos h, sin h / 2) on screen (256 steps a turn, 64 = down the screen).
// One sun from the upper left lights every model; pictures are rendered 4 x 4 times larger and
// averaged down, then hardened and outlined like every other sprite.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/sprites/image.h"

namespace sprites {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double f) { return {a.x * f, a.y * f, a.z * f}; }
double Dot(Vec3 a, Vec3 b);
Vec3 Cross(Vec3 a, Vec3 b);
Vec3 Normalized(Vec3 a);

struct Vertex {
  Vec3 Position;
  Vec3 Normal;
};

// Model space: x forward (the heading), y to the right side, z up; units are screen pixels.
struct Triangle {
  Vertex V[3];
  uint32_t Color = 0;
  double Shine = 0;  // strength of the sun's highlight, 0..1
  bool Glow = false;  // drawn in its own colour, unlit (eyes that shine)
};

struct Segment {
  Vec3 A, B;
  uint32_t ColorA = 0, ColorB = 0;  // colour along the line, from A to B
};

struct Model {
  std::vector<Triangle> Triangles;
  std::vector<Segment> Lines;
  void Append(const Model& other);
};

struct Camera {
  double Heading = 0;        // steps, 256 a turn; the model's +x turns to this heading
  double OriginX = 0;        // pattern pixel where the model's origin is drawn
  double OriginY = 0;
  int Width = 0;
  int Height = 0;
  double HideBelowZ = -1e9;  // parts of the model below this height are not drawn
};

// Screen position (pattern pixels) of a model point.
void Project(const Camera& camera, Vec3 p, double& sx, double& sy);
// The model rendered, hardened and outlined.
Image Render(const Model& model, const Camera& camera);
// The model rendered with soft edges (alpha = coverage), for pictures that are composed further.
Image RenderSoft(const Model& model, const Camera& camera);

}  // namespace sprites
