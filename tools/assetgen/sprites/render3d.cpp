#include "tools/assetgen/sprites/render3d.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sprites {

namespace {

constexpr int kSuper = 4;              // samples per pixel along each axis
constexpr double kHeightScale = 0.8660254037844386;  // cos 30: heights on screen
constexpr double kPi = 3.14159265358979323846;

// Towards the viewer (south and above) and towards the sun (west, north and high up).
const Vec3 kView = {0, kHeightScale, 0.5};
const Vec3 kSun = Normalized({-0.62, -0.48, 0.78});

struct Posed {
  double sx[3], sy[3], depth[3], z[3];
  Vec3 n[3];
};

Vec3 Turn(Vec3 p, double c, double s) { return {p.x * c - p.y * s, p.x * s + p.y * c, p.z}; }

uint32_t Light(uint32_t base, double shine, Vec3 n) {
  n = Normalized(n);
  if (Dot(n, kView) < 0) n = n * -1.0;  // thin surfaces are lit from the side that is seen
  const double diffuse = std::max(0.0, Dot(n, kSun));
  const double sky = 0.5 + 0.5 * n.z;
  const double light = 0.40 + 0.16 * sky + 0.62 * diffuse;
  const Vec3 half = Normalized(kSun + kView);
  const double highlight = shine * std::pow(std::max(0.0, Dot(n, half)), 28) * 170;
  // A warm sun and a cool sky fill.
  auto ch = [&](int v, double tint) {
    return std::clamp(static_cast<int>(std::lround(v * light * tint + highlight)), 0, 255);
  };
  return Rgb(ch(RedOf(base), 1.04), ch(GreenOf(base), 1.0), ch(BlueOf(base), 0.97));
}

struct Buffers {
  int w = 0, h = 0;
  std::vector<uint32_t> color;   // per sample, 0 = empty
  std::vector<double> depth;     // per sample, larger = nearer
};

void Rasterize(const Model& model, const Camera& cam, Buffers& buf) {
  buf.w = cam.Width * kSuper;
  buf.h = cam.Height * kSuper;
  buf.color.assign(static_cast<size_t>(buf.w) * buf.h, 0);
  buf.depth.assign(buf.color.size(), -std::numeric_limits<double>::infinity());
  const double a = cam.Heading * 2 * kPi / 256;
  const double c = std::cos(a), s = std::sin(a);
  for (const Triangle& t : model.Triangles) {
    Posed p;
    for (int k = 0; k < 3; ++k) {
      const Vec3 w = Turn(t.V[k].Position, c, s);
      p.sx[k] = (cam.OriginX + w.x) * kSuper;
      p.sy[k] = (cam.OriginY + w.y * 0.5 - w.z * kHeightScale) * kSuper;
      p.depth[k] = w.y * kHeightScale + w.z * 0.5;
      p.z[k] = w.z;
      p.n[k] = Turn(t.V[k].Normal, c, s);
    }
    const double area = (p.sx[1] - p.sx[0]) * (p.sy[2] - p.sy[0]) -
                        (p.sx[2] - p.sx[0]) * (p.sy[1] - p.sy[0]);
    if (std::fabs(area) < 1e-9) continue;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({p.sx[0], p.sx[1], p.sx[2]}))));
    const int x1 = std::min(buf.w - 1, static_cast<int>(std::ceil(std::max({p.sx[0], p.sx[1], p.sx[2]}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({p.sy[0], p.sy[1], p.sy[2]}))));
    const int y1 = std::min(buf.h - 1, static_cast<int>(std::ceil(std::max({p.sy[0], p.sy[1], p.sy[2]}))));
    for (int y = y0; y <= y1; ++y) {
      const double py = y + 0.5;
      for (int x = x0; x <= x1; ++x) {
        const double px = x + 0.5;
        double b[3];
        for (int k = 0; k < 3; ++k) {
          const int i = (k + 1) % 3, j = (k + 2) % 3;
          b[k] = ((p.sx[j] - p.sx[i]) * (py - p.sy[i]) - (px - p.sx[i]) * (p.sy[j] - p.sy[i])) / area;
        }
        if (b[0] < 0 || b[1] < 0 || b[2] < 0) continue;
        const double z = b[0] * p.z[0] + b[1] * p.z[1] + b[2] * p.z[2];
        if (z < cam.HideBelowZ) continue;
        const double d = b[0] * p.depth[0] + b[1] * p.depth[1] + b[2] * p.depth[2];
        const size_t idx = static_cast<size_t>(y) * buf.w + x;
        if (d <= buf.depth[idx]) continue;
        buf.depth[idx] = d;
        const Vec3 n = p.n[0] * b[0] + p.n[1] * b[1] + p.n[2] * b[2];
        buf.color[idx] = t.Glow ? (t.Color | 0xFF000000u) : Light(t.Color, t.Shine, n);
      }
    }
  }
}

