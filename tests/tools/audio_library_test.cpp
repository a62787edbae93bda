// The generated sound libraries: the generator runs twice into fresh folders, and the two
// "sound.dxw" and "music.dxw" it writes are read back with the games' own reader.
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
#include "tests/tools/world_data.h"

namespace {

namespace fs = std::filesystem;

struct Expected {
  const char* name;
  bool looped;
  double minSeconds;
  double maxSeconds;
};

const Expected kSounds[] = {
    {"cast", false, 0.3, 2.0},   {"startgas", false, 1.0, 4.0},   {"gas", true, 0.5, 4.0},
    {"reel", true, 0.3, 3.0},    {"hook", false, 0.3, 2.0},       {"caught", false, 0.5, 3.0},
    {"splash", false, 0.5, 3.0}, {"minisplash", false, 0.1, 1.0}, {"boing", false, 0.05, 0.4},
    {"bell", false, 1.0, 5.0},   {"coins", false, 0.5, 3.0},      {"Serpent", false, 1.0, 4.0},
    {"Gator", false, 1.0, 4.0},  {"Kraken", false, 1.0, 4.0},     {"Monster", false, 1.0, 4.0},
};

const Expected kMusic[] = {
    {"music", true, 30.0, 60.0},
    {"canada.dxg", true, 15.0, 30.0},
    {"tropic.dxg", true, 15.0, 30.0},
};

fs::path Generator() { return fs::path(TH_BIN_DIR) / ".." / "tools" / "assetgen_audio"; }

std::vector<uint8_t> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One channel of a 16-bit wave as numbers.
std::vector<int> Channel(const TWave& wave, int channel) {
  const size_t frame = wave.BlockAlign();
  std::vector<int> samples;
  for (size_t at = static_cast<size_t>(channel) * 2; at + 1 < wave.Data.size(); at += frame) {
    samples.push_back(static_cast<int16_t>(wave.Data[at] | (wave.Data[at + 1] << 8)));
  }
  return samples;
}

double Seconds(const TWave& wave) {
  return static_cast<double>(wave.Data.size()) / wave.BlockAlign() / wave.SamplesPerSecond();
}

double Rms(const std::vector<int>& s, size_t from, size_t count) {
  double sum = 0;
  for (size_t i = from; i < from + count; ++i) sum += static_cast<double>(s[i]) * s[i];
  return std::sqrt(sum / static_cast<double>(count));
}

class AudioLibraries : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = fs::temp_directory_path() / ("audio_test_" + std::to_string(getpid()));
    if (!Generate(root_ / "a")) return;  // every test then reports the failure
    sounds_ = std::make_unique<TWaveCollection>();
    music_ = std::make_unique<TWaveCollection>();
    sounds_->ReadFromFile((root_ / "a" / "sound.dxw").string());
    music_->ReadFromFile((root_ / "a" / "music.dxw").string());
  }
  // Runs the generator into folder; true when it succeeded.
  static bool Generate(const fs::path& folder) {
    const std::string command = "\"" + Generator().string() + "\" \"" + folder.string() + "\"";
    return std::system(command.c_str()) == 0;
  }

  void SetUp() override { ASSERT_TRUE(sounds_ && music_) << "assetgen_audio failed to run"; }
  static void TearDownTestSuite() {
    sounds_.reset();
    music_.reset();
    fs::remove_all(root_);
  }

  // Every item of both libraries, by exact name.
  static std::map<std::string, const TWaveCollectionItem*> Items() {
    std::map<std::string, const TWaveCollectionItem*> items;
    for (const TWaveCollection* library : {sounds_.get(), music_.get()}) {
      for (int i = 0; i < library->Count(); ++i) items[library->Items(i).Name()] = &library->Items(i);
    }
    return items;
  }

  static inline fs::path root_;
  static inline std::unique_ptr<TWaveCollection> sounds_;
  static inline std::unique_ptr<TWaveCollection> music_;
};

TEST_F(AudioLibraries, TwoRunsWriteTheSameBytes) {
  ASSERT_TRUE(Generate(root_ / "b"));
  for (const char* file : {"sound.dxw", "music.dxw"}) {
    const auto first = FileBytes(root_ / "a" / file);
    ASSERT_FALSE(first.empty()) << file;
    EXPECT_TRUE(first == FileBytes(root_ / "b" / file)) << file << " differs between runs";
  }
}

