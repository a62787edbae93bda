// bowling in a web browser: the page's canvas is the window. The data lies in /bowling/, packed
// beside the page; that folder is read-only, as an installed game's is, so the program keeps its
// options in the per-user folders, which the page keeps in the browser's storage.
#include <sys/stat.h>

#include <cstdio>

#include "bowling/main_form.h"
#include "media/errors.h"
#include "platform/browser/browser_host.h"

int main() {
  try {
    ::chmod("/bowling", 0555);
    TBrowserHost host("Bowling");
    TMainForm form(host, "/bowling/");
    return host.Run(form);
  } catch (const Exception& error) {
    std::fprintf(stderr, "bowling: %s\n", error.Message().c_str());
    return 1;
  }
}
