#include "data_fixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "media/dib_writer.h"
#include "media/library_writer.h"
#include "tests/support/test_pictures.h"

namespace bowling_test {

namespace {

namespace fs = std::filesystem;

TWaveItemData Click(const std::string& name, bool looped = false) {
  TWaveItemData item;
  item.Name = name;
  item.Looped = looped;
  // 8-bit mono PCM at 22050 Hz: tag 1, 1 channel, rate, bytes per second, block 1, 8 bits.
  item.Wave.Format = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x22, 0x56, 0, 0, 1, 0, 8, 0};
  item.Wave.Data.assign(2205, 128);
  for (size_t i = 0; i < 40; ++i) item.Wave.Data[i] = static_cast<uint8_t>(i % 2 ? 200 : 56);
  return item;
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<TPictureItemData> Graphics() {
  std::vector<TPictureItemData> items{
      Single("logo", 640, 480, kLogoColour),
      Single("ledholder", 640, 212, 0x303030),
      Strip("led", 6, 6, 2, kLampDark),
      Single("help", 640, 480, kHelpColour),
      Single("helpbutton", 43, 41, 0x808080),
      Single("mouse", 8, 8, 0xFFFFFF),
      Single("think", 32, 32, 0xFF00FF),
      Single("display", 140, 140, 0x202020),
      Single("lite", 10, 10, 0xFFFF00),
      Strip("power", 20, 20, 128, 0x00A000),
      Strip("scoretrans", 63, 62, 10, 0xE0E0E0),
      Strip("numbers", 10, 14, 11, 0x000080),
      Strip("bigfont", 24, 28, 67, 0xFF8000),
  };
  // The lit lamp is pattern 1.
  for (int y = 0; y < 6; ++y) {
    for (int x = 6; x < 12; ++x) items[2].Picture.Pixels[static_cast<size_t>(y) * 12 + x] = kLampLit;
  }
  for (int n = 1; n <= 4; ++n) items.push_back(Single("player" + std::to_string(n), 64, 18, 0x800000 + n));
  return items;
}

std::vector<TPictureItemData> BowlerImages(const TFixture& fixture) {
  TPictureItemData info = Single("info", 1, 1, 0);
  info.SkipWidth = fixture.releaseOffsetX;
  info.SkipHeight = fixture.releaseOffsetY;
  info.PatternWidth = 6;
  info.PatternHeight = 4;
  // The skips make a 1 x 1 picture hold no pattern: it is never drawn.
  info.Picture = Solid(1, 1, 0x010101);
  return {Strip("char", 60, 100, 64, kBowlerColour),    Single("charshadow", 60, 40, 0x101010),
          Strip("ball", 28, 28, 48, kBallColour),        Single("ballshadow", 28, 28, 0x101010),
          Strip("strike", 60, 100, fixture.reactionPatterns, 0x40C040),
          Strip("gutter", 60, 100, fixture.reactionPatterns, 0xC04040), info};
}

std::vector<TPictureItemData> AlleyImages(const TFixture& fixture) {
  TPictureItemData over = Single("over", 178, 60, kOverColour);
  over.SkipHeight = fixture.overSkipHeight;
  return {Single("alley", 640, 480, kAlleyColour), Strip("pin", 12, 30, 192, kPinColour),
          Strip("pinshadow", 12, 30, 192, 0x101010), Single("under", 178, 20, 0x806040), over};
}

// Frame i lights lamp column i (and frame 0 lights nothing). Frames are named after their show
// ("intro-0", ...), which the program ignores but tests read.
std::vector<TPictureItemData> Show(const std::string& name, int frames) {
  std::vector<TPictureItemData> items;
  for (int i = 0; i < frames; ++i) {
    TPictureItemData frame = Single(name + "-" + std::to_string(i), 81, 30, 0);
    frame.Transparent = false;
    for (int y = 0; y < 30 && i > 0; ++y) frame.Picture.Pixels[static_cast<size_t>(y) * 81 + i] = 0xFFFFFF;
    items.push_back(std::move(frame));
  }
  return items;
}

}  // namespace

std::string FreshFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("bowling_test_" + std::to_string(getpid())) / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder.string() + "/";
}

void WriteProgramFolder(const std::string& folder, const TFixture& fixture) {
  const fs::path root(folder);
  WritePictureLibrary((root / "graphics.dxg").string(), Graphics());
  WriteWaveLibrary((root / "sound.dxw").string(),
                   {Click("hit"), Click("single"), Click("drop"), Click("roll", true), Click("spare")});
  WriteWaveLibrary((root / "music.dxw").string(), {Click("music", true)});
  for (const std::string& name : fixture.bowlers) {
    const fs::path dir = root / "bowlers" / name;
    fs::create_directories(dir);
    WritePictureLibrary((dir / "anis.dxg").string(), BowlerImages(fixture));
    WriteWaveLibrary((dir / "speech.dxw").string(), {Click("strike"), Click("gutter")});
    WriteFile(dir / "pose.bmp", EncodeBitmapFile(Solid(100, 180, 0x8080FF)));
  }
  for (const std::string& name : fixture.alleys) {
    const fs::path dir = root / "alleys" / name;
    fs::create_directories(dir);
    WritePictureLibrary((dir / "anis.dxg").string(), AlleyImages(fixture));
    WriteWaveLibrary((dir / "noise.dxw").string(), {Click("noise", true)});
    WriteFile(dir / "postcard.bmp", EncodeBitmapFile(Solid(236, 178, 0xFF8080)));
  }
  fs::create_directories(root / "leds");
  for (const char* show : {"intro", "credits", "gameover", "wingame", "winall", "strike1", "strike2", "strike3",
                           "spare1", "spare2", "spare3", "gutter1", "gutter2", "gutter3"}) {
    WritePictureLibrary((root / "leds" / (std::string(show) + ".led")).string(), Show(show, fixture.ledFrames));
  }
}

}  // namespace bowling_test
