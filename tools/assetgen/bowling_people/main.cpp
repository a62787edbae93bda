// assetgen_bowling_people OUTDIR: draws the bowling program's bowlers and alleys into the program
// folder OUTDIR (bowlers/<name>/anis.dxg and pose.bmp, alleys/<name>/anis.dxg and postcard.bmp).
// The output is the same, byte for byte, on every run.
#include <cstdio>
#include <exception>

#include "tools/assetgen/bowling_people/people_folders.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  try {
    bowling_people::WritePeopleFolders(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "assetgen_bowling_people: %s\n", error.what());
    return 1;
  }
  return 0;
}
