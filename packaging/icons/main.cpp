// assetgen_icons OUTDIR: writes OUTDIR/<program>/hicolor/<N>x<N>/apps/<program>.png for both
// programs and every hicolor size, ready to install under share/icons/.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "packaging/icons/program_icons.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: assetgen_icons OUTDIR\n");
    return 2;
  }
  try {
    for (const char* program : {"tarnhook", "bowling"}) {
      for (const int size : IconSizes()) {
        const std::string edge = std::to_string(size);
        const std::filesystem::path folder =
            std::filesystem::path(argv[1]) / program / "hicolor" / (edge + "x" + edge) / "apps";
        std::filesystem::create_directories(folder);
        WriteProgramIcon(program, size, (folder / (std::string(program) + ".png")).string());
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen_icons: %s\n", e.what());
    return 1;
  }
  return 0;
}
