#include "tools/assetgen/world/lake_map.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <stdexcept>

#include "media/random.h"
#include "tools/assetgen/tile_set.h"

namespace {

constexpr int kFar = 1 << 20;

double Smooth(double t) { return t * t * (3 - 2 * t); }

// Value noise over the world's pixels with a feature size of scale pixels, 0..1.
double Noise(double x, double y, double scale, uint32_t seed) {
  const double u = x / scale;
  const double v = y / scale;
  const double fu = u - std::floor(u);
  const double fv = v - std::floor(v);
  const auto i = static_cast<uint32_t>(static_cast<int64_t>(std::floor(u)) + 100000);
  const auto j = static_cast<uint32_t>(static_cast<int64_t>(std::floor(v)) + 100000);
  const double a = Hash01(i, j, seed) + (Hash01(i + 1, j, seed) - Hash01(i, j, seed)) * Smooth(fu);
  const double b = Hash01(i, j + 1, seed) + (Hash01(i + 1, j + 1, seed) - Hash01(i, j + 1, seed)) * Smooth(fu);
  return a + (b - a) * Smooth(fv);
}

double Fractal(double x, double y, double scale, uint32_t seed) {
  return (Noise(x, y, scale, seed) * 0.55 + Noise(x, y, scale / 2, seed + 1) * 0.3 +
          Noise(x, y, scale / 4, seed + 2) * 0.15);
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double len2 = dx * dx + dy * dy;
  const double t = len2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

// The grid being built: water flags, then tile numbers.
class TGrid {
 public:
  TGrid(int cols, int rows) : cols_(cols), rows_(rows), values_(static_cast<size_t>(cols) * rows, 0) {}
  int Cols() const { return cols_; }
  int Rows() const { return rows_; }
  int& At(int c, int r) { return values_[static_cast<size_t>(c) * rows_ + r]; }
  int At(int c, int r) const { return values_[static_cast<size_t>(c) * rows_ + r]; }

 private:
  int cols_;
  int rows_;
  std::vector<int> values_;
};

double CentreX(int c, int r) { return c * 64.0 + (r % 2) * 32.0 + 32.0; }
double CentreY(int r) { return r * 16.0 + 16.0; }

// Height above the water line at a world pixel: negative is water.
double Height(const TLakeShape& shape, double x, double y, double width, double height) {
  const double u = x / width - 0.5;
  const double v = y / height - 0.5;
  // The shore wanders: the basin is sampled through a warped copy of the coordinates.
  const double warpX = (Fractal(x, y, 520, shape.seed + 3) - 0.5) * 0.22 * shape.roughness;
  const double warpY = (Fractal(x, y, 520, shape.seed + 4) - 0.5) * 0.22 * shape.roughness;
  const double wu = u + warpX;
  const double wv = v + warpY;
  double h = (wu * wu) / (shape.basinX * shape.basinX) + (wv * wv) / (shape.basinY * shape.basinY) - 1.0;
  h += (Fractal(x, y, 360, shape.seed) - 0.5) * 1.8 * shape.roughness;
  for (const TIsland& island : shape.islands) {
    const double d = std::hypot(x - island.x * width, y - island.y * height) / island.radius;
    h += 2.4 * std::exp(-d * d) * (0.75 + 0.5 * Noise(x, y, 90, shape.seed + 7));
  }
  if (shape.atollRadius > 0) {
    const double r = std::hypot(x - width / 2, (y - height / 2) * width / height);
    const double ring = (r - shape.atollRadius * width) / 110.0;
    const double gaps = Noise(x, y, 260, shape.seed + 9);
    h += 1.7 * std::exp(-ring * ring) * std::clamp((gaps - 0.3) * 3.0, 0.0, 1.0);
  }
  for (const TRiver& river : shape.rivers) {
    double d = 1e9;
    for (size_t i = 0; i + 3 < river.points.size(); i += 2) {
      d = std::min(d, SegmentDistance(x, y, river.points[i] * width, river.points[i + 1] * height,
                                      river.points[i + 2] * width, river.points[i + 3] * height));
    }
    const double bend = (Noise(x, y, 150, shape.seed + 13) - 0.5) * river.width * 0.8;
    const double t = std::clamp(1.0 - (d + bend) / river.width, 0.0, 1.0);
    h -= 3.0 * t;
  }
  // Land all round the edge: the view never shows the outer 64 pixels, and beyond the map play
  // finds cell (0, 0), which must be land so that neither the boat nor the fish leave the lake.
  const double edge = std::min({x, width - x, y, height - y});
  h += std::max(0.0, (220.0 - edge) / 220.0) * 3.0;
  return h;
}

// Steps from the nearest cell for which seed is true, moving between diamond neighbours through
// cells for which pass is true.
template <typename Seed, typename Pass>
TGrid Distances(int cols, int rows, Seed seed, Pass pass) {
  TGrid dist(cols, rows);
  std::deque<std::pair<int, int>> queue;
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      dist.At(c, r) = seed(c, r) ? 0 : kFar;
      if (dist.At(c, r) == 0) queue.emplace_back(c, r);
    }
  }
  while (!queue.empty()) {
    const auto [c, r] = queue.front();
    queue.pop_front();
    const TNeighbours n = DiamondNeighbours(c, r, cols - 1, rows - 1);
    for (int k = 0; k < 4; ++k) {
      if (n.col[k] < 0 || !pass(n.col[k], n.row[k])) continue;
      int& d = dist.At(n.col[k], n.row[k]);
      if (d > dist.At(c, r) + 1) {
        d = dist.At(c, r) + 1;
        queue.emplace_back(n.col[k], n.row[k]);
      }
    }
  }
  return dist;
}

