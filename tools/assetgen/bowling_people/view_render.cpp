#include "tools/assetgen/bowling_people/view_render.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace bowling_people {

namespace {

using sprites::Argb;
using sprites::BlueOf;
using sprites::GreenOf;
using sprites::RedOf;

constexpr int kSuper = 4;
constexpr double kPi = 3.14159265358979323846;

// Everything about the view and its lights that does not change from sample to sample.
struct Frame {
  double sinE, cosE;
  Vec3 toViewer, key, fill, half;
  double keyRgb[3], fillRgb[3], ambientRgb[3];
};

double Channel(uint32_t c, int shift) { return ((c >> shift) & 255) / 255.0; }

Frame FrameOf(const View& view) {
  const double e = view.Elevation * kPi / 180;
  Frame f;
  f.sinE = std::sin(e);
  f.cosE = std::cos(e);
  f.toViewer = {0, f.cosE, f.sinE};
  f.key = sprites::Normalized(view.Key.Towards);
  f.fill = sprites::Normalized(view.Fill.Towards);
  f.half = sprites::Normalized(f.key + f.toViewer);
  for (int c = 0; c < 3; ++c) {
    const int shift = 16 - 8 * c;
    f.keyRgb[c] = Channel(view.Key.Color, shift);
    f.fillRgb[c] = Channel(view.Fill.Color, shift);
    f.ambientRgb[c] = Channel(view.AmbientColor, shift);
  }
  return f;
}

uint32_t Shade(const View& view, const Frame& f, const sprites::Triangle& t, Vec3 n) {
  n = sprites::Normalized(n);
  if (sprites::Dot(n, f.toViewer) < 0) n = n * -1.0;  // thin surfaces are lit on the side seen
  const double keyLight = std::max(0.0, sprites::Dot(n, f.key)) * view.Key.Strength;
  const double fillLight = std::max(0.0, sprites::Dot(n, f.fill)) * view.Fill.Strength;
  const double sky = view.Ambient * (0.6 + 0.4 * n.z);
  double highlight = 0;
  if (t.Shine > 0) {
    double h = std::max(0.0, sprites::Dot(n, f.half));
    for (int i = 0; i < 5; ++i) h *= h;  // a tight highlight: the 32nd power
    highlight = t.Shine * h * view.Key.Strength * 0.85;
  }
  int rgb[3];
  for (int c = 0; c < 3; ++c) {
    const double lit = keyLight * f.keyRgb[c] + fillLight * f.fillRgb[c] + sky * f.ambientRgb[c];
    const double v = Channel(t.Color, 16 - 8 * c) * lit + highlight * f.keyRgb[c];
    rgb[c] = std::clamp(static_cast<int>(v * 255 + 0.5), 0, 255);
  }
  return sprites::Rgb(rgb[0], rgb[1], rgb[2]);
}

// The nearest triangle of every sample and where on it the sample lies; the samples are shaded
// once the nearest triangle is known, so hidden surfaces cost no lighting.
struct Buffers {
  int w = 0, h = 0;
  std::vector<int32_t> triangle;  // per sample, -1 = empty
  std::vector<float> depth;       // larger = nearer
  std::vector<float> b1, b2;      // barycentric weights of corners 1 and 2
  std::vector<uint32_t> color;    // after Resolve: 0 = empty
  int minX = 0, minY = 0, maxX = -1, maxY = -1;  // the samples any triangle covered
};

void Rasterize(const Model& model, const View& view, const Frame& f, bool lit, Buffers& buf) {
  buf.w = view.Width * kSuper;
  buf.h = view.Height * kSuper;
  const size_t samples = static_cast<size_t>(buf.w) * buf.h;
  buf.triangle.assign(samples, -1);
  buf.depth.assign(samples, -std::numeric_limits<float>::infinity());
  buf.b1.assign(samples, 0);
  buf.b2.assign(samples, 0);
  buf.minX = buf.w;
  buf.minY = buf.h;
  buf.maxX = buf.maxY = -1;
  for (size_t ti = 0; ti < model.Triangles.size(); ++ti) {
    const sprites::Triangle& t = model.Triangles[ti];
    // Faces turned away on every corner lie on the far side of a closed shape: never seen.
    if (lit && sprites::Dot(t.V[0].Normal, f.toViewer) < -0.05 && sprites::Dot(t.V[1].Normal, f.toViewer) < -0.05 &&
        sprites::Dot(t.V[2].Normal, f.toViewer) < -0.05) {
      continue;
    }
    double sx[3], sy[3], depth[3];
    for (int k = 0; k < 3; ++k) {
      const Vec3 p = t.V[k].Position;
      sx[k] = (view.OriginX + p.x) * kSuper;
      sy[k] = (view.OriginY + p.y * f.sinE - p.z * f.cosE) * kSuper;
      depth[k] = p.y * f.cosE + p.z * f.sinE;
    }
    const double area = (sx[1] - sx[0]) * (sy[2] - sy[0]) - (sx[2] - sx[0]) * (sy[1] - sy[0]);
    if (std::fabs(area) < 1e-9) continue;
    // Weight k = ea[k] * px + eb[k] * py + ec[k], from the edge opposite corner k.
    double ea[3], eb[3], ec[3];
    for (int k = 0; k < 3; ++k) {
      const int i = (k + 1) % 3, j = (k + 2) % 3;
      ea[k] = -(sy[j] - sy[i]) / area;
      eb[k] = (sx[j] - sx[i]) / area;
      ec[k] = (-(sx[j] - sx[i]) * sy[i] + sx[i] * (sy[j] - sy[i])) / area;
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({sx[0], sx[1], sx[2]}))));
    const int x1 = std::min(buf.w - 1, static_cast<int>(std::ceil(std::max({sx[0], sx[1], sx[2]}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({sy[0], sy[1], sy[2]}))));
    const int y1 = std::min(buf.h - 1, static_cast<int>(std::ceil(std::max({sy[0], sy[1], sy[2]}))));
    for (int y = y0; y <= y1; ++y) {
      const double py = y + 0.5;
      // Only the samples between the triangle's edges on this row: long thin triangles (limbs,
      // lathe bands) would otherwise cost their whole bounding box.
      double left = x1 + 1.0, right = x0 - 1.0;
      for (int k = 0; k < 3; ++k) {
        const int j = (k + 1) % 3;
        if ((sy[k] <= py) == (sy[j] <= py)) continue;
        const double at = sx[k] + (py - sy[k]) * (sx[j] - sx[k]) / (sy[j] - sy[k]);
        left = std::min(left, at);
        right = std::max(right, at);
      }
      const int from = std::max(x0, static_cast<int>(std::floor(left - 0.5)));
      const int to = std::min(x1, static_cast<int>(std::ceil(right - 0.5)));
      for (int x = from; x <= to; ++x) {
        const double px = x + 0.5;
        const double w0 = ea[0] * px + eb[0] * py + ec[0];
        const double w1 = ea[1] * px + eb[1] * py + ec[1];
        const double w2 = ea[2] * px + eb[2] * py + ec[2];
        if (w0 < 0 || w1 < 0 || w2 < 0) continue;
        const float d = static_cast<float>(w0 * depth[0] + w1 * depth[1] + w2 * depth[2]);
        const size_t idx = static_cast<size_t>(y) * buf.w + x;
        if (d <= buf.depth[idx]) continue;
        buf.depth[idx] = d;
        buf.triangle[idx] = static_cast<int32_t>(ti);
        buf.b1[idx] = static_cast<float>(w1);
        buf.b2[idx] = static_cast<float>(w2);
        buf.minX = std::min(buf.minX, x);
        buf.maxX = std::max(buf.maxX, x);
        buf.minY = std::min(buf.minY, y);
        buf.maxY = std::max(buf.maxY, y);
      }
    }
  }
}

