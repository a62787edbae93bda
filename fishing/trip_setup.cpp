#include "fishing/trip_setup.h"

#include "fishing/iso_map.h"
#include "fishing/lake_check.h"
#include "fishing/lake_map.h"
#include "fishing/swimmers.h"
#include "fishing/trip_numbers.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"
#include "media/errors.h"

namespace {

// Frame timer interval for the "Game Speed" choices: "30FPS", "60FPS", "As fast as possible".
int FrameInterval(int speedIndex) {
  switch (speedIndex) {
    case 0:
      return 33;
    case 1:
      return 15;
    default:
      return 0;
  }
}

void Repaint(TTripContext& ctx) { ctx.dev.app.ProcessMessages(); }

void LoadingStep(TTripContext& ctx) {
  ctx.host.AppendLoadingDot();
  Repaint(ctx);
}

bool MapHasObject(const LakeTrip& trip, const char* name) {
  for (const MapObject& object : trip.mapObjects) {
    if (object.name == name) return true;
  }
  return false;
}

}  // namespace

void PlaceBoatAtStart(LakeTrip& trip) {
  trip.boatX = 300;
  trip.boatY = 300;
  for (const MapObject& object : trip.mapObjects) {
    if (object.name != "levelstart") continue;
    // The lake check keeps levelstart objects on the grid, so these products fit.
    trip.boatX = static_cast<float>(int64_t{object.col} * trip.tileWidth);
    trip.boatY = static_cast<float>(int64_t{object.row} * (trip.tileHeight / 2));
  }
  trip.cursorX = static_cast<int32_t>(trip.boatX);
  trip.cursorY = static_cast<int32_t>(trip.boatY);
  trip.boatSpeed = 0.1f;
  trip.throttle = false;
  trip.ending = false;
  trip.quitAsked = false;
  trip.endTicks = 0;
  trip.ticksLeft = trip.ticksTotal;
  trip.message.clear();
  trip.messageTicks = 0;
  trip.fishCaught = 0;
  trip.fishPlayed = 0;
}

void ResetForDevice(LakeTrip& trip) {
  trip.heading = 0;
  trip.throttle = false;
  trip.reverse = false;
  trip.wakeIndex = 0;
  trip.reeling = false;
  trip.castWanted = false;
  trip.meter = 0;
  trip.meterStep = 1;
  trip.fishCaught = 0;
  trip.poundsCaught = 0;
  trip.inchesCaught = 0;
  trip.fishPlayed = 0;
}

void ResolvePlayMedia(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  TPictureCollection& objects = ctx.dev.objects.Items;
  TWaveCollection& sounds = ctx.dev.sounds.Items;
  TPlayPictures pictures;
  pictures.fish = &objects.Find("fish");
  pictures.fishdash = &objects.Find("fishdash");
  pictures.fishmeter = &objects.Find("fishmeter");
  pictures.powerbar = &objects.Find("powerbar");
  pictures.hook = &objects.Find("hook");
  pictures.water = &objects.Find("water");
  pictures.splash = &objects.Find("splash");
  pictures.bobber = &objects.Find("bobber");
  pictures.boat = &objects.Find(trip.boatImage);
  pictures.boatGas = &objects.Find(trip.boatImage + "gas");
  pictures.body = &objects.Find(trip.bodyImage);
  pictures.mouse = &objects.Find("mouse");
  pictures.mouseGas = &objects.Find("mousegas");
  pictures.mouseNoFish = &objects.Find("mousenofish");
  // Found by name when they are shown; looked up here so that a missing one stops the start.
  objects.Find("caught");
  objects.Find("lost");
  for (const char* font : {"bigfont", "font", "digital"}) objects.Find(font);
  for (const char* stop : {"buoy", "talk"}) {
    if (MapHasObject(trip, stop)) {
      objects.Find(stop);
      objects.Find("infofont");
    }
  }
  TPlaySounds played;
  played.cast = &sounds.Find("cast");
  played.gas = &sounds.Find("gas");
  played.startgas = &sounds.Find("startgas");
  played.reel = &sounds.Find("reel");
  played.hook = &sounds.Find("hook");
  played.caught = &sounds.Find("caught");
  played.splash = &sounds.Find("splash");
  played.minisplash = &sounds.Find("minisplash");
  played.boing = &sounds.Find("boing");
  played.coins = &sounds.Find("coins");
  played.bell = &sounds.Find("bell");
  if (trip.lastMonster >= 0) {
    pictures.monster = &objects.Find(trip.monsterKind);
    objects.Find("got" + trip.monsterKind);
    played.monster = &sounds.Find(trip.monsterKind);
  }
  TWaveCollection& background = ctx.dev.background.Items;
  if (ctx.host.BackgroundSounds()) {
    played.ambience = &background.Find(trip.imageLib);
  } else if (background.IndexOf(trip.imageLib) >= 0) {
    played.ambience = &background.Find(trip.imageLib);
  }
  ctx.pictures = pictures;
  ctx.sounds = played;
}

