// Frame-timer ticks through the SDL host's real loop (SDL's dummy video driver unless another is
// set), for the intervals the games use: ticks per second beside the ideal 1000 / interval, the
// timer's own TickRate, and the share of one core the process used meanwhile. Each tick draws a
// frame and presents it, as a game's frame step does.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "forms/controls.h"
#include "media/dx_timer.h"
#include "media/surface.h"
#include "platform/sdl_host.h"

namespace {

// The first ticks wait for the window's first frames; they are not counted.
constexpr uint32_t kWarmUpMs = 500;
constexpr uint32_t kRunMs = 3000;

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Plays for kRunMs with one timer ticking at the interval.
class TTickForm : public TForm {
 public:
  TTickForm(THost& host, int interval) : TForm(host), timer(Application(), false), screen(640, 480, TPixelFormat::RGB565) {
    SetClientSize(640, 480);
    area.SetBounds(0, 0, 640, 480);
    timer.SetInterval(interval);
    timer.OnTimer = [this](int) { Tick(); };
  }
  void FormShow() override {
    Host().SetDisplaySurface(&screen);
    shown = Host().Clock();
    timer.SetEnabled(true);
  }
  void Tick() {
    screen.Fill(static_cast<uint32_t>(ticks * 2654435761u) & 0xFFFF);
    Host().Present(false);
    const uint32_t now = Host().Clock();
    if (!counting) {
      if (now - shown < kWarmUpMs) return;
      counting = true;
      start = now;
      cpuStart = ProcessCpuSeconds();
      return;
    }
    ++ticks;
    if (now - start >= kRunMs) {
      seconds = (now - start) / 1000.0;
      cpuSeconds = ProcessCpuSeconds() - cpuStart;
      Close();
    }
  }

  TDrawArea& area = Add<TDrawArea>("DXDraw");
  TDXTimer timer;
  TDirectDrawSurface screen;
  uint32_t shown = 0;
  bool counting = false;
  uint32_t start = 0;
  double cpuStart = 0;
  int ticks = 0;
  double seconds = 1;
  double cpuSeconds = 0;
};

struct TRow {
  int Interval;
  double TicksPerSecond;
  int TickRate;
  double CpuShare;
};
std::vector<TRow> rows;

void BM_TimerTicks(benchmark::State& state) {
  const int interval = static_cast<int>(state.range(0));
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  TSdlHost host("Ticks", true);
  for (auto _ : state) {
    TTickForm form(host, interval);
    host.Run(form);
    const double cpu = form.cpuSeconds;
    const double perSecond = form.ticks / form.seconds;
    state.counters["ticks_per_s"] = perSecond;
    state.counters["ideal_per_s"] = 1000.0 / interval;
    state.counters["TickRate"] = form.timer.TickRate();
    state.counters["cpu_pct"] = 100.0 * cpu / form.seconds;
    rows.push_back(TRow{interval, perSecond, form.timer.TickRate(), 100.0 * cpu / form.seconds});
  }
}
BENCHMARK(BM_TimerTicks)->Arg(7)->Arg(15)->Arg(33)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // The ticks come late when other processes keep this one from running: the load goes beside
  // the figures.
  if (std::FILE* load = std::fopen("/proc/loadavg", "r")) {
    char text[128] = {};
    if (std::fgets(text, sizeof text, load)) std::printf("\nload average: %s", text);
    std::fclose(load);
  }
  std::printf("\n%-10s %12s %12s %10s %12s %10s\n", "interval", "ticks/s", "ideal/s", "off by", "TickRate", "CPU");
  for (const TRow& row : rows) {
    const double ideal = 1000.0 / row.Interval;
    std::printf("%7d ms %12.2f %12.2f %9.1f%% %12d %9.1f%%\n", row.Interval, row.TicksPerSecond, ideal,
                100.0 * (row.TicksPerSecond - ideal) / ideal, row.TickRate, row.CpuShare);
  }
  return 0;
}
