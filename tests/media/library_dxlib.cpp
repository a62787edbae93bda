// The dxlib tool end to end: pack from a manifest, list, find, extract, and its exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "media/dib_writer.h"
#include "media/file_bytes.h"
#include "media/picture_collection.h"
#include "media/riff_wave.h"
#include "media/wave_collection.h"

namespace {

namespace fs = std::filesystem;

class LibraryDxlib : public ::testing::Test {
 protected:
  void SetUp() override {
    tool_ = std::string(TH_BIN_DIR) + "/dxlib";
    if (!fs::exists(tool_)) GTEST_SKIP() << "dxlib is not built";
    // ctest runs each test in its own process, side by side: each gets its own folder.
    dir_ = fs::path(testing::TempDir()) /
           ("library_dxlib_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void WriteText(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name)) << text;
  }
  static std::string ReadText(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
  }
  // Runs dxlib with the arguments; returns the exit code and keeps stdout and stderr.
  int Run(const std::string& args) {
    const std::string command = "'" + tool_ + "' " + args + " >'" + Path("out.txt") + "' 2>'" +
                                Path("err.txt") + "'";
    const int status = std::system(command.c_str());
    out = ReadText(Path("out.txt"));
    err = ReadText(Path("err.txt"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string tool_;
  fs::path dir_;
  std::string out;
  std::string err;
};

TEST_F(LibraryDxlib, PacksListsFindsAndExtracts) {
  const TPicture fish{4, 2, {0xFF00FF, 0x010203, 0x040506, 0xFF00FF, 0x090909, 0x0A141E, 0xFFFFFF, 0}};
  WriteFileBytes(Path("fish.bmp"), EncodeBitmapFile(fish));
  TWave splash;
  splash.Format = {1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0};
  splash.Data = {1, 2, 3, 4, 5};
  WriteFileBytes(Path("splash.wav"), EncodeRiffWave(splash));
  WriteText("images.txt",
            "# pictures\nkind = image\n[item]\nname = Fish\nsource = fish.bmp\npatternWidth = 2\n"
            "transparentColor = clFuchsia\n[item]\nNAME = fish\nTransparent = false\n");
  WriteText("sounds.txt", "kind = sound\n[item]\nname = splash\nsource = splash.wav\nlooped = 1\n"
                          "maxPlayingCount = 2\n");
  ASSERT_EQ(Run("pack '" + Path("images.txt") + "' '" + Path("images.dxg") + "'"), 0) << err;
  ASSERT_EQ(Run("pack '" + Path("sounds.txt") + "' '" + Path("sounds.dxw") + "'"), 0) << err;

  ASSERT_EQ(Run("list '" + Path("images.dxg") + "'"), 0) << err;
  EXPECT_NE(out.find("{\"index\": 0, \"name\": \"Fish\", \"width\": 4, \"height\": 2, \"patternWidth\": 2, "
                     "\"patternHeight\": 0, \"skipWidth\": 0, \"skipHeight\": 0, \"patternTotal\": 2, "
                     "\"transparent\": true, \"transparentColor\": 16711935, \"systemMemory\": false}"),
            std::string::npos)
      << out;
  ASSERT_EQ(Run("list '" + Path("sounds.dxw") + "'"), 0) << err;
  EXPECT_NE(out.find("\"looped\": true, \"maxPlayingCount\": 2, \"formatTag\": 1, \"channels\": 1, "
                     "\"samplesPerSecond\": 11025, \"bitsPerSample\": 8, \"dataBytes\": 5}"),
            std::string::npos)
      << out;

  ASSERT_EQ(Run("find '" + Path("images.dxg") + "' FISH"), 0) << err;
  EXPECT_EQ(out, "1\n");  // the later of the two items named fish

  // The extracted PNG packs back into the same picture; the extracted wave is the source file.
  ASSERT_EQ(Run("extract '" + Path("images.dxg") + "' 0 '" + Path("fish.png") + "'"), 0) << err;
  WriteText("again.txt", "kind = image\n[item]\nsource = fish.png\n");
  ASSERT_EQ(Run("pack '" + Path("again.txt") + "' '" + Path("again.dxg") + "'"), 0) << err;
  TPictureCollection again;
  again.ReadFromFile(Path("again.dxg"));
  EXPECT_EQ(again.Items(0).Picture(), fish);
  ASSERT_EQ(Run("extract '" + Path("sounds.dxw") + "' 0 '" + Path("out.wav") + "'"), 0) << err;
  EXPECT_EQ(ReadFileBytes(Path("out.wav")), ReadFileBytes(Path("splash.wav")));
}

TEST_F(LibraryDxlib, ReadErrorsExitOneAndUsageErrorsTwo) {
  EXPECT_EQ(Run("list '" + Path("missing.dxg") + "'"), 1);
  EXPECT_EQ(err, "Cannot open file " + Path("missing.dxg") + "\n");
  WriteText("bad.dxg", "TPF1");
  EXPECT_EQ(Run("list '" + Path("bad.dxg") + "'"), 1);
  EXPECT_EQ(err, "Invalid stream format\n");
  WriteText("empty.txt", "kind = image\n");
  ASSERT_EQ(Run("pack '" + Path("empty.txt") + "' '" + Path("empty.dxg") + "'"), 0) << err;
  EXPECT_EQ(Run("find '" + Path("empty.dxg") + "' boat"), 1);
  EXPECT_EQ(err, "Image 'boat' not found\n");
  EXPECT_EQ(Run("extract '" + Path("empty.dxg") + "' 0 '" + Path("x.png") + "'"), 1);
  EXPECT_EQ(err, "List index out of bounds (0)\n");
  WriteText("typo.txt", "kind = image\n[item]\npaternWidth = 3\n");
  EXPECT_EQ(Run("pack '" + Path("typo.txt") + "' '" + Path("typo.dxg") + "'"), 1);
  EXPECT_EQ(err, Path("typo.txt") + ":3: unknown image setting 'paternwidth'\n");

  EXPECT_EQ(Run(""), 2);
  EXPECT_EQ(Run("list"), 2);
  EXPECT_EQ(Run("frobnicate x"), 2);
  EXPECT_EQ(Run("extract a b c"), 2);
  EXPECT_EQ(Run("--help"), 0);
  EXPECT_NE(out.find("kind = image"), std::string::npos);
}

}  // namespace
