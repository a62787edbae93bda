// tarnhook: the fishing game. The program's title, one window with the main form, and the loop
// until the form closes. The data lies beside the executable.
#include <cstdio>

#include "fishing/main_form.h"
#include "platform/platform_error.h"
#include "platform/sdl_host.h"

int main() {
  try {
    TSdlHost host("Pellmark Fishing");
    TMainForm form(host);
    return host.Run(form);
  } catch (const Exception& error) {
    // No window to show it in: the display itself could not be opened.
    std::fprintf(stderr, "tarnhook: %s\n", error.Message().c_str());
    return 1;
  }
}
