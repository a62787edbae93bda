// The mixer: 32 looping voices (mono and stereo, 8 and 16 bits, three sample rates, varied volume
// and pan) mixed into one second of 44.1 kHz stereo, in the 1024-frame pieces an audio callback
// asks for. Printed beside a plain reference measured in the same run: 32 ready-made stereo
// buffers summed with clipping (no resampling, no gains), and as a share of the second of sound.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "media/mixer.h"
#include "media/wave.h"

namespace {

constexpr int kRate = 44100;
constexpr int kVoices = 32;
constexpr int kChunk = 1024;

TWave MakeWave(int channels, int rate, int bits, int frames) {
  TWave wave;
  const int block = channels * bits / 8;
  const auto put = [&](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) wave.Format.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  put(1, 2);
  put(static_cast<uint32_t>(channels), 2);
  put(static_cast<uint32_t>(rate), 4);
  put(static_cast<uint32_t>(rate * block), 4);
  put(static_cast<uint32_t>(block), 2);
  put(static_cast<uint32_t>(bits), 2);
  uint32_t seed = 99;
  wave.Data.resize(static_cast<size_t>(frames) * block);
  for (uint8_t& byte : wave.Data) {
    seed = seed * 1664525u + 1013904223u;
    byte = static_cast<uint8_t>(seed >> 24);
  }
  return wave;
}

void BM_Mixer32VoicesOneSecond(benchmark::State& state) {
  TMixer mixer(kRate);
  const std::vector<std::shared_ptr<const TSampleBuffer>> sounds = {
      DecodeWave(MakeWave(1, 22050, 16, 30000)), DecodeWave(MakeWave(2, 44100, 16, 50000)),
      DecodeWave(MakeWave(1, 11025, 8, 9000)), DecodeWave(MakeWave(2, 22050, 8, 20000))};
  for (int i = 0; i < kVoices; ++i) {
    const int voice = mixer.AddVoice(sounds[static_cast<size_t>(i) % sounds.size()]);
    mixer.SetVolume(voice, -(i * 97) % 3000);
    mixer.SetPan(voice, (i * 1234) % 20001 - 10000);
    mixer.Play(voice, true);
  }
  std::vector<int16_t> out(kChunk * 2);
  for (auto _ : state) {
    for (int done = 0; done < kRate; done += kChunk) {
      mixer.Mix(out.data(), std::min(kChunk, kRate - done));
      benchmark::DoNotOptimize(out.data());
    }
  }
}
BENCHMARK(BM_Mixer32VoicesOneSecond)->Unit(benchmark::kMicrosecond);

void BM_SumReadyBuffersOneSecond(benchmark::State& state) {
  std::vector<std::vector<int16_t>> buffers(kVoices, std::vector<int16_t>(kRate * 2));
  for (int v = 0; v < kVoices; ++v) {
    for (size_t i = 0; i < buffers[v].size(); ++i) buffers[v][i] = static_cast<int16_t>(i * 31 + v);
  }
  std::vector<int32_t> sum(kChunk * 2);
  std::vector<int16_t> out(kChunk * 2);
  for (auto _ : state) {
    for (int done = 0; done < kRate; done += kChunk) {
      const int frames = std::min(kChunk, kRate - done);
      std::fill(sum.begin(), sum.end(), 0);
      for (const auto& buffer : buffers) {
        const int16_t* from = buffer.data() + static_cast<size_t>(done) * 2;
        for (int i = 0; i < frames * 2; ++i) sum[i] += from[i];
      }
      for (int i = 0; i < frames * 2; ++i)
        out[i] = static_cast<int16_t>(std::clamp(sum[i], -32768, 32767));
      benchmark::DoNotOptimize(out.data());
    }
  }
}
BENCHMARK(BM_SumReadyBuffersOneSecond)->Unit(benchmark::kMicrosecond);

class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) seconds[run.benchmark_name()] = run.GetAdjustedCPUTime() / 1e6;
  }
  std::map<std::string, double> seconds;  // CPU seconds per iteration (the unit is microseconds)
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto mixer = reporter.seconds.find("BM_Mixer32VoicesOneSecond");
  const auto plain = reporter.seconds.find("BM_SumReadyBuffersOneSecond");
  if (mixer != reporter.seconds.end() && plain != reporter.seconds.end()) {
    const double share = mixer->second * 100.0;
    std::printf("\n32 voices, 1 s of 44.1 kHz stereo: %.3f%% of the second (target < 0.5%%: %s)\n",
                share, share < 0.5 ? "met" : "missed");
    std::printf("mixer / summing ready buffers: %.3f x\n", mixer->second / plain->second);
  }
  benchmark::Shutdown();
  return 0;
}
