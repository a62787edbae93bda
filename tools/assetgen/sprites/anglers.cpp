// The three anglers: a man in a fishing cap and vest, a boy in a ball cap and a girl in a straw
// hat. Each stands in the boat (legs hidden below its gunwale) and is drawn in 16 facings of six
// frames: 0 driving or idle with the rod held upright, 1..4 the cast (rod raised, swung back,
// overhead, thrown forward), 5 holding on while the game draws the line from the hands.
#include <cmath>

#include "tools/assetgen/sprites/headings.h"
#include "tools/assetgen/sprites/image.h"
#include "tools/assetgen/sprites/models.h"
#include "tools/assetgen/sprites/shapes.h"

namespace sprites {

namespace {

enum class Hat { Cap, BallCap, StrawHat };

struct Figure {
  std::string Name;
  double Scale;  // the children are smaller; their hands meet the game's rod line lower down
  uint32_t Skin, Shirt, Vest, Pants, HatColor, HatBand, Hair;
  Hat HatKind;
  bool Ponytail;
  int Width, Height;
  double HideBelow;
};

struct Pose {
  Vec3 RightHand, LeftHand, RightElbow, LeftElbow;
  Vec3 Rod;  // direction of the rod from the right hand; zero when the game draws it
};

Pose PoseOf(int frame) {
  switch (frame) {
    case 0: return {{4.5, 5.0, 20}, {0.5, -6.2, 17}, {1.5, 6.5, 22.5}, {-0.5, -6.6, 22.5}, {0.3, 0.15, 0.95}};
    case 1: return {{5.5, 2.0, 24}, {5.0, -0.8, 22.5}, {2.5, 6.2, 23}, {2.0, -6.0, 23}, {0.5, 0, 0.87}};
    case 2: return {{1.5, 4.0, 32}, {2.5, 1.0, 29}, {1.0, 7.0, 27.5}, {2.0, -4.0, 25}, {-0.78, 0.05, 0.62}};
    case 3: return {{3.0, 2.5, 35}, {3.5, -0.5, 33}, {2.0, 6.5, 31}, {2.5, -5.0, 30}, {0.05, 0, 1}};
    case 4: return {{7.0, 1.5, 29}, {6.5, -1.0, 28}, {4.0, 6.0, 27}, {3.5, -5.0, 26}, {0.82, 0, 0.57}};
    default: return {{4.0, 1.0, 31.5}, {4.0, -1.2, 30.5}, {2.5, 6.0, 26.5}, {2.5, -5.5, 26}, {0, 0, 0}};
  }
}

Model FigureModel(const Figure& f, int frame) {
  Model m;
  const Pose pose = PoseOf(frame);
  // Legs, hips and body.
  for (double side : {-1.0, 1.0}) {
    AddTube(m, {0, side * 2.3, 0}, {0, side * 2.2, 17}, 2.0, 2.3, f.Pants, 0.1, 8);
  }
  AddEllipsoid(m, {0, 0, 17.5}, {2.8, 4.2, 2.8}, f.Pants, 0.1, 10, 6);
  AddEllipsoid(m, {0, 0, 23.5}, {3.5, 5.3, 6.8}, f.Shirt, 0.15, 12, 8);
  if (f.Vest != f.Shirt) {
    AddEllipsoid(m, {0.15, 0, 22.8}, {3.65, 5.45, 5.6}, f.Vest, 0.1, 12, 8);
  }
  // Arms: shoulder, elbow, hand.
  const Vec3 shoulderR{0, 4.8, 28.5}, shoulderL{0, -4.8, 28.5};
  AddEllipsoid(m, shoulderR, {1.9, 1.9, 1.9}, f.Shirt, 0.1, 8, 5);
  AddEllipsoid(m, shoulderL, {1.9, 1.9, 1.9}, f.Shirt, 0.1, 8, 5);
  AddTube(m, shoulderR, pose.RightElbow, 1.6, 1.4, f.Shirt, 0.1, 8);
  AddTube(m, pose.RightElbow, pose.RightHand, 1.4, 1.2, f.Skin, 0.1, 8);
  AddTube(m, shoulderL, pose.LeftElbow, 1.6, 1.4, f.Shirt, 0.1, 8);
  AddTube(m, pose.LeftElbow, pose.LeftHand, 1.4, 1.2, f.Skin, 0.1, 8);
  AddEllipsoid(m, pose.RightHand, {1.4, 1.4, 1.4}, f.Skin, 0.1, 8, 5);
  AddEllipsoid(m, pose.LeftHand, {1.4, 1.4, 1.4}, f.Skin, 0.1, 8, 5);
  // Head with nose and hair.
  AddEllipsoid(m, {0.3, 0, 33.6}, {3.6, 3.4, 3.9}, f.Skin, 0.2, 12, 8);
  AddEllipsoid(m, {3.7, 0, 33.2}, {1.0, 0.8, 0.9}, Shade(f.Skin, 0.92), 0.1, 6, 4);
  for (double side : {-1.0, 1.0}) {
    AddEllipsoid(m, {3.35, side * 1.45, 34.1}, {0.5, 0.55, 0.6}, Rgb(40, 30, 26), 0.2, 6, 4);
  }
  AddEllipsoid(m, {-0.8, 0, 34.4}, {3.3, 3.5, 3.2}, f.Hair, 0.1, 12, 8);
  if (f.Ponytail) {
    AddEllipsoid(m, {-4.2, 0, 31.5}, {1.8, 1.6, 3.6}, f.Hair, 0.2, 8, 6);
  }
  switch (f.HatKind) {
    case Hat::Cap:
      AddEllipsoid(m, {0.1, 0, 36.0}, {3.9, 3.8, 2.5}, f.HatColor, 0.2, 12, 6);
      AddBox(m, {0.1, 0, 35.4}, {3.9, 3.8, 0.5}, f.HatBand, 0.1);
      AddPolygon(m, {{3.0, -3.2, 35.6}, {3.0, 3.2, 35.6}, {6.6, 2.4, 35.2}, {6.6, -2.4, 35.2}},
                 f.HatColor, 0.1);
      break;
    case Hat::BallCap:
      AddEllipsoid(m, {0.1, 0, 36.0}, {3.8, 3.7, 2.7}, f.HatColor, 0.3, 12, 6);
      AddPolygon(m, {{2.8, -3.0, 35.6}, {2.8, 3.0, 35.6}, {6.0, 2.2, 35.4}, {6.0, -2.2, 35.4}},
                 f.HatColor, 0.1);
      break;
    case Hat::StrawHat: {
      std::vector<Vec3> brim;
      for (int i = 0; i < 16; ++i) {
        const double a = i * 2 * 3.14159265358979 / 16;
        brim.push_back({0.4 + 7.2 * std::cos(a), 7.2 * std::sin(a), 35.6});
      }
      AddPolygon(m, brim, f.HatColor, 0.1);
      AddEllipsoid(m, {0.2, 0, 36.4}, {3.7, 3.6, 2.6}, f.HatColor, 0.2, 12, 6);
      AddBox(m, {0.2, 0, 36.0}, {3.75, 3.65, 0.55}, f.HatBand, 0.2);
      break;
    }
  }
  // Rod and reel.
  if (pose.Rod.z != 0 || pose.Rod.x != 0) {
    const Vec3 tip = pose.RightHand + Normalized(pose.Rod) * 27.0;
    const Vec3 butt = pose.RightHand - Normalized(pose.Rod) * 3.0;
    AddBox(m, pose.RightHand + Normalized(pose.Rod) * 1.5 + Vec3{0, 0.8, 0}, {0.9, 0.9, 0.9},
           Rgb(170, 170, 176), 0.6);
    AddLine(m, butt, tip, Rgb(96, 44, 96), Rgb(200, 150, 200));
  }
  // Everything is sized for the man; the children are the same shapes made smaller.
  ScaleModel(m, f.Scale);
  return m;
}

const std::vector<Figure>& Figures() {
  static const std::vector<Figure> figures = {
      {"fishguy", 1.0, Rgb(228, 178, 138), Rgb(120, 166, 214), Rgb(104, 120, 70), Rgb(60, 70, 104),
       Rgb(214, 196, 150), Rgb(150, 60, 40), Rgb(110, 74, 46), Hat::Cap, false, kManWidth, kManHeight, 7.5},
      {"fishboy", 0.786, Rgb(196, 140, 100), Rgb(250, 204, 60), Rgb(250, 204, 60), Rgb(54, 92, 168),
       Rgb(210, 40, 40), Rgb(210, 40, 40), Rgb(60, 40, 28), Hat::BallCap, false, kKidWidth, kKidHeight, 8.5},
      {"fishgirl", 0.786, Rgb(236, 190, 150), Rgb(236, 100, 150), Rgb(236, 100, 150), Rgb(70, 150, 170),
       Rgb(236, 210, 120), Rgb(220, 70, 90), Rgb(150, 84, 40), Hat::StrawHat, true, kKidWidth, kKidHeight, 8.5},
  };
  return figures;
}

}  // namespace

Model AnglerShape(int figure, int frame) { return FigureModel(Figures().at(figure), frame); }

std::vector<TPictureItemData> MakeAnglers() {
  std::vector<TPictureItemData> items;
  for (const Figure& f : Figures()) {
    Model frames[6];
    for (int frame = 0; frame < 6; ++frame) frames[frame] = FigureModel(f, frame);
    std::vector<Image> patterns;
    for (int face = 0; face < 16; ++face) {
      for (int frame = 0; frame < 6; ++frame) {
        Camera cam;
        cam.Heading = PatternHeading(AnglerFace, face);
        cam.Width = f.Width;
        cam.Height = f.Height;
        cam.OriginX = f.Width / 2.0;
        cam.OriginY = f.Height;
        cam.HideBelowZ = f.HideBelow;
        patterns.push_back(Render(frames[frame], cam));
      }
    }
    items.push_back(PatternSheet(f.Name, patterns, 6));
  }
  return items;
}

}  // namespace sprites
