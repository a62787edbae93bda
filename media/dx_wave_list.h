// A sound library component: owns a TWaveCollection and registers it with a sound device, which
// builds the items' buffers while it is initialised.
#pragma once

#include "media/wave_collection.h"

class TDXSound;

class TDXWaveList {
 public:
  explicit TDXWaveList(TDXSound* dxSound = nullptr);
  ~TDXWaveList();
  TDXWaveList(const TDXWaveList&) = delete;
  TDXWaveList& operator=(const TDXWaveList&) = delete;

  TWaveCollection Items;

  TDXSound* DXSound() const { return Items.DXSound; }
  // Moves the library to another device (or none).
  void SetDXSound(TDXSound* dxSound);
};