// Keeps only the largest body of water, so every fish, object and marker can be reached.
void KeepLargestWater(TGrid& water) {
  TGrid label(water.Cols(), water.Rows());
  int best = 0;
  int bestSize = 0;
  int next = 0;
  for (int c = 0; c < water.Cols(); ++c) {
    for (int r = 0; r < water.Rows(); ++r) {
      if (!water.At(c, r) || label.At(c, r)) continue;
      ++next;
      int size = 0;
      std::vector<std::pair<int, int>> stack{{c, r}};
      label.At(c, r) = next;
      while (!stack.empty()) {
        const auto [cc, rr] = stack.back();
        stack.pop_back();
        ++size;
        const TNeighbours n = DiamondNeighbours(cc, rr, water.Cols() - 1, water.Rows() - 1);
        for (int k = 0; k < 4; ++k) {
          if (n.col[k] < 0 || !water.At(n.col[k], n.row[k]) || label.At(n.col[k], n.row[k])) continue;
          label.At(n.col[k], n.row[k]) = next;
          stack.emplace_back(n.col[k], n.row[k]);
        }
      }
      if (size > bestSize) {
        bestSize = size;
        best = next;
      }
    }
  }
  for (int c = 0; c < water.Cols(); ++c) {
    for (int r = 0; r < water.Rows(); ++r) water.At(c, r) = label.At(c, r) == best ? 1 : 0;
  }
}

// Water cells reachable from (col, row) through diamond edges, not crossing blocked cells.
int ReachableWater(const TGrid& water, const TGrid& blocked, int col, int row) {
  TGrid seen(water.Cols(), water.Rows());
  std::vector<std::pair<int, int>> stack{{col, row}};
  seen.At(col, row) = 1;
  int count = 0;
  while (!stack.empty()) {
    const auto [c, r] = stack.back();
    stack.pop_back();
    ++count;
    const TNeighbours n = DiamondNeighbours(c, r, water.Cols() - 1, water.Rows() - 1);
    for (int k = 0; k < 4; ++k) {
      const int nc = n.col[k];
      const int nr = n.row[k];
      if (nc < 0 || !water.At(nc, nr) || blocked.At(nc, nr) || seen.At(nc, nr)) continue;
      seen.At(nc, nr) = 1;
      stack.emplace_back(nc, nr);
    }
  }
  return count;
}

