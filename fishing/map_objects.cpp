#include "fishing/map_objects.h"

#include "fishing/trip_numbers.h"
#include "fishing/trip_pause.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"
#include "media/ini_file.h"
#include "media/turbopixels.h"

namespace {

// Where an info stop's text starts on its picture and after how many columns it wraps.
struct TInfoText {
  int x;
  int y;
  int columns;
};
constexpr TInfoText kBuoyText{285, 145, 25};
constexpr TInfoText kTalkText{280, 148, 29};

void InfoStop(TTripContext& ctx, MapObject& object, const TInfoText& layout) {
  LakeTrip& trip = ctx.trip;
  trip.throttle = false;
  ctx.sounds.startgas->Stop();
  ctx.sounds.gas->Stop();
  trip.boatSpeed = 0;
  ctx.sounds.bell->Play();
  ctx.dev.DXTimer.SetEnabled(false);
  DrawPausePicture(ctx, ctx.dev.objects.Items.Find(object.name));
  if (TDirectDrawSurface* primary = ctx.dev.DXDraw.Primary()) {
    DrawWrappedImageText(*primary, ctx.dev.objects, "infofont", layout.x, layout.y, layout.columns,
                         object.text);
  }
  WaitForInput(ctx);
  object.active = 0;
  ctx.dev.DXTimer.SetEnabled(true);
}

// Treasure and extra time leave plain water behind, even on a shore cell.
void ClearCell(LakeTrip& trip, TCell cell) { trip.cells[cell.col][cell.row] = TileCell{3, 0}; }

}  // namespace

std::optional<int32_t> WholeNumber(const std::string& param) {
  size_t first = 0;
  size_t last = param.size();
  while (first < last && (param[first] == ' ' || param[first] == '\t')) ++first;
  while (last > first && (param[last - 1] == ' ' || param[last - 1] == '\t')) --last;
  if (first == last) return std::nullopt;
  return IniParseInteger(std::string_view(param).substr(first, last - first));
}

void MapObjectsUnderBoat(TTripContext& ctx, TCell boatCell) {
  LakeTrip& trip = ctx.trip;
  for (MapObject& object : trip.mapObjects) {
    if (object.col != boatCell.col || object.row != boatCell.row || object.active == 0) continue;
    if (object.name == "buoy") {
      InfoStop(ctx, object, kBuoyText);
    } else if (object.name == "talk") {
      InfoStop(ctx, object, kTalkText);
    } else if (object.name == "treasure") {
      trip.messageTicks = 90;
      trip.message = "YOU FOUND $" + object.param;
      trip.cash = AddClamped(trip.cash, WholeNumber(object.param).value_or(0));
      ctx.sounds.coins->Play();
      object.active = 0;
      ClearCell(trip, boatCell);
    } else if (object.name == "moretime" && trip.timed) {
      trip.messageTicks = 90;
      trip.ticksLeft = AddClamped(trip.ticksLeft, int64_t{WholeNumber(object.param).value_or(0)} * 30);
      trip.message = "ADD " + object.param + " SECONDS";
      ctx.sounds.coins->Play();
      object.active = 0;
      ClearCell(trip, boatCell);
    }
  }
}
