#include "tools/assetgen/bowling_people/pins.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/bowling_people/model_ops.h"

namespace bowling_people {

namespace {

using sprites::Rgb;

constexpr double kPi = 3.14159265358979323846;
constexpr double kUnitsPerInch = 2.0;  // a 15-inch pin stands 30 pixels tall
constexpr double kBaseRadius = 0.95 * kUnitsPerInch;
constexpr double kPinElevation = 14;  // the deck is far away and seen at a low angle
constexpr double kMiddle = 11;        // height of the pin's balance point

Model PinModel() {
  // A regulation pin's profile in inches: base, belly, neck and head.
  const std::vector<ProfilePoint> inches = {
      {0.0, 0.95},  {0.35, 1.25}, {1.1, 1.62},  {2.2, 1.98},  {3.3, 2.24},  {4.5, 2.38},
      {5.7, 2.30},  {6.8, 2.04},  {7.8, 1.70},  {8.3, 1.48},  {8.9, 1.22},  {9.6, 1.01},
      {10.0, 0.93}, {10.7, 0.94}, {11.3, 1.04}, {12.0, 1.18}, {12.8, 1.26}, {13.5, 1.22},
      {14.1, 1.05}, {14.6, 0.74}, {14.9, 0.38}, {15.0, 0.0}};
  std::vector<ProfilePoint> profile;
  for (const ProfilePoint& p : inches) profile.push_back({p.Z * kUnitsPerInch, p.R * kUnitsPerInch});
  const uint32_t white = Rgb(242, 240, 234), red = Rgb(212, 34, 38);
  std::vector<uint32_t> bands(profile.size() - 1, white);
  bands[10] = red;  // 8.9 .. 9.6 inches
  bands[12] = red;  // 10.0 .. 10.7 inches
  Model m;
  AddLathe(m, {0, 0, 0}, profile, bands, 0.9, 20);
  return m;
}

// How a falling pin stands in one frame.
struct PinPose {
  double Lean = 0;   // floor direction the pin falls towards, degrees (0 right, 270 up the lane)
  double Tilt = 0;   // degrees from upright towards Lean
  double Hop = 0;    // height of the base above the deck while it flies
  double Yaw = 0;    // turn of the lying pin about its middle, degrees
  bool Flying = false;  // turns about its middle in the air instead of over its base
};

double Ramp(double f, double a, double b) { return std::clamp((f - a) / (b - a), 0.0, 1.0); }
double Falling(double p) { return p * p; }                  // speeds up like a real topple
double Settling(double p) { return 1 - (1 - p) * (1 - p); }  // slows down to rest
double Arc(double f, double a, double b, double height) {
  const double p = Ramp(f, a, b);
  return 4 * height * p * (1 - p);
}
// The little rebound of a pin that hits the deck at `frame`.
double Rebound(double f, double frame, double size) {
  if (f <= frame) return 0;
  return -size * std::exp(-(f - frame) * 0.7) * std::fabs(std::sin((f - frame) * kPi / 2.2));
}

PinPose PoseOf(int row, int frame) {
  const double f = frame;
  PinPose p;
  if (frame == 0) return p;
  switch (row) {
    case 0:
    case 1:  // knocked back and to the side, a rebound, then a slow slide round
      p.Lean = row == 0 ? 235 : 305;
      p.Tilt = 90 * Falling(Ramp(f, 0, 6)) + Rebound(f, 6, 12);
      p.Hop = Arc(f, 0, 3, 2);
      p.Yaw = (row == 0 ? 25 : -25) * Settling(Ramp(f, 7, 15));
      break;
    case 2:  // thrown up and over backwards, landing lying up the lane
      p.Lean = 265;
      p.Tilt = 450 * Ramp(f, 0.5, 9) + Rebound(f, 9, 10);
      p.Hop = Arc(f, 0, 9, 11);
      p.Flying = true;
      break;
    case 3:
    case 4:  // flung flat to the side, then spinning on the deck
      p.Lean = row == 3 ? 185 : 355;
      p.Tilt = 90 * Falling(Ramp(f, 0, 4));
      p.Hop = Arc(f, 0, 4, 4);
      p.Yaw = (row == 3 ? 160 : -160) * Settling(Ramp(f, 4, 15));
      break;
    case 5:  // a cartwheel through the air
      p.Lean = 160;
      p.Tilt = 270 * Ramp(f, 0.5, 10) + Rebound(f, 10, 10);
      p.Hop = Arc(f, 0, 10, 10);
      p.Flying = true;
      break;
    case 6:  // a wobbling, turning topple
      p.Lean = 240 + 7 * f;
      p.Tilt = 90 * std::pow(Ramp(f, 0, 11), 1.5) + Rebound(f, 11, 8);
      break;
    case 7:  // knocked flat at once and spun like a propeller
      p.Lean = 270;
      p.Tilt = 90 * Falling(Ramp(f, 0, 3));
      p.Hop = Arc(f, 0, 3, 6);
      p.Yaw = 450 * Settling(Ramp(f, 3, 15));
      break;
    case 8:
    case 9:  // nudged by a pin: a slow topple
      p.Lean = row == 8 ? 215 : 325;
      p.Tilt = 90 * Falling(Ramp(f, 0, 9)) + Rebound(f, 9, 8);
      break;
    case 10:  // a wobble on the spot before it goes over
      p.Lean = 265;
      p.Tilt = f < 5 ? 14 * std::fabs(std::sin(f * kPi / 3)) : 8 + 82 * Falling(Ramp(f, 5, 11));
      p.Tilt += Rebound(f, 11, 7);
      break;
    default:  // pushed aside, sliding round as it settles
      p.Lean = 350;
      p.Tilt = 90 * Falling(Ramp(f, 0, 7)) + Rebound(f, 7, 9);
      p.Yaw = -60 * Settling(Ramp(f, 8, 15));
      break;
  }
  return p;
}

Model Posed(const Model& pin, const PinPose& pose) {
  Model m = pin;
  const double lean = pose.Lean * kPi / 180;
  const Vec3 toward{std::cos(lean), std::sin(lean), 0};
  // Tip over the rim of the base on the side it falls to, or turn about the middle in the air;
  // then rest on the deck or fly.
  const Vec3 pivot = pose.Flying ? Vec3{0, 0, kMiddle} : toward * kBaseRadius;
  Rotate(m, {-toward.y, toward.x, 0}, pose.Tilt * kPi / 180, pivot);
  Translate(m, {0, 0, std::max(pose.Hop, -LowestZ(m))});
  if (pose.Yaw != 0) {
    // A lying pin turns about its middle, a third of the way from the base.
    const double t = pose.Tilt * kPi / 180;
    const Vec3 middle = toward * (kBaseRadius + std::sin(t) * kMiddle) + Vec3{0, 0, std::cos(t) * kMiddle};
    Rotate(m, {0, 0, 1}, pose.Yaw * kPi / 180, {middle.x, middle.y, 0});
  }
  return m;
}

View PinView(const AlleyStyle& style) {
  View v;
  v.Elevation = kPinElevation;
  v.Width = kPinWidth;
  v.Height = kPinHeight;
  v.OriginX = kPinWidth / 2.0;
  v.OriginY = kPinHeight - 1.5;
  // The lamps in the masking unit shine down on the deck from in front of the pins.
  v.Key = {{-0.5, 0.7, 1.0}, 0.8, style.PinKey | 0xFF000000u};
  v.Fill = {{0.8, 0.4, 0.2}, 0.3, style.PinAmbient | 0xFF000000u};
  v.Ambient = 0.55;
  v.AmbientColor = style.PinAmbient | 0xFF000000u;
  return v;
}

}  // namespace

PinPictures RenderPins(const AlleyStyle& style) {
  const Model pin = PinModel();
  const View view = PinView(style);
  PinPictures out;
  for (int row = 0; row < kPinRows; ++row) {
    for (int frame = 0; frame < kPinFrames; ++frame) {
      const Model m = Posed(pin, PoseOf(row, frame));
      Image img = RenderView(m, view);
      Finish(img);
      out.Pins.push_back(std::move(img));
      out.Shadows.push_back(ShadowPicture(RenderFloorShadow(m, view, view.Key.Towards)));
    }
  }
  return out;
}

TPictureItemData PinItem(const PinPictures& pictures) {
  return sprites::PatternSheet("pin", pictures.Pins, kPinFrames);
}

TPictureItemData PinShadowItem(const PinPictures& pictures) {
  return sprites::PatternSheet("pinshadow", pictures.Shadows, kPinFrames);
}

}  // namespace bowling_people
