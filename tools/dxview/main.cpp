// dxview FILE [--window] [--screenshot OUT.bmp [--device]]: shows an image library (.dxg, .led) pattern by
// pattern, or plays the sounds of a sound library (.dxw), on the same host as the games.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "platform/sdl_host.h"
#include "viewer_form.h"

int main(int argc, char** argv) {
  std::string path;
  std::string screenshot;
  bool windowed = false;
  bool deviceShot = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--window") == 0) {
      windowed = true;
    } else if (std::strcmp(argv[i], "--device") == 0) {
      deviceShot = true;
    } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else if (path.empty() && argv[i][0] != '-') {
      path = argv[i];
    } else {
      path.clear();
      break;
    }
  }
  if (path.empty()) {
    std::fprintf(stderr, "usage: dxview FILE [--window] [--screenshot OUT.bmp [--device]]\n"
                         "  FILE: an image library (.dxg, .led) or a sound library (.dxw)\n"
                         "  --screenshot: save the first screen as a BMP and quit (--device: the full-screen view)\n");
    return 2;
  }
  try {
    TSdlHost host("dxview", windowed);
    TViewerForm form(host, path);
    if (!screenshot.empty()) {
      form.ScriptScreenshot([&host, &screenshot] { host.CaptureNextFrame(screenshot); }, deviceShot);
    }
    return host.Run(form);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "dxview: %s\n", e.what());
    return 1;
  }
}
