// The bowling program's generated sound libraries: the generator runs twice into fresh folders,
// and every library it writes is read back with the program's own reader.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "media/wave_collection.h"
#include "tests/tools/bowling_audio_measure.h"

namespace {

namespace fs = std::filesystem;
using namespace bowling_audio_test;

struct Expected {
  const char* file;  // relative to the program folder
  const char* name;
  bool looped;
  double minSeconds;
  double maxSeconds;
};

const char* const kBowlers[] = {"Vekt", "Marla", "Oskar", "Tess"};
const char* const kAlleys[] = {"Tradtional", "Neon", "Sunset", "KidsBumper"};

std::vector<Expected> ExpectedItems() {
  static std::vector<std::string> files;  // keeps the composed file names alive
  std::vector<Expected> items = {
      {"sound.dxw", "hit", false, 0.3, 2.0},   {"sound.dxw", "single", false, 0.1, 0.6},
      {"sound.dxw", "drop", false, 0.2, 1.5},  {"sound.dxw", "roll", true, 1.0, 4.0},
      {"sound.dxw", "spare", false, 0.3, 2.0}, {"music.dxw", "music", true, 30.0, 60.0},
  };
  files.clear();
  files.reserve(std::size(kBowlers) + std::size(kAlleys));
  for (const char* bowler : kBowlers) files.push_back(std::string("bowlers/") + bowler + "/speech.dxw");
  for (const char* alley : kAlleys) files.push_back(std::string("alleys/") + alley + "/noise.dxw");
  for (size_t b = 0; b < std::size(kBowlers); ++b) {
    items.push_back({files[b].c_str(), "strike", false, 1.0, 3.0});
    items.push_back({files[b].c_str(), "gutter", false, 1.0, 3.0});
  }
  for (size_t a = 0; a < std::size(kAlleys); ++a)
    items.push_back({files[std::size(kBowlers) + a].c_str(), "noise", true, 10.0, 20.0});
  return items;
}

fs::path Generator() { return fs::path(TH_BIN_DIR) / ".." / "tools" / "assetgen_bowling_audio"; }

std::vector<uint8_t> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double Seconds(const TWave& wave) {
  return static_cast<double>(wave.Data.size()) / wave.BlockAlign() / wave.SamplesPerSecond();
}

class BowlingAudioLibraries : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = fs::temp_directory_path() / ("bowling_audio_test_" + std::to_string(getpid()));
    if (!Generate(root_ / "a")) return;  // every test then reports the failure
    for (const Expected& e : ExpectedItems()) {
      auto& library = libraries_[e.file];
      if (library) continue;
      library = std::make_unique<TWaveCollection>();
      library->ReadFromFile((root_ / "a" / e.file).string());
    }
  }
  static bool Generate(const fs::path& folder) {
    const std::string command = "\"" + Generator().string() + "\" \"" + folder.string() + "\"";
    return std::system(command.c_str()) == 0;
  }
  static void TearDownTestSuite() {
    libraries_.clear();
    fs::remove_all(root_);
  }
  void SetUp() override { ASSERT_FALSE(libraries_.empty()) << "assetgen_bowling_audio failed to run"; }

  static const TWaveCollectionItem& Item(const Expected& e) { return libraries_.at(e.file)->Find(e.name); }
  static std::string Label(const Expected& e) { return std::string(e.file) + " " + e.name; }

  static inline fs::path root_;
  static inline std::map<std::string, std::unique_ptr<TWaveCollection>> libraries_;
};

TEST_F(BowlingAudioLibraries, TwoRunsWriteTheSameBytes) {
  ASSERT_TRUE(Generate(root_ / "b"));
  for (const auto& [file, library] : libraries_) {
    const auto first = FileBytes(root_ / "a" / file);
    ASSERT_FALSE(first.empty()) << file;
    EXPECT_TRUE(first == FileBytes(root_ / "b" / file)) << file << " differs between runs";
  }
}

TEST_F(BowlingAudioLibraries, EveryLibraryHoldsItsItemsWithTheirLoopFlagsAndLengths) {
  std::map<std::string, int> counts;
  for (const Expected& e : ExpectedItems()) {
    ++counts[e.file];
    ASSERT_NO_THROW(Item(e)) << Label(e);
    const TWaveCollectionItem& item = Item(e);
    EXPECT_EQ(item.Name(), e.name) << Label(e) << ": names are written exactly as the program asks";
    EXPECT_EQ(item.Looped(), e.looped) << Label(e);
    // One-shots are capped so that quick clicks cannot pile up; a loop plays once at most anyway.
    EXPECT_GE(item.MaxPlayingCount(), 1) << Label(e);
    EXPECT_LE(item.MaxPlayingCount(), e.looped ? 1 : 4) << Label(e);
    EXPECT_GE(Seconds(item.Wave()), e.minSeconds) << Label(e);
    EXPECT_LE(Seconds(item.Wave()), e.maxSeconds) << Label(e);
  }
  for (const auto& [file, count] : counts) EXPECT_EQ(libraries_.at(file)->Count(), count) << file;
}

