// tarnhook in a web browser: the page's canvas is the window. The data lies in /tarnhook/, packed
// beside the page; that folder is read-only, as an installed game's is, so the program keeps its
// options and save games in the per-user folders, which the page keeps in the browser's storage.
#include <sys/stat.h>

#include <cstdio>

#include "fishing/main_form.h"
#include "media/errors.h"
#include "platform/browser/browser_host.h"

int main() {
  try {
    ::chmod("/tarnhook", 0555);
    TBrowserHost host("Pellmark Fishing");
    TMainForm form(host, "/tarnhook/");
    return host.Run(form);
  } catch (const Exception& error) {
    std::fprintf(stderr, "tarnhook: %s\n", error.Message().c_str());
    return 1;
  }
}
