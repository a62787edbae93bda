// The three boats, each a lofted hull with seats, console and outboard motor. The better boats are
// longer, sleeker and carry bigger motors. The "gas" pictures add the propeller's foaming wash,
// with the bow lifted a little as the boat digs in.
#include <cmath>
#include <functional>

#include "tools/assetgen/sprites/headings.h"
#include "tools/assetgen/sprites/image.h"
#include "tools/assetgen/sprites/models.h"
#include "tools/assetgen/sprites/shapes.h"

namespace sprites {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct HullStyle {
  double Stern, Bow;        // x of the transom and of the bow tip
  double Beam;              // half width at the widest
  double Deck, BowRise;     // deck height at the stern and its rise at the bow
  double Keel;              // depth below the water (hidden)
  double DeckFrom;          // share of the length (from the stern) where the foredeck starts
  double Floor;             // height of the floor inside
  uint32_t Side, Stripe, Bottom, Rim, Inside, FloorColor;
  double Shine;
};

// Half width along the hull, t = 0 at the transom, 1 at the bow: full beam aft, a curved taper to
// the point.
double Width(const HullStyle& s, double t) {
  if (t < 0.45) return s.Beam * (0.9 + 0.1 * t / 0.45);
  const double u = (t - 0.45) / 0.55;
  return s.Beam * std::sqrt(std::max(0.0, 1 - u * u));
}

void AddHull(Model& m, const HullStyle& s) {
  constexpr int kStations = 14;
  std::vector<std::vector<Vec3>> st;
  for (int i = 0; i <= kStations; ++i) {
    const double t = static_cast<double>(i) / kStations;
    const double x = s.Stern + (s.Bow - s.Stern) * t;
    const double w = Width(s, t);
    const double zd = s.Deck + s.BowRise * t * t;
    const double zs = zd - 1.6;  // lower edge of the stripe
    const double zc = 0.6;       // chine, just above the water
    const double inner = std::max(0.0, w - 1.4);
    const bool decked = t >= s.DeckFrom;
    const double deckBlend = decked ? std::min(1.0, (t - s.DeckFrom) / 0.06) : 0.0;
    const double iw = inner * (1 - deckBlend);
    const double zf = s.Floor + (zd - s.Floor) * deckBlend;
    st.push_back({{x, -w, zd}, {x, -w * 0.98, zs}, {x, -w * 0.85, zc}, {x, 0, -s.Keel},
                  {x, w * 0.85, zc}, {x, w * 0.98, zs}, {x, w, zd}, {x, iw, zd},
                  {x, iw * 0.9, zf}, {x, -iw * 0.9, zf}, {x, -iw, zd}, {x, -w, zd}});
  }
  AddLoft(m, st, {s.Stripe, s.Side, s.Bottom, s.Bottom, s.Side, s.Stripe, s.Rim, s.Inside,
                  s.FloorColor, s.Inside, s.Rim},
          s.Shine);
  const auto& a = st.front();
  AddPolygon(m, {a[0], a[2], a[3], a[4], a[6]}, s.Side, s.Shine);
}

void AddMotor(Model& m, double x, double z, double size, uint32_t cowl, uint32_t band) {
  // Clamp bracket, leg into the water, and the rounded engine cover on top.
  AddBox(m, {x + 0.6 * size, 0, z + 0.5}, {0.7 * size, 1.2 * size, 1.2}, Rgb(60, 60, 66));
  AddTube(m, {x - 0.6 * size, 0, -3}, {x - 0.6 * size, 0, z + 2}, 0.9 * size, 0.9 * size,
          Rgb(70, 72, 80), 0.3, 8);
  AddBox(m, {x - 0.9 * size, 0, z + 2.2 + 1.2 * size}, {1.9 * size, 1.6 * size, 1.3 * size}, cowl, 0.6);
  AddEllipsoid(m, {x - 0.9 * size, 0, z + 2.2 + 2.5 * size}, {2.0 * size, 1.7 * size, 0.8 * size},
               cowl, 0.6, 10, 6);
  AddBox(m, {x - 0.9 * size, 0, z + 2.2 + 0.9 * size}, {1.95 * size, 1.65 * size, 0.35 * size}, band, 0.4);
}

void AddSeat(Model& m, double x, double z, double halfWidth, uint32_t color) {
  AddBox(m, {x, 0, z}, {1.5, halfWidth, 0.7}, color, 0.2);
}

struct BoatDesign {
  HullStyle Hull;
  std::function<void(Model&)> Fittings;
  double MotorX, MotorZ, MotorSize;
  uint32_t Cowl, Band;
};

BoatDesign Design(int level) {
  BoatDesign d;
  if (level == 1) {
    // A small aluminium skiff with bench seats and a little tiller motor.
    d.Hull = {-15, 17, 8.0, 4.5, 1.8, 3.0, 1.00, 1.6,
              Rgb(126, 150, 104), Rgb(168, 178, 160), Rgb(92, 104, 84), Rgb(190, 196, 186),
              Rgb(120, 132, 116), Rgb(150, 136, 104), 0.5};
    d.Fittings = [](Model& m) {
      AddSeat(m, -10, 3.6, 7.0, Rgb(150, 112, 70));
      AddSeat(m, 7, 3.6, 6.0, Rgb(150, 112, 70));
    };
    d.MotorX = -16, d.MotorZ = 4.5, d.MotorSize = 1.0;
    d.Cowl = Rgb(70, 90, 170), d.Band = Rgb(235, 235, 235);
  } else if (level == 2) {
    // A red fibreglass bass boat: casting deck forward, a console and pedestal seats.
    d.Hull = {-18, 21, 9.0, 4.5, 1.2, 3.0, 0.62, 2.5,
              Rgb(204, 44, 40), Rgb(240, 240, 236), Rgb(170, 40, 36), Rgb(112, 118, 140),
              Rgb(96, 104, 128), Rgb(88, 96, 124), 0.9};
    d.Fittings = [](Model& m) {
      AddBox(m, {-1, 5, 6.2}, {2.6, 2.6, 3.0}, Rgb(236, 236, 230), 0.6);
      AddBox(m, {0.9, 5, 9.4}, {0.4, 2.4, 1.4}, Rgb(150, 200, 230), 0.9);
      AddTube(m, {-8, -2, 2.5}, {-8, -2, 6.5}, 0.5, 0.5, Rgb(180, 180, 180));
      AddBox(m, {-8, -2, 6.8}, {2.0, 2.0, 0.9}, Rgb(40, 44, 60), 0.3);
      AddBox(m, {-13, 0, 4.2}, {2.0, 7.0, 1.6}, Rgb(96, 104, 128), 0.2);
    };
    d.MotorX = -19, d.MotorZ = 5.0, d.MotorSize = 1.25;
    d.Cowl = Rgb(30, 32, 40), d.Band = Rgb(220, 40, 36);
  } else {
    // A white speedboat with a blue stripe, windscreen, bucket seats and a big motor.
    d.Hull = {-21, 25, 9.5, 5.5, 1.4, 3.0, 0.55, 3.5,
              Rgb(246, 246, 242), Rgb(36, 96, 200), Rgb(220, 220, 216), Rgb(250, 250, 246),
              Rgb(218, 200, 166), Rgb(196, 176, 140), 1.0};
    d.Fittings = [](Model& m) {
      AddPolygon(m, {{2.5, -8.5, 9.6}, {2.5, 8.5, 9.6}, {0.5, 8.0, 14.0}, {0.5, -8.0, 14.0}},
                 Rgb(150, 210, 240), 1.0);
      AddBox(m, {-4, -3.8, 6.0}, {2.2, 2.4, 2.4}, Rgb(236, 228, 210), 0.4);
      AddBox(m, {-4, 3.8, 6.0}, {2.2, 2.4, 2.4}, Rgb(236, 228, 210), 0.4);
      AddBox(m, {-6, -3.8, 9.0}, {0.7, 2.2, 2.2}, Rgb(36, 96, 200), 0.4);
      AddBox(m, {-6, 3.8, 9.0}, {0.7, 2.2, 2.2}, Rgb(36, 96, 200), 0.4);
      AddBox(m, {-15, 0, 5.8}, {3.0, 7.6, 2.0}, Rgb(236, 228, 210), 0.3);
    };
    d.MotorX = -22, d.MotorZ = 5.5, d.MotorSize = 1.55;
    d.Cowl = Rgb(36, 96, 200), d.Band = Rgb(246, 246, 246);
  }
  return d;
}

Model BoatModel(const BoatDesign& d, bool gas) {
  Model m;
  AddHull(m, d.Hull);
  d.Fittings(m);
  AddMotor(m, d.MotorX, d.MotorZ, d.MotorSize, d.Cowl, d.Band);
  if (gas) Pitch(m, -0.06, {0, 0, 0});  // the bow lifts under power
  return m;
}

// A repeatable pseudo-random value 0..1 for a pixel.
double Hash(int x, int y, int salt) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               static_cast<uint32_t>(salt) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

// How thick the propeller's foam lies at a point of the water (model space): a churned patch at
// the propeller and two arms that spread into a V and fade.
double FoamDensity(const BoatDesign& d, double x, double y) {
  const double behind = d.MotorX - 1.5 - x;
  if (behind < -2 || behind > 30) return 0;
  const double fade = std::exp(-std::max(0.0, behind) / 16.0);
  const double armY = 1.5 + behind * 0.42;
  const double arm = std::exp(-std::pow((std::fabs(y) - armY) / (1.2 + behind * 0.08), 2));
  const double churn = std::exp(-std::pow(y / (2.6 + behind * 0.05), 2)) * std::exp(-behind / 9.0);
  return std::min(1.0, 1.2 * (arm * fade + churn));
}

// Paints the wash on the water around an already rendered boat, speckled so it reads as foam.
void AddWash(Image& img, const BoatDesign& d, const Camera& cam, int salt) {
  const double a = cam.Heading * 2 * kPi / 256;
  const double c = std::cos(a), s = std::sin(a);
  for (int py = 0; py < img.Height; ++py) {
    for (int px = 0; px < img.Width; ++px) {
      if (img.Opaque(px, py)) continue;
      // The water point under this pixel, turned back into the boat's own frame.
      const double wx = px + 0.5 - cam.OriginX, wy = 2 * (py + 0.5 - cam.OriginY);
      const double mx = wx * c + wy * s, my = -wx * s + wy * c;
      const double f = FoamDensity(d, mx, my);
      if (f <= 0.05 || Hash(px, py, salt) > f * 0.95) continue;
      const double tone = Hash(px + 101, py + 37, salt);
      img.At(px, py) = tone < 0.55 ? Rgb(244, 250, 252) : tone < 0.85 ? Rgb(206, 232, 244)
                                                                       : Rgb(160, 206, 228);
    }
  }
}

}  // namespace

Model BoatShape(int level, bool gas) { return BoatModel(Design(level), gas); }

std::vector<TPictureItemData> MakeBoats() {
  std::vector<TPictureItemData> items;
  for (int level = 1; level <= 3; ++level) {
    const BoatDesign design = Design(level);
    for (bool gas : {false, true}) {
      const Model model = BoatModel(design, gas);
      std::vector<Image> patterns;
      for (int p = 0; p < 32; ++p) {
        Camera cam;
        cam.Heading = PatternHeading(BoatPattern, p);
        cam.Width = kBoatWidth;
        cam.Height = kBoatHeight;
        cam.OriginX = kBoatWidth / 2.0;
        cam.OriginY = kBoatHeight / 2.0;
        cam.HideBelowZ = 0;
        Image img = Render(model, cam);
        if (gas) AddWash(img, design, cam, level * 32 + p);
        patterns.push_back(std::move(img));
      }
      items.push_back(PatternSheet("boat" + std::to_string(level) + (gas ? "gas" : ""), patterns, 8));
    }
  }
  return items;
}

}  // namespace sprites
