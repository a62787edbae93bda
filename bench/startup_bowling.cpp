// bowling's start-up to the first drawn frame beside a plain read of what its title screen needs.
// Usage: startup_bowling PROGRAM_FOLDER
#include <cstdio>

#include "bench/startup_timing.h"
#include "bowling/main_form.h"
#include "platform/imgui_fonts.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: startup_bowling PROGRAM_FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  return startup::TimeStartUp<TMainForm>(
      argv[1], "bowling", "Bowling", folder,
      {folder + "graphics.dxg", folder + "music.dxw", folder + "sound.dxw", folder + "leds/intro.led",
       folder + "bowling.ini", TMenuFonts::kRegularPath});
}
