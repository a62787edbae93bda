// Start-up to the first drawn frame of a game, beside a plain read of the files its title screen
// needs, measured in one run from a warm disk cache. Each start-up is what the program's main does
// (the SDL host, the main form, FormCreate and FormShow, the first frame), ended as soon as the
// first frame is presented. The first start-up of the process (it also loads the system's video
// libraries) is printed apart from the median of the later ones.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sdl_host.h"

namespace startup {

using TClock = std::chrono::steady_clock;

inline double MsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
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
  return MsSince(start);
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Times the game's start-up against the read of titleFiles; prints one block, returns 0 when the
// start-up is within 3 x the read.
template <class TGameForm>
int TimeStartUp(const char* game, const char* title, const std::string& folder,
                const std::vector<std::string>& titleFiles) {
  constexpr int kRuns = 7;
  size_t bytes = 0;
  ReadFiles(titleFiles, bytes);  // warms the disk cache
  std::vector<double> reads;
  for (int i = 0; i < kRuns; ++i) reads.push_back(ReadFiles(titleFiles, bytes));
  std::vector<double> starts;
  double first = 0;
  for (int i = 0; i <= kRuns; ++i) {
    const auto start = TClock::now();
    double ms = 0;
    {
      TSdlHost host(title);
      TGameForm form(host, folder);
      host.EndAfterFrames(1);
      host.Run(form);
      ms = MsSince(start);
    }
    if (i == 0) {
      first = ms;
    } else {
      starts.push_back(ms);
    }
  }
  const double read = Median(reads);
  const double startUp = Median(starts);
  std::printf("%s: start-up to the first drawn frame %.1f ms (first of the process %.1f ms); plain read of "
              "the title screen's %zu files, %.1f MB: %.1f ms; ratio %.1f x (target at most 3 x) %s\n",
              game, startUp, first, titleFiles.size(), bytes / 1048576.0, read, startUp / read,
              startUp <= 3 * read ? "ok" : "OVER");
  return startUp <= 3 * read ? 0 : 1;
}

}  // namespace startup
