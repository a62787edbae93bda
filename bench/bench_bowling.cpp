// The bowling program's costs beside a memcpy of one 640 x 480 x 2 frame, measured in one run:
//   - one tick of play with Soft Shadows on, two score rows shown, the ball and four pins moving,
//     drawing and the flip included (target: at most 5 x the memcpy), and the same tick without drawing;
//   - one tick of a full-screen LED show: 2,430 lamp sprites and a flip (target: at most 8 x);
//   - whole computer-against-computer matches simulated without drawing (target: at least 200 a
//     second on one core).
// Needs the generated program folder (bin/bowling beside the build's bench folder).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bowling/bowling_host.h"
#include "bowling/match_simulator.h"
#include "bowling/play_components.h"
#include "bench/bench_support.h"
#include "media/null_host.h"
#include "media/surface.h"

namespace {

std::string DataFolder() { return GeneratedFolder("bowling", "graphics.dxg"); }

// Skips the benchmark when the generated data is missing; the folder otherwise.
std::string RequireData(benchmark::State& state) {
  const std::string folder = DataFolder();
  if (folder.empty()) state.SkipWithError("the generated program folder bin/bowling is missing; build bowling_data");
  return folder;
}

// The program's components with Vekt bowling on Tradtional against Marla, the ball among the pins.
struct TBusyLaneHosts {
  TNullHost host;
  TPresetBowlingHost bowlingHost;
};

struct TBusyLane : TBusyLaneHosts, TPlayComponents {
  TBowlingState busy;

  explicit TBusyLane(const std::string& folder) : TPlayComponents(host, bowlingHost, folder) {
    bowlingHost.sound = bowlingHost.crowd = false;
    bowlingHost.animations = 0;
    random.Seed(1);
    DXDraw.Initialize();
    graphics.Items.ReadFromFile(paths.Find("graphics.dxg"));
    alley.Items.ReadFromFile(paths.Find("alleys\\Tradtional\\anis.dxg"));
    TFrontState& front = state.front;
    TMatchState& match = state.match;
    front.alleyName = "Tradtional";
    front.playerCount = 2;
    match.players[1].bowlerName = "Vekt";
    match.players[2].bowlerName = "Marla";
    play.StartMatch();
    // Four frames bowled by each, both rows shown; the ball rolling into the pins, four knocked.
    for (int n = 1; n <= 2; ++n) {
      TPlayer& p = match.players[n];
      for (int k = 1; k <= 4; ++k) {
        p.frameStarted[k] = p.firstThrown[k] = p.secondThrown[k] = true;
        p.firstBall[k] = 7;
        p.secondBall[k] = 2;
      }
      p.frameStarted[5] = true;
    }
    match.frame = 5;
    match.showAllScores = true;
    match.aiming = false;
    match.rolling = true;
    match.power = 60;
    match.accuracy = 96;
    match.ballSpeed = 3.3f;
    match.ballX = 322;
    match.ballY = 170;
    match.ballWeight = 1;
    for (int n : {1, 2, 3, 5}) {
      TPin& pin = match.pins[n];
      pin.standing = false;
      pin.moving = true;
      pin.fallRow = n % 8;
      pin.fallFrame = 12;
      pin.vx = n % 2 ? 1.5f : -1.5f;
      pin.vy = -2;
    }
    busy = state;
  }
};

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
  void Finalize() override {
    TTimesReporter::Finalize();
    if (Seconds("BM_MemcpyFrame") <= 0) return;
    std::printf("\nplay tick, drawn     = %6.1f x one frame memcpy (target: at most 5 x)\n",
                Ratio("BM_PlayTickDrawn", "BM_MemcpyFrame"));
    std::printf("play tick, not drawn = %6.2f x one frame memcpy\n", Ratio("BM_PlayTickUndrawn", "BM_MemcpyFrame"));
    std::printf("LED show tick        = %6.1f x one frame memcpy (target: at most 8 x)\n",
                Ratio("BM_LedShowTick", "BM_MemcpyFrame"));
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
