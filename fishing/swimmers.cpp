#include "fishing/swimmers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "fishing/lake_map.h"
#include "fishing/map_objects.h"
#include "fishing/trip_pause.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_wave_list.h"
#include "media/iso_math.h"

namespace {

// The random draw covers MW x MH; MH uses the full tile height and so reaches beyond the map's
// bottom, where every point counts as cell (0, 0).
int32_t DrawWidth(const LakeTrip& trip) { return trip.lastCol * trip.tileWidth; }
int32_t DrawHeight(const LakeTrip& trip) { return trip.lastRow * trip.tileHeight; }

// A swimmer's position at an object's cell.
float ObjectX(const LakeTrip& trip, const MapObject& object) {
  return static_cast<float>((object.col + 1) * trip.tileWidth);
}
float ObjectY(const LakeTrip& trip, const MapObject& object) {
  return static_cast<float>((object.row + 1) * (trip.tileHeight / 2));
}

void Swim(FishRecord& swimmer) {
  swimmer.x = static_cast<float>(swimmer.x + StepCos(swimmer.heading) * swimmer.swimSpeed);
  swimmer.y = static_cast<float>(swimmer.y + StepSin(swimmer.heading) * swimmer.swimSpeed / 2);
}

void DrawSwimmer(TTripContext& ctx, TPictureCollectionItem& picture, const FishRecord& swimmer,
                 int pattern) {
  TDirectDrawSurface* surface = ctx.dev.DXDraw.Surface();
  if (!surface) return;
  picture.Draw(*surface, Round(swimmer.x) - ctx.trip.scrollX - picture.PatternWidth / 2,
               Round(swimmer.y) - ctx.trip.scrollY - picture.PatternHeight / 2, pattern);
}

// The direction pattern 0..15 of a heading: counter-clockwise from +x.
int FacingPattern(uint8_t heading) { return ((256 - heading) % 256) >> 4; }

void RoamingFishStep(TTripContext& ctx, FishRecord& fish) {
  LakeTrip& trip = ctx.trip;
  TRandom& random = ctx.dev.random;
  if (!WaterUnder(trip, Round(fish.x), Round(fish.y))) {
    fish.heading = static_cast<uint8_t>(fish.heading - 128);
    fish.swimSpeed = static_cast<float>(random.Random(16) / 8.0 + 1.5);
    fish.x = fish.homeX;
    fish.y = fish.homeY;
  }
  if (std::fabs(fish.homeX - fish.x) + std::fabs(fish.homeY - fish.y) > 3) {
    fish.homeX = fish.x;
    fish.homeY = fish.y;
  }
  // 100 - Difficulty is at least 1 (the lake check refuses 100 and more); very negative values
  // only make turns rarer, so the range is capped rather than allowed to overflow.
  const int64_t chance = std::min<int64_t>(100 - int64_t{trip.Difficulty}, INT32_MAX);
  if (random.Random(static_cast<int32_t>(chance)) == 0) {
    fish.heading = static_cast<uint8_t>(fish.heading + 128 - random.Random(256));
    fish.swimSpeed = static_cast<float>(random.Random(100) / 100.0 + trip.Difficulty / 50.0);
  }
  Swim(fish);
  fish.swimSpeed = std::max(0.0f, static_cast<float>(fish.swimSpeed - 0.015));
}

void EatCatch(TTripContext& ctx, FishRecord& monster) {
  LakeTrip& trip = ctx.trip;
  ctx.sounds.reel->Stop();
  ctx.sounds.gas->Stop();
  trip.boatSpeed = 0;
  trip.throttle = false;
  monster.gone = true;
  trip.fishCaught = 0;
  trip.poundsCaught = 0;
  trip.inchesCaught = 0;
  if (ctx.sounds.monster) ctx.sounds.monster->Play();
  PauseOnPicture(ctx, "got" + trip.monsterKind);
  std::string kind = trip.monsterKind;
  for (char& ch : kind) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  trip.message = "THE " + kind + " ATE YOUR FISH";
  trip.messageTicks = 90;
}

}  // namespace

