#include "tests/support/sounding.h"

#include "media/dx_sound.h"
#include "media/mixer.h"

bool Sounding(TWaveCollection& library, const std::string& name) {
  TMixer* mixer = library.DXSound ? library.DXSound->Mixer() : nullptr;
  if (!mixer) return false;
  TSoundBuffers& buffers = library.Find(name).Buffers();
  if (buffers.BaseVoice >= 0 && mixer->Busy(buffers.BaseVoice)) return true;
  for (int voice : buffers.Instances) {
    if (mixer->Busy(voice)) return true;
  }
  return false;
}
