#include "fishing/fishing_play.h"

#include "fishing/play_input.h"
#include "fishing/strike_meter.h"
#include "fishing/trip_pause.h"
#include "fishing/trip_setup.h"
#include "fishing/trip_tick.h"
#include "media/dx_sound.h"
#include "media/dx_timer.h"

TFishingPlay::TFishingPlay(LakeTrip& trip, TFishingDevices& devices, TTripHost& host)
    : ctx_{trip, devices, host, {}, {}, {}, {}, {}} {
  // Room for the longest text drawn each tick, so formatting it never allocates.
  ctx_.text.reserve(64);
}

void TFishingPlay::goClick() {
  const std::string lake = StartTrip(ctx_);
  if (!lake.empty()) lakeName_ = lake;
}

void TFishingPlay::ResetForDevice() { ::ResetForDevice(ctx_.trip); }

void TFishingPlay::DXTimerTimer(int lagCount) {
  // Every tick is one step, however late it comes.
  (void)lagCount;
  if (MediaReady()) TripTick(ctx_, lakeName_);
}

void TFishingPlay::DXCastTimerTimer(int lagCount) {
  (void)lagCount;
  if (MediaReady()) StrikeMeterTick(ctx_);
}

void TFishingPlay::DXDrawMouseMove(int x, int y) { PlayMouseMove(ctx_, x, y); }

void TFishingPlay::DXDrawMouseDown(TMouseButton button, int x, int y) {
  PlayMouseDown(ctx_, button, x, y);
}

void TFishingPlay::DXDrawMouseUp(TMouseButton button) { PlayMouseUp(ctx_, button); }

void TFishingPlay::FormKeyDown(int key) { PlayKeyDown(ctx_, key); }

void TFishingPlay::FormKeyUp(int key) { PlayKeyUp(ctx_, key); }

void TFishingPlay::DXDrawFinalize() {
  if (ctx_.host.SoundOn()) ctx_.dev.DXSound.Finalize();
  ctx_.dev.DXTimer.SetEnabled(false);
  ctx_.host.SetPlayCursor(false);
}

void TFishingPlay::PauseOnPicture(const std::string& name) { ::PauseOnPicture(ctx_, name); }
