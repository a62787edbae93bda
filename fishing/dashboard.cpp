#include "fishing/dashboard.h"

#include <algorithm>
#include <cstdio>

#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/turbopixels.h"

namespace {

// The texts are formatted into the context's scratch text, whose capacity is kept from tick to
// tick, so drawing them allocates nothing.
void ClockTextInto(std::string& out, int32_t seconds) {
  char buffer[24] = "";
  if (seconds < 10) {
    std::snprintf(buffer, sizeof buffer, "00%d", seconds);
  } else if (seconds < 100) {
    std::snprintf(buffer, sizeof buffer, "0%d", seconds);
  } else if (seconds < 1000) {
    std::snprintf(buffer, sizeof buffer, "%d", seconds);
  }
  out.assign(buffer);
}

void CashTextInto(std::string& out, int32_t cash) {
  out.clear();
  if (cash < 0 || cash >= 1000000) return;
  int blanks = 0;
  for (int32_t limit = 100000; limit > 1 && cash < limit; limit /= 10) ++blanks;
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%*s$%d", blanks, "", cash);
  out.assign(buffer);
}

}  // namespace

std::string ClockText(int32_t seconds) {
  std::string text;
  ClockTextInto(text, seconds);
  return text;
}

std::string CashText(int32_t cash) {
  std::string text;
  CashTextInto(text, cash);
  return text;
}

void DrawDashboard(TTripContext& ctx) {
  const LakeTrip& trip = ctx.trip;
  TDirectDrawSurface& surface = *ctx.dev.DXDraw.Surface();
  TPictureCollectionItem& dash = *ctx.pictures.fishdash;
  dash.Draw(surface, 0, surface.Height() - dash.Height(), 0);
  ctx.pictures.fishmeter->Draw(surface, 58, 389, std::min(trip.fishCaught, 6));
  if (trip.fishOn) ctx.pictures.powerbar->Draw(surface, 284, 419, trip.meter);
  char catchText[64];
  std::snprintf(catchText, sizeof catchText, "%d FISH %d LBS %d IN", trip.fishCaught,
                trip.poundsCaught, trip.inchesCaught);
  ctx.text.assign(catchText);
  DrawImageText(surface, ctx.dev.objects, "font", 64, 456, ctx.text);
}

void ClockTick(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  if (!trip.timed) return;
  ClockTextInto(ctx.text, trip.ticksLeft / 30);
  if (!ctx.text.empty()) {
    DrawImageDigits(*ctx.dev.DXDraw.Surface(), ctx.dev.objects, "digital", 548, 416, ctx.text);
  }
  // A clock at or below 0 stays at 0 (and cannot wrap below the int32 range).
  trip.ticksLeft = trip.ticksLeft > 0 ? trip.ticksLeft - 1 : 0;
  if (trip.ticksLeft <= 0) {
    trip.message = "TIME EXPIRED";
    trip.ticksLeft = 0;
    if (!trip.ending) {
      trip.endTicks = 90;
      trip.ending = true;
    }
  }
}

void DrawCentreMessage(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  if (trip.message.empty()) return;
  const int length = static_cast<int>(std::min<size_t>(trip.message.size(), 100000));
  DrawImageText(*ctx.dev.DXDraw.Surface(), ctx.dev.objects, "bigfont", 320 - (length + 1) * 11, 200,
                trip.message);
  trip.messageTicks -= 1;
  if (trip.messageTicks <= 0) {
    trip.message.clear();
    trip.messageTicks = 0;
  }
}

void DrawCash(TTripContext& ctx) {
  CashTextInto(ctx.text, ctx.trip.cash);
  if (!ctx.text.empty()) {
    DrawImageText(*ctx.dev.DXDraw.Surface(), ctx.dev.objects, "bigfont", 10, 443, ctx.text);
  }
}
