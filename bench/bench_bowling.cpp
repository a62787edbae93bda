// The bowling program's costs beside a memcpy of one 640 x 480 x 2 frame, measured in one run:
//   - one tick of play with Soft Shadows on, two score rows shown, the ball and four pins moving,
//     drawing and the flip included (target: at most 3 x the memcpy), and the same tick without drawing,
//     in runs of ticks from the same start, so each tick's frame differs from the last;
//   - one tick of a full-screen LED show: 2,430 lamps and a flip (target: at most 3 x);
//   - whole computer-against-computer matches simulated without drawing (target: at least 200 a
//     second on one core).
// Beside the drawn tick: where the time of a tick redrawn whole goes (each layer of the
// frame and the flip, timed within such ticks, and the lane picture and a whole flip alone), which is
// what every tick cost before the lane was redrawn only where it changes.
// Needs the generated program folder (bin/bowling beside the build's bench folder).
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "bowling/bowling_host.h"
#include "bowling/lane_display.h"
#include "bowling/match_simulator.h"
#include "bowling/play_components.h"
#include "bench/bench_support.h"
#include "bench/busy_lane.h"
#include "media/iso_math.h"
#include "media/null_host.h"
#include "media/picture_collection.h"
#include "media/surface.h"

namespace {

std::string DataFolder() { return GeneratedFolder("bowling", "graphics.dxg"); }

// Skips the benchmark when the generated data is missing; the folder otherwise.
std::string RequireData(benchmark::State& state) {
  const std::string folder = DataFolder();
  if (folder.empty()) state.SkipWithError("the generated program folder bin/bowling is missing; build bowling_data");
  return folder;
}

// The front surface as the host reads it (asking for its pixels to write would count as drawing).
const uint16_t* Shown(TBusyLane& lane) { return static_cast<const TDirectDrawSurface*>(lane.DXDraw.Primary())->Bits(); }

// Ticks a run of play from the busy lane lasts before it is put back: the ball rolls into the pins
// and they fall, so every tick draws a frame that differs from the last.
constexpr int kRunTicks = 16;

// Ticks of play from the busy lane, put back every kRunTicks ticks.
void PlayTicks(benchmark::State& state, bool draw) {
  const std::string folder = RequireData(state);
  if (folder.empty()) return;
  TBusyLane lane(folder);
  int ticks = 0;
  for (auto _ : state) {
    if (ticks++ % kRunTicks == 0) {
      state.PauseTiming();
      lane.state = lane.busy;
      state.ResumeTiming();
    }
    lane.play.Step(1, draw);
    benchmark::DoNotOptimize(Shown(lane));
    benchmark::DoNotOptimize(lane.state.match.ballY);
  }
}

void BM_PlayTickDrawn(benchmark::State& state) { PlayTicks(state, true); }
BENCHMARK(BM_PlayTickDrawn)->Unit(benchmark::kMicrosecond);

void BM_PlayTickUndrawn(benchmark::State& state) { PlayTicks(state, false); }
BENCHMARK(BM_PlayTickUndrawn)->Unit(benchmark::kMicrosecond);

// The names the breakdown prints for each layer of the lane display.
constexpr const char* kLayerNames[kLaneLayers] = {
    "lane picture", "pins in the pit", "ball in the pit", "pit darkened", "pin deck",
    "pin shadows", "pins", "ball and its shadow", "masking unit", "bowler and its shadow", "meter",
    "score display and lights", "score sheet", "banner", "help button", "pointer"};

// Drawn ticks redrawn whole, as every tick was before the lane became a retained frame: each layer
// and the flip timed on the clock within the tick, so the report says where a whole frame's time
// goes; the counters hold each one's mean in seconds ("flip" for the flip).
void BM_PlayTickLayers(benchmark::State& state) {
  const std::string folder = RequireData(state);
  if (folder.empty()) return;
  TBusyLane lane(folder);
  TLaneDisplay display(lane.state, lane.devices, lane.bowlingHost);
  TDirectDrawSurface& surface = *lane.DXDraw.Surface();
  using TClock = std::chrono::steady_clock;
  std::array<TClock::duration, kLaneLayers + 1> spent{};
  for (auto _ : state) {
    state.PauseTiming();
    lane.state = lane.busy;
    lane.play.Step(1, false);
    lane.state.match.blurFrame = true;  // as DrawFrame sets it without Fast Refresh
    state.ResumeTiming();
    TClock::time_point start = TClock::now();
    for (int layer = 0; layer < kLaneLayers; ++layer) {
      display.DrawLayer(static_cast<TLaneLayer>(layer), surface);
      const TClock::time_point end = TClock::now();
      spent[static_cast<size_t>(layer)] += end - start;
      start = end;
    }
    lane.DXDraw.Flip();
    spent[kLaneLayers] += TClock::now() - start;
    benchmark::DoNotOptimize(Shown(lane));
  }
  const double ticks = static_cast<double>(state.iterations());
  for (int layer = 0; layer <= kLaneLayers; ++layer) {
    state.counters[layer < kLaneLayers ? kLayerNames[layer] : "flip"] =
        std::chrono::duration<double>(spent[static_cast<size_t>(layer)]).count() / ticks;
  }
}
BENCHMARK(BM_PlayTickLayers)->Unit(benchmark::kMicrosecond);

// For comparison: the lane picture drawn whole and a whole flip, as every tick did them before a
// surface kept count of what was drawn on it.
void LaneParts(benchmark::State& state, void (*part)(TBusyLane&)) {
  const std::string folder = RequireData(state);
  if (folder.empty()) return;
  TBusyLane lane(folder);
  for (auto _ : state) {
    part(lane);
    benchmark::DoNotOptimize(Shown(lane));
  }
}

void BM_PartLanePicture(benchmark::State& state) {
  LaneParts(state, [](TBusyLane& lane) { lane.alley.Items.Find("alley").Draw(*lane.DXDraw.Surface(), 0, 0, 0); });
}
BENCHMARK(BM_PartLanePicture)->Unit(benchmark::kMicrosecond);

void BM_PartWholeFlip(benchmark::State& state) {
  LaneParts(state, [](TBusyLane& lane) {
    lane.DXDraw.Surface()->DrawnAll();
    lane.DXDraw.Flip();
  });
}
BENCHMARK(BM_PartWholeFlip)->Unit(benchmark::kMicrosecond);

void BM_LedShowTick(benchmark::State& state) {
  const std::string folder = RequireData(state);
  if (folder.empty()) return;
  TBusyLane lane(folder);
  lane.sign.Load("intro");
  lane.sign.Start(lane.goverTimer);
  for (auto _ : state) {
    lane.sign.goverTimerTimer(1);
    benchmark::DoNotOptimize(Shown(lane));
  }
}
BENCHMARK(BM_LedShowTick)->Unit(benchmark::kMicrosecond);

void BM_SimulatedMatch(benchmark::State& state) {
  const std::string folder = RequireData(state);
  if (folder.empty()) return;
  TMatchSimulator simulator(folder);
  simulator.Seed(7);
  int64_t ticks = 0;
  for (auto _ : state) ticks += simulator.Play("Vekt", "Oskar", 4, "Tradtional").ticks;
  state.counters["matches/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["ticks/match"] = static_cast<double>(ticks) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SimulatedMatch)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

// Prints each measurement beside the memcpy measured in the same run.
class TBowlingReporter : public TTimesReporter {
 public:
  static const char* Verdict(double ratio, double target) { return ratio > 0 && ratio <= target ? "met" : "missed"; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_name.function_name != "BM_PlayTickLayers" || run.run_type == Run::RT_Aggregate) continue;
      for (const auto& [name, counter] : run.counters) layers_[name] = counter.value;
    }
    TTimesReporter::ReportRuns(runs);
  }
  void Finalize() override {
    TTimesReporter::Finalize();
    const double memcpy = Seconds("BM_MemcpyFrame");
    if (memcpy <= 0) return;
    const double drawn = Ratio("BM_PlayTickDrawn", "BM_MemcpyFrame");
    const double undrawn = Ratio("BM_PlayTickUndrawn", "BM_MemcpyFrame");
    const double led = Ratio("BM_LedShowTick", "BM_MemcpyFrame");
    std::printf("\nplay tick, drawn     = %6.1f x one frame memcpy (target: at most 3 x: %s)\n", drawn,
                Verdict(drawn, 3));
    std::printf("  play without drawing %6.2f x\n", undrawn);
    if (!layers_.empty()) {
      // Clock time within the tick, so on a loaded machine these run a little above the tick's share.
      std::printf("  a tick redrawn whole instead, layer by layer, by the clock:\n");
      for (int layer = 0; layer < kLaneLayers; ++layer) {
        std::printf("    %-28s %6.2f x\n", kLayerNames[layer], layers_[kLayerNames[layer]] / memcpy);
      }
      std::printf("    %-28s %6.2f x\n", "flip", layers_["flip"] / memcpy);
    }
    std::printf("  alone: the lane picture %.2f x, a whole flip %.2f x\n",
                Ratio("BM_PartLanePicture", "BM_MemcpyFrame"), Ratio("BM_PartWholeFlip", "BM_MemcpyFrame"));
    std::printf("LED show tick        = %6.1f x one frame memcpy (target: at most 3 x: %s)\n", led, Verdict(led, 3));
    if (Seconds("BM_SimulatedMatch") > 0) {
      std::printf("simulated matches    = %6.0f a second on one core (target: at least 200)\n",
                  1.0 / Seconds("BM_SimulatedMatch"));
    }
  }

 private:
  std::map<std::string, double> layers_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TBowlingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
