// What the benchmark programs share: the program folder generated beside the build's bench folder,
// the frame memcpy they measure against, and a reporter that keeps each benchmark's processor time
// per iteration (the median when repeated, which a burst of other work moves least; processor time,
// as these machines are shared and wall time counts the other jobs too), so a program can print its
// figures beside the reference measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "media/program_paths.h"

// bin/<program> beside the bench folder when it holds `marker`, else "".
inline std::string GeneratedFolder(const std::string& program, const std::string& marker) {
  const std::filesystem::path folder = std::filesystem::path(ExecutableFolder()) / ".." / "bin" / program;
  return std::filesystem::exists(folder / marker) ? folder.string() : std::string();
}

// The reference of the frame benchmarks: a memcpy of one 640 x 480 16-bit frame. A program
// registers it with BENCHMARK(BM_MemcpyFrame) and compares against it by that name.
inline void BM_MemcpyFrame(benchmark::State& state) {
  std::vector<uint16_t> source(640 * 480, 0x1234);
  std::vector<uint16_t> dest(640 * 480);
  for (auto _ : state) {
    std::memcpy(dest.data(), source.data(), source.size() * 2);
    benchmark::DoNotOptimize(dest.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * 640 * 480 * 2);
}

class TTimesReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      seconds_[run.run_name.function_name] = run.GetAdjustedCPUTime() * Scale(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // Seconds per iteration of the named benchmark; 0 when it did not run.
  double Seconds(const std::string& name) const {
    const auto found = seconds_.find(name);
    return found == seconds_.end() ? 0 : found->second;
  }
  // How many times the reference's time the named benchmark took; 0 when either did not run.
  double Ratio(const std::string& name, const std::string& reference) const {
    const double ours = Seconds(name);
    const double theirs = Seconds(reference);
    return ours > 0 && theirs > 0 ? ours / theirs : 0;
  }

 private:
  static double Scale(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kNanosecond: return 1e-9;
      case benchmark::kMicrosecond: return 1e-6;
      case benchmark::kMillisecond: return 1e-3;
      default: return 1.0;
    }
  }
  std::map<std::string, double> seconds_;
};