void PlaceFish(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  TRandom& random = ctx.dev.random;
  const int32_t width = DrawWidth(trip);
  const int32_t height = DrawHeight(trip);
  for (int i = 0; i <= trip.lastFish; ++i) {
    FishRecord& fish = trip.fish[i];
    float x = 0;
    float y = 0;
    do {
      x = static_cast<float>(random.Random(width));
      y = static_cast<float>(random.Random(height));
    } while (!IsPlacementTile(TileUnder(trip, Round(x), Round(y))));
    fish.x = fish.homeX = x;
    fish.y = fish.homeY = y;
    fish.heading = static_cast<uint8_t>(random.Random(256));
    fish.swimSpeed = static_cast<float>(random.Random(16) / 8.0);
    fish.gone = false;
    fish.mode = 0;
  }
  for (const MapObject& object : trip.mapObjects) {
    if (object.name != "singlefish") continue;
    const std::optional<int32_t> slot = WholeNumber(object.param);
    if (!slot || *slot < 0 || *slot >= kSwimmerSlots) continue;  // refused when the lake loads
    FishRecord& fish = trip.fish[*slot];
    fish.x = ObjectX(trip, object);
    fish.y = ObjectY(trip, object);
    fish.heading = static_cast<uint8_t>(random.Random(256));
    fish.swimSpeed = static_cast<float>(random.Random(8) / 8.0 + 0.25);
    fish.gone = false;
    fish.mode = 1;
  }
}

void PlaceMonsters(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  TRandom& random = ctx.dev.random;
  const int32_t width = DrawWidth(trip);
  const int32_t height = DrawHeight(trip);
  const int32_t boatX = Round(trip.boatX);
  const int32_t boatY = Round(trip.boatY);
  for (int i = 0; i <= trip.lastMonster; ++i) {
    FishRecord& monster = trip.monsters[i];
    float x = 0;
    float y = 0;
    for (;;) {
      x = static_cast<float>(random.Random(width));
      y = static_cast<float>(random.Random(height));
      if (!IsPlacementTile(TileUnder(trip, Round(x), Round(y)))) continue;
      if (IsoDistance(Round(x), Round(y), boatX, boatY) > 100) break;
    }
    // The home starts where the monster does, so one placed on a cell that is not water (a cell
    // without a tile) bounces in place instead of jumping to where a previous trip left it.
    monster.x = monster.homeX = x;
    monster.y = monster.homeY = y;
    monster.heading = static_cast<uint8_t>(random.Random(256));
    monster.swimSpeed = static_cast<float>(random.Random(16) / 8.0);
    monster.gone = false;
    monster.mode = 0;
  }
  for (const MapObject& object : trip.mapObjects) {
    if (object.name != "monster") continue;
    const std::optional<int32_t> slot = WholeNumber(object.param);
    if (!slot || *slot < 0 || *slot >= kSwimmerSlots) continue;  // refused when the lake loads
    FishRecord& monster = trip.monsters[*slot];
    monster.x = monster.homeX = ObjectX(trip, object);
    monster.y = monster.homeY = ObjectY(trip, object);
    monster.heading = static_cast<uint8_t>(random.Random(256));
    monster.swimSpeed = 0.75f;
    monster.gone = false;
    monster.mode = 0;
  }
}

void FishTick(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  for (int i = 0; i <= trip.lastFish; ++i) {
    FishRecord& fish = trip.fish[i];
    if (fish.gone) continue;
    DrawSwimmer(ctx, *ctx.pictures.fish, fish, FacingPattern(fish.heading));
    if (fish.mode == 0) {
      RoamingFishStep(ctx, fish);
    } else {
      fish.heading = static_cast<uint8_t>(fish.heading + ctx.dev.random.Random(3));
      Swim(fish);
    }
  }
}

void MonstersTick(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  for (int i = 0; i <= trip.lastMonster; ++i) {
    FishRecord& monster = trip.monsters[i];
    if (monster.gone) continue;
    const int32_t boatX = Round(trip.boatX);
    const int32_t boatY = Round(trip.boatY);
    const int32_t d = IsoDistance(boatX, boatY, Round(monster.x), Round(monster.y));
    monster.mode = d < 150 ? 2 : d < 300 ? 1 : 0;
    if (d < 50) EatCatch(ctx, monster);
    if (ctx.pictures.monster) {
      DrawSwimmer(ctx, *ctx.pictures.monster, monster,
                  2 * FacingPattern(monster.heading) + (monster.mode == 2 ? 1 : 0));
    }
    if (!WaterUnder(trip, Round(monster.x), Round(monster.y))) {
      monster.heading = static_cast<uint8_t>(monster.heading - 128);
      monster.swimSpeed = 1.0f;
      monster.x = monster.homeX;
      monster.y = monster.homeY;
    }
    monster.homeX = monster.x;
    monster.homeY = monster.y;
    if (monster.mode > 0) {
      monster.heading =
          DirectionTo(Round(trip.boatX), Round(trip.boatY), Round(monster.x), Round(monster.y));
    } else {
      monster.heading = static_cast<uint8_t>(monster.heading + 1 - ctx.dev.random.Random(2));
    }
    Swim(monster);
    monster.swimSpeed = 1.0f;
  }
}
