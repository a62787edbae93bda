#include "fishing/strike_meter.h"

#include <algorithm>

#include "fishing/trip_pause.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"

void StartStrike(TTripContext& ctx, int slot) {
  LakeTrip& trip = ctx.trip;
  trip.strikeClick = false;
  ctx.sounds.reel->Stop();
  ctx.sounds.hook->Play();
  trip.hookedFish = slot;
  // Biggest is at least 3 (the lake check), so this cannot overflow.
  ctx.dev.DXCastTimer.SetInterval(std::max(8, 36 - trip.Biggest));
  ctx.dev.DXTimer.SetEnabled(false);
  ctx.dev.DXCastTimer.SetEnabled(true);
}

void StrikeMeterTick(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  TPictureCollectionItem& powerbar = *ctx.pictures.powerbar;
  DrawPausePicture(ctx, *ctx.pictures.hook);
  if (TDirectDrawSurface* primary = ctx.dev.DXDraw.Primary()) powerbar.Draw(*primary, 284, 419, trip.meter);
  const int last = powerbar.PatternTotal() - 1;
  trip.meter += trip.meterStep;
  if (trip.meter > last) {
    trip.meter = last;
    trip.meterStep = -1;
    ctx.sounds.boing->Play();
  }
  if (trip.meter < 0) {
    trip.meter = 0;
    trip.meterStep = 1;
    ctx.sounds.boing->Play();
  }
  if (trip.strikeClick) {
    trip.fishOn = true;
    if (trip.hookedFish >= 0 && trip.hookedFish < kSwimmerSlots) trip.fish[trip.hookedFish].gone = true;
    ctx.dev.DXCastTimer.SetEnabled(false);
    ctx.dev.DXTimer.SetEnabled(true);
    ctx.sounds.reel->Play();
  }
}
