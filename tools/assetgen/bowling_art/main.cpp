// assetgen_bowling_art OUTDIR [FORM_SOURCE]: writes OUTDIR/graphics.dxg and the LED shows
// OUTDIR/leds/<name>.led and, when FORM_SOURCE is given, the C++ source that embeds the bowling
// form's menu backdrop.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "media/library_writer.h"
#include "tools/assetgen/bowling_art/graphics.h"
#include "tools/assetgen/bowling_art/led_shows.h"
#include "tools/assetgen/sprites/embedded_source.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: assetgen_bowling_art OUTDIR [FORM_SOURCE]\n");
    return 2;
  }
  try {
    const std::string dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir + "/leds", error);
    if (error) throw std::runtime_error("Cannot create folder " + dir + "/leds: " + error.message());
    WritePictureLibrary(dir + "/graphics.dxg", bowling_art::GraphicsLibrary());
    for (const bowling_art::LedShow& show : bowling_art::LedShows()) {
      WritePictureLibrary(dir + "/leds/" + show.Name + ".led", bowling_art::LedShowLibrary(show));
    }
    if (argc == 3) {
      sprites::WriteSourceFile(
          argv[2], bowling_art::BowlingFormPicturesSource(EncodePictureLibrary(bowling_art::BowlingFormPictures())));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen_bowling_art: %s\n", e.what());
    return 1;
  }
  return 0;
}