// Lights every covered sample from its nearest triangle (unlit: plain black coverage).
void Resolve(const Model& model, const View& view, const Frame& f, bool lit, Buffers& buf) {
  buf.color.assign(buf.triangle.size(), 0);
  for (int y = buf.minY; y <= buf.maxY; ++y) {
    for (int x = buf.minX; x <= buf.maxX; ++x) {
      const size_t idx = static_cast<size_t>(y) * buf.w + x;
      const int32_t ti = buf.triangle[idx];
      if (ti < 0) continue;
      const sprites::Triangle& t = model.Triangles[static_cast<size_t>(ti)];
      if (!lit) {
        buf.color[idx] = 0xFF000000u;
      } else if (t.Glow) {
        buf.color[idx] = t.Color | 0xFF000000u;
      } else {
        const double w1 = buf.b1[idx], w2 = buf.b2[idx], w0 = 1 - w1 - w2;
        buf.color[idx] = Shade(view, f, t, t.V[0].Normal * w0 + t.V[1].Normal * w1 + t.V[2].Normal * w2);
      }
    }
  }
}

// Each block of samples becomes one pixel: alpha the covered share, colour the covered mean.
Image Downsample(const Buffers& buf, int w, int h) {
  Image out(w, h);
  for (int y = std::max(0, buf.minY / kSuper); y <= std::min(h - 1, buf.maxY / kSuper); ++y) {
    for (int x = std::max(0, buf.minX / kSuper); x <= std::min(w - 1, buf.maxX / kSuper); ++x) {
      int n = 0, r = 0, g = 0, b = 0;
      for (int sy = 0; sy < kSuper; ++sy) {
        const uint32_t* row = &buf.color[static_cast<size_t>(y * kSuper + sy) * buf.w + x * kSuper];
        for (int sx = 0; sx < kSuper; ++sx) {
          const uint32_t c = row[sx];
          if (c == 0) continue;
          ++n;
          r += RedOf(c);
          g += GreenOf(c);
          b += BlueOf(c);
        }
      }
      if (n > 0) out.At(x, y) = Argb(n * 255 / (kSuper * kSuper), r / n, g / n, b / n);
    }
  }
  return out;
}