TEST_F(AudioLibraries, EverySoundThePlayAsksForIsThereWithItsLoopFlag) {
  ASSERT_EQ(sounds_->Count(), static_cast<int>(std::size(kSounds)));
  ASSERT_EQ(music_->Count(), static_cast<int>(std::size(kMusic)));
  const auto items = Items();
  auto check = [&items](const Expected& e) {
    const auto found = items.find(e.name);
    ASSERT_NE(found, items.end()) << e.name;
    const TWaveCollectionItem& item = *found->second;
    EXPECT_EQ(item.Looped(), e.looped) << e.name;
    // One-shots are capped so a burst of calls cannot pile up; a loop plays once at most anyway.
    if (!e.looped) {
      EXPECT_GE(item.MaxPlayingCount(), 1) << e.name;
      EXPECT_LE(item.MaxPlayingCount(), 4) << e.name;
    }
    const double seconds = Seconds(item.Wave());
    EXPECT_GE(seconds, e.minSeconds) << e.name;
    EXPECT_LE(seconds, e.maxSeconds) << e.name;
  };
  for (const Expected& e : kSounds) check(e);
  for (const Expected& e : kMusic) check(e);
}

TEST_F(AudioLibraries, WavesAre16BitPcmOfOneShape) {
  for (const auto& [name, item] : Items()) {
    const TWave& wave = item->Wave();
    EXPECT_EQ(wave.FormatTag(), 1) << name;
    EXPECT_EQ(wave.BitsPerSample(), 16) << name;
    EXPECT_EQ(wave.SamplesPerSecond(), 22050u) << name;
    EXPECT_EQ(wave.Channels(), name == "music" ? 2 : 1) << name;
    EXPECT_EQ(wave.BlockAlign(), wave.Channels() * 2) << name;
    EXPECT_EQ(wave.AvgBytesPerSecond(), wave.SamplesPerSecond() * wave.BlockAlign()) << name;
    EXPECT_EQ(wave.Data.size() % wave.BlockAlign(), 0u) << name;
  }
}

TEST_F(AudioLibraries, LevelsAreCleanAndBelowFullScale) {
  for (const auto& [name, item] : Items()) {
    for (int c = 0; c < item->Wave().Channels(); ++c) {
      const std::vector<int> s = Channel(item->Wave(), c);
      ASSERT_FALSE(s.empty()) << name;
      int peak = 0;
      double sum = 0;
      for (int v : s) {
        peak = std::max(peak, std::abs(v));
        sum += v;
      }
      EXPECT_LT(peak, 32767) << name << " clips";
      EXPECT_GT(peak, 6000) << name << " is nearly silent";
      EXPECT_LT(std::fabs(sum / static_cast<double>(s.size())), 40.0) << name << " has a DC offset";
    }
  }
}

TEST_F(AudioLibraries, OneShotsFadeInAndOutOfSilence) {
  for (const auto& [name, item] : Items()) {
    if (item->Looped()) continue;
    const std::vector<int> s = Channel(item->Wave(), 0);
    EXPECT_LT(std::abs(s.front()), 64) << name << " starts with a click";
    EXPECT_LT(std::abs(s.back()), 64) << name << " ends with a click";
  }
}

TEST_F(AudioLibraries, LoopsRunOnAcrossTheirSeam) {
  for (const auto& [name, item] : Items()) {
    if (!item->Looped()) continue;
    for (int c = 0; c < item->Wave().Channels(); ++c) {
      const std::vector<int> s = Channel(item->Wave(), c);
      // The step from the last sample to the first is no bigger than the steps inside the loop.
      std::vector<int> steps;
      for (size_t i = 1; i < s.size(); ++i) steps.push_back(std::abs(s[i] - s[i - 1]));
      std::sort(steps.begin(), steps.end());
      const int usual = steps[steps.size() * 999 / 1000];
      EXPECT_LE(std::abs(s.front() - s.back()), std::max(256, usual)) << name << " clicks at its seam";
      // Nor does the level jump: the last and first quarter second are of a kind.
      const size_t window = item->Wave().SamplesPerSecond() / 4;
      const double end = Rms(s, s.size() - window, window), start = Rms(s, 0, window);
      EXPECT_LT(std::max(end, start), 3.0 * std::min(end, start) + 50.0)
          << name << " changes level at its seam";
    }
  }
}

TEST_F(AudioLibraries, TheLibrariesStaySmall) {
  const auto total = fs::file_size(root_ / "a" / "sound.dxw") + fs::file_size(root_ / "a" / "music.dxw");
  EXPECT_LT(total, 12u * 1024 * 1024);
}

// Play looks up the monster's sound by the lake's monster kind and the ambience by its tile library.
TEST_F(AudioLibraries, EveryGeneratedLakeFindsItsMonsterAndAmbience) {
  WORLD_NEEDS_DATA();
  for (const std::string& lake : world_test::LakeNames()) {
    const TIniFile ini(world_test::LakeFile(lake, ".ini"));
    const std::string kind = ini.ReadString("Lake Data", "MonsterKind", "Monster");
    const std::string library = ini.ReadString("Lake Data", "ImageLib", "canada.dxg");
    EXPECT_NO_THROW(sounds_->Find(kind)) << lake << ": " << kind;
    EXPECT_NO_THROW(music_->Find(library)) << lake << ": " << library;
  }
}

}  // namespace