TEST_F(BowlingAudioLibraries, WavesAre16BitPcmAtAPlayableRate) {
  for (const Expected& e : ExpectedItems()) {
    const TWave& wave = Item(e).Wave();
    EXPECT_EQ(wave.FormatTag(), 1) << Label(e);
    EXPECT_EQ(wave.BitsPerSample(), 16) << Label(e);
    EXPECT_TRUE(wave.SamplesPerSecond() == 22050u || wave.SamplesPerSecond() == 44100u) << Label(e);
    EXPECT_GE(wave.Channels(), 1) << Label(e);
    EXPECT_LE(wave.Channels(), 2) << Label(e);
    EXPECT_EQ(wave.BlockAlign(), wave.Channels() * 2) << Label(e);
    EXPECT_EQ(wave.AvgBytesPerSecond(), wave.SamplesPerSecond() * wave.BlockAlign()) << Label(e);
    EXPECT_EQ(wave.Data.size() % wave.BlockAlign(), 0u) << Label(e);
  }
}

TEST_F(BowlingAudioLibraries, LevelsAreCleanAndBelowFullScale) {
  for (const Expected& e : ExpectedItems()) {
    for (int c = 0; c < Item(e).Wave().Channels(); ++c) {
      const Samples s = Channel(Item(e).Wave(), c);
      ASSERT_FALSE(s.empty()) << Label(e);
      const double peak = Peak(s);
      EXPECT_LT(peak, 0.95) << Label(e) << " clips or nearly does";
      EXPECT_GT(peak, 0.2) << Label(e) << " is nearly silent";
      // Not a run of samples pinned at one extreme, as a clipped wave shows.
      size_t pinned = 0;
      for (size_t i = 1; i < s.size(); ++i) pinned += s[i] == s[i - 1] && std::fabs(s[i]) > 0.9 * peak;
      EXPECT_LT(pinned, 4u) << Label(e) << " has flat-topped peaks";
      double sum = 0;
      for (float v : s) sum += v;
      EXPECT_LT(std::fabs(sum / static_cast<double>(s.size())), 0.002) << Label(e) << " has a DC offset";
    }
  }
}

TEST_F(BowlingAudioLibraries, OneShotsStartAndEndInSilence) {
  for (const Expected& e : ExpectedItems()) {
    if (e.looped) continue;
    const Samples s = Channel(Item(e).Wave(), 0);
    EXPECT_LT(std::fabs(s.front()), 0.002) << Label(e) << " starts with a click";
    EXPECT_LT(std::fabs(s.back()), 0.002) << Label(e) << " ends with a click";
    const size_t tail = static_cast<size_t>(0.02 * kRate);
    EXPECT_LT(Peak(Slice(s, s.size() - tail, tail)), 0.05 * Peak(s)) << Label(e) << " is cut off";
  }
}

// A loop must run on into its own start: the step across the seam is no bigger than the steps
// inside the loop, and the spectrum does not jump there more than it does from moment to moment.
TEST_F(BowlingAudioLibraries, LoopsRunOnAcrossTheirSeam) {
  for (const Expected& e : ExpectedItems()) {
    if (!e.looped) continue;
    for (int c = 0; c < Item(e).Wave().Channels(); ++c) {
      const Samples s = Channel(Item(e).Wave(), c);
      std::vector<double> steps;
      for (size_t i = 1; i < s.size(); ++i) steps.push_back(std::fabs(s[i] - s[i - 1]));
      std::sort(steps.begin(), steps.end());
      const double usual = steps[steps.size() * 999 / 1000];
      EXPECT_LE(std::fabs(s.front() - s.back()), std::max(0.008, usual)) << Label(e) << " clicks at its seam";

      const size_t w = kFftSize;
      std::vector<double> neighbours;
      for (size_t from = 0; from + 2 * w <= s.size(); from += w)
        neighbours.push_back(
            ProfileDistance(OctaveProfile(Slice(s, from, w)), OctaveProfile(Slice(s, from + w, w))));
      std::sort(neighbours.begin(), neighbours.end());
      const double seam =
          ProfileDistance(OctaveProfile(Slice(s, s.size() - w, w)), OctaveProfile(Slice(s, 0, w)));
      // Onsets (a beat, a crash) make some ordinary steps large; the seam may be one of those.
      const double ordinary = neighbours[neighbours.size() * 95 / 100];
      EXPECT_LE(seam, ordinary) << Label(e) << ": the spectrum jumps at the seam (median step "
                                << neighbours[neighbours.size() / 2] << " dB)";
      const double level = Rms(s);
      EXPECT_GT(Rms(Slice(s, 0, w)), 0.2 * level) << Label(e) << " starts with a gap";
      EXPECT_GT(Rms(Slice(s, s.size() - w, w)), 0.2 * level) << Label(e) << " ends with a gap";
    }
  }
}

// A loop starts playing at its first sample: it should start near silence, or it clicks.
TEST_F(BowlingAudioLibraries, LoopsStartWithoutAClick) {
  for (const Expected& e : ExpectedItems()) {
    if (!e.looped) continue;
    for (int c = 0; c < Item(e).Wave().Channels(); ++c) {
      const Samples s = Channel(Item(e).Wave(), c);
      EXPECT_LT(std::fabs(s.front()), 0.01) << Label(e) << " channel " << c;
    }
  }
}

TEST_F(BowlingAudioLibraries, TheFilesStayCompact) {
  uintmax_t total = 0;
  for (const auto& [file, library] : libraries_) total += fs::file_size(root_ / "a" / file);
  EXPECT_LT(total, 12u * 1024 * 1024);
}

}  // namespace
