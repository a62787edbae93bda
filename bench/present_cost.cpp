// What showing one frame costs with each of SDL's renderers on this desktop, full screen, beside a memcpy of the
// frame, and what each renderer holds: the game's own presenting (the 16-bit frame onto the canvas,
// the canvas scaled into the full-screen window, the present), 300 times after a warm-up. Processor
// time counts every thread of the process (a software GL driver draws on threads of its own). Each
// renderer runs in a fresh child process, so the memory it holds is its own: RssAnon and RssFile of
// the process after the presents, beside the same process before SDL started.
// Usage: present_cost            (every renderer SDL offers, then the one the games choose, each
//                                 in a child process)
//        present_cost RENDERER   (that one, one line; "" for the games' own choice)
#include <SDL.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "media/surface.h"
#include "platform/sdl_screen.h"

extern char** environ;

namespace {

constexpr int kFrames = 300;

double ProcessCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double WallMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// A line of /proc/self/status in kB, 0 when missing.
long StatusKb(const char* key) {
  std::FILE* file = std::fopen("/proc/self/status", "r");
  if (!file) return 0;
  char line[256];
  long kb = 0;
  const size_t length = std::strlen(key);
  while (std::fgets(line, sizeof line, file)) {
    if (std::strncmp(line, key, length) == 0 && line[length] == ':') kb = std::atol(line + length + 1);
  }
  std::fclose(file);
  return kb;
}

// A frame memcpy, the reference, in microseconds.
double FrameCopyUs() {
  std::vector<uint16_t> from(640 * 480, 0x1234), to(640 * 480);
  double best = 1e9;
  for (int round = 0; round < 20; ++round) {
    const double start = WallMs();
    for (int i = 0; i < 50; ++i) {
      std::memcpy(to.data(), from.data(), from.size() * 2);
      asm volatile("" : : "r"(to.data()) : "memory");
    }
    best = std::min(best, (WallMs() - start) * 1e3 / 50);
  }
  return best;
}

int MeasureOne(const char* driver) {
  const long anonBefore = StatusKb("RssAnon");
  const long fileBefore = StatusKb("RssFile");
  if (*driver) SDL_SetHint(SDL_HINT_RENDER_DRIVER, driver);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::printf("  %-10s SDL cannot start: %s\n", driver, SDL_GetError());
    return 1;
  }
  int status = 0;
  try {
    // A window of the desktop's size, as full screen gives it; sized by hand, because an X server
    // without a window manager leaves a full-screen window at the size it was opened with.
    TSdlScreen screen("present_cost", true);
    SDL_DisplayMode desktop{};
    SDL_GetDesktopDisplayMode(0, &desktop);
    SDL_SetWindowBordered(screen.Window(), SDL_FALSE);
    SDL_SetWindowPosition(screen.Window(), 0, 0);
    SDL_SetWindowSize(screen.Window(), desktop.w, desktop.h);
    for (int i = 0; i < 20; ++i) {
      SDL_PumpEvents();
      SDL_Delay(10);
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(screen.Renderer(), &info);
    int outW = 0;
    int outH = 0;
    SDL_GetRendererOutputSize(screen.Renderer(), &outW, &outH);
    TDirectDrawSurface frame(640, 480, TPixelFormat::RGB565);
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) frame.Row(y)[x] = static_cast<uint16_t>(x * 37 + y * 91);
    }
    auto present = [&] {
      screen.BeginCanvas(0);
      screen.DrawSurface(frame);
      screen.Present(false);
    };
    for (int i = 0; i < 30; ++i) present();
    const double cpu0 = ProcessCpuMs();
    const double wall0 = WallMs();
    for (int i = 0; i < kFrames; ++i) present();
    const double wall = (WallMs() - wall0) * 1e3 / kFrames;
    const double cpu = (ProcessCpuMs() - cpu0) * 1e3 / kFrames;
    const double copy = FrameCopyUs();
    const std::string gl = screen.GlRendererName();
    std::printf("  %-7s%-10s %4dx%-4d  %7.0f us wall (%5.1f x)  %7.0f us processor (%5.1f x)  RssAnon +%6.1f MB  "
                "RssFile +%6.1f MB%s%s\n",
                *driver ? "" : "chosen", info.name, outW, outH, wall, wall / copy, cpu, cpu / copy, (StatusKb("RssAnon") - anonBefore) / 1024.0,
                (StatusKb("RssFile") - fileBefore) / 1024.0, gl.empty() ? "" : "  GL: ", gl.c_str());
  } catch (const std::exception& error) {
    std::printf("  %-10s cannot open: %s\n", driver, error.what());
    status = 1;
  }
  SDL_Quit();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2) return MeasureOne(argv[1]);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "present_cost: SDL cannot start: %s\n", SDL_GetError());
    return 1;
  }
  SDL_DisplayMode desktop{};
  SDL_GetDesktopDisplayMode(0, &desktop);
  std::vector<std::string> drivers;
  for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
    SDL_RendererInfo info{};
    if (SDL_GetRenderDriverInfo(i, &info) == 0) drivers.push_back(info.name);
  }
  drivers.push_back("");
  SDL_Quit();
  std::printf("presenting one frame, full screen on a %dx%d desktop, per frame (x: a frame memcpy):\n", desktop.w,
              desktop.h);
  int failures = 0;
  for (const std::string& driver : drivers) {
    std::vector<char*> args{argv[0], const_cast<char*>(driver.c_str()), nullptr};
    std::fflush(stdout);
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, args.data(), environ) != 0) return 1;
    int status = 0;
    waitpid(child, &status, 0);
    failures += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
  }
  return failures > 0 ? 1 : 0;
}
