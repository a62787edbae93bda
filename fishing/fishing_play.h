// Play of the fishing game: one trip on one lake, from "Fish This Lake" to the prize. The main
// form owns the trip record, the media components and one TFishingPlay, and wires its timers and
// the drawing device's events to these handlers.
#pragma once

#include <string>

#include "fishing/fishing_devices.h"
#include "fishing/lake_trip.h"
#include "fishing/trip_context.h"
#include "fishing/trip_host.h"
#include "forms/virtual_keys.h"

class TFishingPlay {
 public:
  TFishingPlay(LakeTrip& trip, TFishingDevices& devices, TTripHost& host);
  TFishingPlay(const TFishingPlay&) = delete;
  TFishingPlay& operator=(const TFishingPlay&) = delete;

  // "Fish This Lake": checks and loads the selected lake, takes the fee and starts play.
  void goClick();
  // Step 1 of the device's initialise handler: resets the trip for a new display.
  void ResetForDevice();
  // The frame timer's tick: one step of the trip and one frame.
  void DXTimerTimer(int lagCount);
  // The strike timer's tick: one step of the strike meter.
  void DXCastTimerTimer(int lagCount);

  // Input over the drawing device and keys reaching the form.
  void DXDrawMouseMove(int x, int y);
  void DXDrawMouseDown(TMouseButton button, int x, int y);
  void DXDrawMouseUp(TMouseButton button);
  void FormKeyDown(int key);
  void FormKeyUp(int key);

  // The device's finalise handler: sound closed (when on), frame timer off, default pointer.
  void DXDrawFinalize();
  // Shows an object picture over the play area until a key or button is pressed.
  void PauseOnPicture(const std::string& name);

  // The trip's context (tests drive the steps through it).
  TTripContext& Context() { return ctx_; }
  // The lake being fished, or empty before the first trip.
  const std::string& LakeName() const { return lakeName_; }

 private:
  // True once a trip has started and its pictures and sounds are known.
  bool MediaReady() const { return ctx_.pictures.fish != nullptr; }

  TTripContext ctx_;
  std::string lakeName_;
};
