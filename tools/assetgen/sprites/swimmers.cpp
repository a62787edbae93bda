// The fish and the lake monsters. Fish swim just under the surface; monsters lie half in the
// water (everything below the surface is hidden) and rear up with open jaws when they attack.
#include <cmath>

#include "tools/assetgen/sprites/headings.h"
#include "tools/assetgen/sprites/image.h"
#include "tools/assetgen/sprites/models.h"
#include "tools/assetgen/sprites/shapes.h"

namespace sprites {

namespace {

constexpr double kPi = 3.14159265358979323846;

Model FishModel() {
  Model m;
  const uint32_t back = Rgb(96, 140, 76), belly = Rgb(222, 214, 156), fin = Rgb(150, 176, 96);
  AddEllipsoid(m, {0, 0, 0}, {7.5, 2.9, 2.4}, back, 0.5, 14, 8);
  AddEllipsoid(m, {0.5, 0, -0.5}, {6.6, 2.7, 1.9}, belly, 0.3, 14, 8);
  // A broad forked tail spread flat enough to read from above, a low dorsal fin and side fins.
  AddPolygon(m, {{-6.2, 0, 0.2}, {-12.0, -4.2, 1.4}, {-10.2, 0, 0.6}}, fin, 0.2);
  AddPolygon(m, {{-6.2, 0, 0.2}, {-10.2, 0, 0.6}, {-12.0, 4.2, 1.4}}, fin, 0.2);
  AddPolygon(m, {{2.5, 0, 2.2}, {-3.5, 0, 3.8}, {-3.0, 0, 2.2}}, fin, 0.2);
  for (double side : {-1.0, 1.0}) {
    AddPolygon(m, {{2.0, side * 2.2, -0.4}, {-1.0, side * 5.0, -0.2}, {0.0, side * 2.4, -0.6}}, fin, 0.2);
    // Golden eyes near the snout, bright enough to show which way the fish swims.
    Model eye;
    AddEllipsoid(eye, {4.8, side * 1.75, 0.6}, {1.2, 0.8, 1.1}, Rgb(255, 196, 40), 0, 6, 4);
    for (Triangle& t : eye.Triangles) t.Glow = true;
    m.Append(eye);
    AddEllipsoid(m, {5.2, side * 1.95, 0.6}, {0.6, 0.55, 0.65}, Rgb(20, 20, 26), 0.6, 6, 4);
  }
  return m;
}

// A body made of spheres along a path: points (x, z) with a radius each.
void AddChain(Model& m, const std::vector<Vec3>& path, const std::vector<double>& radii,
              uint32_t color, double shine) {
  for (size_t i = 0; i < path.size(); ++i) {
    AddEllipsoid(m, path[i], {radii[i], radii[i], radii[i]}, color, shine, 10, 6);
    if (i + 1 < path.size()) AddTube(m, path[i], path[i + 1], radii[i], radii[i + 1], color, shine, 10);
  }
}

// Glowing yellow eyes with slit pupils, so a monster's gaze reads even at sprite size.
void AddEyes(Model& m, Vec3 at, double spread, double r) {
  for (double side : {-1.0, 1.0}) {
    Model eye;
    AddEllipsoid(eye, at + Vec3{0, side * spread, 0}, {r, r, r}, Rgb(255, 226, 60), 0, 8, 5);
    for (Triangle& t : eye.Triangles) t.Glow = true;
    m.Append(eye);
    AddEllipsoid(m, at + Vec3{r * 0.75, side * spread, 0}, {r * 0.35, r * 0.3, r * 0.7},
                 Rgb(20, 20, 24), 0.5, 6, 4);
  }
}

// Jaws: an upper and a lower half of a snout, opened by `gape` radians, with a red mouth between.
void AddJaws(Model& m, Vec3 hinge, double length, double width, double gape, uint32_t skin,
             uint32_t belly) {
  Model upper, lower;
  AddEllipsoid(upper, {hinge.x + length * 0.5, hinge.y, hinge.z + 0.4}, {length * 0.55, width, width * 0.55},
               skin, 0.5, 12, 6);
  AddEllipsoid(lower, {hinge.x + length * 0.45, hinge.y, hinge.z - 0.5}, {length * 0.5, width * 0.9, width * 0.45},
               belly, 0.4, 12, 6);
  if (gape > 0) {
    Pitch(upper, -gape * 0.6, hinge);
    Pitch(lower, gape * 0.4, hinge);
    AddEllipsoid(m, {hinge.x + length * 0.3, hinge.y, hinge.z}, {length * 0.35, width * 0.8, width * 0.5},
                 Rgb(190, 40, 50), 0.3, 10, 5);
    // Teeth along both jaws.
    for (int i = 1; i <= 3; ++i) {
      const double x = length * (0.2 + 0.22 * i);
      for (double side : {-1.0, 1.0}) {
        Vec3 t{hinge.x + x, hinge.y + side * width * 0.6, hinge.z};
        AddLine(m, t + Vec3{0, 0, std::sin(gape * 0.6) * x + 0.3}, t + Vec3{0, 0, std::sin(gape * 0.6) * x - 1.2},
                Rgb(250, 250, 240), Rgb(250, 250, 240));
      }
    }
  }
  m.Append(upper);
  m.Append(lower);
}

Model SerpentModel(bool attack, uint32_t skin, uint32_t belly, bool horns) {
  Model m;
  std::vector<Vec3> path;
  std::vector<double> radii;
  // Humps along the back, rising higher when it strikes.
  // Three arches of the body break the surface one behind the other.
  const double lift = attack ? 1.5 : 0.0;
  for (int i = 0; i <= 18; ++i) {
    const double x = 6 - 2.0 * i;
    const double z = (3.8 + lift) * std::sin(i * 0.9) - 1.2;
    path.push_back({x, 1.0 * std::sin(i * 0.3), z});
    radii.push_back(3.2 - 0.13 * i);
  }
  AddChain(m, path, radii, skin, 0.6);
  // Neck and head: low over the water, or reared up with the jaws open.
  const Vec3 headAt = attack ? Vec3{14, 0, 15} : Vec3{13, 0, 3.2};
  const Vec3 neckMid = attack ? Vec3{10, 0, 9} : Vec3{9.5, 0, 2.0};
  AddChain(m, {{6, 0, -0.8}, neckMid, headAt}, {3.4, 3.0, 2.8}, skin, 0.6);
  AddEllipsoid(m, headAt + Vec3{0, 0, 0.4}, {3.8, 3.0, 2.8}, skin, 0.6, 12, 6);
  AddJaws(m, headAt + Vec3{1.5, 0, 0}, 7.0, 2.3, attack ? 0.9 : 0.0, skin, belly);
  AddEyes(m, headAt + Vec3{1.2, 0, 2.4}, 2.0, 1.35);
  // A fin crest along the neck, horns for the old lake monster.
  for (int i = 0; i < 3; ++i) {
    const Vec3 base = headAt + (neckMid - headAt) * (0.3 + 0.35 * i) + Vec3{0, 0, 2.4};
    AddPolygon(m, {base + Vec3{1.5, 0, 0}, base + Vec3{-1.5, 0, 3.2}, base + Vec3{-2.2, 0, -0.5}},
               Rgb(220, 90, 60), 0.2);
  }
  if (horns) {
    for (double side : {-1.0, 1.0}) {
      AddTube(m, headAt + Vec3{-1, side * 1.5, 2.2}, headAt + Vec3{-4, side * 2.6, 5.6}, 0.8, 0.2,
              Rgb(236, 226, 196), 0.4, 6);
    }
  }
  return m;
}

Model GatorModel(bool attack) {
  Model m;
  const uint32_t skin = Rgb(86, 118, 54), dark = Rgb(60, 86, 40), belly = Rgb(196, 196, 140);
  AddEllipsoid(m, {0, 0, 0.4}, {11, 5.2, 2.8}, skin, 0.5, 16, 8);
  // Ridged back.
  for (int i = 0; i < 7; ++i) {
    for (double side : {-1.0, 1.0}) {
      AddBox(m, {7 - 2.6 * i, side * 1.6, 2.8}, {0.8, 0.6, 0.7}, dark, 0.3);
    }
  }
  // Tail swinging to one side, lashing hard when it attacks.
  std::vector<Vec3> tail;
  std::vector<double> radii;
  for (int i = 0; i <= 8; ++i) {
    tail.push_back({-9 - 2.6 * i, (attack ? 4.5 : 1.8) * std::sin(i * 0.45), attack ? 0.3 + 0.25 * i : 0.3});
    radii.push_back(3.2 - 0.33 * i);
  }
  AddChain(m, tail, radii, skin, 0.5);
  for (double side : {-1.0, 1.0}) {
    for (double x : {6.0, -6.0}) {
      AddTube(m, {x, side * 4.2, 0.3}, {x + 1.5, side * 7.5, -0.3}, 1.3, 1.0, skin, 0.3, 6);
    }
  }
  // Head: long snout; when attacking it lunges up with the jaws wide.
  const Vec3 hinge = attack ? Vec3{11, 0, 5.5} : Vec3{10.5, 0, 1.0};
  Model head;
  AddEllipsoid(head, hinge + Vec3{0, 0, 0.5}, {3.5, 3.6, 2.2}, skin, 0.5, 12, 6);
  AddJaws(head, hinge + Vec3{1.5, 0, 0}, 11, 2.6, attack ? 1.0 : 0.0, skin, belly);
  AddEyes(head, hinge + Vec3{0.5, 0, 2.2}, 2.1, 1.35);
  if (attack) Pitch(head, -0.4, hinge);
  m.Append(head);
  if (attack) {
    // The front of the body heaves out of the water behind the lunging head.
    AddEllipsoid(m, {7, 0, 2.2}, {5, 4.4, 2.8}, skin, 0.5, 12, 6);
  }
  return m;
}

Model KrakenModel(bool attack) {
  Model m;
  const uint32_t skin = Rgb(178, 60, 96), spots = Rgb(220, 120, 140), under = Rgb(240, 170, 170);
  // Mantle: a rounded dome leaning back, eyes at the front.
  AddEllipsoid(m, {-2, 0, attack ? 5.5 : 2.5}, {8.5, 7.0, 7.5}, skin, 0.6, 16, 10);
  AddEllipsoid(m, {-6, 0, attack ? 11.0 : 8.0}, {4.5, 4.2, 4.5}, skin, 0.6, 12, 8);
  for (int i = 0; i < 5; ++i) {
    const double a = i * 1.3;
    AddEllipsoid(m, {-3 + 3 * std::cos(a), 5.4 * std::sin(a) * 0.9, (attack ? 8.0 : 5.0) + std::cos(a * 2)},
                 {1.1, 1.1, 1.0}, spots, 0.3, 6, 4);
  }
  AddEyes(m, {5.2, 0, attack ? 7.0 : 4.4}, 3.0, 1.9);
  // Eight arms: spread on the water, or raised and curling towards the boat.
  for (int k = 0; k < 8; ++k) {
    const double base = (k + 0.5) * 2 * kPi / 8;
    std::vector<Vec3> arm;
    std::vector<double> radii;
    for (int i = 0; i <= 7; ++i) {
      const double t = i / 7.0;
      const double reach = 5 + 17 * t;
      const double swirl = base + 0.5 * t * (k % 2 ? 1 : -1);
      const double z = attack ? 2 + 14 * std::sin(t * kPi * 0.8) * (std::cos(base) > -0.3 ? 1 : 0.4) : -0.2 + 0.6 * std::sin(t * 6 + k);
      arm.push_back({reach * std::cos(swirl) - 1, reach * std::sin(swirl), z});
      radii.push_back(2.2 - 1.7 * t);
    }
    AddChain(m, arm, radii, k % 2 ? skin : Mix(skin, under, 0.3), 0.5);
  }
  return m;
}

Model MonsterModel(const std::string& kind, bool attack) {
  if (kind == "Serpent") return SerpentModel(attack, Rgb(60, 150, 110), Rgb(226, 214, 140), false);
  if (kind == "Gator") return GatorModel(attack);
  if (kind == "Kraken") return KrakenModel(attack);
  return SerpentModel(attack, Rgb(110, 84, 150), Rgb(210, 190, 150), true);
}

}  // namespace

const std::vector<std::string>& MonsterKinds() {
  static const std::vector<std::string> kinds = {"Serpent", "Gator", "Kraken", "Monster"};
  return kinds;
}

TPictureItemData MakeFish() {
  const Model model = FishModel();
  std::vector<Image> patterns;
  for (int p = 0; p < 16; ++p) {
    Camera cam;
    cam.Heading = PatternHeading(FishPattern, p);
    cam.Width = kFishWidth;
    cam.Height = kFishHeight;
    cam.OriginX = kFishWidth / 2.0;
    cam.OriginY = kFishHeight / 2.0;
    patterns.push_back(Render(model, cam));
  }
  return PatternSheet("fish", patterns, 16);
}

Image MonsterCloseUp(const std::string& kind, int w, int h) {
  Model m = MonsterModel(kind, true);
  ScaleModel(m, 4.2);
  Camera cam;
  cam.Heading = 88;
  cam.Width = w;
  cam.Height = h;
  cam.OriginX = w / 2.0;
  cam.OriginY = h * 0.66;
  cam.HideBelowZ = 0;
  return Render(m, cam);
}

std::vector<TPictureItemData> MakeMonsters() {
  std::vector<TPictureItemData> items;
  for (const std::string& kind : MonsterKinds()) {
    const Model calm = MonsterModel(kind, false);
    const Model attack = MonsterModel(kind, true);
    std::vector<Image> patterns;
    for (int d = 0; d < 16; ++d) {
      for (const Model* model : {&calm, &attack}) {
        Camera cam;
        cam.Heading = PatternHeading(MonsterDirection, d);
        cam.Width = kMonsterWidth;
        cam.Height = kMonsterHeight;
        cam.OriginX = kMonsterWidth / 2.0;
        cam.OriginY = kMonsterHeight / 2.0 + 6;
        cam.HideBelowZ = 0;
        patterns.push_back(Render(*model, cam));
      }
    }
    items.push_back(PatternSheet(kind, patterns, 8));
  }
  return items;
}

}  // namespace sprites
