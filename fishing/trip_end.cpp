#include "fishing/trip_end.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "fishing/trip_numbers.h"
#include "media/dx_draw.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"

namespace {

// The end count that the catch limit and the all-fish rule start with, when no other cause has.
constexpr int32_t kEndTicks = 120;

void StartEnding(LakeTrip& trip) {
  trip.ending = true;
  if (trip.endTicks == 0) trip.endTicks = kEndTicks;
}

}  // namespace

void ReturnToMenu(TTripContext& ctx) {
  if (ctx.sounds.ambience) ctx.sounds.ambience->Stop();
  ctx.dev.DXTimer.SetEnabled(false);
  ctx.dev.DXDraw.Finalize();
  ctx.host.ShowDrawArea(false);
  ctx.host.SetPlayCursor(false);
  ctx.host.ShowMenuAfterTrip();
  ctx.host.RefillLakeList();
  ctx.dev.DXDraw.Initialize();
}

bool QuitPromptAndEnd(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  if (trip.quitAsked) trip.message = "PRESS ENTER TO QUIT GAME";
  if (!trip.ending) return false;
  if (trip.ticksLeft > 0 || !trip.timed) trip.message = "GAME OVER";
  // Stops at the bottom of the range while a long retrieve holds the end back.
  if (trip.endTicks > INT32_MIN) trip.endTicks -= 1;
  if (trip.endTicks > 0 || trip.reeling || trip.casting) return false;
  ReturnToMenu(ctx);
  return true;
}

void CatchLimit(TTripContext& ctx, const std::string& lakeName) {
  LakeTrip& trip = ctx.trip;
  if (trip.fishCaught < trip.limit) return;
  StartEnding(trip);
  const bool payNow = trip.endTicks == kEndTicks;
  if (trip.winIf == 0) {
    trip.message = "YOU CAUGHT YOUR LIMIT";
    trip.lakesOpen = std::max(trip.lakesOpen, trip.lakeLevel);
  } else if (trip.winIf > 0 && trip.poundsCaught >= trip.winIf) {
    if (lakeName == "World_Championship") {
      trip.message = "YOU ARE THE GRAND CHAMPION";
      if (payNow) trip.cash = AddClamped(trip.cash, trip.prizeMoney);
      trip.lakesOpen = 255;
    } else {
      char text[64];
      std::snprintf(text, sizeof text, "YOU WIN $%d FOR 1ST PLACE", trip.prizeMoney);
      trip.message = text;
      if (payNow) trip.cash = AddClamped(trip.cash, trip.prizeMoney);
      trip.lakesOpen = std::max(trip.lakesOpen, trip.lakeLevel);
    }
  } else if (trip.winIf > 0) {
    char text[64];
    std::snprintf(text, sizeof text, "YOU WERE %dLBS LIGHT", trip.winIf - trip.poundsCaught);
    trip.message = text;
  }
}

void AllFishPlayed(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  if (trip.fishPlayed >= int64_t{trip.lastFish} + 1 && !trip.ending) StartEnding(trip);
}
