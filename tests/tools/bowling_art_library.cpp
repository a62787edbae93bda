#include "tests/tools/bowling_art_library.h"

#include <vector>

#include "bowling/form_pictures.h"
#include "media/library_writer.h"
#include "tools/assetgen/bowling_art/graphics.h"
#include "tools/assetgen/bowling_art/led_shows.h"

namespace bowling_art_test {

TPictureCollection& Graphics() {
  static TPictureCollection* graphics = [] {
    auto* c = new TPictureCollection;
    const std::vector<uint8_t> bytes = EncodePictureLibrary(bowling_art::GraphicsLibrary());
    c->ReadFromStream(bytes.data(), bytes.size());
    return c;
  }();
  return *graphics;
}

TPictureCollection& FormPictures() {
  static TPictureCollection* pictures = [] {
    auto* c = new TPictureCollection;
    c->ReadFromStream(kBowlingFormPictures, kBowlingFormPicturesSize);
    return c;
  }();
  return *pictures;
}

std::unique_ptr<TPictureCollection> ReadShow(const std::string& name) {
  std::vector<uint8_t> bytes;
  for (const bowling_art::LedShow& show : bowling_art::LedShows()) {
    if (show.Name == name) bytes = EncodePictureLibrary(bowling_art::LedShowLibrary(show));
  }
  auto c = std::make_unique<TPictureCollection>();
  if (!bytes.empty()) c->ReadFromStream(bytes.data(), bytes.size());
  return c;
}

int Luminance(uint32_t c) { return (((c >> 16) & 255) * 3 + ((c >> 8) & 255) * 6 + (c & 255)) / 10; }

}  // namespace bowling_art_test
