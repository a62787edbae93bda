// The kept fuzz seeds: every valid seed loads, and every prefix of it ends in a clean error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "media/bitmap_file.h"
#include "media/file_bytes.h"
#include "media/picture_collection.h"
#include "media/wave_collection.h"

namespace {

namespace fs = std::filesystem;

// Seeds whose names do not start with "bad_" are valid files.
std::vector<std::vector<uint8_t>> ValidSeeds(const std::string& corpus) {
  std::vector<std::vector<uint8_t>> seeds;
  for (const auto& entry : fs::directory_iterator(fs::path(TH_SOURCE_DIR) / "fuzz/corpus" / corpus)) {
    if (entry.path().filename().string().rfind("bad_", 0) != 0) {
      seeds.push_back(ReadFileBytes(entry.path().string()));
    }
  }
  return seeds;
}

template <class Load>
void SweepPrefixes(const std::string& corpus, Load load) {
  const auto seeds = ValidSeeds(corpus);
  ASSERT_GE(seeds.size(), 3u);
  for (size_t s = 0; s < seeds.size(); ++s) {
    const std::vector<uint8_t>& seed = seeds[s];
    EXPECT_NO_THROW(load(seed.data(), seed.size())) << corpus << " seed " << s;
    for (size_t length = 0; length < seed.size(); ++length) {
      EXPECT_THROW(load(seed.data(), length), Exception) << corpus << " seed " << s << " cut at " << length;
    }
  }
}

TEST(LibrarySeeds, EveryImageLibraryPrefixFails) {
  SweepPrefixes("image_library", [](const uint8_t* data, size_t size) {
    TPictureCollection images;
    images.ReadFromStream(data, size);
  });
}

TEST(LibrarySeeds, EverySoundLibraryPrefixFails) {
  SweepPrefixes("sound_library", [](const uint8_t* data, size_t size) {
    TWaveCollection waves;
    waves.ReadFromStream(data, size);
  });
}

TEST(LibrarySeeds, EveryBitmapPrefixFails) {
  SweepPrefixes("bitmap", [](const uint8_t* data, size_t size) { ReadBitmap(TByteReader(data, size)); });
}

}  // namespace
