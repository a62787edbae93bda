// The items of a lake tile library, in tile-number order, for one look.
#include <string>

#include "tools/assetgen/tile_set.h"
#include "tools/assetgen/world/tile_look.h"

namespace {

constexpr int kRipplePatterns = 4;
constexpr int kSparklePatterns = 6;

TPictureItemData Item(const std::string& name, TPicture picture, int patternHeight) {
  TPictureItemData item;
  item.Name = name;
  item.PatternWidth = kTileW;
  item.PatternHeight = patternHeight;
  item.Transparent = true;
  item.TransparentColor = clBlack;
  item.Picture = std::move(picture);
  return item;
}

// A still item: ground prepared by fill, then the feature drawn over it.
template <typename Ground, typename Feature>
TPictureItemData Still(const std::string& name, int height, Ground ground, Feature feature) {
  TTileCanvas canvas(height);
  ground(canvas);
  feature(canvas);
  return Item(name, canvas.ToPicture(), height);
}

// An animated water item: frames side by side, each prepared by draw(canvas, frame).
template <typename Draw>
TPictureItemData Animated(const std::string& name, int frames, Draw draw) {
  std::vector<TPicture> patterns;
  for (int k = 0; k < frames; ++k) {
    TTileCanvas canvas;
    draw(canvas, k);
    patterns.push_back(canvas.ToPicture());
  }
  return Item(name, JoinPatterns(patterns.data(), frames), kTileH);
}

}  // namespace

const TLook& CanadaLook() {
  static const TLook look{"canada.dxg", 101, false,
                          {62, 122, 166}, {30, 72, 112}, {112, 166, 172}, {226, 240, 238},
                          {96, 152, 62}, {60, 112, 44}, {212, 194, 148}, {158, 138, 100},
                          {38, 96, 52}, {92, 160, 84}, {104, 72, 46}};
  return look;
}

const TLook& TropicLook() {
  static const TLook look{"tropic.dxg", 202, true,
                          {44, 166, 188}, {22, 96, 142}, {128, 214, 200}, {246, 250, 244},
                          {112, 172, 62}, {72, 136, 46}, {238, 220, 166}, {196, 172, 122},
                          {42, 130, 54}, {122, 192, 72}, {134, 98, 62}};
  return look;
}

bool FeatureOnSand(const TLook& look, int tile) {
  if (!look.tropic) return false;
  return tile == tiles::kPalm || tile == tiles::kCactus || tile == tiles::kRock || tile == tiles::kCabin;
}

std::vector<TPictureItemData> BuildTileItems(const TLook& look) {
  std::vector<TPictureItemData> items;
  auto water = [&](TTileCanvas& c) { DrawWater(c, look); };
  auto none = [](TTileCanvas&) {};

  items.push_back(Animated("water ripples", kRipplePatterns, [&](TTileCanvas& c, int k) {
    DrawWater(c, look);
    DrawRipples(c, 0, k, kRipplePatterns);
  }));
  items.push_back(Animated("water ripples 2", kRipplePatterns, [&](TTileCanvas& c, int k) {
    DrawWater(c, look);
    DrawRipples(c, 1, k, kRipplePatterns);
  }));
  items.push_back(Animated("water glints", kSparklePatterns, [&](TTileCanvas& c, int k) {
    DrawWater(c, look);
    DrawSparkles(c, k, kSparklePatterns);
  }));
  items.push_back(Still("water", kTileH, water, none));
  for (int mask = 0; mask < 16; ++mask) {
    items.push_back(Still("grass shore " + std::to_string(mask), kTileH,
                          [&](TTileCanvas& c) { DrawLand(c, look, false, mask); }, none));
  }
  for (int mask = 0; mask < 16; ++mask) {
    items.push_back(Still("sand shore " + std::to_string(mask), kTileH,
                          [&](TTileCanvas& c) { DrawLand(c, look, true, mask); }, none));
  }
  auto groundFor = [&](int tile) {
    return [&look, tile](TTileCanvas& c) { DrawLand(c, look, FeatureOnSand(look, tile), 0); };
  };
  items.push_back(Still("pine", 80, groundFor(tiles::kPine), [&](TTileCanvas& c) { DrawPine(c, look); }));
  items.push_back(Still("leaf tree", 76, groundFor(tiles::kLeafTree), [&](TTileCanvas& c) { DrawLeafTree(c, look); }));
  items.push_back(Still("bush", 40, groundFor(tiles::kBush), [&](TTileCanvas& c) { DrawBush(c, look); }));
  items.push_back(Still("rock", 40, groundFor(tiles::kRock), [&](TTileCanvas& c) { DrawRock(c, 1.0, false); }));
  items.push_back(Still("cabin", 52, groundFor(tiles::kCabin), [&](TTileCanvas& c) { DrawCabin(c, look); }));
  items.push_back(Still("palm", 84, groundFor(tiles::kPalm), [&](TTileCanvas& c) { DrawPalm(c, look); }));
  items.push_back(Still("cactus", 52, groundFor(tiles::kCactus), [&](TTileCanvas& c) { DrawCactus(c, look); }));
  items.push_back(Still("flowers", kTileH, groundFor(tiles::kFlowers), [&](TTileCanvas& c) { DrawFlowers(c, look); }));

  items.push_back(Still("shallows", kTileH, [&](TTileCanvas& c) { DrawShallows(c, look, 1.0); }, none));
  items.push_back(Still("reeds", 48, water, [&](TTileCanvas& c) { DrawReeds(c, look); }));
  items.push_back(Still("lily pads", kTileH, water, [&](TTileCanvas& c) { DrawLilyPads(c, look); }));
  items.push_back(Still("jetty", 40, water, [&](TTileCanvas& c) { DrawDock(c); }));
  items.push_back(Still("rock in water", 36, water, [&](TTileCanvas& c) { DrawRock(c, 0.65, true); }));
  items.push_back(Animated("shallows ripples", kRipplePatterns, [&](TTileCanvas& c, int k) {
    DrawShallows(c, look, 0.8);
    DrawRipples(c, 1, k, kRipplePatterns);
  }));
  items.push_back(Still("weed", kTileH, water, [&](TTileCanvas& c) { DrawWeed(c, look); }));
  items.push_back(Still("log", kTileH, water, [&](TTileCanvas& c) { DrawLog(c); }));
  items.push_back(Still("deep water", kTileH, [&](TTileCanvas& c) { DrawDeepHole(c, look); }, none));

  items.push_back(Still("buoy", 52, water, [&](TTileCanvas& c) { DrawBuoy(c); }));
  items.push_back(Still("treasure", 44, water, [&](TTileCanvas& c) { DrawChest(c); }));
  items.push_back(Still("more time", 48, water, [&](TTileCanvas& c) { DrawClockFloat(c); }));
  items.push_back(Still("angler on jetty", 48, water, [&](TTileCanvas& c) { DrawAngler(c); }));
  return items;
}
