// The generator end to end: it writes graphics.dxg, the fourteen shows and the backdrop's source,
// the same bytes on every run, within its share of the data folder's size, and refuses wrong
// arguments and folders it cannot make.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/assetgen/bowling_art/graphics.h"
#include "tools/assetgen/bowling_art/led_shows.h"

namespace {

namespace fs = std::filesystem;

fs::path Generator() { return fs::path(TH_BIN_DIR) / ".." / "tools" / "assetgen_bowling_art"; }

// A path in double quotes, for a shell command line.
std::string Quoted(const fs::path& path) {
  std::string quoted = "\"";
  quoted += path.string();
  quoted += '"';
  return quoted;
}

std::vector<uint8_t> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class BowlingArtGenerator : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = fs::temp_directory_path() / ("bowling_art_test_" + std::to_string(getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
    generated_ = Run(Quoted(root_ / "a") + " " + Quoted(root_ / "a.cpp")) == 0;
  }
  static void TearDownTestSuite() { fs::remove_all(root_); }
  void SetUp() override { ASSERT_TRUE(generated_) << "assetgen_bowling_art failed to run"; }

  // Runs the generator with the arguments; its exit status.
  static int Run(const std::string& args) {
    const std::string command = Quoted(Generator()) + " " + args + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static std::vector<std::string> Files() {
    std::vector<std::string> files = {"graphics.dxg"};
    for (const std::string& name : bowling_art::LedShowNames()) files.push_back("leds/" + name + ".led");
    return files;
  }

  static inline fs::path root_;
  static inline bool generated_ = false;
};

TEST_F(BowlingArtGenerator, TwoRunsWriteTheSameBytes) {
  ASSERT_EQ(Run(Quoted(root_ / "b") + " " + Quoted(root_ / "b.cpp")), 0);
  for (const std::string& file : Files()) {
    const auto first = FileBytes(root_ / "a" / file);
    ASSERT_FALSE(first.empty()) << file;
    EXPECT_TRUE(first == FileBytes(root_ / "b" / file)) << file << " differs between runs";
  }
  const auto source = FileBytes(root_ / "a.cpp");
  ASSERT_FALSE(source.empty());
  EXPECT_TRUE(source == FileBytes(root_ / "b.cpp")) << "the backdrop's source differs between runs";
}

TEST_F(BowlingArtGenerator, WritesEveryFileWithinItsShareOfTheDataFolder) {
  uintmax_t total = 0;
  for (const std::string& file : Files()) {
    ASSERT_TRUE(fs::is_regular_file(root_ / "a" / file)) << file;
    total += fs::file_size(root_ / "a" / file);
  }
  // The whole bowling folder must stay under 40 MB; the screen furniture and shows take little.
  EXPECT_LT(total, 8u << 20);
  std::ifstream in(root_ / "a.cpp");
  const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_NE(source.find("#include \"bowling/form_pictures.h\""), std::string::npos);
  EXPECT_NE(source.find("const size_t kBowlingFormPicturesSize = sizeof(kBowlingFormPictures) - 1;"),
            std::string::npos);
}

TEST_F(BowlingArtGenerator, RefusesWrongArgumentsAndFoldersItCannotMake) {
  EXPECT_EQ(Run(""), 2);
  EXPECT_EQ(Run("a b c"), 2);
  // A plain file where the output folder should be.
  const fs::path blocker = root_ / "blocker";
  std::ofstream(blocker) << "x";
  EXPECT_EQ(Run(Quoted(blocker / "out")), 1);
  EXPECT_FALSE(fs::exists(blocker / "out"));
}

TEST(BowlingArtSource, EmbeddedSourceCarriesEveryByte) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 300; ++i) bytes.push_back(static_cast<uint8_t>(i * 7));
  bytes.push_back('1');  // a digit right after an escape must not join it
  const std::string source = bowling_art::BowlingFormPicturesSource(bytes);
  // Decode the string literals again.
  std::vector<uint8_t> back;
  const size_t start = source.find("kBowlingFormPictures[] =");
  ASSERT_NE(start, std::string::npos);
  const size_t end = source.find(';', start);
  for (size_t i = source.find("\\", start); i < end; i = source.find("\\", i + 4)) {
    back.push_back(static_cast<uint8_t>(std::stoi(source.substr(i + 1, 3), nullptr, 8)));
  }
  EXPECT_EQ(back, bytes);
}

}  // namespace
