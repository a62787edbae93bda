#include "tools/assetgen/bowling_people/figure.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/bowling_people/model_ops.h"
#include "tools/assetgen/sprites/shapes.h"

namespace bowling_people {

namespace {

using sprites::AddEllipsoid;
using sprites::Rgb;

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;

uint32_t Opaque(uint32_t rgb) { return rgb | 0xFF000000u; }

// Body measures of a bowler of Size 1; everything scales with the style's Size.
constexpr double kThigh = 38, kShin = 37;
constexpr double kUpperArm = 27, kForearm = 24;
constexpr double kShoulderZ = 42, kNeckZ = 46, kHeadZ = 56;

Vec3 ArmDirection(double swing, double spread, double side) {
  const double a = swing * kDeg, g = spread * kDeg;
  return {side * std::sin(g), -std::sin(a) * std::cos(g), -std::cos(a) * std::cos(g)};
}

// The knee of a leg from hip to ankle, bent towards `hint`.
Vec3 Knee(Vec3 hip, Vec3 ankle, double thigh, double shin, Vec3 hint) {
  const Vec3 span = ankle - hip;
  const double reach = std::sqrt(sprites::Dot(span, span));
  const Vec3 along = sprites::Normalized(span);
  const double d = std::clamp(reach, std::fabs(thigh - shin) + 0.01, thigh + shin - 0.01);
  const Vec3 bend = sprites::Normalized(hint - along * sprites::Dot(hint, along));
  const double a = (thigh * thigh - shin * shin + d * d) / (2 * d);
  const double h = std::sqrt(std::max(0.0, thigh * thigh - a * a));
  return hip + along * a + bend * h;
}

// Turns a torso-local point (x right, y back, z up from the middle of the hips) into the world.
struct TorsoFrame {
  Vec3 Pelvis;
  double Lean, Roll, Twist;
  Vec3 operator()(Vec3 local) const {
    Vec3 p = RotatePoint(local, {0, 1, 0}, Roll);
    p = RotatePoint(p, {1, 0, 0}, Lean);
    p = RotatePoint(p, {0, 0, 1}, Twist);
    return p + Pelvis;
  }
  void Place(Model& m) const {
    Rotate(m, {0, 1, 0}, Roll, {0, 0, 0});
    Rotate(m, {1, 0, 0}, Lean, {0, 0, 0});
    Rotate(m, {0, 0, 1}, Twist, {0, 0, 0});
    Translate(m, Pelvis);
  }
};

// Eyes, brows, nose and a smile on the front (-y) of the head centred at c with radii r.
void AddFace(Model& m, const BowlerStyle& s, double k, Vec3 c, Vec3 r) {
  const uint32_t skin = Opaque(s.Skin), hair = Opaque(s.HairColor);
  for (double side : {-1.0, 1.0}) {
    const Vec3 eye = c + Vec3{side * 3.0 * k, -r.y * 0.9, 1.2 * k};
    AddEllipsoid(m, eye, Vec3{1.5, 0.8, 1.2} * k, Rgb(250, 250, 246), 0.3, 8, 5);
    AddEllipsoid(m, eye + Vec3{0, -0.6 * k, 0}, Vec3{0.8, 0.5, 0.9} * k, Rgb(40, 30, 26), 0.5, 8, 5);
    AddEllipsoid(m, eye + Vec3{0, 0.1 * k, 2.2 * k}, Vec3{1.9, 0.7, 0.5} * k,
                 s.Hair == HairCut::Bald ? Rgb(150, 150, 146) : hair, 0.1, 8, 4);
  }
  const uint32_t nose = Opaque(sprites::Shade(skin, 0.94));
  AddEllipsoid(m, c + Vec3{0, -r.y * 1.0, -1.6 * k}, Vec3{1.2, 1.4, 1.8} * k, nose, 0.2, 8, 5);
  AddEllipsoid(m, c + Vec3{0, -r.y * 0.84, -5.2 * k}, Vec3{2.6, 0.8, 0.8} * k, Rgb(150, 50, 50), 0.2, 10, 4);
  if (s.Hair == HairCut::Bald) {
    // Oskar's grey moustache.
    AddEllipsoid(m, c + Vec3{0, -r.y * 0.92, -3.6 * k}, Vec3{3.2, 1.0, 1.0} * k, hair, 0.1, 10, 4);
  }
}

void AddHead(Model& m, const BowlerStyle& s, double k, bool face) {
  const uint32_t skin = Opaque(s.Skin), hair = Opaque(s.HairColor);
  const double headScale = s.Hair == HairCut::Bald ? 1.06 : 1.0;
  const Vec3 c{0, -1 * k, kHeadZ * k};
  const Vec3 r = Vec3{8, 9, 10.5} * (k * headScale);
  AddEllipsoid(m, c, r, skin, 0.25, 14, 9);
  if (face) AddFace(m, s, k, c, r);
  const uint32_t ear = Opaque(sprites::Shade(skin, 0.92));
  for (double side : {-1.0, 1.0}) {
    AddEllipsoid(m, c + Vec3{side * r.x, 1 * k, 0}, Vec3{1.6, 2.4, 3.2} * k, ear, 0.1, 8, 5);
  }
  switch (s.Hair) {
    case HairCut::Short:
      AddEllipsoid(m, c + Vec3{0, 2.2 * k, 2.2 * k}, Vec3{8.7, 8.6, 9.6} * k, hair, 0.2, 14, 9);
      break;
    case HairCut::Ponytail:
      AddEllipsoid(m, c + Vec3{0, 2.4 * k, 1.8 * k}, Vec3{8.8, 8.8, 10.0} * k, hair, 0.3, 14, 9);
      AddEllipsoid(m, c + Vec3{0, 9.6 * k, 3.5 * k}, Vec3{2.6, 2.6, 2.4} * k, Opaque(s.Panel), 0.2, 8, 5);
      AddEllipsoid(m, c + Vec3{0, 11.5 * k, -5.0 * k}, Vec3{3.6, 3.4, 9.0} * k, hair, 0.3, 10, 7);
      break;
    case HairCut::Bald:
      AddEllipsoid(m, c + Vec3{0, 1.8 * k, -3.0 * k}, Vec3{8.8, 9.2, 5.6} * k, hair, 0.05, 14, 7);
      break;
    case HairCut::Bun:
      AddEllipsoid(m, c + Vec3{0, 2.4 * k, 1.8 * k}, Vec3{8.8, 8.8, 10.0} * k, hair, 0.3, 14, 9);
      AddEllipsoid(m, c + Vec3{0, 8.8 * k, 6.0 * k}, Vec3{5.0, 4.6, 4.8} * k, hair, 0.3, 10, 7);
      break;
  }
}

// Hips, belly, chest and collar as one smooth body in the torso's own frame: trousers up to the
// belt, the shirt above in its two colours.
void AddTorso(Model& m, const BowlerStyle& s, double k) {
  const uint32_t shirt = Opaque(s.Shirt), panel = Opaque(s.Panel), trousers = Opaque(s.Trousers);
  const uint32_t belt = Opaque(sprites::Shade(trousers, 0.6));
  const double belly = -0.5 * (s.Belly - 9);
  const std::vector<Ring> rings = {
      {-7, s.Hips + 3.5, 7.5, 0},        {-2, s.Hips + 5.5, 9.5, 0},         {5, s.Hips + 5.2, 9.4, 0},
      {13, s.Waist, s.Belly, belly},     {22, (s.Waist + s.Shoulders) / 2, (s.Belly + s.Chest) / 2, belly / 2},
      {31, s.Shoulders, s.Chest, 0},     {39, s.Shoulders - 0.5, s.Chest - 1, 0.3},
      {43.5, s.Shoulders - 4, s.Chest - 3.5, 0.5},                         {46.5, 6.5, 6, 0.5}};
  // Fine rings between the measured ones, so the shirt's panel gets clean edges.
  std::vector<Ring> fine;
  for (size_t i = 0; i + 1 < rings.size(); ++i) {
    for (int j = 0; j < 4; ++j) {
      const double t = j / 4.0, u = (1 - std::cos(t * kPi)) / 2;
      const Ring& a = rings[i];
      const Ring& b = rings[i + 1];
      fine.push_back({(a.Z + (b.Z - a.Z) * t) * k, (a.Rx + (b.Rx - a.Rx) * u) * k, (a.Ry + (b.Ry - a.Ry) * u) * k,
                      (a.Y + (b.Y - a.Y) * u) * k});
    }
  }
  const Ring& top = rings.back();
  fine.push_back({top.Z * k, top.Rx * k, top.Ry * k, top.Y * k});
  AddRings(m, fine, [&](double z) { return z < 7 * k ? trousers : z < 9.5 * k ? belt : shirt; }, 0.15, 56);
  // The bowling shirt's second colour: a broad stripe down the middle or a yoke over the shoulders.
  for (sprites::Triangle& t : m.Triangles) {
    const Vec3 c = (t.V[0].Position + t.V[1].Position + t.V[2].Position) * (1.0 / 3);
    if (c.z < 9.5 * k) continue;
    const bool inPanel = s.Cut == ShirtCut::Stripe ? std::fabs(c.x) < 4.5 * k : c.z > 36 * k;
    if (inPanel) t.Color = panel;
  }
  AddEllipsoid(m, {0, 0.5 * k, 45 * k}, Vec3{6.8, 6.3, 2.2} * k, panel, 0.2, 12, 5);
  sprites::AddTube(m, {0, 0, 42 * k}, {0, -0.5 * k, 50 * k}, 4.2 * k, 4.0 * k, Opaque(s.Skin), 0.1, 10);
}

void AddLeg(Model& m, const BowlerStyle& s, double k, Vec3 hip, const FootPose& foot, double side) {
  const Vec3 ankle = foot.Ankle;
  const Vec3 knee = Knee(hip, ankle, kThigh * k, kShin * k, {side * 0.25, -1, 0.1});
  const uint32_t trousers = Opaque(s.Trousers);
  AddLimb(m, hip, knee, 8.0 * k, 6.0 * k, trousers, 0.15);
  if (s.Capris) {
    const Vec3 hem = knee + (ankle - knee) * 0.45;
    AddLimb(m, knee, hem, 6.0 * k, 5.2 * k, trousers, 0.15);
    AddLimb(m, hem, ankle, 4.3 * k, 3.2 * k, Opaque(s.Skin), 0.2);
  } else {
    AddLimb(m, knee, ankle, 6.0 * k, 4.6 * k, trousers, 0.15);
  }
  // The shoe: along the foot's direction, turned down at the toe when the heel is lifted.
  Model shoe;
  AddEllipsoid(shoe, {0, -4.5 * k, -2.2 * k}, Vec3{4.6, 9.6, 3.6} * k, Opaque(s.Shoes), 0.35, 12, 7);
  AddEllipsoid(shoe, {0, 1.5 * k, -1.6 * k}, Vec3{4.5, 4.4, 3.2} * k, Opaque(s.ShoeTrim), 0.35, 10, 6);
  AddEllipsoid(shoe, {0, -4.5 * k, -4.4 * k}, Vec3{4.8, 9.9, 1.2} * k, Rgb(34, 30, 28), 0.1, 12, 4);
  Rotate(shoe, {1, 0, 0}, -foot.Toe * kDeg, {0, 0, 0});
  Translate(shoe, ankle);
  m.Append(shoe);
}

// An arm from the shoulder; returns the wrist and the forearm's direction.
Vec3 AddArm(Model& m, const BowlerStyle& s, double k, Vec3 shoulder, const ArmPose& arm, double side,
            bool ballHand, Vec3& foreDirection) {
  const Vec3 upper = ArmDirection(arm.Swing, arm.Spread, side);
  const Vec3 fore = ArmDirection(arm.ForeSwing, arm.ForeSpread, side);
  const Vec3 sleeve = shoulder + upper * (12 * k);
  const Vec3 elbow = shoulder + upper * (kUpperArm * k);
  const Vec3 wrist = elbow + fore * (kForearm * k);
  const uint32_t skin = Opaque(s.Skin);
  AddLimb(m, shoulder, sleeve, 5.6 * k, 5.3 * k, Opaque(s.Shirt), 0.15);
  AddLimb(m, sleeve + upper * (0.5 * k), elbow, 4.4 * k, 3.9 * k, skin, 0.2);
  AddLimb(m, elbow, wrist, 3.9 * k, 3.0 * k, skin, 0.2);
  if (ballHand && s.WristBrace) {
    AddLimb(m, wrist - fore * (6 * k), wrist, 3.9 * k, 3.6 * k, Rgb(26, 26, 30), 0.3);
  }
  AddEllipsoid(m, wrist + fore * (3.2 * k), Vec3{3.4, 3.4, 3.4} * k, skin, 0.2, 10, 6);
  foreDirection = fore;
  return wrist;
}

}  // namespace

std::array<double, kPoseValues> PoseValues(const BodyPose& p) {
  std::array<double, kPoseValues> v{};
  int i = 0;
  for (double x : {p.Pelvis.x, p.Pelvis.y, p.Pelvis.z, p.Lean, p.Roll, p.Twist, p.Nod, p.Turn}) v[i++] = x;
  for (const FootPose& f : p.Feet) {
    for (double x : {f.Ankle.x, f.Ankle.y, f.Ankle.z, f.Toe}) v[i++] = x;
  }
  for (const ArmPose& a : p.Arms) {
    for (double x : {a.Swing, a.Spread, a.ForeSwing, a.ForeSpread}) v[i++] = x;
  }
  return v;
}

BodyPose PoseFromValues(const std::array<double, kPoseValues>& v, bool holdsBall) {
  BodyPose p;
  int i = 0;
  p.Pelvis = {v[0], v[1], v[2]};
  p.Lean = v[3];
  p.Roll = v[4];
  p.Twist = v[5];
  p.Nod = v[6];
  p.Turn = v[7];
  i = 8;
  for (FootPose& f : p.Feet) {
    f.Ankle = {v[i], v[i + 1], v[i + 2]};
    f.Toe = v[i + 3];
    i += 4;
  }
  for (ArmPose& a : p.Arms) {
    a = {v[i], v[i + 1], v[i + 2], v[i + 3]};
    i += 4;
  }
  p.HoldsBall = holdsBall;
  return p;
}

FigureModel BuildFigure(const BowlerStyle& s, const BodyPose& authored, bool face) {
  const double k = s.Size;
  // Poses are written for a bowler of Size 1: heights grow with the bowler, steps stay as long.
  BodyPose pose = authored;
  pose.Pelvis.z *= k;
  for (FootPose& foot : pose.Feet) foot.Ankle.z *= k;
  const TorsoFrame torso{pose.Pelvis, pose.Lean * kDeg, pose.Roll * kDeg, pose.Twist * kDeg};
  FigureModel out;
  Model& m = out.Shape;

  Model upper;
  AddTorso(upper, s, k);
  Model head;
  AddHead(head, s, k, face);
  const Vec3 neck{0, 0, kNeckZ * k};
  Rotate(head, {1, 0, 0}, pose.Nod * kDeg, neck);
  Rotate(head, {0, 0, 1}, pose.Turn * kDeg, neck);
  upper.Append(head);
  torso.Place(upper);
  m.Append(upper);

  // The hips turn half as far as the shoulders.
  for (int i = 0; i < 2; ++i) {
    const double side = i == 0 ? 1 : -1;
    const Vec3 hip = pose.Pelvis + RotatePoint({side * s.Hips * k, 0, -4 * k}, {0, 0, 1}, torso.Twist * 0.5);
    AddLeg(m, s, k, hip, pose.Feet[i], side);
  }
  for (int i = 0; i < 2; ++i) {
    const double side = i == 0 ? 1 : -1;
    const Vec3 shoulder = torso({side * (s.Shoulders - 3.5) * k, 0.5 * k, (kShoulderZ - 1) * k});
    Vec3 fore;
    const Vec3 wrist = AddArm(m, s, k, shoulder, pose.Arms[i], side, i == 0, fore);
    if (i == 0 && pose.HoldsBall) {
      out.BallCentre = wrist + fore * (kBallRadius * 0.85 + 2.5 * k);
      AddEllipsoid(m, out.BallCentre, {kBallRadius, kBallRadius, kBallRadius}, Opaque(s.Ball), 1.0, 20, 12);
    }
  }
  if (s.LeftHanded) {
    MirrorX(m);
    out.BallCentre.x = -out.BallCentre.x;
  }
  return out;
}

}  // namespace bowling_people
