#include "play_rig.h"

#include <atomic>
#include <unistd.h>

#include "media/ini_file.h"
#include "media/library_writer.h"
#include "media/surface.h"
#include "tests/support/test_pictures.h"
#include "tests/support/sounding.h"

namespace play_test {

namespace {

std::vector<TPictureItemData> ObjectPictures() {
  return {
      Strip("fish", 16, 8, 16, 0xC08020),
      Strip("Monster", 32, 16, 32, 0x600060),
      Single("gotMonster", 200, 100, 0x900000),
      Single("fishdash", 640, kDashHeight, kDashColour),
      Strip("fishmeter", 40, 20, 7, 0x404040),
      Strip("powerbar", 60, 20, kPowerbarPatterns, 0xA0A000),
      Single("hook", 200, 100, 0x00A0A0),
      Single("caught", 200, 100, 0x00C000),
      Single("lost", 200, 100, 0xC00000),
      Single("buoy", 200, 100, 0xE0E000),
      Single("talk", 200, 100, 0xE000E0),
      Single("water", 8, 8, 0xA0C0FF),
      Single("splash", 16, 8, 0xC0E0FF),
      Single("bobber", 8, 8, 0xFF2020),
      Strip("boat1", 48, 32, 32, kBoatColour),
      Strip("boat1gas", 48, 32, 32, kBoatColour),
      Strip("fishguy", 24, 40, 96, 0xF08080),
      Single("mouse", 32, 32, 0xFFFF00),
      Single("mousegas", 32, 32, 0xFF8000),
      Single("mousenofish", 32, 32, 0xFF0080),
      Strip("bigfont", 8, 8, 67, 0xFFFFFE),
      Strip("font", 8, 8, 67, 0xFFFFFE),
      Strip("infofont", 8, 8, 67, 0x101010),
      Strip("digital", 8, 12, 10, 0x00FF00),
  };
}

// 53 tiles of 64 x 32: water 0..3 (0..2 animated with 4 patterns), land 4..43 (36..43 taller),
// still water 44..52.
std::vector<TPictureItemData> TilePictures() {
  std::vector<TPictureItemData> items;
  for (int t = 0; t < 53; ++t) {
    const bool water = t <= 3 || t >= 44;
    const int height = t >= 36 && t <= 43 ? 64 : 32;
    const int patterns = t <= 2 ? 4 : 1;
    TPictureItemData item = Strip("tile" + std::to_string(t), 64, height, patterns,
                                  water ? kWaterColour : kLandColour);
    item.Transparent = false;
    items.push_back(std::move(item));
  }
  return items;
}

TWave Click(int samples) {
  TWave wave;
  // PCM, mono, 22050 Hz, 8-bit.
  wave.Format = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x22, 0x56, 0, 0, 1, 0, 8, 0};
  wave.Data.assign(static_cast<size_t>(samples), 0x90);
  return wave;
}

std::vector<TWaveItemData> EffectSounds() {
  std::vector<TWaveItemData> items;
  for (const char* name : {"cast", "gas", "startgas", "reel", "hook", "caught", "splash", "minisplash",
                           "boing", "coins", "bell", "Monster"}) {
    TWaveItemData item;
    item.Name = name;
    item.Looped = std::string(name) == "gas" || std::string(name) == "reel";
    item.Wave = Click(2000);
    items.push_back(std::move(item));
  }
  return items;
}

std::filesystem::path NewFolder() {
  static std::atomic<int> counter{0};
  const auto path = std::filesystem::temp_directory_path() /
                    ("play_rig_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path / "lakes");
  return path;
}

}  // namespace

TIsoMap WaterMap(int lastCol, int lastRow) {
  TIsoMap map;
  map.lastCol = lastCol;
  map.lastRow = lastRow;
  map.tileWidth = 64;
  map.tileHeight = 32;
  map.cells.assign(static_cast<size_t>(lastCol + 1) * (lastRow + 1), 3);
  for (int c = 0; c <= lastCol; ++c) {
    for (int r = 0; r <= lastRow; ++r) {
      if (c < 2 || r < 4 || c > lastCol - 2 || r > lastRow - 4) map.Cell(c, r) = 4;
    }
  }
  return map;
}

void SetObject(TIsoMap& map, int i, int col, int row, const std::string& name, const std::string& param,
               const std::string& text) {
  TIsoObject& object = map.objects[i];
  object.col = col;
  object.row = row;
  object.name = name;
  object.param = param;
  object.active = 1;
  object.text = text;
}

TPlayRig::TPlayRig() : TPlayRig(WaterMap(40, 120)) {}

TPlayRig::TPlayRig(const TIsoMap& map) { Build(map); }

TPlayRig::TPlayRig(const std::filesystem::path& programFolder) : folder(programFolder), ownsFolder_(false) {
  paths.SetFolder(folder.string());
  sounds.Items.ReadFromFile(paths.Find("sound.dxw"));
  background.Items.ReadFromFile(paths.Find("music.dxw"));
  Wire();
}

TPlayRig::~TPlayRig() {
  play.reset();
  if (ownsFolder_) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
}

void TPlayRig::SelectLake(const std::string& name) {
  const TIniFile ini(paths.Find("lakes\\" + name + ".ini"));
  const char* section = "Lake Data";
  LakeTrip& t = *trip;
  t.lastFish = ini.ReadInteger(section, "MaxFish", 16) - 1;
  t.lastMonster = ini.ReadInteger(section, "Maxmonster", 3) - 1;
  t.monsterKind = ini.ReadString(section, "MonsterKind", "Monster");
  t.Biggest = ini.ReadInteger(section, "Biggest", 24);
  t.Difficulty = ini.ReadInteger(section, "Difficulty", 10);
  t.timed = ini.ReadBool(section, "Timed", false);
  t.ticksTotal = ini.ReadInteger(section, "Time", 0) * 30;
  t.imageLib = ini.ReadString(section, "ImageLib", "canada.dxg");
  t.entryFee = ini.ReadInteger(section, "EntryFee", 0);
  t.prizeMoney = ini.ReadInteger(section, "PrizeMoney", 0);
  t.limit = ini.ReadInteger(section, "Limit", 6);
  t.winIf = ini.ReadInteger(section, "WinIf", 1);
  t.lakeLevel = ini.ReadInteger(section, "Level", 1);
  tripHost.lakeName = name;
}

void TPlayRig::Build(const TIsoMap& map) {
  folder = NewFolder();
  paths.SetFolder(folder.string());
  WritePictureLibrary((folder / "objects.dxg").string(), ObjectPictures());
  WritePictureLibrary((folder / "canada.dxg").string(), TilePictures());
  WriteMap(map);
  const std::vector<uint8_t> effects = EncodeWaveLibrary(EffectSounds());
  sounds.Items.ReadFromStream(effects.data(), effects.size());
  TWaveItemData ambience;
  ambience.Name = "canada.dxg";
  ambience.Looped = true;
  ambience.Wave = Click(4000);
  const std::vector<uint8_t> music = EncodeWaveLibrary({ambience});
  background.Items.ReadFromStream(music.data(), music.size());

  trip->lastFish = 15;
  trip->lastMonster = -1;
  trip->Biggest = 24;
  trip->Difficulty = 10;
  trip->limit = 6;
  trip->winIf = 1;
  Wire();
}

void TPlayRig::Wire() {
  play = std::make_unique<TFishingPlay>(*trip, devices, tripHost);
  draw.OnInitialize = [this] {
    play->ResetForDevice();
    if (tripHost.soundOn) sound.Initialize();
  };
  draw.OnFinalize = [this] { play->DXDrawFinalize(); };
  timer.OnTimer = [this](int lag) { play->DXTimerTimer(lag); };
  castTimer.OnTimer = [this](int lag) { play->DXCastTimerTimer(lag); };
  castTimer.SetInterval(15);
  draw.Initialize();

  // A pause is answered once its 256 warm-up calls are done: the 257th call presses a key.
  host.onMessages = [this] {
    ++pumpRun_;
    if (pumpRun_ > 256 && !trip->inputSeen) {
      trip->inputSeen = true;
      ++pauses;
      pumpRun_ = 0;
    }
  };
}

void TPlayRig::WriteMap(const TIsoMap& map) {
  WriteIsoMap((folder / "lakes" / "testlake.iso").string(), map);
}

bool TPlayRig::Start() {
  play->goClick();
  pumpRun_ = 0;
  return timer.Enabled();
}

void TPlayRig::Tick() {
  pumpRun_ = 0;
  if (castTimer.Enabled()) {
    play->DXCastTimerTimer(1);
  } else {
    play->DXTimerTimer(1);
  }
}

void TPlayRig::Ticks(int count) {
  for (int i = 0; i < count; ++i) Tick();
}

bool TPlayRig::Sounding(const std::string& name) {
  TWaveCollection& library = sounds.Items.IndexOf(name) >= 0 ? sounds.Items : background.Items;
  return ::Sounding(library, name);
}

void TPlayRig::Silence() {
  for (int i = 0; i < sounds.Items.Count(); ++i) sounds.Items.Items(i).Stop();
}

uint32_t TPlayRig::BackPixel(int x, int y) {
  const TDirectDrawSurface* surface = draw.Surface();
  const uint32_t raw = surface->PixelAt(x, y);
  const uint32_t r = (raw >> 11) & 31;
  const uint32_t g = (raw >> 5) & 63;
  const uint32_t b = raw & 31;
  return (r << 19) | (g << 10) | (b << 3);
}

}  // namespace play_test
