// Start-up to the first drawn frame of a game, beside a plain read of the files its title screen
// needs, from a warm disk cache. Each start-up runs in a process of its own, as a player's does, and
// is what the program's main does (the SDL host, the main form, FormCreate and FormShow) up to the
// moment the first frame is presented. The plain read runs first in the same process, into memory
// the process has not touched before, as a program starting reads.
//
// The window system's part is the host's own start of SDL's video, the full-screen window and its
// renderer; on an X server without a window manager SDL waits a tenth of a second there for an
// answer that never comes, and a desktop answers at once. The game's part runs from the moment that
// window is up to the first presented frame, timed within the same start-up, so the window system's
// wait does not blur it. SDL alone doing the same for the same window, with one frame, in a process
// of its own, is printed beside it. The first start-up (which also brings the system's video
// libraries into memory) is printed apart from the median of the later ones.
//
// The game's part is printed in its three steps as well: the rest of the host (ImGui, the menu
// font), the form's constructor (controls and the pictures the program carries), and
// the run from FormCreate to the first presented frame (libraries, options, the drawing and sound
// devices, the first frame). The target: the game's part at most 3 x the read.
#pragma once

#include <SDL.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform_error.h"
#include "platform/sdl_host.h"
#include "platform/sdl_screen.h"

namespace startup {

using TClock = std::chrono::steady_clock;

// Set in the processes the benchmark starts: "game" times one start-up, "sdl" SDL alone.
constexpr const char* kChildVariable = "TH_STARTUP_CHILD";

inline double Ms(TClock::time_point from, TClock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Reads each file whole, as a plain program does at its start: each into memory of its own that the
// process has not touched before, all held until the last is read; milliseconds. Missing files are
// skipped.
inline double ReadFiles(const std::vector<std::string>& paths, size_t& bytes) {
  const auto start = TClock::now();
  bytes = 0;
  std::vector<std::pair<void*, size_t>> held;
  for (const std::string& path : paths) {
    const int file = open(path.c_str(), O_RDONLY);
    if (file < 0) continue;
    const size_t size = static_cast<size_t>(std::max<off_t>(lseek(file, 0, SEEK_END), 0));
    lseek(file, 0, SEEK_SET);
    void* fresh = size > 0 ? mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                           : MAP_FAILED;
    if (fresh != MAP_FAILED) {
      held.emplace_back(fresh, size);
      size_t got = 0;
      ssize_t n = 0;
      while (got < size && (n = read(file, static_cast<char*>(fresh) + got, size - got)) > 0) {
        got += static_cast<size_t>(n);
      }
      bytes += got;
    }
    close(file);
  }
  const double ms = Ms(start, TClock::now());
  for (const auto& [address, size] : held) munmap(address, size);
  return ms;
}

// SDL alone: video, the window the games open with the renderer they choose (the games' own screen,
// which presents its first, black frame as it opens).
inline double WindowSystemStart() {
  const auto start = TClock::now();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) return 0;
  double ms = 0;
  try {
    const TSdlScreen screen("start", false);
    ms = Ms(start, TClock::now());
  } catch (const EPlatformError&) {
    ms = Ms(start, TClock::now());
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
  return ms;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The figures of one start-up, in the order its process prints them.
struct TOneStartUp {
  size_t bytes = 0;
  double read = 0, whole = 0, window = 0, own = 0, host = 0, form = 0, run = 0;
};

// One start-up in this process: the plain read, then the game up to its first frame. Prints its
// figures on one line for the process that started this one.
template <class TGameForm>
int OneStartUp(const char* title, const std::string& folder, const std::vector<std::string>& titleFiles) {
  TOneStartUp one;
  one.read = ReadFiles(titleFiles, one.bytes);
  const auto start = TClock::now();
  TSdlHost host(title);
  const auto hostMade = TClock::now();
  TGameForm form(host, folder);
  const auto formMade = TClock::now();
  host.EndAfterFrames(1);
  host.Run(form);
  std::printf("%zu %f %f %f %f %f %f %f\n", one.bytes, one.read, Ms(start, host.FirstFrameTime()),
              Ms(start, host.ScreenUpTime()), Ms(host.ScreenUpTime(), host.FirstFrameTime()),
              Ms(host.ScreenUpTime(), hostMade), Ms(hostMade, formMade), Ms(formMade, host.FirstFrameTime()));
  return 0;
}

// Runs this program again with kChildVariable set to what, and gives what it printed.
inline std::string RunChild(const std::string& folderArgument, const char* what) {
  int ends[2];
  if (pipe(ends) != 0) return "";
  const pid_t child = fork();
  if (child == 0) {
    dup2(ends[1], STDOUT_FILENO);
    close(ends[0]);
    close(ends[1]);
    setenv(kChildVariable, what, 1);
    execl("/proc/self/exe", "/proc/self/exe", folderArgument.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(ends[1]);
  std::string out;
  char chunk[512];
  ssize_t n = 0;
  while ((n = read(ends[0], chunk, sizeof chunk)) > 0) out.append(chunk, static_cast<size_t>(n));
  close(ends[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return out;
}

// Times the game's start-up against the read of titleFiles and prints one block; returns 0 when
// the game's part of the start-up is within 3 x the read. folderArgument is this program's
// argument, given again to each process it starts.
template <class TGameForm>
int TimeStartUp(const std::string& folderArgument, const char* game, const char* title, const std::string& folder,
                const std::vector<std::string>& titleFiles) {
  if (const char* what = std::getenv(kChildVariable)) {
    if (std::string(what) == "sdl") {
      std::printf("%f\n", WindowSystemStart());
      return 0;
    }
    return OneStartUp<TGameForm>(title, folder, titleFiles);
  }
  constexpr int kRuns = 7;
  size_t bytes = 0;
  ReadFiles(titleFiles, bytes);  // warms the disk cache
  std::vector<double> reads, wholes, windows, owns, hosts, forms, runs, alone;
  double first = 0;
  for (int i = 0; i <= kRuns; ++i) {
    const double sdl = std::atof(RunChild(folderArgument, "sdl").c_str());
    const std::string line = RunChild(folderArgument, "game");
    TOneStartUp one;
    if (std::sscanf(line.c_str(), "%zu %lf %lf %lf %lf %lf %lf %lf", &one.bytes, &one.read, &one.whole, &one.window,
                    &one.own, &one.host, &one.form, &one.run) != 8) {
      std::fprintf(stderr, "%s: a start-up failed: %s\n", game, line.c_str());
      return 1;
    }
    if (i == 0) {
      first = one.whole;
      continue;
    }
    bytes = one.bytes;
    reads.push_back(one.read);
    wholes.push_back(one.whole);
    windows.push_back(one.window);
    owns.push_back(one.own);
    hosts.push_back(one.host);
    forms.push_back(one.form);
    runs.push_back(one.run);
    alone.push_back(sdl);
  }
  const double read = Median(reads);
  const double whole = Median(wholes);
  const double own = Median(owns);
  std::printf("%s: start-up to the first drawn frame %.1f ms, each in a process of its own (the first %.1f ms)\n",
              game, whole, first);
  std::printf("  of it the window system's start (SDL video, window, renderer) %.1f ms, the game's part from there "
              "%.1f ms\n",
              Median(windows), own);
  std::printf("  SDL alone in a process of its own (video, the same window and renderer, one frame): %.1f ms\n",
              Median(alone));
  std::printf("  the game's steps: the rest of the host %.1f ms (ImGui, the menu font), the form %.1f ms, "
              "FormCreate to the first frame %.1f ms\n",
              Median(hosts), Median(forms), Median(runs));
  std::printf("  plain read of the title screen's %zu files, %.1f MB, into fresh memory: %.2f ms; target for the "
              "game's part %.2f ms\n",
              titleFiles.size(), bytes / 1048576.0, read, 3 * read);
  std::printf("  ratio to the read: whole %.1f x, the game's part %.1f x (target at most 3 x) %s\n", whole / read,
              own / read, own <= 3 * read ? "ok" : "OVER");
  return own <= 3 * read ? 0 : 1;
}

}  // namespace startup
