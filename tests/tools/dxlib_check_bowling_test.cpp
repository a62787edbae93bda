// dxlib check bowling end to end over small program folders built here: a complete folder passes
// with one summary line; each kind of fault is reported in words and gives exit status 1. Also
// dxlib sheet on the bowling program's largest pattern sheets and on long LED shows.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "media/dib_writer.h"
#include "media/file_bytes.h"
#include "media/library_writer.h"
#include "stb/stb_image.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include "stb/stb_easy_font.h"
#pragma GCC diagnostic pop

namespace {

namespace fs = std::filesystem;

using TPictures = std::vector<TPictureItemData>;

// An item of `patterns` patterns of w x h side by side, in one colour.
TPictureItemData Picture(const std::string& name, int patterns, int w = 2, int h = 2, uint32_t color = 0x808080) {
  TPictureItemData item;
  item.Name = name;
  item.PatternWidth = w;
  item.PatternHeight = h;
  item.Picture = {w * patterns, h, std::vector<uint32_t>(static_cast<size_t>(w) * patterns * h, color)};
  return item;
}

// A short mono PCM wave of 11025 Hz with `bits` per sample.
TWave Wave(int bits = 8) {
  const int rate = 11025, align = bits / 8;
  TWave wave;
  const auto put = [&](int value, int bytes) {
    for (int i = 0; i < bytes; ++i) wave.Format.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  put(1, 2);  // PCM
  put(1, 2);  // channels
  put(rate, 4);
  put(rate * align, 4);
  put(align, 2);
  put(bits, 2);
  wave.Data.assign(static_cast<size_t>(12 * align), 0x80);
  return wave;
}

TWaveItemData Sound(const std::string& name, bool looped = false) { return {name, looped, 0, Wave()}; }

void Remove(TPictures& items, const std::string& name) {
  std::erase_if(items, [&](const TPictureItemData& item) { return item.Name == name; });
}

void Put(TPictures& items, TPictureItemData item) {
  Remove(items, item.Name);
  items.push_back(std::move(item));
}

TPictures Graphics() {
  TPictures items = {Picture("logo", 1, 640, 480), Picture("help", 1, 640, 480), Picture("led", 2, 6, 6)};
  for (const char* name : {"ledholder", "helpbutton", "mouse", "think", "display", "lite", "player1", "player2"}) {
    items.push_back(Picture(name, 1));
  }
  items.push_back(Picture("power", 128));
  items.push_back(Picture("scoretrans", 10));
  items.push_back(Picture("numbers", 11));
  items.push_back(Picture("bigfont", 67));
  return items;
}

TPictures BowlerPictures() {
  return {Picture("char", 64),  Picture("charshadow", 1), Picture("ball", 48), Picture("ballshadow", 1),
          Picture("strike", 20), Picture("gutter", 20),   Picture("info", 1, 1, 1)};
}

TPictures AlleyPictures() {
  return {Picture("alley", 1, 640, 480), Picture("pin", 192), Picture("pinshadow", 192), Picture("under", 1),
          Picture("over", 1)};
}

// Frames of 81 x 30, the last one lit.
TPictures Frames(int count) {
  TPictures frames;
  for (int i = 0; i < count; ++i) frames.push_back(Picture("f", 1, 81, 30, i + 1 == count ? 0xFFFFFF : 0));
  return frames;
}

const char* const kShows[] = {"intro",  "credits", "gameover", "wingame", "winall",  "strike1", "strike2",
                              "strike3", "spare1", "spare2",   "spare3",  "gutter1", "gutter2", "gutter3"};

class DxlibCheckBowling : public ::testing::Test {
 protected:
  void SetUp() override {
    tool_ = std::string(TH_BIN_DIR) + "/dxlib";
    if (!fs::exists(tool_)) GTEST_SKIP() << "dxlib is not built";
    // ctest runs each test in its own process, side by side: each gets its own folder.
    dir_ = fs::path(testing::TempDir()) /
           ("dxlib_check_bowling_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    WriteGoodFolder();
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A folder that has everything; the alley "tradtional" is written in lower case on purpose, and
  // hidden entries lie among the bowlers and alleys.
  void WriteGoodFolder() {
    fs::create_directories(dir_ / "bowling" / "leds");
    fs::create_directories(dir_ / "bowling" / "bowlers" / ".git");
    std::ofstream(Path("bowlers/.DS_Store")) << "x";
    WritePictureLibrary(Path("graphics.dxg"), Graphics());
    WriteWaveLibrary(Path("sound.dxw"),
                     {Sound("hit"), Sound("single"), Sound("drop"), Sound("roll", true), Sound("spare")});
    WriteWaveLibrary(Path("music.dxw"), {Sound("music", true)});
    for (const char* name : {"Vekt", "Marla"}) WriteBowler(name);
    for (const char* name : {"tradtional", "Neon", "KidsBumper"}) WriteAlley(name);
    for (const char* show : kShows) WritePictureLibrary(Path("leds/" + std::string(show) + ".led"), Frames(3));
  }

  void WriteBowler(const std::string& name, const TPictures& pictures = BowlerPictures()) {
    const std::string folder = "bowlers/" + name + "/";
    fs::create_directories(Path(folder));
    WritePictureLibrary(Path(folder + "anis.dxg"), pictures);
    WriteWaveLibrary(Path(folder + "speech.dxw"), {Sound("strike"), Sound("gutter")});
    WriteFileBytes(Path(folder + "pose.bmp"), EncodeBitmapFile(Picture("", 1, 100, 180).Picture));
  }

  void WriteAlley(const std::string& name, const TPictures& pictures = AlleyPictures()) {
    const std::string folder = "alleys/" + name + "/";
    fs::create_directories(Path(folder));
    WritePictureLibrary(Path(folder + "anis.dxg"), pictures);
    WriteWaveLibrary(Path(folder + "noise.dxw"), {Sound("noise", true)});
    WriteFileBytes(Path(folder + "postcard.bmp"), EncodeBitmapFile(Picture("", 1, 236, 178).Picture));
  }

  // A path inside the program folder.
  std::string Path(const std::string& relative) const { return (dir_ / "bowling" / relative).string(); }

  // Runs dxlib with the arguments; returns the exit code and keeps stdout in `out`.
  int Run(const std::string& args) {
    const std::string output = (dir_ / "out.txt").string();
    const int status = std::system(("'" + tool_ + "' " + args + " >'" + output + "' 2>&1").c_str());
    std::stringstream text;
    text << std::ifstream(output).rdbuf();
    out = text.str();
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  int Check() { return Run("check bowling '" + Path("") + "'"); }
  bool Says(const std::string& words) const { return out.find(words) != std::string::npos; }

  std::string tool_;
  fs::path dir_;
  std::string out;
};

TEST_F(DxlibCheckBowling, ACompleteFolderPassesWithOneSummaryLine) {
  ASSERT_EQ(Check(), 0) << out;
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
  EXPECT_TRUE(Says("everything the program needs is there (2 bowlers, 3 alleys of which 1 with bumpers, "
                   "14 LED shows checked)"))
      << out;
}

TEST_F(DxlibCheckBowling, ReportsMissingPicturesAndTooFewPatterns) {
  TPictures graphics = Graphics();
  Remove(graphics, "power");
  TPictureItemData font = Picture("bigfont", 1, 24, 28);
  font.PatternWidth = 0;  // glyphs as wide as the whole picture: one pattern
  Put(graphics, font);
  WritePictureLibrary(Path("graphics.dxg"), graphics);
  TPictures bowler = BowlerPictures();
  Put(bowler, Picture("ball", 47));
  Put(bowler, Picture("strike", 16));
  Remove(bowler, "info");
  WriteBowler("Vekt", bowler);
  TPictures alley = AlleyPictures();
  Put(alley, Picture("pin", 191));
  Put(alley, Picture("alley", 1, 320, 240));
  WriteAlley("Neon", alley);
  // Black is the colour key unless told otherwise: a dark pit drawn in black leaves holes.
  TPictures holes = AlleyPictures();
  for (int y = 60; y < 70; ++y) std::fill_n(holes[0].Picture.Pixels.begin() + y * 640 + 300, 10, 0x000000);
  WriteAlley("KidsBumper", holes);

  EXPECT_EQ(Check(), 1);
  EXPECT_TRUE(Says("graphics.dxg has no picture \"power\" (the meter")) << out;
  EXPECT_TRUE(Says("graphics.dxg: \"bigfont\" has 1 pattern, but the program asks for up to 41")) << out;
  EXPECT_TRUE(Says("graphics.dxg: \"bigfont\" has no pattern width set")) << out;
  EXPECT_TRUE(Says("bowlers/Vekt/anis.dxg: \"ball\" has 47 patterns, but the program asks for up to 48")) << out;
  EXPECT_TRUE(Says("bowlers/Vekt/anis.dxg: \"strike\" has 16 patterns, fewer than 17: the program plays it, but "
                   "no LED show can follow"))
      << out;
  EXPECT_TRUE(Says("bowlers/Vekt/anis.dxg has no picture \"info\"")) << out;
  EXPECT_TRUE(Says("alleys/Neon/anis.dxg: \"pin\" has 191 patterns, but the program asks for up to 192")) << out;
  EXPECT_TRUE(Says("alleys/Neon/anis.dxg: \"alley\" is 320 x 240; it must be 640 x 480")) << out;
  EXPECT_TRUE(Says("alleys/KidsBumper/anis.dxg: 100 pixels of \"alley\" match its colour key")) << out;
  EXPECT_TRUE(Says("\n9 problems found\n")) << out;
}

TEST_F(DxlibCheckBowling, ReportsMissingAndUnreadableFilesWithTheReadersWords) {
  fs::remove(Path("bowlers/Marla/speech.dxw"));
  fs::remove(Path("leds/credits.led"));
  std::ofstream(Path("alleys/Neon/anis.dxg")) << "TPF1";
  std::ofstream(Path("bowlers/Vekt/pose.bmp")) << "not a picture";
  std::ofstream(Path("bowlers/readme.txt")) << "the program would list this as a bowler";

  EXPECT_EQ(Check(), 1);
  EXPECT_TRUE(Says("bowlers/Marla/speech.dxw is missing.")) << out;
  EXPECT_TRUE(Says("leds/credits.led is missing.")) << out;
  EXPECT_TRUE(Says("alleys/Neon/anis.dxg cannot be read: Invalid stream format")) << out;
  EXPECT_TRUE(Says("bowlers/Vekt/pose.bmp cannot be read: DIB is invalid")) << out;
  EXPECT_TRUE(Says("bowlers/readme.txt is not a folder")) << out;
  EXPECT_TRUE(Says("\n5 problems found\n")) << out;
}

TEST_F(DxlibCheckBowling, ReportsSoundsThatAreMissingDoNotLoopOrCannotPlay) {
  TWaveItemData hit = Sound("hit");
  hit.Wave = {};
  WriteWaveLibrary(Path("sound.dxw"), {hit, Sound("single"), Sound("drop"), Sound("roll")});
  WriteWaveLibrary(Path("alleys/Neon/noise.dxw"), {Sound("noise")});
  TWaveItemData cheer = Sound("strike");
  cheer.Wave = Wave(24);
  WriteWaveLibrary(Path("bowlers/Marla/speech.dxw"), {cheer, Sound("gutter")});

  EXPECT_EQ(Check(), 1);
  EXPECT_TRUE(Says("sound.dxw: \"hit\" holds no sound")) << out;
  EXPECT_TRUE(Says("sound.dxw: \"roll\" must be looped")) << out;
  EXPECT_TRUE(Says("sound.dxw has no sound \"spare\" (a medium pin crash); the game goes on without it and says "
                   "so once on standard error.\n"))
      << out;
  EXPECT_TRUE(Says("alleys/Neon/noise.dxw: \"noise\" must be looped")) << out;
  EXPECT_TRUE(Says("bowlers/Marla/speech.dxw: \"strike\" cannot be played (format 1, 1 channel, 24 bits, "
                   "11025 Hz;"))
      << out;
  EXPECT_TRUE(Says("\n5 problems found\n")) << out;
}

TEST_F(DxlibCheckBowling, ReportsLedShowsWithoutFramesOrWithSmallFrames) {
  WritePictureLibrary(Path("leds/intro.led"), {});
  WritePictureLibrary(Path("leds/strike1.led"), Frames(1));
  TPictures small = Frames(4);
  small[2] = Picture("f", 1, 80, 30);
  small[3] = Picture("f", 1, 81, 29);
  WritePictureLibrary(Path("leds/gameover.led"), small);
  // Frame 0 of a show during play is never shown: its size does not matter.
  TPictures tinyFirst = Frames(3);
  tinyFirst[0] = Picture("f", 1, 1, 1);
  WritePictureLibrary(Path("leds/spare2.led"), tinyFirst);
  // A one-frame show is fine full screen, where frame 0 is shown.
  WritePictureLibrary(Path("leds/winall.led"), Frames(1));

  EXPECT_EQ(Check(), 1);
  EXPECT_TRUE(Says("leds/intro.led has no frames")) << out;
  EXPECT_TRUE(Says("leds/strike1.led has only frame 0, which a show during play never shows")) << out;
  EXPECT_TRUE(Says("leds/gameover.led: 2 frames are smaller than the sign's 81 x 30 lamps (the first is frame 2, "
                   "80 x 30)"))
      << out;
  EXPECT_TRUE(Says("\n3 problems found\n")) << out;
}

TEST_F(DxlibCheckBowling, SaysWhereTheTournamentPlaysWithFewAlleysWithoutBumpers) {
  // One alley without bumpers beside a bumper alley: the draw takes it for every game.
  fs::remove_all(Path("alleys/Neon"));
  EXPECT_EQ(Check(), 0) << out;
  EXPECT_TRUE(Says("Note: alleys/ has only one alley (\"tradtional\") without \"bumper\" in its name; the "
                   "tournament's draw passes over bumper alleys, so every tournament game is played on it."))
      << out;

  // Bumper alleys only: the draw takes any of them.
  fs::rename(Path("alleys/tradtional"), Path("alleys/BumperBowl"));
  Check();
  EXPECT_TRUE(Says("Note: every alley in alleys/ has \"bumper\" in its name; the tournament draws each game's "
                   "alley from all of them"))
      << out;

  // With one alley in all, every tournament game is played on it: allowed, and said.
  fs::remove_all(Path("alleys/KidsBumper"));
  Check();
  EXPECT_TRUE(Says("Note: there is one alley only")) << out;
}

TEST_F(DxlibCheckBowling, NotesReleaseOffsetsBeyondTheirLimit) {
  TPictures bowler = BowlerPictures();
  TPictureItemData info = Picture("info", 1, 1, 1);
  info.SkipWidth = 241;
  info.SkipHeight = -300;
  Put(bowler, info);
  WriteBowler("Marla", bowler);
  info.SkipWidth = -240;
  info.SkipHeight = 240;
  Put(bowler, info);
  WriteBowler("Vekt", bowler);
  EXPECT_EQ(Check(), 0) << out;
  EXPECT_TRUE(Says("Note: bowlers/Marla/anis.dxg: \"info\" has a release offset x (skip width) of 241; the game "
                   "takes offsets beyond -240..240 as the nearer limit, here 240.\n"))
      << out;
  EXPECT_TRUE(Says("Note: bowlers/Marla/anis.dxg: \"info\" has a release offset y (skip height) of -300; the "
                   "game takes offsets beyond -240..240 as the nearer limit, here -240.\n"))
      << out;
  EXPECT_FALSE(Says("bowlers/Vekt")) << "offsets of exactly 240 are used as they are: " << out;
}

TEST_F(DxlibCheckBowling, ReportsMissingDefaultsAndEmptyLists) {
  fs::rename(Path("bowlers/Vekt"), Path("bowlers/Tess"));
  fs::rename(Path("alleys/tradtional"), Path("alleys/Traditional"));
  EXPECT_EQ(Check(), 1);
  EXPECT_TRUE(Says("bowlers/ has no bowler named \"Vekt\" (letter case ignored), the program's default bowler: "
                   "without it the program starts on the first bowler listed (\"Marla\")"))
      << out;
  EXPECT_TRUE(Says("alleys/ has no alley named \"Tradtional\"")) << out;
  EXPECT_TRUE(Says("\n2 problems found\n")) << out;

  fs::remove_all(Path("bowlers"));
  fs::remove_all(Path("alleys"));
  fs::create_directories(Path("alleys/.git"));
  EXPECT_EQ(Check(), 1);
  EXPECT_TRUE(Says("bowlers/ is missing, so the program has no bowlers to offer.")) << out;
  EXPECT_TRUE(Says("alleys/ holds no folder, so the program has no alleys to offer.")) << out;
  EXPECT_TRUE(Says("\n2 problems found\n")) << out;
}

// A PNG as 0xRRGGBB pixels.
struct TPng {
  int w = 0, h = 0;
  std::vector<uint32_t> pixels;
  explicit TPng(const std::string& path) {
    int channels = 0;
    unsigned char* png = stbi_load(path.c_str(), &w, &h, &channels, 3);
    for (int i = 0; png && i < w * h; ++i) pixels.push_back((png[3 * i] << 16) | (png[3 * i + 1] << 8) | png[3 * i + 2]);
    stbi_image_free(png);
  }
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }
  int Count(uint32_t rgb) const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), rgb)); }
};

