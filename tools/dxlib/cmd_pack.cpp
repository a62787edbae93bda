// dxlib pack MANIFEST OUT: builds an image or sound library from a manifest (see manifest.h).
#include <string>
#include <vector>

#include "media/library_writer.h"
#include "tools/dxlib/command.h"
#include "tools/dxlib/manifest.h"

namespace {

int RunPack(const std::vector<std::string>& args, TCommandOutput& out) {
  RequireArguments(args, 2);
  const TManifest manifest = ReadManifest(args[0]);
  if (manifest.Sound) {
    WriteWaveLibrary(args[1], manifest.Sounds);
    out.Print("%s: %zu sound items\n", args[1].c_str(), manifest.Sounds.size());
  } else {
    WritePictureLibrary(args[1], manifest.Images);
    out.Print("%s: %zu image items\n", args[1].c_str(), manifest.Images.size());
  }
  return 0;
}

const TCommandRegistrar kPack(
    {"pack", "pack MANIFEST OUT", "build an image or sound library from a manifest",
     "pack: the manifest is plain text, one setting per line ('#' or ';' starts a comment):\n"
     "  kind = image                  or sound; before the first [item]\n"
     "  [item]                        starts the next item (items keep their order)\n"
     "  name = fish                   the lookup name (UTF-8, stored as Windows-1252)\n"
     "  source = pictures/fish.png    relative to the manifest: .png/.bmp for images, .wav for\n"
     "                                sounds; without a source the picture or wave is empty\n"
     "  image items:  patternWidth, patternHeight, skipWidth, skipHeight (whole numbers),\n"
     "                transparent, systemMemory (1/0 or true/false; transparent defaults to 1),\n"
     "                transparentColor (0x00BBGGRR such as 0xFF00FF, or a name such as clFuchsia)\n"
     "  sound items:  looped (1/0), maxPlayingCount (0 = no limit)\n"
     "  Keys ignore letter case. PNG alpha is dropped: mark see-through pixels with the\n"
     "  transparent colour. Pictures are stored losslessly.\n",
     RunPack});

}  // namespace
