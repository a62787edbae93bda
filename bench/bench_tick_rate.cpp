// Ticks per second of the two busiest scenes, in plain loops, so one source measures the native build
// and the browser build alike (Google Benchmark does not run in the page):
//   - a busy fishing trip: Loon_Lake with 30 fish and 3 monsters on screen, every wake slot alive,
//     the boat driving (the scene of bench_frame);
//   - a bowling match with Soft Shadows on: two score rows, the ball and four pins moving, drawing and
//     the flip included (the drawn play tick of bench_bowling).
// Each scene runs for about a second three times; the best run counts, as other jobs share the
// processor. Usage: bench_tick_rate [PROGRAMS_FOLDER] (the folder holding tarnhook/ and bowling/;
// by default bin/ beside the build's bench folder). Prints "tarnhook_ticks_per_second N" and
// "bowling_ticks_per_second N".
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>

#include "bench/busy_lake.h"
#include "bench/busy_lane.h"
#include "fishing/trip_tick.h"
#include "media/errors.h"
#include "media/picture_collection.h"
#include "media/program_paths.h"
#include "media/surface.h"

namespace {

// The best rate of three runs of about a second each of tick.
double TicksPerSecond(const std::function<void()>& tick) {
  using TClock = std::chrono::steady_clock;
  double best = 0;
  for (int run = 0; run < 3; ++run) {
    int ticks = 0;
    const TClock::time_point start = TClock::now();
    double seconds = 0;
    while (seconds < 1.0) {
      for (int i = 0; i < 10; ++i) tick();
      ticks += 10;
      seconds = std::chrono::duration<double>(TClock::now() - start).count();
    }
    best = std::max(best, ticks / seconds);
  }
  return best;
}

std::string DefaultFolder() { return (std::filesystem::path(ExecutableFolder()) / ".." / "bin").string(); }

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path programs = argc > 1 ? argv[1] : DefaultFolder();
  try {
    TBusyLake lake((programs / "tarnhook").string());
    std::printf("tarnhook_ticks_per_second %.0f\n", TicksPerSecond([&lake] {
                  lake.Reset();
                  TripTick(lake.ctx, "Loon_Lake");
                }));
    TBusyLane lane((programs / "bowling").string());
    std::printf("bowling_ticks_per_second %.0f\n", TicksPerSecond([&lane] {
                  lane.state = lane.busy;
                  lane.play.Step(1, true);
                }));
  } catch (const Exception& error) {
    std::fprintf(stderr, "bench_tick_rate: %s (is the generated data in %s?)\n", error.Message().c_str(),
                 programs.string().c_str());
    return 1;
  }
  return 0;
}
