// dxlib list FILE: the items of an image or sound library as a JSON array.
#include <string>
#include <vector>

#include "tools/dxlib/command.h"
#include "tools/dxlib/library_file.h"
#include "tools/dxlib/text_1252.h"

namespace {

void ListImages(const TPictureCollection& images, TCommandOutput& out) {
  for (int i = 0; i < images.Count(); ++i) {
    const TPictureCollectionItem& item = images.Items(i);
    out.Print(
        "%s  {\"index\": %d, \"name\": %s, \"width\": %d, \"height\": %d, \"patternWidth\": %d, "
        "\"patternHeight\": %d, \"skipWidth\": %d, \"skipHeight\": %d, \"patternTotal\": %d, "
        "\"transparent\": %s, \"transparentColor\": %u, \"systemMemory\": %s}",
        i == 0 ? "" : ",\n", i, JsonString(item.Name()).c_str(), item.Picture().Width,
        item.Picture().Height, item.PatternWidth, item.PatternHeight, item.SkipWidth,
        item.SkipHeight, item.PatternTotal(), item.Transparent ? "true" : "false",
        item.TransparentColor(), item.SystemMemory ? "true" : "false");
  }
}

void ListSounds(const TWaveCollection& sounds, TCommandOutput& out) {
  for (int i = 0; i < sounds.Count(); ++i) {
    const TWaveCollectionItem& item = sounds.Items(i);
    const TWave& wave = item.Wave();
    out.Print(
        "%s  {\"index\": %d, \"name\": %s, \"looped\": %s, \"maxPlayingCount\": %d, "
        "\"formatTag\": %u, \"channels\": %u, \"samplesPerSecond\": %u, \"bitsPerSample\": %u, "
        "\"dataBytes\": %zu}",
        i == 0 ? "" : ",\n", i, JsonString(item.Name()).c_str(), item.Looped() ? "true" : "false",
        item.MaxPlayingCount(), wave.FormatTag(), wave.Channels(), wave.SamplesPerSecond(),
        wave.BitsPerSample(), wave.Data.size());
  }
}

int RunList(const std::vector<std::string>& args, TCommandOutput& out) {
  RequireArguments(args, 1);
  TLoadedLibrary library;
  LoadLibrary(args[0], library);
  out.Print("[\n");
  if (library.Kind == TLibraryKind::Image) {
    ListImages(library.Images, out);
  } else {
    ListSounds(library.Sounds, out);
  }
  const bool empty = library.Kind == TLibraryKind::Image ? library.Images.Count() == 0
                                                          : library.Sounds.Count() == 0;
  out.Print(empty ? "]\n" : "\n]\n");
  return 0;
}

const TCommandRegistrar kList({"list", "list FILE", "print the items of a library as a JSON array",
                               "list: image items give index, name, width, height (picture size),\n"
                               "  patternWidth, patternHeight, skipWidth, skipHeight, patternTotal,\n"
                               "  transparent, transparentColor (0x00BBGGRR as a number), systemMemory;\n"
                               "  sound items give index, name, looped, maxPlayingCount, formatTag,\n"
                               "  channels, samplesPerSecond, bitsPerSample, dataBytes.\n",
                               RunList});

}  // namespace
