// Lake map reader: any bytes give a map or one of the system's errors, and a map that was read
// encodes back to the bytes it came from (up to the ignored header values and unused field bytes).
#include <cstdint>
#include <cstdlib>

#include "fishing/iso_map.h"
#include "media/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TIsoMap map;
  try {
    map = ReadIsoMap(data, size);
  } catch (const Exception&) {
    return 0;
  }
  const std::vector<uint8_t> encoded = EncodeIsoMap(map);
  const TIsoMap again = ReadIsoMap(encoded.data(), encoded.size());
  if (again.cells != map.cells || again.lastCol != map.lastCol || again.lastRow != map.lastRow) std::abort();
  for (int i = 0; i < kMapObjectCount; ++i) {
    if (again.objects[i].name != map.objects[i].name || again.objects[i].text != map.objects[i].text ||
        again.objects[i].param != map.objects[i].param || again.objects[i].active != map.objects[i].active) {
      std::abort();
    }
  }
  return 0;
}