struct TPlacer {
  const TGrid& water;
  const TGrid& depth;     // steps from land
  const TGrid& travel;    // steps from the boat's start through water
  std::pair<int, int> start;
  std::vector<std::pair<int, int>> taken;
  TGrid blocked;          // markers, which are land for play
  int waterCells = 0;

  TPlacer(const TGrid& w, const TGrid& d, const TGrid& t, std::pair<int, int> s)
      : water(w), depth(d), travel(t), start(s), taken{s}, blocked(w.Cols(), w.Rows()) {
    for (int c = 0; c < w.Cols(); ++c) {
      for (int r = 0; r < w.Rows(); ++r) waterCells += w.At(c, r) != 0;
    }
  }

  bool Free(int c, int r) const {
    for (const auto& [tc, tr] : taken) {
      if (std::abs(tc - c) <= 1 && std::abs(tr - r) <= 2) return false;
    }
    return true;
  }

  // The free water cell that best meets the wishes: depth within minDepth..maxDepth, an odd row
  // when asked, and as far as possible from everything placed so far (ties go to the first found,
  // so the choice is the same every run). score adds a preference of the caller's. A marker
  // (blocks) may not cut any water off from the start.
  template <typename Score>
  std::pair<int, int> Pick(int minDepth, int maxDepth, bool oddRow, bool blocks, Score score) {
    TGrid refused(water.Cols(), water.Rows());
    for (;;) {
      std::pair<int, int> best{-1, -1};
      double bestValue = -1e18;
      for (int c = 1; c + 1 < water.Cols(); ++c) {
        for (int r = 3; r + 3 < water.Rows(); ++r) {
          if (!water.At(c, r) || (oddRow && r % 2 == 0) || refused.At(c, r) || !Free(c, r)) continue;
          const int d = depth.At(c, r);
          if (d < minDepth || d > maxDepth || travel.At(c, r) >= kFar) continue;
          double spread = 1e9;
          for (const auto& [tc, tr] : taken) {
            spread = std::min(spread, std::hypot((tc - c) * 64.0, (tr - r) * 16.0));
          }
          const double value = std::min(spread, 1500.0) + score(c, r);
          if (value > bestValue) {
            bestValue = value;
            best = {c, r};
          }
        }
      }
      if (best.first < 0) throw std::runtime_error("no room on the map for a map object");
      if (blocks) {
        blocked.At(best.first, best.second) = 1;
        int markers = 0;
        for (const auto& cell : taken) markers += blocked.At(cell.first, cell.second);
        markers += 1;
        if (ReachableWater(water, blocked, start.first, start.second) != waterCells - markers) {
          blocked.At(best.first, best.second) = 0;
          refused.At(best.first, best.second) = 1;
          continue;
        }
      }
      taken.push_back(best);
      return best;
    }
  }
};

void SetObject(TIsoMap& map, int& index, int col, int row, const std::string& name, const std::string& param,
               const std::string& text) {
  TIsoObject& object = map.objects[index++];
  object.col = col;
  object.row = row;
  object.name = name;
  object.param = param;
  object.active = 1;
  object.text = text;
}

}  // namespace

