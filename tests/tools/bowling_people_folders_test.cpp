// The generator end to end: it runs twice into fresh folders and writes the same bytes both times;
// every bowler and alley folder gets its library and its picture, which the program's own readers
// accept; the folders stay small.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/bitmap_file.h"
#include "media/picture_collection.h"

namespace {

namespace fs = std::filesystem;

const char* const kBowlers[] = {"Vekt", "Marla", "Oskar", "Tess"};
const char* const kAlleys[] = {"Tradtional", "Neon", "Sunset", "KidsBumper"};

fs::path Generator() { return fs::path(TH_BIN_DIR) / ".." / "tools" / "assetgen_bowling_people"; }

bool Generate(const fs::path& folder) {
  std::string command = "'";
  command.append(Generator().string()).append("' '").append(folder.string()).append("' 2>/dev/null");
  return std::system(command.c_str()) == 0;
}

std::vector<uint8_t> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file the generator writes, relative to the program folder.
std::vector<fs::path> Outputs() {
  std::vector<fs::path> files;
  for (const char* b : kBowlers) {
    files.push_back(fs::path("bowlers") / b / "anis.dxg");
    files.push_back(fs::path("bowlers") / b / "pose.bmp");
  }
  for (const char* a : kAlleys) {
    files.push_back(fs::path("alleys") / a / "anis.dxg");
    files.push_back(fs::path("alleys") / a / "postcard.bmp");
  }
  return files;
}

class BowlingPeopleFolders : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("bowling_people_test_" + std::to_string(getpid()));
    fs::remove_all(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
};

TEST_F(BowlingPeopleFolders, EveryFolderGetsItsFilesTheSameOnEveryRun) {
  ASSERT_TRUE(Generate(root_ / "a")) << "assetgen_bowling_people failed";
  uintmax_t total = 0;
  for (const fs::path& file : Outputs()) {
    const fs::path path = root_ / "a" / file;
    ASSERT_TRUE(fs::exists(path)) << file;
    total += fs::file_size(path);
    if (file.extension() == ".dxg") {
      TPictureCollection library;
      EXPECT_NO_THROW(library.ReadFromFile(path.string())) << file;
      EXPECT_GT(library.Count(), 0) << file;
    }
  }
  for (const char* b : kBowlers) {
    const TPicture pose = ReadBitmapFile((root_ / "a" / "bowlers" / b / "pose.bmp").string());
    EXPECT_EQ(pose.Width, 100) << b;
    EXPECT_EQ(pose.Height, 180) << b;
  }
  for (const char* a : kAlleys) {
    const TPicture postcard = ReadBitmapFile((root_ / "a" / "alleys" / a / "postcard.bmp").string());
    EXPECT_NEAR(postcard.Width, 236, 12) << a;
    EXPECT_NEAR(postcard.Height, 178, 12) << a;
  }
  // The sounds beside them come from another generator: this one leaves them alone.
  EXPECT_FALSE(fs::exists(root_ / "a" / "bowlers" / "Vekt" / "speech.dxw"));
  EXPECT_FALSE(fs::exists(root_ / "a" / "alleys" / "Neon" / "noise.dxw"));
  // The whole bowling folder must stay under 40 MB; these pictures take a small part of it.
  EXPECT_LT(total, 25u << 20);

  ASSERT_TRUE(Generate(root_ / "b"));
  for (const fs::path& file : Outputs()) {
    EXPECT_TRUE(FileBytes(root_ / "a" / file) == FileBytes(root_ / "b" / file)) << file << " differs between runs";
  }
}

TEST_F(BowlingPeopleFolders, AFolderThatCannotBeWrittenIsReported) {
  // A file where the program folder should be: the generator says so and fails.
  fs::create_directories(root_);
  std::ofstream(root_ / "blocked") << "x";
  EXPECT_FALSE(Generate(root_ / "blocked"));
}

}  // namespace
