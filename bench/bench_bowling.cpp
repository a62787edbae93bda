// The bowling program's costs beside a memcpy of one 640 x 480 x 2 frame, measured in one run:
//   - one tick of play with Soft Shadows on, two score rows shown, the ball and four pins moving,
//     drawing and the flip included (target: at most 3 x the memcpy), and the same tick without drawing;
//   - one tick of a full-screen LED show: 2,430 lamps and a flip (target: at most 3 x);
//   - whole computer-against-computer matches simulated without drawing (target: at least 200 a
//     second on one core).
// Where the time of a drawn tick goes is printed beside it: the lane picture, the flip, the soft
// shadows, and the rest of the drawing, each measured alone on the same lane.
// Needs the generated program folder (bin/bowling beside the build's bench folder).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bowling/bowling_host.h"
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

// Ticks of play from the busy lane, each from the same state.
void PlayTicks(benchmark::State& state, bool draw) {
  const std::string folder = RequireData(state);
  if (folder.empty()) return;
  TBusyLane lane(folder);
  for (auto _ : state) {
    state.PauseTiming();
    lane.state = lane.busy;
    state.ResumeTiming();
    lane.play.Step(1, draw);
    benchmark::DoNotOptimize(lane.DXDraw.Primary()->Bits());
    benchmark::DoNotOptimize(lane.state.match.ballY);
  }
}

void BM_PlayTickDrawn(benchmark::State& state) { PlayTicks(state, true); }
BENCHMARK(BM_PlayTickDrawn)->Unit(benchmark::kMicrosecond);

void BM_PlayTickUndrawn(benchmark::State& state) { PlayTicks(state, false); }
BENCHMARK(BM_PlayTickUndrawn)->Unit(benchmark::kMicrosecond);

// Parts of a drawn tick, each alone on the busy lane.
void LaneParts(benchmark::State& state, void (*part)(TBusyLane&)) {
  const std::string folder = RequireData(state);
  if (folder.empty()) return;
  TBusyLane lane(folder);
  for (auto _ : state) {
    part(lane);
    benchmark::DoNotOptimize(lane.DXDraw.Surface()->Bits());
  }
}

void BM_PartLanePicture(benchmark::State& state) {
  LaneParts(state, [](TBusyLane& lane) { lane.alley.Items.Find("alley").Draw(*lane.DXDraw.Surface(), 0, 0, 0); });
}
BENCHMARK(BM_PartLanePicture)->Unit(benchmark::kMicrosecond);

void BM_PartFlip(benchmark::State& state) {
  LaneParts(state, [](TBusyLane& lane) { lane.DXDraw.Flip(); });
}
BENCHMARK(BM_PartFlip)->Unit(benchmark::kMicrosecond);

// The pin, ball and bowler shadows as the lane display blends them.
void BM_PartSoftShadows(benchmark::State& state) {
  LaneParts(state, [](TBusyLane& lane) {
    TDirectDrawSurface& surface = *lane.DXDraw.Surface();
    TPictureCollectionItem& pin = lane.alley.Items.Find("pinshadow");
    for (int n = 10; n >= 1; --n) {
      const TPin& p = lane.state.match.pins[n];
      const int pattern = p.fallRow * 16 + p.fallFrame / 4;
      pin.DrawBlended(surface, Bounds(Round(p.x) - 36, Round(p.y) - 40, 72, 40), pattern, 96);
    }
    lane.bowler.Items.Find("ballshadow").DrawBlended(surface, Bounds(308, 158, 28, 28), 0, 128);
    lane.bowler.Items.Find("charshadow").DrawBlended(surface, Bounds(300, 420, 78, 47), 0, 32);
  });
}
BENCHMARK(BM_PartSoftShadows)->Unit(benchmark::kMicrosecond);

void BM_LedShowTick(benchmark::State& state) {
  const std::string folder = RequireData(state);
  if (folder.empty()) return;
  TBusyLane lane(folder);
  lane.sign.Load("intro");
  lane.sign.Start(lane.goverTimer);
  for (auto _ : state) {
    lane.sign.goverTimerTimer(1);
    benchmark::DoNotOptimize(lane.DXDraw.Primary()->Bits());
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
  void Finalize() override {
    TTimesReporter::Finalize();
    if (Seconds("BM_MemcpyFrame") <= 0) return;
    const double drawn = Ratio("BM_PlayTickDrawn", "BM_MemcpyFrame");
    const double undrawn = Ratio("BM_PlayTickUndrawn", "BM_MemcpyFrame");
    const double picture = Ratio("BM_PartLanePicture", "BM_MemcpyFrame");
    const double flip = Ratio("BM_PartFlip", "BM_MemcpyFrame");
    const double shadows = Ratio("BM_PartSoftShadows", "BM_MemcpyFrame");
    const double led = Ratio("BM_LedShowTick", "BM_MemcpyFrame");
    std::printf("\nplay tick, drawn     = %6.1f x one frame memcpy (target: at most 3 x: %s)\n", drawn,
                Verdict(drawn, 3));
    std::printf("  lane picture         %6.2f x\n", picture);
    std::printf("  flip                 %6.2f x\n", flip);
    std::printf("  soft shadows         %6.2f x\n", shadows);
    // Measured alone, the parts run on warm caches; in the tick they share them, which the rest absorbs.
    std::printf("  the rest: pins, ball, bowler, meter, score sheet, texts, colder caches %6.2f x\n",
                drawn - undrawn - picture - flip - shadows);
    std::printf("play tick, not drawn = %6.2f x one frame memcpy\n", undrawn);
    std::printf("LED show tick        = %6.1f x one frame memcpy (target: at most 3 x: %s)\n", led, Verdict(led, 3));
    if (flip > 0) std::printf("  flip                 %6.2f x\n  lamps                %6.2f x\n", flip, led - flip);
    if (Seconds("BM_SimulatedMatch") > 0) {
      std::printf("simulated matches    = %6.0f a second on one core (target: at least 200)\n",
                  1.0 / Seconds("BM_SimulatedMatch"));
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TBowlingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
