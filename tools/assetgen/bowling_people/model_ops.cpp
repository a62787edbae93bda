#include "tools/assetgen/bowling_people/model_ops.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "tools/assetgen/sprites/shapes.h"

namespace bowling_people {

namespace {

constexpr double kPi = 3.14159265358979323846;

template <typename F>
void ForEachPoint(Model& m, F point, bool normals) {
  for (sprites::Triangle& t : m.Triangles) {
    for (sprites::Vertex& v : t.V) {
      v.Position = point(v.Position, false);
      if (normals) v.Normal = point(v.Normal, true);
    }
  }
  for (sprites::Segment& s : m.Lines) {
    s.A = point(s.A, false);
    s.B = point(s.B, false);
  }
}

// A turn about a unit axis, with its sine and cosine worked out once for many points.
struct Turn {
  Vec3 k;
  double c, s;
  Turn(Vec3 axis, double angle) : k(sprites::Normalized(axis)), c(std::cos(angle)), s(std::sin(angle)) {}
  Vec3 operator()(Vec3 p) const { return p * c + sprites::Cross(k, p) * s + k * (sprites::Dot(k, p) * (1 - c)); }
};

}  // namespace

Vec3 RotatePoint(Vec3 p, Vec3 axis, double angle) { return Turn(axis, angle)(p); }

void Rotate(Model& m, Vec3 axis, double angle, Vec3 pivot) {
  const Turn turn(axis, angle);
  ForEachPoint(m, [&](Vec3 p, bool normal) { return normal ? turn(p) : turn(p - pivot) + pivot; }, true);
}

void Translate(Model& m, Vec3 offset) {
  ForEachPoint(m, [&](Vec3 p, bool) { return p + offset; }, false);
}

void MirrorX(Model& m) {
  ForEachPoint(m, [](Vec3 p, bool) { return Vec3{-p.x, p.y, p.z}; }, true);
}

double LowestZ(const Model& m) {
  double low = std::numeric_limits<double>::infinity();
  for (const sprites::Triangle& t : m.Triangles) {
    for (const sprites::Vertex& v : t.V) low = std::min(low, v.Position.z);
  }
  return std::isinf(low) ? 0 : low;
}

void AddLathe(Model& m, Vec3 base, const std::vector<ProfilePoint>& profile,
              const std::vector<uint32_t>& colors, double shine, int sides) {
  const size_t n = profile.size();
  // The normal at each profile point, from the slope of the profile around it.
  std::vector<double> nr(n), nz(n);
  for (size_t i = 0; i < n; ++i) {
    const ProfilePoint a = profile[i == 0 ? 0 : i - 1], b = profile[std::min(n - 1, i + 1)];
    const double dz = b.Z - a.Z, dr = b.R - a.R;
    const double len = std::hypot(dz, dr);
    nr[i] = len > 0 ? dz / len : 1;
    nz[i] = len > 0 ? -dr / len : 0;
  }
  auto vertex = [&](size_t i, int j) {
    const double a = 2 * kPi * j / sides;
    const double c = std::cos(a), s = std::sin(a);
    return sprites::Vertex{base + Vec3{profile[i].R * c, profile[i].R * s, profile[i].Z},
                           Vec3{nr[i] * c, nr[i] * s, nz[i]}};
  };
  for (size_t i = 0; i + 1 < n; ++i) {
    const uint32_t color = colors[std::min(i, colors.size() - 1)];
    for (int j = 0; j < sides; ++j) {
      const sprites::Vertex a = vertex(i, j), b = vertex(i, j + 1), c = vertex(i + 1, j + 1), d = vertex(i + 1, j);
      m.Triangles.push_back({{a, b, c}, color, shine});
      m.Triangles.push_back({{a, c, d}, color, shine});
    }
  }
  if (profile.front().R > 0) {
    std::vector<Vec3> disc;
    for (int j = sides; j > 0; --j) disc.push_back(vertex(0, j).Position);
    sprites::AddPolygon(m, disc, colors.front(), shine);
  }
}

void AddRings(Model& m, const std::vector<Ring>& rings, const std::function<uint32_t(double z)>& colorAt,
              double shine, int sides) {
  const size_t n = rings.size();
  auto point = [&](size_t i, int j) {
    const double a = 2 * kPi * j / sides;
    return Vec3{rings[i].Rx * std::cos(a), rings[i].Y + rings[i].Ry * std::sin(a), rings[i].Z};
  };
  // Normals from the surface's slope around the ring and up the stack (ends: towards the caps).
  auto normal = [&](size_t i, int j) {
    const Vec3 around = point(i, j + 1) - point(i, j - 1);
    const Vec3 up = point(std::min(n - 1, i + 1), j) - point(i == 0 ? 0 : i - 1, j);
    return sprites::Normalized(sprites::Cross(around, up));
  };
  auto color = [&](const Vec3& a, const Vec3& b, const Vec3& c) { return colorAt((a.z + b.z + c.z) / 3); };
  for (size_t i = 0; i + 1 < n; ++i) {
    for (int j = 0; j < sides; ++j) {
      const sprites::Vertex a{point(i, j), normal(i, j)}, b{point(i, j + 1), normal(i, j + 1)};
      const sprites::Vertex c{point(i + 1, j + 1), normal(i + 1, j + 1)}, d{point(i + 1, j), normal(i + 1, j)};
      const uint32_t col = color(a.Position, b.Position, c.Position);
      m.Triangles.push_back({{a, b, c}, col, shine});
      m.Triangles.push_back({{a, c, d}, col, shine});
    }
  }
  for (size_t end : {size_t{0}, n - 1}) {
    const Vec3 centre{0, rings[end].Y, rings[end].Z};
    const Vec3 out{0, 0, end == 0 ? -1.0 : 1.0};
    for (int j = 0; j < sides; ++j) {
      const sprites::Vertex a{point(end, j), out}, b{point(end, j + 1), out}, c{centre, out};
      m.Triangles.push_back({{a, b, c}, colorAt(centre.z), shine});
    }
  }
}

void AddLimb(Model& m, Vec3 a, Vec3 b, double ra, double rb, uint32_t color, double shine) {
  sprites::AddTube(m, a, b, ra, rb, color, shine, 10);
  sprites::AddEllipsoid(m, a, {ra, ra, ra}, color, shine, 10, 6);
  sprites::AddEllipsoid(m, b, {rb, rb, rb}, color, shine, 10, 6);
}

}  // namespace bowling_people
