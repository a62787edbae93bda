// The looks of the lake tile libraries: one palette and a few choices per look, and the drawing of
// each tile family (ground and water fills, shore pieces, standing features, map markers).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/library_writer.h"
#include "tools/assetgen/world/tile_canvas.h"

struct TLook {
  std::string library;  // file name, "canada.dxg"
  uint32_t seed = 0;
  bool tropic = false;
  TRgb water;           // open water
  TRgb waterShade;      // darker water (deep holes, shadows)
  TRgb shallow;         // water over a light bottom, near shores
  TRgb foam;            // the bright line where water meets the beach
  TRgb grass;
  TRgb grassDark;
  TRgb sand;
  TRgb wetSand;
  TRgb foliage;         // leaves and needles
  TRgb foliageLight;
  TRgb bark;
};

const TLook& CanadaLook();
const TLook& TropicLook();

// Ground and water (tile_ground.cpp). frame and frames select an animation pattern.
void DrawWater(TTileCanvas& canvas, const TLook& look);
void DrawShallows(TTileCanvas& canvas, const TLook& look, double strength);
void DrawDeepHole(TTileCanvas& canvas, const TLook& look);
// Land with shore strips along the edges in mask (bit 0 north-west, 1 north-east, 2 south-east,
// 3 south-west).
void DrawLand(TTileCanvas& canvas, const TLook& look, bool sandy, int mask);
// Animated marks inside the diamond, never touching its rim.
void DrawRipples(TTileCanvas& canvas, int variant, int frame, int frames);
void DrawSparkles(TTileCanvas& canvas, int frame, int frames);

// Standing features and things in the water (tile_features.cpp); each draws over a prepared ground.
void DrawPine(TTileCanvas& canvas, const TLook& look);
void DrawLeafTree(TTileCanvas& canvas, const TLook& look);
void DrawBush(TTileCanvas& canvas, const TLook& look);
void DrawRock(TTileCanvas& canvas, double scale, bool wet);
void DrawCabin(TTileCanvas& canvas, const TLook& look);
void DrawPalm(TTileCanvas& canvas, const TLook& look);
void DrawCactus(TTileCanvas& canvas, const TLook& look);
void DrawFlowers(TTileCanvas& canvas, const TLook& look);
void DrawReeds(TTileCanvas& canvas, const TLook& look);
void DrawLilyPads(TTileCanvas& canvas, const TLook& look);
void DrawDock(TTileCanvas& canvas);
void DrawWeed(TTileCanvas& canvas, const TLook& look);
void DrawLog(TTileCanvas& canvas);
void DrawBuoy(TTileCanvas& canvas);
void DrawChest(TTileCanvas& canvas);
void DrawClockFloat(TTileCanvas& canvas);
void DrawAngler(TTileCanvas& canvas);

// Every item of a tile library in tile-number order (tile_library.cpp).
std::vector<TPictureItemData> BuildTileItems(const TLook& look);

// Whether the standing feature (tiles::kPine .. tiles::kFlowers) of this look stands on sand; the
// map generator puts it only where the ground around it matches.
bool FeatureOnSand(const TLook& look, int tile);
