// Image library files: the component stream, the item properties and every picture kind.
#include <cstddef>
#include <cstdint>

#include "media/errors.h"
#include "media/picture_collection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TPictureCollection images;
  try {
    images.ReadFromStream(data, size);
  } catch (const Exception&) {
    // A clean error is the expected outcome for most inputs; items read so far stay.
  }
  for (int i = 0; i < images.Count(); ++i) {
    const TPictureCollectionItem& item = images.Items(i);
    const int total = item.PatternTotal();
    if (total > 0) item.PatternRect(total - 1);
    images.IndexOf(item.Name());
    // Pictures keep their stored rows; decoding them must stay inside those rows.
    const TPicture& picture = item.Picture();
    if (static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height) !=
        picture.Pixels.size()) {
      __builtin_trap();
    }
  }
  return 0;
}
