// assetgen_sprites OUTDIR [FORM_SOURCE]: writes OUTDIR/objects.dxg, the fishing game's object
// library, and, when FORM_SOURCE is given, the C++ source that embeds the form's four pictures.
#include <cstdio>
#include <exception>
#include <string>

#include "media/library_writer.h"
#include "tools/assetgen/sprites/embedded_source.h"
#include "tools/assetgen/sprites/form_pictures.h"
#include "tools/assetgen/sprites/items.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: assetgen_sprites OUTDIR [FORM_SOURCE]\n");
    return 2;
  }
  try {
    const std::string dir = argv[1];
    WritePictureLibrary(dir + "/objects.dxg", sprites::ObjectLibrary());
    if (argc == 3) {
      sprites::WriteSourceFile(argv[2], sprites::FormPicturesSource(EncodePictureLibrary(sprites::FormPictures())));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen_sprites: %s\n", e.what());
    return 1;
  }
  return 0;
}