TIsoMap GenerateLakeMap(const TLakeShape& shape, const TLook& look, const TLakeObjects& objects) {
  const int cols = shape.cols;
  const int rows = shape.rows;
  const double width = cols * 64.0;
  const double height = rows * 16.0 + 16.0;
  TRandom random(shape.seed);

  TGrid water(cols, rows);
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      const bool rim = c == 0 || r < 2 || c == cols - 1 || r >= rows - 2;
      water.At(c, r) = !rim && Height(shape, CentreX(c, r), CentreY(r), width, height) < 0 ? 1 : 0;
    }
  }
  KeepLargestWater(water);
  const TGrid fromLand = Distances(cols, rows, [&](int c, int r) { return !water.At(c, r); },
                                   [&](int, int) { return true; });
  const TGrid fromWater = Distances(cols, rows, [&](int c, int r) { return water.At(c, r) != 0; },
                                    [&](int, int) { return true; });

  // Objects first, on the bare water; then the decoration leaves their cells alone.
  TIsoMap map;
  map.lastCol = cols - 1;
  map.lastRow = rows - 1;
  map.cells.assign(static_cast<size_t>(cols) * rows, tiles::kWater);
  TGrid reserved(cols, rows);
  int index = 0;

  // The boat starts at the widest water, nearest the lower half of the map. Its start pixel
  // (col * 64, row * 16) with an even row is the centre of cell (col - 1, row - 1).
  std::pair<int, int> start{-1, -1};
  double bestStart = -1e18;
  for (int c = 1; c + 1 < cols; ++c) {
    for (int r = 3; r + 3 < rows; r += 2) {
      if (!water.At(c, r)) continue;
      const int depth = fromLand.At(c, r);
      if (depth < 2 || depth > 4) continue;
      const double value = r * 4.0 - std::fabs(c - cols * 0.5) * 6.0 + (depth == 3 ? 40.0 : 0.0);
      if (value > bestStart) {
        bestStart = value;
        start = {c, r};
      }
    }
  }
  if (start.first < 0 || fromLand.At(start.first, start.second) < 2) {
    throw std::runtime_error("the lake has no open water to start the boat in");
  }
  SetObject(map, index, start.first + 1, start.second + 1, "levelstart", "", "");
  const TGrid travel = Distances(cols, rows, [&](int c, int r) { return c == start.first && r == start.second; },
                                 [&](int c, int r) { return water.At(c, r) != 0; });
  TPlacer placer(water, fromLand, travel, start);
  auto mark = [&](std::pair<int, int> cell, int tile) {
    map.Cell(cell.first, cell.second) = tile;
    reserved.At(cell.first, cell.second) = 1;
  };
  reserved.At(start.first, start.second) = 1;

  // A jetty on the nearest shore, for the look of a put-in.
  {
    std::pair<int, int> jetty{-1, -1};
    int best = kFar;
    for (int c = 1; c + 1 < cols; ++c) {
      for (int r = 3; r + 3 < rows; ++r) {
        if (water.At(c, r) && fromLand.At(c, r) == 1 && travel.At(c, r) < best) {
          best = travel.At(c, r);
          jetty = {c, r};
        }
      }
    }
    if (jetty.first >= 0) mark(jetty, tiles::kDockWater);
  }
  for (const std::string& text : objects.talks) {
    // Anglers stand on jetties at the shore, reached by running into them.
    const auto cell = placer.Pick(1, 1, false, true, [&](int c, int r) {
      const TNeighbours n = DiamondNeighbours(c, r, cols - 1, rows - 1);
      int open = 0;
      for (int k = 0; k < 4; ++k) open += n.col[k] >= 0 && water.At(n.col[k], n.row[k]);
      return open >= 3 ? 0.0 : -1e6;
    });
    mark(cell, tiles::kTalkMarker);
    SetObject(map, index, cell.first, cell.second, "talk", "", text);
  }
  for (const std::string& text : objects.buoys) {
    const auto cell = placer.Pick(2, kFar, false, true, [](int, int) { return 0.0; });
    mark(cell, tiles::kBuoyMarker);
    SetObject(map, index, cell.first, cell.second, "buoy", "", text);
  }
  for (const int dollars : objects.treasures) {
    // Treasure hides in far corners: the longest way round from the start.
    const auto cell = placer.Pick(2, 3, false, true, [&](int c, int r) { return travel.At(c, r) * 40.0; });
    mark(cell, tiles::kTreasureMarker);
    SetObject(map, index, cell.first, cell.second, "treasure", std::to_string(dollars), "");
  }
  for (const int seconds : objects.moreTime) {
    const auto cell = placer.Pick(2, kFar, false, true, [](int, int) { return 0.0; });
    mark(cell, tiles::kTimeMarker);
    SetObject(map, index, cell.first, cell.second, "moretime", std::to_string(seconds), "");
  }
  // Circling fish and lurking monsters: their pixel ((col + 1) * 64, (row + 1) * 16) is the centre
  // of their own cell when the row is odd.
  for (const int slot : objects.singleFish) {
    const auto cell = placer.Pick(2, kFar, true, false, [](int, int) { return 0.0; });
    SetObject(map, index, cell.first, cell.second, "singlefish", std::to_string(slot), "");
  }
  for (const int slot : objects.monsters) {
    const auto cell = placer.Pick(3, kFar, true, false, [&](int c, int r) { return travel.At(c, r) * 10.0; });
    SetObject(map, index, cell.first, cell.second, "monster", std::to_string(slot), "");
  }
  if (index > kMapObjectCount) throw std::runtime_error("too many map objects");

  // Land: sand or grass, then shore pieces from the four neighbours, then standing features. The
  // land is laid out first so that the shore rule sees water and markers exactly where they are.
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      if (!water.At(c, r)) map.Cell(c, r) = tiles::kGrass;
    }
  }
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      if (water.At(c, r)) continue;
      const double x = CentreX(c, r);
      const double y = CentreY(r);
      const int near = fromWater.At(c, r);
      const double beachy = Noise(x, y, 260, shape.seed + 21);
      const bool sandy = (near <= 1 && beachy < shape.sandShare * 1.6) || (near <= 2 && beachy < shape.sandShare * 0.8) ||
                         (look.tropic && near <= 3 && beachy < shape.sandShare * 0.5);
      const int mask = ShoreMask(map, c, r);
      int tile = (sandy ? tiles::kSand : tiles::kGrass) + mask;
      if (mask == 0) {
        const double woods = Noise(x, y, 300, shape.seed + 23);
        const double roll = random.Random(1000) / 1000.0;
        const double treeChance = shape.treeShare * (0.4 + woods * 1.2);
        auto fits = [&](int feature) { return FeatureOnSand(look, feature) == sandy; };
        int feature = -1;
        if (near >= 2 && roll < treeChance) {
          if (look.tropic) feature = sandy ? tiles::kPalm : (random.Random(3) ? tiles::kLeafTree : tiles::kPalm);
          else feature = random.Random(4) ? tiles::kPine : tiles::kLeafTree;
        } else if (roll < treeChance + 0.05) {
          feature = tiles::kBush;
        } else if (roll < treeChance + 0.08) {
          feature = tiles::kFlowers;
        } else if (roll < treeChance + 0.1) {
          feature = tiles::kRock;
        } else if (look.tropic && roll < treeChance + 0.115) {
          feature = tiles::kCactus;
        } else if (near == 2 && roll < treeChance + 0.125) {
          feature = tiles::kCabin;
        }
        if (feature >= 0 && fits(feature)) tile = feature;
      }
      map.Cell(c, r) = tile;
    }
  }

  // Water: mostly plain, with ripples and glints; life and shallows near the shore; deep holes
  // far out, never two side by side.
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      if (!water.At(c, r) || reserved.At(c, r)) continue;
      const int d = fromLand.At(c, r);
      const int roll = random.Random(1000);
      int tile = tiles::kWater;
      if (d == 1 && roll < 150) {
        static const int kShore[] = {tiles::kReeds, tiles::kLilyPads, tiles::kWeed, tiles::kShallows,
                                     tiles::kShallowRipple, tiles::kReeds};
        tile = kShore[random.Random(6)];
      } else if (d >= 4 && roll < 8 && map.Cell(c - (c > 0), r) != tiles::kDeepWater &&
                 (r < 1 || map.Cell(c, r - 1) != tiles::kDeepWater) &&
                 (r < 2 || map.Cell(c, r - 2) != tiles::kDeepWater)) {
        tile = tiles::kDeepWater;
      } else if (d >= 2 && roll < 20) {
        tile = random.Random(3) ? tiles::kLog : tiles::kWaterRock;
        if (tile == tiles::kLog && random.Random(2)) tile = tiles::kWeed;
      } else if (roll < 200) {
        tile = tiles::kWaterRipple1;
      } else if (roll < 360) {
        tile = tiles::kWaterRipple2;
      } else if (roll < 430) {
        tile = tiles::kWaterSparkle;
      }
      map.Cell(c, r) = tile;
    }
  }
  return map;
}
