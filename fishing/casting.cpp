#include "fishing/casting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "fishing/strike_meter.h"
#include "fishing/trip_numbers.h"
#include "fishing/trip_pause.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_wave_list.h"
#include "media/iso_math.h"
#include "media/turbopixels.h"

namespace {

struct TLineColor {
  int r;
  int g;
  int b;
};
constexpr TLineColor kShadow{92, 92, 192};
constexpr TLineColor kRod{128, 64, 128};
constexpr TLineColor kAirLine{192, 192, 255};

struct TScreenPoint {
  int x;
  int y;
};

// Lines are drawn pixel by pixel, also where they run off the surface. A line that sags or
// climbs without end (one that never reaches its target) would take ages to draw, so a segment
// reaching beyond this window is first clipped to it; every line of a normal cast lies within it
// and is drawn exactly as given.
constexpr double kLineWindow = 8192;

bool ClipToWindow(double& x1, double& y1, double& x2, double& y2) {
  double t0 = 0;
  double t1 = 1;
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 + kLineWindow, kLineWindow - x1, y1 + kLineWindow, kLineWindow - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const double startX = x1;
  const double startY = y1;
  x1 = startX + t0 * dx;
  y1 = startY + t0 * dy;
  x2 = startX + t1 * dx;
  y2 = startY + t1 * dy;
  return true;
}

void Line(TDirectDrawSurface& surface, TScreenPoint a, TScreenPoint b, TLineColor color) {
  const auto inside = [](const TScreenPoint& p) {
    return std::fabs(static_cast<double>(p.x)) <= kLineWindow &&
           std::fabs(static_cast<double>(p.y)) <= kLineWindow;
  };
  if (inside(a) && inside(b)) {
    DrawLine(surface, a.x, a.y, b.x, b.y, color.r, color.g, color.b);
    return;
  }
  double x1 = a.x;
  double y1 = a.y;
  double x2 = b.x;
  double y2 = b.y;
  if (!ClipToWindow(x1, y1, x2, y2)) return;
  DrawLine(surface, Round(x1), Round(y1), Round(x2), Round(y2), color.r, color.g, color.b);
}

// Screen coordinates of line points, kept far inside the int range whatever the line's height.
int ScreenCoordinate(int64_t value) {
  constexpr int64_t kLimit = int64_t{1} << 30;
  return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

TScreenPoint OnWater(const LakeTrip& trip, float x, float y) {
  return {ScreenCoordinate(int64_t{Round(x)} - trip.scrollX), ScreenCoordinate(int64_t{Round(y)} - trip.scrollY)};
}

TScreenPoint LinePointOnWater(const LakeTrip& trip, int i) {
  return OnWater(trip, trip.lineX[i], trip.lineY[i]);
}

TScreenPoint LinePointInAir(const LakeTrip& trip, int i) {
  return {ScreenCoordinate(int64_t{Round(trip.lineX[i])} - trip.scrollX),
          ScreenCoordinate(int64_t{Round(trip.lineY[i])} - Round(trip.lineZ[i]) - trip.scrollY)};
}

// The angler's hands to the raised rod tip.
void DrawRod(TDirectDrawSurface& surface, const LakeTrip& trip) {
  const TScreenPoint hands{Round(trip.boatX) - trip.scrollX,
                           Round(trip.boatY) - trip.scrollY - 28 - 3 * trip.bodyLift};
  Line(surface, hands, LinePointInAir(trip, 0), kRod);
}

int LureReach(const TTripContext& ctx) { return ctx.host.LuresLevel() + 4; }

// Strike check: of several fish in reach the highest slot strikes.
void StrikeCheck(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  const int reach = LureReach(ctx);
  int struck = -1;
  for (int i = 0; i <= trip.lastFish; ++i) {
    const FishRecord& fish = trip.fish[i];
    if (!fish.gone && std::fabs(trip.lureX - fish.x) < reach && std::fabs(trip.lureY - fish.y) < reach) {
      struck = i;
    }
  }
  if (struck >= 0) StartStrike(ctx, struck);
}

void LandFish(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  const int middle = (ctx.pictures.powerbar->PatternTotal() + 2) / 2;
  if (trip.fishOn && std::abs(trip.meter - middle) < 3) {
    ++trip.fishPlayed;
    ctx.sounds.reel->Stop();
    const TCatch fish = DrawCatch(ctx.dev.random, trip.Biggest);
    ctx.sounds.caught->Play();
    PauseOnPicture(ctx, "caught");
    char text[80];
    std::snprintf(text, sizeof text, "%d LBS %d IN %s", fish.weight, fish.length, fish.kind);
    trip.message = text;
    trip.messageTicks = 90;
    trip.poundsCaught = AddClamped(trip.poundsCaught, fish.weight);
    trip.inchesCaught = AddClamped(trip.inchesCaught, fish.length);
    ++trip.fishCaught;
  } else if (trip.fishOn) {
    ++trip.fishPlayed;
    ctx.sounds.reel->Stop();
    ctx.sounds.splash->Play();
    PauseOnPicture(ctx, "lost");
  }
  trip.fishOn = false;
  trip.reeling = false;
  ctx.sounds.reel->Stop();
}

}  // namespace

TCatch DrawCatch(TRandom& random, int32_t biggest) {
  static const char* const kKinds[] = {"BASS", "PIKE", "CATFISH", "WALLEYE"};
  const int32_t length = random.Random(biggest - 3) + 3;
  const int32_t weight = length / (random.Random(3) + 2) + 1;
  return {length, weight, kKinds[random.Random(4)]};
}

void CastStart(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  if (!trip.castWanted || trip.throttle || trip.boatSpeed > 0 || trip.reeling || trip.casting ||
      trip.ending) {
    return;
  }
  const int32_t boatX = Round(trip.boatX);
  const int32_t boatY = Round(trip.boatY);
  if (IsoDistance(boatX, boatY, trip.cursorX, trip.cursorY) <= 115) return;
  trip.castWanted = false;
  trip.casting = true;
  // The target is where the pointer is now, not where it was when the button went down.
  trip.lureX = static_cast<float>(trip.cursorX);
  trip.lureY = static_cast<float>(trip.cursorY);
  trip.reelSpeed = static_cast<float>(ctx.host.RodLevel() * 0.5 + 0.5);
  trip.castStep = 0;
  trip.linePoints = 1;
  const uint8_t d = DirectionTo(Round(trip.lureX), Round(trip.lureY), boatX, boatY);
  trip.lineX[0] = static_cast<float>(boatX + StepCos(d) * 32);
  trip.lineY[0] = static_cast<float>(boatY + StepSin(d) * 16);
  trip.lineZ[0] = 42;
  trip.lineX[1] = trip.lineX[0];
  trip.lineY[1] = trip.lineY[0];
  trip.lineZ[1] = trip.lineZ[0];
  ctx.sounds.cast->Play();
}

void LineUnderlay(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  if (!trip.casting && !trip.reeling) return;
  trip.throttle = false;
  TDirectDrawSurface& surface = *ctx.dev.DXDraw.Surface();
  if (!LockSurface(surface)) return;
  if (trip.casting) {
    for (int i = 1; i < trip.linePoints; ++i) {
      Line(surface, LinePointOnWater(trip, i - 1), LinePointOnWater(trip, i), kShadow);
    }
    trip.castStep = std::min<uint8_t>(trip.castStep + 1, 5);
    if (trip.castStep == 5) DrawRod(surface, trip);
  } else {
    DrawRod(surface, trip);
    Line(surface, OnWater(trip, trip.boatX, trip.boatY), OnWater(trip, trip.lureX, trip.lureY), kShadow);
  }
  UnlockSurface();
}

void DrawSplashes(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  TDirectDrawSurface& surface = *ctx.dev.DXDraw.Surface();
  for (Splash& splash : trip.splashes) {
    if (splash.life == 0) continue;
    const TScreenPoint at = OnWater(trip, splash.x, splash.y);
    ctx.pictures.splash->DrawStretched(surface, Bounds(at.x, at.y, 16 - splash.life, 8 - splash.life / 2), 0);
    --splash.life;
  }
}

void ReelStep(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  if (!trip.reeling) return;
  TDirectDrawSurface& surface = *ctx.dev.DXDraw.Surface();
  if (LockSurface(surface)) {
    Line(surface, LinePointInAir(trip, 0), OnWater(trip, trip.lureX, trip.lureY), kAirLine);
    UnlockSurface();
  }
  const int32_t tipX = Round(trip.lineX[0]);
  const int32_t tipY = Round(trip.lineY[0]);
  uint8_t d = DirectionTo(tipX, tipY, Round(trip.lureX), Round(trip.lureY));
  trip.lureX = static_cast<float>(trip.lureX + StepCos(d) * trip.reelSpeed);
  d = DirectionTo(tipX, tipY, Round(trip.lureX), Round(trip.lureY));
  trip.lureY = static_cast<float>(trip.lureY + StepSin(d) * trip.reelSpeed);
  if (ctx.dev.random.Random(3) == 0) {
    trip.splashIndex = static_cast<uint8_t>(trip.splashIndex + 1);
    if (trip.splashIndex > kSplashSlots - 1) trip.splashIndex = 0;
    Splash& splash = trip.splashes[trip.splashIndex];
    splash.x = static_cast<float>(Round(trip.lureX));
    splash.y = static_cast<float>(Round(trip.lureY));
    splash.life = 16;
  }
  if (!trip.fishOn && !trip.ending) StrikeCheck(ctx);
  if (IsoDistance(Round(trip.lureX), Round(trip.lureY), tipX, tipY) < 30) LandFish(ctx);
}

void CastStep(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  if (!trip.casting) return;
  TDirectDrawSurface& surface = *ctx.dev.DXDraw.Surface();
  const int n = trip.linePoints;
  if (LockSurface(surface)) {
    for (int i = 1; i < n; ++i) Line(surface, LinePointInAir(trip, i - 1), LinePointInAir(trip, i), kAirLine);
    UnlockSurface();
  }
  const TScreenPoint bobber = LinePointInAir(trip, n - 1);
  ctx.pictures.bobber->Draw(surface, bobber.x - 4, bobber.y - 4, 0);

  const int32_t targetX = Round(trip.lureX);
  const int32_t targetY = Round(trip.lureY);
  const int32_t boatX = Round(trip.boatX);
  const int32_t boatY = Round(trip.boatY);
  const uint8_t d = DirectionTo(targetX, targetY, boatX, boatY);
  trip.lineX[n] = static_cast<float>(trip.lineX[n - 1] + StepCos(d) * 9);
  trip.lineY[n] = static_cast<float>(trip.lineY[n - 1] + StepSin(d) * 9);
  const int sagFrom = ctx.dev.random.Random(6) + 3;
  for (int j = sagFrom; j < n; ++j) trip.lineZ[j] -= 1;
  const double d1 = IsoDistance(targetX, targetY, Round(trip.lineX[n - 1]), Round(trip.lineY[n - 1]));
  const double d0 = IsoDistance(targetX, targetY, boatX, boatY);
  const double z = trip.lineZ[n - 1];
  trip.lineZ[n] = static_cast<float>(1.155 * z - Round(0.43 * z * (1 - d1 / d0)));
  if (trip.linePoints < kLinePoints - 1) ++trip.linePoints;
  const int newest = trip.linePoints - 1;
  const int32_t newestX = Round(trip.lineX[newest]);
  const int32_t newestY = Round(trip.lineY[newest]);
  const bool atTarget = std::abs(targetX - newestX) < 16 && std::abs(targetY - newestY) < 16;
  // A line that has reached past its target without coming within 15 pixels of it (its rod tip no
  // longer where the boat is) would grow without end, its height with it, and hold the angler in
  // the cast for good; it lands there instead.
  const auto squared = [](int64_t dx, int64_t dy) { return dx * dx + dy * dy; };
  const bool pastTarget = squared(newestX - boatX, newestY - boatY) > squared(targetX - boatX, targetY - boatY);
  if (atTarget || pastTarget) {
    ctx.sounds.minisplash->Play();
    trip.casting = false;
    trip.reeling = true;
    ctx.sounds.reel->Play();
  }
}
