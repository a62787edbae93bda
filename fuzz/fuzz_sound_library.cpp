// Sound library files: the component stream, the item properties and the RIFF wave payloads.
#include <cstddef>
#include <cstdint>

#include "media/errors.h"
#include "media/wave_collection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TWaveCollection waves;
  try {
    waves.ReadFromStream(data, size);
  } catch (const Exception&) {
    // A clean error is the expected outcome for most inputs; items read so far stay.
  }
  for (int i = 0; i < waves.Count(); ++i) {
    const TWave& wave = waves.Items(i).Wave();
    wave.Channels();
    wave.BlockAlign();
    waves.IndexOf(waves.Items(i).Name());
  }
  return 0;
}
