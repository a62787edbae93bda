// assetgen_audio OUTDIR: synthesises every sound of the fishing game and writes OUTDIR/sound.dxw
// and OUTDIR/music.dxw. The output is the same, byte for byte, on every run.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "media/library_writer.h"
#include "tools/assetgen/audio/sound_library.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  try {
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    WriteWaveLibrary((folder / "sound.dxw").string(), audio::FishingSounds());
    WriteWaveLibrary((folder / "music.dxw").string(), audio::FishingMusic());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "assetgen_audio: %s\n", error.what());
    return 1;
  }
  return 0;
}
