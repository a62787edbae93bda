// bowling: the ten-pin bowling game. The program's title, one window with the main form, and the
// loop until the form closes. The data lies beside the executable.
#include <cstdio>

#include "bowling/display_failure.h"
#include "bowling/main_form.h"
#include "platform/platform_error.h"
#include "platform/sdl_host.h"

int main() {
  try {
    TSdlHost host("Bowling");
    TMainForm form(host);
    return host.Run(form);
  } catch (const EPlatformError& error) {
    // No window to show it in: the display itself could not be opened.
    std::fprintf(stderr, "bowling: %s\n", DisplayFailureMessage(error.Message()).c_str());
    return 1;
  } catch (const Exception& error) {
    std::fprintf(stderr, "bowling: %s\n", error.Message().c_str());
    return 1;
  }
}
