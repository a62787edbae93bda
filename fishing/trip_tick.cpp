#include "fishing/trip_tick.h"

#include "fishing/boat.h"
#include "fishing/casting.h"
#include "fishing/dashboard.h"
#include "fishing/map_objects.h"
#include "fishing/swimmers.h"
#include "fishing/trip_end.h"
#include "fishing/trip_tiles.h"
#include "fishing/wake.h"
#include "media/dx_draw.h"

void TripTick(TTripContext& ctx, const std::string& lakeName) {
  LakeTrip& trip = ctx.trip;
  if (!ctx.dev.DXDraw.ReadyToDraw()) return;
  DrawTiles(ctx);
  const float rememberedX = trip.boatX;
  const float rememberedY = trip.boatY;
  trip.cursorX = trip.scrollX + trip.mouseX;
  trip.cursorY = trip.scrollY + trip.mouseY;
  EngineSound(ctx);
  EngineStart(ctx);
  DriveOrCoast(ctx);
  CastStart(ctx);
  const TCell boatCell = MoveBoat(ctx, rememberedX, rememberedY);
  MapObjectsUnderBoat(ctx, boatCell);
  Camera(ctx);
  FishTick(ctx);
  if (!trip.ending) MonstersTick(ctx);
  LineUnderlay(ctx);
  DrawSplashes(ctx);
  WakeFirstPass(ctx);
  DrawBoat(ctx);
  DrawAngler(ctx);
  WakeSecondPass(ctx);
  ReelStep(ctx);
  CastStep(ctx);
  DrawDashboard(ctx);
  ClockTick(ctx);
  // Back in the menu the device has been made anew and the counters reset: nothing more to do,
  // and the contest must not be judged again on the reset counters.
  if (QuitPromptAndEnd(ctx)) return;
  CatchLimit(ctx, lakeName);
  AllFishPlayed(ctx);
  DrawCentreMessage(ctx);
  DrawCash(ctx);
  DrawPointer(ctx);
  ctx.dev.DXDraw.Flip();
}
