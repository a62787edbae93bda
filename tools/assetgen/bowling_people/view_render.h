// Renders the sprite models (built with the fishing generator's shapes) for the lane screen. The
// fishing renderer's view is fixed at 30 degrees with its sun beyond the models, which suits a
// lake seen from above but leaves a bowler seen from behind in his own shade and draws pins far
// too steeply for the lane. This view takes its elevation and lights as parameters.
//
// World space: x to the right, y towards the viewer (down the lane), z up; units are pixels.
// A view from `Elevation` degrees above the floor draws a point at
//   (OriginX + x, OriginY + y sin e - z cos e);
// pictures are rendered 4 x 4 times larger and averaged down.
#pragma once

#include "tools/assetgen/sprites/image.h"
#include "tools/assetgen/sprites/render3d.h"

namespace bowling_people {

using sprites::Image;
using sprites::Model;
using sprites::Vec3;

struct Lamp {
  Vec3 Towards;        // direction towards the lamp (need not be unit length)
  double Strength = 0;  // 0..1 and more
  uint32_t Color = 0xFFFFFFFF;
};

struct View {
  double Elevation = 30;  // degrees above the floor
  double OriginX = 0, OriginY = 0;
  int Width = 0, Height = 0;
  Lamp Key;                // the main light; its highlight shows on shiny parts
  Lamp Fill;               // a second, softer light
  double Ambient = 0.35;   // light that reaches every face, stronger on faces turned up
  uint32_t AmbientColor = 0xFFFFFFFF;
};

// Screen positions (pattern pixels) of world points in a view, for many points at a time.
class Projection {
 public:
  explicit Projection(const View& view);
  void operator()(Vec3 p, double& sx, double& sy) const;

 private:
  double originX_, originY_, sinE_, cosE_;
};
// Screen position (pattern pixels) of a world point.
void ProjectPoint(const View& view, Vec3 p, double& sx, double& sy);
// The model with soft edges (alpha = covered share of the pixel).
Image RenderView(const Model& model, const View& view);
// The model's shadow on the floor (z = 0) cast away from `towardsLight`, as coverage (alpha)
// in a colour-less picture.
Image RenderFloorShadow(const Model& model, const View& view, Vec3 towardsLight);
// A shadow for the program's blended drawing, from a coverage picture: one near-black colour
// (blending anything lighter would brighten the dark pits and floors it falls on), solid where
// covered well and on every other pixel along the soft edge, so the blended edge fades.
Image ShadowPicture(const Image& coverage);
// Hardens a soft rendering and gives it the sprites' dark outline.
void Finish(Image& image, int threshold = 112);

}  // namespace bowling_people
