// dxlib sheet end to end: a small library becomes one PNG with every pattern on it, keyed pixels
// shown as a checkerboard; sound libraries, missing files and wrong arguments are refused.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "media/library_writer.h"
#include "stb/stb_image.h"

namespace {

namespace fs = std::filesystem;

class SpritesSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    tool_ = std::string(TH_BIN_DIR) + "/dxlib";
    if (!fs::exists(tool_)) GTEST_SKIP() << "dxlib is not built";
    // ctest runs each test in its own process, side by side: each gets its own folder.
    dir_ = fs::path(testing::TempDir()) /
           ("sprites_sheet_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  int Run(const std::string& args) const {
    const std::string command = "'" + tool_ + "' " + args + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string tool_;
  fs::path dir_;
};

TPictureItemData Item(const std::string& name, int patterns, uint32_t color) {
  TPictureItemData item;
  item.Name = name;
  item.PatternWidth = 10;
  item.PatternHeight = 10;
  item.Picture.Width = 10 * patterns;
  item.Picture.Height = 10;
  item.Picture.Pixels.assign(static_cast<size_t>(item.Picture.Width) * 10, color);
  // The left half of every pattern is the key colour.
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < item.Picture.Width; ++x) {
      if (x % 10 < 5) item.Picture.Pixels[static_cast<size_t>(y) * item.Picture.Width + x] = 0;
    }
  }
  return item;
}

TEST_F(SpritesSheet, DrawsEveryPatternAndShowsKeyedPixelsAsACheckerboard) {
  WritePictureLibrary(Path("lib.dxg"), {Item("red", 3, 0xE01010), Item("blue", 2, 0x1010E0)});
  ASSERT_EQ(Run("sheet '" + Path("lib.dxg") + "' '" + Path("sheet.png") + "'"), 0);
  int w = 0, h = 0, channels = 0;
  unsigned char* png = stbi_load(Path("sheet.png").c_str(), &w, &h, &channels, 3);
  ASSERT_NE(png, nullptr);
  int red = 0, blue = 0, black = 0;
  for (int i = 0; i < w * h; ++i) {
    const unsigned char* p = png + 3 * i;
    red += p[0] == 0xE0 && p[1] == 0x10 && p[2] == 0x10;
    blue += p[0] == 0x10 && p[1] == 0x10 && p[2] == 0xE0;
    black += p[0] == 0 && p[1] == 0 && p[2] == 0;
  }
  stbi_image_free(png);
  EXPECT_EQ(red, 3 * 50);   // the right halves of three patterns
  EXPECT_EQ(blue, 2 * 50);
  EXPECT_EQ(black, 0);      // keyed pixels are not drawn as black
  EXPECT_GE(w, 1024);
}

TEST_F(SpritesSheet, RefusesSoundLibrariesMissingFilesAndWrongArguments) {
  TWaveItemData sound;
  sound.Name = "cast";
  WriteWaveLibrary(Path("sound.dxw"), {sound});
  EXPECT_EQ(Run("sheet '" + Path("sound.dxw") + "' '" + Path("out.png") + "'"), 1);
  EXPECT_EQ(Run("sheet '" + Path("missing.dxg") + "' '" + Path("out.png") + "'"), 1);
  EXPECT_EQ(Run("sheet '" + Path("missing.dxg") + "'"), 2);
  EXPECT_FALSE(fs::exists(Path("out.png")));
}

}  // namespace
