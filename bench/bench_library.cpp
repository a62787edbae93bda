// Loading an image library of about 20 MB (made here with the library writer) against reading the
// same file into memory, measured in one run; the ratio between the two is printed at the end.
// Loaded pictures keep their stored rows, so the colours are worked out later, when surfaces are
// built; loading and then decoding every picture to 0x00RRGGBB is measured beside, for scale.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "media/file_bytes.h"
#include "media/library_writer.h"
#include "media/picture_collection.h"

namespace {

// A mix like the games' libraries: many-coloured pictures (stored with 24 bits), tile sets with
// a few hundred shades or fewer (8 bits, plain), and sprite sheets with long runs of background
// (run-length coded, so they decode to far more bytes than they take in the file).
std::vector<TPictureItemData> MakeItems() {
  std::vector<TPictureItemData> items;
  uint32_t seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int i = 0; i < 18; ++i) {
    TPictureItemData item;
    item.Name = "backdrop" + std::to_string(i);
    item.Picture = {640, 480, {}};
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        item.Picture.Pixels.push_back(((x * 255 / 640) << 16 | (y * 255 / 480) << 8 | (next() & 63)));
      }
    }
    items.push_back(std::move(item));
  }
  for (int i = 0; i < 40; ++i) {
    TPictureItemData item;
    item.Name = "tiles" + std::to_string(i);
    item.PatternWidth = 64;
    item.PatternHeight = 32;
    item.Picture = {256, 256, {}};
    for (int p = 0; p < 256 * 256; ++p) item.Picture.Pixels.push_back((next() % 200) * 0x010101);
    items.push_back(std::move(item));
  }
  for (int i = 0; i < 8; ++i) {
    TPictureItemData item;
    item.Name = "sprites" + std::to_string(i);
    item.PatternWidth = 64;
    item.PatternHeight = 64;
    item.TransparentColor = clFuchsia;
    item.Picture = {512, 256, {}};
    for (int y = 0; y < 256; ++y) {
      for (int x = 0; x < 512; ++x) {
        const int dx = x % 64 - 32;
        const int dy = y % 64 - 32;
        const bool body = dx * dx + dy * dy < 400;
        item.Picture.Pixels.push_back(body ? (next() % 90) * 0x020202 : 0xFF00FF);
      }
    }
    items.push_back(std::move(item));
  }
  return items;
}

const std::string& LibraryPath() {
  static const std::string path = [] {
    const std::string file =
        (std::filesystem::temp_directory_path() / "bench_library_images.dxg").string();
    WritePictureLibrary(file, MakeItems());
    return file;
  }();
  return path;
}

void BM_PlainRead(benchmark::State& state) {
  const std::string& path = LibraryPath();
  size_t bytes = 0;
  for (auto _ : state) {
    const TFileBuffer file = ReadFileBuffer(path);
    benchmark::DoNotOptimize(file.Data.get());
    bytes = file.Size;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_ReadImageLibrary(benchmark::State& state) {
  const std::string& path = LibraryPath();
  const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
  for (auto _ : state) {
    TPictureCollection images;
    images.ReadFromFile(path);
    benchmark::DoNotOptimize(images.Count());
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ReadImageLibrary)->Unit(benchmark::kMillisecond);

void BM_ReadAndDecodeImageLibrary(benchmark::State& state) {
  const std::string& path = LibraryPath();
  const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
  for (auto _ : state) {
    TPictureCollection images;
    images.ReadFromFile(path);
    for (int i = 0; i < images.Count(); ++i) benchmark::DoNotOptimize(images.Items(i).Picture());
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ReadAndDecodeImageLibrary)->Unit(benchmark::kMillisecond);

// Prints as usual and keeps each benchmark's CPU time per iteration for the closing ratio (CPU
// time, because the machine is shared and wall time mostly measures the neighbours).
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.iterations > 0) seconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
  }
  std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::printf("library file: %s (%.1f MB)\n", LibraryPath().c_str(),
              static_cast<double>(std::filesystem::file_size(LibraryPath())) / 1e6);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto plain = reporter.seconds.find("BM_PlainRead");
  const auto library = reporter.seconds.find("BM_ReadImageLibrary");
  const auto decoded = reporter.seconds.find("BM_ReadAndDecodeImageLibrary");
  if (plain != reporter.seconds.end() && plain->second > 0) {
    if (library != reporter.seconds.end()) {
      std::printf("loading the library takes %.2fx the CPU time of reading the file into memory "
                  "(target: under 3x)\n",
                  library->second / plain->second);
    }
    if (decoded != reporter.seconds.end()) {
      std::printf("loading it and decoding every picture takes %.2fx\n",
                  decoded->second / plain->second);
    }
  }
  std::remove(LibraryPath().c_str());
  benchmark::Shutdown();
  return 0;
}