// Averages each block of samples into one pixel: alpha is the covered share, the colour the mean
// of the covered samples; depth is the nearest sample.
Image Downsample(const Buffers& buf, int w, int h, std::vector<double>* depth) {
  Image out(w, h);
  if (depth) depth->assign(static_cast<size_t>(w) * h, -std::numeric_limits<double>::infinity());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int n = 0, r = 0, g = 0, b = 0;
      double near = -std::numeric_limits<double>::infinity();
      for (int sy = 0; sy < kSuper; ++sy) {
        for (int sx = 0; sx < kSuper; ++sx) {
          const size_t idx = static_cast<size_t>(y * kSuper + sy) * buf.w + x * kSuper + sx;
          const uint32_t c = buf.color[idx];
          if (c == 0) continue;
          ++n;
          r += RedOf(c);
          g += GreenOf(c);
          b += BlueOf(c);
          near = std::max(near, buf.depth[idx]);
        }
      }
      if (n == 0) continue;
      out.At(x, y) = Argb(n * 255 / (kSuper * kSuper), r / n, g / n, b / n);
      if (depth) (*depth)[static_cast<size_t>(y) * w + x] = near;
    }
  }
  return out;
}

void DrawLines(const Model& model, const Camera& cam, Image& img, const std::vector<double>& depth) {
  const double a = cam.Heading * 2 * kPi / 256;
  const double c = std::cos(a), s = std::sin(a);
  for (const Segment& seg : model.Lines) {
    const Vec3 wa = Turn(seg.A, c, s), wb = Turn(seg.B, c, s);
    double ax, ay, bx, by;
    Project(cam, seg.A, ax, ay);
    Project(cam, seg.B, bx, by);
    const double da = wa.y * kHeightScale + wa.z * 0.5, db = wb.y * kHeightScale + wb.z * 0.5;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::max(std::fabs(bx - ax), std::fabs(by - ay)))));
    for (int i = 0; i <= steps; ++i) {
      const double t = static_cast<double>(i) / steps;
      const int x = static_cast<int>(std::floor(ax + (bx - ax) * t));
      const int y = static_cast<int>(std::floor(ay + (by - ay) * t));
      if (!img.Inside(x, y)) continue;
      const double z = wa.z + (wb.z - wa.z) * t;
      if (z < cam.HideBelowZ) continue;
      const double d = da + (db - da) * t;
      if (img.Opaque(x, y) && d < depth[static_cast<size_t>(y) * img.Width + x] - 0.5) continue;
      img.At(x, y) = Mix(seg.ColorA, seg.ColorB, t) | 0xFF000000u;
    }
  }
}

}  // namespace

double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 Normalized(Vec3 a) {
  const double l = std::sqrt(Dot(a, a));
  return l > 0 ? a * (1.0 / l) : Vec3{0, 0, 1};
}

void Model::Append(const Model& other) {
  Triangles.insert(Triangles.end(), other.Triangles.begin(), other.Triangles.end());
  Lines.insert(Lines.end(), other.Lines.begin(), other.Lines.end());
}

void Project(const Camera& cam, Vec3 p, double& sx, double& sy) {
  const double a = cam.Heading * 2 * kPi / 256;
  const Vec3 w = Turn(p, std::cos(a), std::sin(a));
  sx = cam.OriginX + w.x;
  sy = cam.OriginY + w.y * 0.5 - w.z * kHeightScale;
}

Image RenderSoft(const Model& model, const Camera& camera) {
  Buffers buf;
  Rasterize(model, camera, buf);
  return Downsample(buf, camera.Width, camera.Height, nullptr);
}

Image Render(const Model& model, const Camera& camera) {
  Buffers buf;
  Rasterize(model, camera, buf);
  std::vector<double> depth;
  Image img = Downsample(buf, camera.Width, camera.Height, &depth);
  Harden(img, 112);
  Outline(img);
  DrawLines(model, camera, img, depth);
  return img;
}

}  // namespace sprites