// One set of buffers reused for every picture, so rendering hundreds of frames does not keep
// asking the system for fresh pages.
Buffers& Scratch() {
  thread_local Buffers buffers;
  return buffers;
}

}  // namespace

Projection::Projection(const View& view)
    : originX_(view.OriginX), originY_(view.OriginY), sinE_(std::sin(view.Elevation * kPi / 180)),
      cosE_(std::cos(view.Elevation * kPi / 180)) {}

void Projection::operator()(Vec3 p, double& sx, double& sy) const {
  sx = originX_ + p.x;
  sy = originY_ + p.y * sinE_ - p.z * cosE_;
}

void ProjectPoint(const View& view, Vec3 p, double& sx, double& sy) {
  const Projection project(view);
  project(p, sx, sy);
}

Image RenderView(const Model& model, const View& view) {
  const Frame f = FrameOf(view);
  Buffers& buf = Scratch();
  Rasterize(model, view, f, true, buf);
  Resolve(model, view, f, true, buf);
  return Downsample(buf, view.Width, view.Height);
}

Image RenderFloorShadow(const Model& model, const View& view, Vec3 towardsLight) {
  const Vec3 l = sprites::Normalized(towardsLight);
  Model flat = model;
  flat.Lines.clear();
  for (sprites::Triangle& t : flat.Triangles) {
    for (sprites::Vertex& v : t.V) {
      const Vec3 p = v.Position;
      const double up = std::max(0.0, p.z);
      v.Position = {p.x - l.x * up / l.z, p.y - l.y * up / l.z, 0};
    }
  }
  const Frame f = FrameOf(view);
  Buffers& buf = Scratch();
  Rasterize(flat, view, f, false, buf);
  Resolve(flat, view, f, false, buf);
  return Downsample(buf, view.Width, view.Height);
}

Image ShadowPicture(const Image& coverage) {
  Image out(coverage.Width, coverage.Height);
  for (int y = 0; y < coverage.Height; ++y) {
    for (int x = 0; x < coverage.Width; ++x) {
      const int a = sprites::AlphaOf(coverage.At(x, y));
      if (a >= 150 || (a >= 40 && (x + y) % 2 == 0)) out.At(x, y) = sprites::Rgb(0, 0, 0);
    }
  }
  return out;
}

void Finish(Image& image, int threshold) {
  sprites::Harden(image, threshold);
  sprites::Outline(image);
}

}  // namespace bowling_people
