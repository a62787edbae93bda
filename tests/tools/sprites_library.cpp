#include "tests/tools/sprites_library.h"

#include "fishing/form_pictures.h"
#include "media/library_writer.h"
#include "tools/assetgen/sprites/items.h"

namespace sprites_test {

TPictureCollection& Objects() {
  static TPictureCollection* objects = [] {
    auto* c = new TPictureCollection;
    const std::vector<uint8_t> bytes = EncodePictureLibrary(sprites::ObjectLibrary());
    c->ReadFromStream(bytes.data(), bytes.size());
    return c;
  }();
  return *objects;
}

TPictureCollection& FormPictures() {
  static TPictureCollection* pictures = [] {
    // The bytes compiled into the program, as the form reads them.
    auto* c = new TPictureCollection;
    c->ReadFromStream(kFormPictures, kFormPicturesSize);
    return c;
  }();
  return *pictures;
}

uint32_t PixelOf(const TPictureCollectionItem& item, int pattern, int x, int y) {
  const TRect r = item.PatternRect(pattern);
  return item.Picture().At(r.Left + x, r.Top + y);
}

bool Keyed(const TPictureCollectionItem& item, uint32_t pixel) {
  const TColor key = item.TransparentColor();
  const uint32_t keyRgb = (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
  auto to565 = [](uint32_t c) { return ((c >> 19) & 31) << 11 | ((c >> 10) & 63) << 5 | ((c >> 3) & 31); };
  return item.Transparent && to565(pixel) == to565(keyRgb);
}

}  // namespace sprites_test