// The pixels stb's label font covers when it writes text.
int InkOf(const std::string& text) {
  std::vector<char> buffer(1 << 16);
  std::string copy = text;
  const int quads = stb_easy_font_print(0, 0, copy.data(), nullptr, buffer.data(), static_cast<int>(buffer.size()));
  std::set<std::pair<int, int>> ink;
  const float* v = reinterpret_cast<const float*>(buffer.data());
  for (int q = 0; q < quads; ++q) {
    const float* quad = v + q * 16;
    for (int y = static_cast<int>(quad[1]); y < static_cast<int>(quad[9]); ++y) {
      for (int x = static_cast<int>(quad[0]); x < static_cast<int>(quad[8]); ++x) ink.insert({x, y});
    }
  }
  return static_cast<int>(ink.size());
}

TEST_F(DxlibCheckBowling, SheetDrawsEveryPinPatternWithWholeIndexLabels) {
  TPictureItemData pins = Picture("pin", 192, 14, 30, 0xE01010);
  for (int y = 0; y < 30; ++y) {
    for (int x = 8 * 14; x < 9 * 14; ++x) pins.Picture.Pixels[static_cast<size_t>(y) * pins.Picture.Width + x] = 0x10E010;
  }
  WritePictureLibrary(Path("pins.dxg"), {pins});
  ASSERT_EQ(Run("sheet '" + Path("pins.dxg") + "' '" + Path("pins.png") + "'"), 0) << out;
  const TPng sheet(Path("pins.png"));
  EXPECT_EQ(sheet.Count(0xE01010), 191 * 14 * 30);
  ASSERT_EQ(sheet.Count(0x10E010), 14 * 30);

  // Pattern 8's label, just under it, has every stroke of the "8".
  const auto at = std::find(sheet.pixels.begin(), sheet.pixels.end(), 0x10E010) - sheet.pixels.begin();
  const int left = static_cast<int>(at % sheet.w), below = static_cast<int>(at / sheet.w) + 30;
  const uint32_t background = sheet.At(left + 20, below + 11);
  int ink = 0;
  for (int y = below; y < below + 12; ++y) {
    for (int x = left; x < left + 20; ++x) ink += sheet.At(x, y) != background;
  }
  EXPECT_EQ(ink, InkOf("8"));
}

TEST_F(DxlibCheckBowling, SheetLaysOutLongLedShowsCompactly) {
  // 1500 frames took a heading and a row each, which made a sheet too large to write.
  TPictures frames = Frames(1500);
  for (TPictureItemData& frame : frames) {
    frame.Transparent = false;
    std::fill(frame.Picture.Pixels.begin(), frame.Picture.Pixels.end(), 0xFFFFFF);
  }
  WritePictureLibrary(Path("show.led"), frames);
  ASSERT_EQ(Run("sheet '" + Path("show.led") + "' '" + Path("show.png") + "'"), 0) << out;
  const TPng sheet(Path("show.png"));
  EXPECT_EQ(sheet.Count(0xFFFFFF), 1500 * 81 * 30);
  EXPECT_LT(static_cast<int64_t>(sheet.w) * sheet.h, 1500 * 81 * 30 * 3);
}

}  // namespace
