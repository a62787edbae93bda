// dxlib extract FILE INDEX OUT: one item's picture as a PNG, or its wave as a ".wav" file.
#include <cstdlib>
#include <string>
#include <vector>

#include "media/errors.h"
#include "media/file_bytes.h"
#include "media/riff_wave.h"
#include "tools/dxlib/command.h"
#include "tools/dxlib/library_file.h"
#include "tools/dxlib/png_file.h"

namespace {

int ParseIndex(const std::string& text) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < INT32_MIN || value > INT32_MAX) {
    throw TUsageError("INDEX must be a whole number");
  }
  return static_cast<int>(value);
}

int RunExtract(const std::vector<std::string>& args, TCommandOutput& out) {
  RequireArguments(args, 3);
  const int index = ParseIndex(args[1]);
  TLoadedLibrary library;
  LoadLibrary(args[0], library);
  if (library.Kind == TLibraryKind::Image) {
    const TPictureCollectionItem& item = library.Images.Items(index);
    WritePng(args[2], item.Picture());
    out.Print("%s: %d x %d pixels\n", args[2].c_str(), item.Picture().Width, item.Picture().Height);
  } else {
    const TWaveCollectionItem& item = library.Sounds.Items(index);
    WriteFileBytes(args[2], EncodeRiffWave(item.Wave()));
    out.Print("%s: %zu bytes of samples\n", args[2].c_str(), item.Wave().Data.size());
  }
  return 0;
}

const TCommandRegistrar kExtract({"extract", "extract FILE INDEX OUT",
                                  "write item INDEX as a PNG (image library) or a .wav (sound library)",
                                  "extract: pictures become 8-bit RGBA PNGs with alpha 255; waves are\n"
                                  "  written as RIFF files with their format block and samples as stored.\n",
                                  RunExtract});

}  // namespace
