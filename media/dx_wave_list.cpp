#include "media/dx_wave_list.h"

#include "media/dx_sound.h"

TDXWaveList::TDXWaveList(TDXSound* dxSound) { SetDXSound(dxSound); }

TDXWaveList::~TDXWaveList() { SetDXSound(nullptr); }

void TDXWaveList::SetDXSound(TDXSound* dxSound) {
  if (Items.DXSound == dxSound) return;
  if (Items.DXSound) Items.DXSound->UnregisterLibrary(Items);
  if (dxSound) dxSound->RegisterLibrary(Items);
}
