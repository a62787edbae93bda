// Start-up to the first drawn frame of a game, beside a plain read of the files its title screen
// needs, measured in one run from a warm disk cache. Each start-up is what the program's main does
// (the SDL host, the main form, FormCreate and FormShow) up to the moment the first frame is
// presented. The window system's own start is measured apart in the same run, as SDL alone does it
// for the same window: SDL's video start, the full-screen window and its renderer, one frame. On
// an X server without a window manager SDL waits a tenth of a second there for an answer that
// never comes; a desktop answers at once. The first start-up of the process (which also loads the
// system's video libraries) is printed apart from the median of the later ones.
//
// The start-up is printed in its three steps as well: the host (SDL's window start, then ImGui and
// the menu fonts), the form's constructor (controls and the pictures the program carries), and the
// run from FormCreate to the first presented frame (libraries, options, the drawing and sound
// devices, the first frame). The target: the game's part, the start-up less the window system's
// start, at most 3 x the read.
#pragma once

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/platform_error.h"
#include "platform/sdl_host.h"
#include "platform/sdl_screen.h"

namespace startup {

using TClock = std::chrono::steady_clock;

inline double Ms(TClock::time_point from, TClock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Reads each file whole, as a plain program would (missing files are skipped); milliseconds.
inline double ReadFiles(const std::vector<std::string>& paths, size_t& bytes) {
  const auto start = TClock::now();
  bytes = 0;
  std::vector<char> buffer;
  for (const std::string& path : paths) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) continue;
    std::fseek(file, 0, SEEK_END);
    buffer.resize(static_cast<size_t>(std::max(std::ftell(file), 0L)));
    std::fseek(file, 0, SEEK_SET);
    bytes += std::fread(buffer.data(), 1, buffer.size(), file);
    std::fclose(file);
  }
  return Ms(start, TClock::now());
}

// SDL alone: video, the window the games open with the renderer they choose (the games' own screen),
// one frame.
inline double WindowSystemStart() {
  const auto start = TClock::now();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) return 0;
  double ms = 0;
  try {
    TSdlScreen screen("start", false);
    SDL_RenderClear(screen.Renderer());
    SDL_RenderPresent(screen.Renderer());
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

// Times the game's start-up against the read of titleFiles and prints one block; returns 0 when
// the game's part of the start-up is within 3 x the read.
template <class TGameForm>
int TimeStartUp(const char* game, const char* title, const std::string& folder,
                const std::vector<std::string>& titleFiles) {
  constexpr int kRuns = 7;
  size_t bytes = 0;
  ReadFiles(titleFiles, bytes);  // warms the disk cache
  std::vector<double> reads, starts, windows, hosts, forms, runs;
  double first = 0;
  for (int i = 0; i <= kRuns; ++i) {
    reads.push_back(ReadFiles(titleFiles, bytes));
    windows.push_back(WindowSystemStart());
    const auto start = TClock::now();
    TSdlHost host(title);
    const auto hostMade = TClock::now();
    TGameForm form(host, folder);
    const auto formMade = TClock::now();
    host.EndAfterFrames(1);
    host.Run(form);
    const double ms = Ms(start, host.FirstFrameTime());
    if (i == 0) {
      first = ms;
      continue;
    }
    starts.push_back(ms);
    hosts.push_back(Ms(start, hostMade));
    forms.push_back(Ms(hostMade, formMade));
    runs.push_back(Ms(formMade, host.FirstFrameTime()));
  }
  const double read = Median(reads);
  const double startUp = Median(starts);
  const double window = Median(windows);
  const double own = startUp - window;
  std::printf("%s: start-up to the first drawn frame %.1f ms (the first of the process %.1f ms)\n", game, startUp,
              first);
  std::printf("  of it the window system's own start (SDL video, window, renderer, one frame) %.1f ms, the game's "
              "%.1f ms\n", window, own);
  std::printf("  steps: the host %.1f ms (less the window system's start: %.1f), the form %.1f ms, FormCreate to the "
              "first frame %.1f ms\n", Median(hosts), Median(hosts) - window, Median(forms), Median(runs));
  std::printf("  plain read of the title screen's %zu files, %.1f MB: %.2f ms; target for the game's part %.2f ms\n",
              titleFiles.size(), bytes / 1048576.0, read, 3 * read);
  std::printf("  ratio to the read: whole %.1f x, the game's part %.1f x (target at most 3 x) %s\n", startUp / read,
              own / read, own <= 3 * read ? "ok" : "OVER");
  return own <= 3 * read ? 0 : 1;
}

}  // namespace startup
