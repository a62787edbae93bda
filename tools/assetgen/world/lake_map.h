// Generated lake maps: a height field of basin, noise, islands and rivers sampled at the cell
// centres gives water and land; shore pieces follow from the shore rule the lake maker uses;
// features, water life and the map objects with their markers are placed on top.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fishing/iso_map.h"
#include "tools/assetgen/world/tile_look.h"
#include "tools/lakemaker/shore_rule.h"

struct TIsland {
  double x, y;    // centre, as a share of the map's width and height
  double radius;  // pixels
};

struct TRiver {
  std::vector<double> points;  // x, y pairs as shares of the map's width and height
  double width;                // pixels
};

struct TLakeShape {
  int cols = 40;            // lastCol + 1
  int rows = 160;           // lastRow + 1
  uint32_t seed = 1;
  double basinX = 0.42;     // half-axes of the basin, as shares of the map
  double basinY = 0.42;
  double roughness = 0.6;   // how much the noise bends the shore
  std::vector<TIsland> islands;
  std::vector<TRiver> rivers;
  double atollRadius = 0;   // > 0: a ring of land of this share of the width around a lagoon
  double sandShare = 0.3;   // how much of the land by the water is beach
  double treeShare = 0.3;   // how wooded the land is
};

// What the lake's objects say and give.
struct TLakeObjects {
  std::vector<std::string> buoys;  // text of each "buoy"
  std::vector<std::string> talks;  // text of each "talk"
  std::vector<int> treasures;      // dollars of each "treasure"
  std::vector<int> moreTime;       // seconds of each "moretime"
  std::vector<int> singleFish;     // slot of each "singlefish"
  std::vector<int> monsters;       // slot of each "monster"
};

// The whole map of one lake; same input, same map.
TIsoMap GenerateLakeMap(const TLakeShape& shape, const TLook& look, const TLakeObjects& objects);
