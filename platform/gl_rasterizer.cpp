#include "platform/gl_rasterizer.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>

namespace {

bool MayOpen(const std::string& path) { return access(path.c_str(), R_OK | W_OK) == 0; }

}  // namespace

bool GlHasAGraphicsDevice(const std::string& devFolder) {
#ifdef __EMSCRIPTEN__
  (void)devFolder;
  return true;
#else
  const char* software = std::getenv("LIBGL_ALWAYS_SOFTWARE");
  if (software && *software && std::string_view(software) != "0") return false;
  if (MayOpen(devFolder + "/nvidiactl")) return true;
  DIR* dri = opendir((devFolder + "/dri").c_str());
  if (!dri) return false;
  bool found = false;
  while (const dirent* entry = readdir(dri)) {
    const std::string_view name = entry->d_name;
    if ((name.substr(0, 4) == "card" || name.substr(0, 7) == "renderD") && MayOpen(devFolder + "/dri/" + entry->d_name)) {
      found = true;
      break;
    }
  }
  closedir(dri);
  return found;
#endif
}

bool DrawsOnTheProcessor(std::string_view name) {
  for (std::string_view software : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"}) {
    if (name.find(software) != std::string_view::npos) return true;
  }
  return false;
}
