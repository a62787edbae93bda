// assetgen_bowling_audio OUTDIR: synthesises every sound of the bowling program into the program
// folder OUTDIR: sound.dxw, music.dxw, bowlers/<name>/speech.dxw and alleys/<name>/noise.dxw.
// The output is the same, byte for byte, on every run.
#include <cstdio>
#include <exception>

#include "tools/assetgen/bowling_audio/bowling_library.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  try {
    audio::bowling::WriteBowlingAudio(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "assetgen_bowling_audio: %s\n", error.what());
    return 1;
  }
  return 0;
}
