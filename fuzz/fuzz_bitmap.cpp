// BMP files, as the games load them for lake maps, portraits and postcards.
#include <cstddef>
#include <cstdint>

#include "media/bitmap_file.h"
#include "media/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const TPicture picture = ReadBitmap(TByteReader(data, size)).Decode();
    if (static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height) !=
        picture.Pixels.size()) {
      __builtin_trap();
    }
  } catch (const Exception&) {
    // A clean error is the expected outcome for most inputs.
  }
  return 0;
}
