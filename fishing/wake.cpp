#include "fishing/wake.h"

#include <cmath>

#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/iso_math.h"

namespace {

// The screen line that splits the wake into the parts behind and in front of the boat.
double BoatLine(const LakeTrip& trip) {
  return trip.boatY + std::fabs(StepSin(trip.heading) * 16);
}

void DrawParticle(TTripContext& ctx, const WakeParticle& particle) {
  const int size = (particle.life * 10) >> 5;
  const int left = Round(particle.x) - ctx.trip.scrollX;
  const int top = Round(particle.y) - ctx.trip.scrollY;
  ctx.pictures.water->DrawStretched(*ctx.dev.DXDraw.Surface(), Bounds(left, top, size, size), 0);
}

}  // namespace

void SpawnWake(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  TRandom& random = ctx.dev.random;
  trip.wakeIndex = static_cast<uint8_t>(trip.wakeIndex + 1);
  if (trip.wakeIndex > kWakeSlots - 1) trip.wakeIndex = 0;
  WakeParticle& particle = trip.wake[trip.wakeIndex];
  // The draws happen in this order: angle and spread across, angle and spread along, direction.
  const int angleX = random.Random(32);
  const int spreadX = random.Random(40);
  const int angleY = random.Random(32);
  const int spreadY = random.Random(20);
  const int dir = random.Random(64);
  particle.x = static_cast<float>(trip.boatX - Round(spreadX * StepCos(angleX + trip.heading - 144)));
  particle.y = static_cast<float>(trip.boatY - Round(spreadY * StepSin(angleY + trip.heading - 144)));
  particle.dir = static_cast<uint8_t>((dir + trip.heading - 160) & 255);
  particle.life = 32;
}

void WakeFirstPass(TTripContext& ctx) {
  LakeTrip& trip = ctx.trip;
  const double line = BoatLine(trip);
  for (WakeParticle& particle : trip.wake) {
    if (particle.life == 0) continue;
    particle.x = static_cast<float>(particle.x + StepCos(particle.dir) * 1.5);
    particle.y = static_cast<float>(particle.y + StepSin(particle.dir) * 0.75);
    if (line > particle.y) DrawParticle(ctx, particle);
    --particle.life;
  }
}

void WakeSecondPass(TTripContext& ctx) {
  const LakeTrip& trip = ctx.trip;
  const double line = BoatLine(trip);
  for (const WakeParticle& particle : trip.wake) {
    if (particle.life > 0 && line < particle.y) DrawParticle(ctx, particle);
  }
}
