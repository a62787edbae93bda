// One full tick of a trip on a busy view of a generated lake (tiles, 30 fish and 3 monsters on
// screen, every wake slot alive, the boat driving), beside a memcpy of one 640 x 480 x 2 frame,
// and the tick's phases measured alone from the same scene, so the report says where the time went.
// After a flip the back copies in what changed only where drawing first reaches it: that copying
// falls to the phase that draws there.
// Needs the generated program folder (bin/tarnhook beside the build's bench folder).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "bench/bench_support.h"
#include "bench/busy_lake.h"
#include "fishing/boat.h"
#include "fishing/dashboard.h"
#include "fishing/fishing_devices.h"
#include "fishing/iso_map.h"
#include "fishing/lake_map.h"
#include "fishing/lake_trip.h"
#include "fishing/swimmers.h"
#include "fishing/trip_context.h"
#include "fishing/trip_host.h"
#include "fishing/trip_setup.h"
#include "fishing/trip_tick.h"
#include "fishing/trip_tiles.h"
#include "fishing/wake.h"
#include "media/application.h"
#include "media/dx_draw.h"
#include "media/dx_image_list.h"
#include "media/dx_sound.h"
#include "media/dx_timer.h"
#include "media/dx_wave_list.h"
#include "media/ini_file.h"
#include "media/iso_math.h"
#include "media/null_host.h"
#include "media/program_paths.h"
#include "media/random.h"

namespace {

std::string DataFolder() { return GeneratedFolder("tarnhook", "lakes/Loon_Lake.iso"); }

// Runs step on the busy scene, put back before each run.
void RunOnBusyLake(benchmark::State& state, const std::function<void(TBusyLake&)>& step) {
  const std::string folder = DataFolder();
  if (folder.empty()) {
    state.SkipWithError("the generated program folder bin/tarnhook is missing; build tarnhook_data");
    return;
  }
  TBusyLake lake(folder);
  for (auto _ : state) {
    state.PauseTiming();
    lake.Reset();
    state.ResumeTiming();
    step(lake);
    benchmark::DoNotOptimize(static_cast<const TDirectDrawSurface*>(lake.draw.Primary())->Bits());
  }
  state.SetBytesProcessed(state.iterations() * 640 * 480 * 2);
}

void BM_TripTick(benchmark::State& state) {
  RunOnBusyLake(state, [](TBusyLake& lake) { TripTick(lake.ctx, "Loon_Lake"); });
}
BENCHMARK(BM_TripTick)->Unit(benchmark::kMicrosecond);

// The tick's phases, each alone on the same scene.
void BM_PhaseTiles(benchmark::State& state) {
  RunOnBusyLake(state, [](TBusyLake& lake) { DrawTiles(lake.ctx); });
}
BENCHMARK(BM_PhaseTiles)->Unit(benchmark::kMicrosecond);

void BM_PhaseSwimmers(benchmark::State& state) {
  RunOnBusyLake(state, [](TBusyLake& lake) {
    FishTick(lake.ctx);
    MonstersTick(lake.ctx);
  });
}
BENCHMARK(BM_PhaseSwimmers)->Unit(benchmark::kMicrosecond);

void BM_PhaseWake(benchmark::State& state) {
  RunOnBusyLake(state, [](TBusyLake& lake) {
    WakeFirstPass(lake.ctx);
    WakeSecondPass(lake.ctx);
  });
}
BENCHMARK(BM_PhaseWake)->Unit(benchmark::kMicrosecond);

void BM_PhaseBoat(benchmark::State& state) {
  RunOnBusyLake(state, [](TBusyLake& lake) {
    DrawBoat(lake.ctx);
    DrawAngler(lake.ctx);
    DrawPointer(lake.ctx);
  });
}
BENCHMARK(BM_PhaseBoat)->Unit(benchmark::kMicrosecond);

void BM_PhaseDashboard(benchmark::State& state) {
  RunOnBusyLake(state, [](TBusyLake& lake) {
    DrawDashboard(lake.ctx);
    DrawCash(lake.ctx);
  });
}
BENCHMARK(BM_PhaseDashboard)->Unit(benchmark::kMicrosecond);

void BM_PhaseFlip(benchmark::State& state) {
  RunOnBusyLake(state, [](TBusyLake& lake) { lake.draw.Flip(); });
}
BENCHMARK(BM_PhaseFlip)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

// Prints the tick's time as a multiple of the memcpy measured in the same run, and each phase's.
class TFrameReporter : public TTimesReporter {
 public:
  void Finalize() override {
    TTimesReporter::Finalize();
    const double ratio = Ratio("BM_TripTick", "BM_MemcpyFrame");
    if (ratio <= 0) return;
    std::printf("\none trip tick = %.1f x one frame memcpy (target: at most 4 x: %s)\n", ratio,
                ratio <= 4 ? "met" : "missed");
    std::printf("where the time went, in frame memcpys:\n");
    double phases = 0;
    for (const auto& [name, label] : kPhases) {
      const double part = Ratio(name, "BM_MemcpyFrame");
      phases += part;
      std::printf("  %-36s %5.2f x\n", label, part);
    }
    // Measured alone, the phases run on warm caches; in the tick they share them, which the rest absorbs.
    std::printf("  %-36s %5.2f x\n", "the rest (movement, line, clock, colder caches)", ratio - phases);
  }

 private:
  static constexpr std::pair<const char*, const char*> kPhases[] = {
      {"BM_PhaseTiles", "tiles"},
      {"BM_PhaseSwimmers", "fish and monsters"},
      {"BM_PhaseWake", "wake"},
      {"BM_PhaseBoat", "boat, angler, pointer"},
      {"BM_PhaseDashboard", "dashboard and texts"},
      {"BM_PhaseFlip", "flip (back and front trade pixels)"},
  };
};

}  // namespace

int main(int argc, char** argv) {
  // Each benchmark runs five times, the runs of all of them shuffled together, and counts at its
  // median: other work on the machine then slows the tick and its reference alike. Flags given
  // on the command line come later and win.
  char repeat[] = "--benchmark_repetitions=5";
  char shuffle[] = "--benchmark_enable_random_interleaving=true";
  char aggregates[] = "--benchmark_report_aggregates_only=true";
  char runTime[] = "--benchmark_min_time=0.2";
  std::vector<char*> args{argv[0], repeat, shuffle, aggregates, runTime};
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&count, args.data());
  TFrameReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
