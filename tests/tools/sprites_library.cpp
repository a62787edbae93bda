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

}  // namespace sprites_test
