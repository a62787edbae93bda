#include "tools/assetgen/sprites/shapes.h"

#include <cmath>

namespace sprites {

namespace {

constexpr double kPi = 3.14159265358979323846;

void AddFlat(Model& m, Vec3 a, Vec3 b, Vec3 c, uint32_t color, double shine) {
  const Vec3 n = Normalized(Cross(b - a, c - a));
  m.Triangles.push_back({{{a, n}, {b, n}, {c, n}}, color, shine});
}

}  // namespace

void AddBox(Model& m, Vec3 c, Vec3 h, uint32_t color, double shine) {
  Vec3 p[8];
  for (int i = 0; i < 8; ++i) {
    p[i] = {c.x + ((i & 1) ? h.x : -h.x), c.y + ((i & 2) ? h.y : -h.y), c.z + ((i & 4) ? h.z : -h.z)};
  }
  const int faces[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
  for (const auto& f : faces) {
    AddFlat(m, p[f[0]], p[f[1]], p[f[2]], color, shine);
    AddFlat(m, p[f[0]], p[f[2]], p[f[3]], color, shine);
  }
}

void AddEllipsoid(Model& m, Vec3 c, Vec3 r, uint32_t color, double shine, int slices, int stacks) {
  auto point = [&](int i, int j, Vertex& v) {
    const double th = 2 * kPi * i / slices;
    const double ph = kPi * j / stacks - kPi / 2;
    const Vec3 unit = {std::cos(ph) * std::cos(th), std::cos(ph) * std::sin(th), std::sin(ph)};
    v.Position = {c.x + r.x * unit.x, c.y + r.y * unit.y, c.z + r.z * unit.z};
    v.Normal = Normalized({unit.x / r.x, unit.y / r.y, unit.z / r.z});
  };
  for (int j = 0; j < stacks; ++j) {
    for (int i = 0; i < slices; ++i) {
      Vertex a, b, d, e;
      point(i, j, a);
      point(i + 1, j, b);
      point(i + 1, j + 1, d);
      point(i, j + 1, e);
      m.Triangles.push_back({{a, b, d}, color, shine});
      m.Triangles.push_back({{a, d, e}, color, shine});
    }
  }
}

void AddTube(Model& m, Vec3 a, Vec3 b, double ra, double rb, uint32_t color, double shine, int sides) {
  const Vec3 axis = Normalized(b - a);
  const Vec3 helper = std::fabs(axis.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
  const Vec3 u = Normalized(Cross(axis, helper));
  const Vec3 v = Cross(axis, u);
  auto ring = [&](int i, Vec3 centre, double r, Vertex& out) {
    const double th = 2 * kPi * i / sides;
    const Vec3 dir = u * std::cos(th) + v * std::sin(th);
    out.Position = centre + dir * r;
    out.Normal = dir;
  };
  for (int i = 0; i < sides; ++i) {
    Vertex p0, p1, q0, q1;
    ring(i, a, ra, p0);
    ring(i + 1, a, ra, p1);
    ring(i, b, rb, q0);
    ring(i + 1, b, rb, q1);
    m.Triangles.push_back({{p0, p1, q1}, color, shine});
    m.Triangles.push_back({{p0, q1, q0}, color, shine});
    AddFlat(m, a, p1.Position, p0.Position, color, shine);
    AddFlat(m, b, q0.Position, q1.Position, color, shine);
  }
}

void AddLoft(Model& m, const std::vector<std::vector<Vec3>>& st, const std::vector<uint32_t>& colors,
             double shine) {
  const size_t ns = st.size();
  if (ns < 2) return;
  const size_t np = st[0].size();
  // Face normal of the quad between stations i and i + 1 on segment j.
  auto face = [&](size_t i, size_t j) {
    const Vec3 d1 = st[i + 1][j + 1] - st[i][j];
    const Vec3 d2 = st[i + 1][j] - st[i][j + 1];
    return Normalized(Cross(d1, d2));
  };
  for (size_t j = 0; j + 1 < np; ++j) {
    std::vector<Vec3> normals(ns);
    for (size_t i = 0; i < ns; ++i) {
      Vec3 n{0, 0, 0};
      if (i > 0) n = n + face(i - 1, j);
      if (i + 1 < ns) n = n + face(i, j);
      normals[i] = Normalized(n);
    }
    for (size_t i = 0; i + 1 < ns; ++i) {
      const Vertex a{st[i][j], normals[i]}, b{st[i][j + 1], normals[i]};
      const Vertex c{st[i + 1][j + 1], normals[i + 1]}, d{st[i + 1][j], normals[i + 1]};
      m.Triangles.push_back({{a, b, c}, colors[j], shine});
      m.Triangles.push_back({{a, c, d}, colors[j], shine});
    }
  }
}

void AddPolygon(Model& m, const std::vector<Vec3>& pts, uint32_t color, double shine) {
  for (size_t i = 1; i + 1 < pts.size(); ++i) AddFlat(m, pts[0], pts[i], pts[i + 1], color, shine);
}

void AddLine(Model& m, Vec3 a, Vec3 b, uint32_t colorA, uint32_t colorB) {
  m.Lines.push_back({a, b, colorA, colorB});
}

void TurnAndMove(Model& m, double angle, Vec3 offset) {
  const double c = std::cos(angle), s = std::sin(angle);
  auto turn = [&](Vec3 p) { return Vec3{p.x * c - p.y * s, p.x * s + p.y * c, p.z}; };
  for (Triangle& t : m.Triangles) {
    for (Vertex& v : t.V) {
      v.Position = turn(v.Position) + offset;
      v.Normal = turn(v.Normal);
    }
  }
  for (Segment& s2 : m.Lines) {
    s2.A = turn(s2.A) + offset;
    s2.B = turn(s2.B) + offset;
  }
}

void ScaleModel(Model& m, double f) {
  for (Triangle& t : m.Triangles) {
    for (Vertex& v : t.V) v.Position = v.Position * f;
  }
  for (Segment& s : m.Lines) {
    s.A = s.A * f;
    s.B = s.B * f;
  }
}

void Pitch(Model& m, double angle, Vec3 pivot) {
  const double c = std::cos(angle), s = std::sin(angle);
  auto turn = [&](Vec3 p) { return Vec3{p.x * c + p.z * s, p.y, -p.x * s + p.z * c}; };
  for (Triangle& t : m.Triangles) {
    for (Vertex& v : t.V) {
      v.Position = turn(v.Position - pivot) + pivot;
      v.Normal = turn(v.Normal);
    }
  }
  for (Segment& s2 : m.Lines) {
    s2.A = turn(s2.A - pivot) + pivot;
    s2.B = turn(s2.B - pivot) + pivot;
  }
}

}  // namespace sprites