std::string StartTrip(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  TFishingDevices& dev = ctx.dev;
  if (trip.cash < trip.entryFee) {
    ctx.host.ShowMessage("You don't have enough money to enter!");
    return {};
  }
  const std::string lakeName = ctx.host.SelectedLakeName();
  // Everything that can refuse the lake happens before the fee is taken.
  TIsoMap map;
  try {
    CheckLakeValues(trip);
    map = ReadIsoMap(dev.paths.Find("lakes\\" + lakeName + ".iso"));
    CheckLakeMap(trip, map);
  } catch (const Exception& error) {
    ctx.host.ShowMessage(error.Message());
    return {};
  }

  ctx.host.ShowLoadingBox();
  const int32_t fee = trip.entryFee;
  trip.cash = AddClamped(trip.cash, -int64_t{fee});
  ctx.host.UpdateStatus();
  Repaint(ctx);
  try {
    dev.sounds.Items.Find("cast").Play();
    LoadingStep(ctx);
    dev.DXTileList.Items.ReadFromFile(dev.paths.Find(trip.imageLib));
    LoadingStep(ctx);
    dev.objects.Items.ReadFromFile(dev.paths.Find("objects.dxg"));
    LoadLakeMap(trip, map);
    ctx.tileLayer.Forget();
    ResolvePlayMedia(ctx);
  } catch (const Exception& error) {
    trip.cash = AddClamped(trip.cash, fee);
    ctx.host.HideLoadingBox();
    ctx.host.ResetLoadingLabel();
    ctx.host.UpdateStatus();
    ctx.host.ShowMessage(error.Message());
    return {};
  }
  LoadingStep(ctx);
  LoadingStep(ctx);

  PlaceBoatAtStart(trip);
  PlaceFish(ctx);
  PlaceMonsters(ctx);
  dev.DXTimer.SetInterval(FrameInterval(ctx.host.GameSpeedIndex()));
  LoadingStep(ctx);
  ctx.host.ResetLoadingLabel();

  ctx.host.HideMenu();
  dev.DXDraw.Finalize();
  if (ctx.host.PageFlipping()) {
    dev.DXDraw.Options.Include(doFlip);
    dev.DXDraw.Options.Include(doWaitVBlank);
  } else {
    dev.DXDraw.Options.Exclude(doFlip);
    dev.DXDraw.Options.Exclude(doWaitVBlank);
  }
  ctx.host.ShowDrawArea(true);
  try {
    dev.DXDraw.Initialize();
  } catch (const Exception& error) {
    // No display for play: back to the menu with the fee.
    trip.cash = AddClamped(trip.cash, fee);
    ctx.host.ShowDrawArea(false);
    ctx.host.ShowMenuAfterTrip();
    ctx.host.UpdateStatus();
    ctx.host.ShowMessage(error.Message());
    return {};
  }
  if (ctx.host.BackgroundSounds() && ctx.sounds.ambience) ctx.sounds.ambience->Play();
  dev.DXTimer.SetEnabled(true);
  ctx.host.SetPlayCursor(true);
  return lakeName;
}
