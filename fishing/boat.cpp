#include "fishing/boat.h"

#include <cstdlib>

#include "fishing/wake.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_wave_list.h"
#include "media/iso_math.h"

namespace {

int BoatLevel(const TTripContext& ctx) { return ctx.host.BoatLevel(); }

// The angler's facing 0..15 for a direction step (the pictures turn the other way round).
int Face(int step) { return 15 - (step - 15) / 16; }

}  // namespace

void EngineSound(TTripContext& ctx) {
  const LakeTrip& trip = ctx.trip;
  TWaveCollectionItem& gas = *ctx.sounds.gas;
  if (trip.boatSpeed == 0) {
    gas.Stop();
  } else if (trip.reverse) {
    gas.SetVolume(-500);
  } else {
    gas.SetVolume(Round(trip.boatSpeed / (BoatLevel(ctx) + 4.0) * 10000) - 10000);
  }
}

void EngineStart(TTripContext& ctx) {
  const LakeTrip& trip = ctx.trip;
  if (trip.throttle && trip.boatSpeed == 0 && !trip.reeling && !trip.casting) {
    ctx.sounds.startgas->Play();
    ctx.sounds.gas->Play();
  }
}

void DriveOrCoast(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  if (!trip.throttle || trip.casting || trip.reeling) {
    trip.boatSpeed = static_cast<float>(trip.boatSpeed - 0.25);
    return;
  }
  const int level = BoatLevel(ctx);
  if (ctx.host.MouseDrive()) {
    const uint8_t target = DirectionTo(trip.cursorX, trip.cursorY, Round(trip.boatX), Round(trip.boatY));
    // A plain difference of the two steps: near the wrap (0 against 255) it is large, so the boat
    // keeps turning there.
    if (std::abs(int{target} - int{trip.heading}) >= 4) {
      const int turn = TurnUpward(target, trip.heading) ? level : -level;
      trip.heading = static_cast<uint8_t>(trip.heading + turn);
    }
  } else {
    if (trip.keyLeft) trip.heading = static_cast<uint8_t>(trip.heading + level);
    if (trip.keyRight) trip.heading = static_cast<uint8_t>(trip.heading - level);
  }
  trip.boatSpeed = static_cast<float>(trip.boatSpeed + (0.2 * level + 0.2));
  SpawnWake(ctx);
}

TCell MoveBoat(TTripContext& ctx, float rememberedX, float rememberedY) {
  LakeTrip& trip = ctx.trip;
  const float topSpeed = static_cast<float>(BoatLevel(ctx) + 4);
  if (trip.boatSpeed > topSpeed) trip.boatSpeed = topSpeed;
  if (trip.boatSpeed < 0) trip.boatSpeed = 0;
  if (!trip.reverse) {
    trip.boatX = static_cast<float>(trip.boatX + double{IsoDX(trip.heading)} * trip.boatSpeed);
    trip.boatY = static_cast<float>(trip.boatY + double{IsoDY(trip.heading)} * trip.boatSpeed);
  } else {
    if (trip.boatSpeed > 2) trip.boatSpeed = 2;
    trip.boatX = static_cast<float>(trip.boatX - double{IsoDX(trip.heading)} * trip.boatSpeed);
    trip.boatY = static_cast<float>(trip.boatY - double{IsoDY(trip.heading)} * trip.boatSpeed);
  }
  const TCell cell = TileAt(trip, Round(trip.boatX), Round(trip.boatY));
  if (!IsWaterTile(trip.cells[cell.col][cell.row].tile)) {
    // The speed stays: the boat keeps pressing against the shore.
    trip.boatX = rememberedX;
    trip.boatY = rememberedY;
  }
  return cell;
}

void Camera(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  const TDirectDrawSurface* surface = ctx.dev.DXDraw.Surface();
  const int width = surface->Width();
  const int height = surface->Height();
  trip.scrollX = Round(trip.boatX) - width / 2;
  trip.scrollY = Round(trip.boatY) - (height - ctx.pictures.fishdash->Height()) / 2;
  // On a map smaller than the screen the lower bound wins.
  const int32_t maxX = trip.lastCol * trip.tileWidth - width - 64;
  const int32_t maxY = (trip.lastRow * trip.tileHeight) / 2 - height - 64;
  if (trip.scrollX > maxX) trip.scrollX = maxX;
  if (trip.scrollX < 64) trip.scrollX = 64;
  if (trip.scrollY > maxY) trip.scrollY = maxY;
  if (trip.scrollY < 64) trip.scrollY = 64;
}

void DrawBoat(TTripContext& ctx) {
  const LakeTrip& trip = ctx.trip;
  TPictureCollectionItem& boat = *ctx.pictures.boat;
  TPictureCollectionItem& picture =
      trip.throttle && !(trip.reeling && trip.casting) ? *ctx.pictures.boatGas : boat;
  picture.Draw(*ctx.dev.DXDraw.Surface(),
               Round(trip.boatX) - trip.scrollX - boat.PatternWidth / 2,
               Round(trip.boatY) - trip.scrollY - boat.PatternHeight / 2,
               31 - (trip.heading - 4) / 8);
}

void DrawAngler(TTripContext& ctx) {
  const LakeTrip& trip = ctx.trip;
  TPictureCollectionItem& body = *ctx.pictures.body;
  const int32_t boatX = Round(trip.boatX);
  const int32_t boatY = Round(trip.boatY);
  int pattern = 0;
  if (trip.throttle) {
    pattern = Face(trip.heading) * 6;
  } else if (trip.casting || trip.reeling) {
    pattern = Face(DirectionTo(Round(trip.lureX), Round(trip.lureY), boatX, boatY - 16)) * 6 +
              trip.castStep;
  } else {
    pattern = Face(DirectionTo(trip.cursorX, trip.cursorY, boatX, boatY)) * 6;
  }
  body.Draw(*ctx.dev.DXDraw.Surface(), boatX - trip.scrollX - body.PatternWidth / 2,
            boatY - trip.scrollY - body.PatternHeight - trip.bodyLift, pattern);
}

void DrawPointer(TTripContext& ctx) {
  const LakeTrip& trip = ctx.trip;
  if (trip.casting || trip.reeling) return;
  TDirectDrawSurface& surface = *ctx.dev.DXDraw.Surface();
  if (trip.throttle) {
    ctx.pictures.mouseGas->Draw(surface, trip.mouseX - 16, trip.mouseY - 16, 0);
  } else if (WaterUnder(trip, trip.cursorX, trip.cursorY)) {
    ctx.pictures.mouse->Draw(surface, trip.mouseX, trip.mouseY, 0);
  } else {
    ctx.pictures.mouseNoFish->Draw(surface, trip.mouseX - 16, trip.mouseY - 16, 0);
  }
}
