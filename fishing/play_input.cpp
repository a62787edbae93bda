#include "fishing/play_input.h"

#include "fishing/lake_map.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_timer.h"

namespace {

bool PlayRunning(const TTripContext& ctx) {
  return ctx.dev.DXTimer.Enabled() || ctx.dev.DXCastTimer.Enabled();
}

// The top of the dashboard strip that does not drive: the dashboard's height less 30 pixels up
// from the bottom of the screen.
int DriveLimitY(TTripContext& ctx) {
  const TDirectDrawSurface* surface = ctx.dev.DXDraw.Surface();
  const int height = surface ? surface->Height() : ctx.dev.DXDraw.Display.Height;
  const int dashHeight = ctx.pictures.fishdash ? ctx.pictures.fishdash->Height() : 0;
  return height - dashHeight + 30;
}

}  // namespace

void PlayMouseMove(TTripContext& ctx, int x, int y) {
  LakeTrip& trip = ctx.trip;
  trip.mouseX = x;
  trip.mouseY = y;
  trip.cursorX = trip.scrollX + x;
  trip.cursorY = trip.scrollY + y;
}

void PlayMouseDown(TTripContext& ctx, TMouseButton button, int x, int y) {
  (void)x;
  LakeTrip& trip = ctx.trip;
  trip.quitAsked = false;
  trip.inputSeen = true;
  if (ctx.dev.DXTimer.Enabled()) {
    if (button == TMouseButton::Left) {
      if (y < DriveLimitY(ctx)) trip.throttle = true;
    } else if (button == TMouseButton::Right) {
      if (trip.throttle) {
        trip.reverse = true;
      } else {
        trip.castWanted = WaterUnder(trip, trip.cursorX, trip.cursorY);
      }
    }
  }
  if (ctx.dev.DXCastTimer.Enabled()) trip.strikeClick = true;
}

void PlayMouseUp(TTripContext& ctx, TMouseButton button) {
  if (button == TMouseButton::Left) ctx.trip.throttle = false;
  if (button == TMouseButton::Right) ctx.trip.reverse = false;
}

void PlayKeyDown(TTripContext& ctx, int key) {
  LakeTrip& trip = ctx.trip;
  trip.inputSeen = true;
  switch (key) {
    case VK_ESCAPE:
      if (PlayRunning(ctx)) trip.quitAsked = !trip.quitAsked;
      break;
    case VK_RETURN:
      if (PlayRunning(ctx) && !trip.ending && trip.quitAsked) {
        trip.endTicks = 60;
        trip.ending = true;
      }
      break;
    case VK_UP:
      trip.throttle = true;
      break;
    case VK_RIGHT:
      trip.keyRight = true;
      break;
    case VK_LEFT:
      trip.keyLeft = true;
      break;
    case VK_BACK:
    case VK_DOWN:
      trip.reverse = true;
      break;
    case VK_SPACE:
      if (ctx.dev.DXCastTimer.Enabled()) trip.strikeClick = true;
      trip.throttle = true;
      trip.quitAsked = false;
      break;
    default:
      break;
  }
}

void PlayKeyUp(TTripContext& ctx, int key) {
  LakeTrip& trip = ctx.trip;
  switch (key) {
    case VK_UP:
    case VK_SPACE:
      trip.throttle = false;
      break;
    case VK_RIGHT:
      trip.keyRight = false;
      break;
    case VK_LEFT:
      trip.keyLeft = false;
      break;
    case VK_BACK:
    case VK_DOWN:
      trip.reverse = false;
      break;
    default:
      break;
  }
}
