// tarnhook's start-up to the first drawn frame beside a plain read of what its title screen needs.
// Usage: startup_tarnhook PROGRAM_FOLDER
#include <cstdio>

#include "bench/startup_timing.h"
#include "fishing/main_form.h"
#include "platform/imgui_fonts.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: startup_tarnhook PROGRAM_FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  return startup::TimeStartUp<TMainForm>(
      argv[1], "tarnhook", "Pellmark Fishing", folder,
      {folder + "sound.dxw", folder + "music.dxw", folder + "tarnhook.ini", folder + "lakes/lakes.ini",
       TMenuFonts::kRegularPath});
}
