// dxlib check tarnhook DIR: looks through a fishing program folder the way the game will use it
// and reports, in plain words, everything that would stop a lake from loading or show up wrong in
// play: missing pictures and sounds, pictures with too few patterns, lakes whose files are missing
// or unreadable, maps that do not fit the grid, values play refuses, and maps without water for
// the boat, the fish or the monsters. Exit status 1 when anything is wrong.
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fishing/iso_map.h"
#include "fishing/lake_check.h"
#include "fishing/lake_map.h"
#include "fishing/lake_trip.h"
#include "media/bitmap_file.h"
#include "media/errors.h"
#include "media/ini_file.h"
#include "media/picture_collection.h"
#include "media/program_paths.h"
#include "media/wave_collection.h"
#include "tools/dxlib/command.h"
#include "tools/dxlib/folder_check.h"

// Checks a bowling program folder (cmd_check_bowling.cpp); returns the exit code.
int CheckBowlingFolder(const std::string& folder, TCommandOutput& out);

namespace {

constexpr int kTileItemsNeeded = 53;  // tiles 0..52, the numbers maps use

// The highest lake number play ever lists: the championship opens 255 lakes.
constexpr int kMaxLakeNumber = 255;

struct TPictureNeed {
  const char* name;
  int patterns;
};

// Pictures of objects.dxg that play draws, with the patterns it asks for.
const TPictureNeed kObjectPictures[] = {
    {"fishdash", 1},  {"fishmeter", 7}, {"powerbar", 1}, {"hook", 1},      {"caught", 1},
    {"lost", 1},      {"buoy", 1},      {"talk", 1},     {"bobber", 1},    {"splash", 1},
    {"water", 1},     {"fish", 16},     {"boat1", 32},   {"boat2", 32},    {"boat3", 32},
    {"boat1gas", 32}, {"boat2gas", 32}, {"boat3gas", 32}, {"fishguy", 96}, {"fishboy", 96},
    {"fishgirl", 96}, {"mouse", 1},     {"mousegas", 1}, {"mousenofish", 1}, {"bigfont", 67},
    {"font", 67},     {"infofont", 67}, {"digital", 10},
};

struct TSoundNeed {
  const char* name;
  bool looped;
};

const TSoundNeed kEffects[] = {
    {"cast", false},  {"startgas", false}, {"gas", true},  {"reel", true},  {"hook", false},
    {"caught", false}, {"splash", false},  {"minisplash", false}, {"boing", false}, {"bell", false},
    {"coins", false},
};

class TChecker : TFolderCheck {
 public:
  TChecker(const std::string& folder, TCommandOutput& out) : TFolderCheck(folder, out) {}

  int Run() {
    LoadLibraries();
    CheckLakes();
    CheckObjectPictures();
    CheckSounds();
    return Finish(Fmt("everything play needs is there (%d lakes checked)", lakes_));
  }

 private:
  void LoadLibraries() {
    objects_ = Load<TPictureCollection>("objects.dxg");
    sounds_ = Load<TWaveCollection>("sound.dxw");
    music_ = Load<TWaveCollection>("music.dxw");
  }

  void NeedPicture(const std::string& name, int patterns, const char* why) {
    if (!objects_) return;
    const int index = objects_->IndexOf(name);
    if (index < 0) {
      Problem(Fmt("objects.dxg has no picture \"%s\"%s.", name.c_str(), why));
      return;
    }
    const int total = objects_->Items(index).PatternTotal();
    if (total < patterns) {
      Problem(Fmt("objects.dxg: \"%s\" has %d pattern%s, but play draws %d%s.", name.c_str(), total,
              total == 1 ? "" : "s", patterns, why));
    }
  }

  void CheckObjectPictures() {
    for (const TPictureNeed& need : kObjectPictures) NeedPicture(need.name, need.patterns, "");
    for (const std::string& kind : monsterKinds_) {
      const std::string why = " (the monster of a lake)";
      NeedPicture(kind, 32, why.c_str());
      NeedPicture("got" + kind, 1, why.c_str());
    }
  }

  void NeedSound(TWaveCollection* library, const char* file, const std::string& name, bool looped,
                 const std::string& why) {
    if (!library) return;
    const int index = library->IndexOf(name);
    if (index < 0) {
      Problem(Fmt("%s has no sound \"%s\"%s.", file, name.c_str(), why.c_str()));
    } else if (looped && !library->Items(index).Looped()) {
      Problem(Fmt("%s: \"%s\" must be looped, for play starts it once and stops it when done.", file, name.c_str()));
    }
  }

  void CheckSounds() {
    for (const TSoundNeed& need : kEffects) NeedSound(sounds_.get(), "sound.dxw", need.name, need.looped, "");
    for (const std::string& kind : monsterKinds_) {
      NeedSound(sounds_.get(), "sound.dxw", kind, false, " (the monster of a lake)");
    }
    NeedSound(music_.get(), "music.dxw", "music", false, " (the title music)");
    for (const std::string& library : tileLibraries_) {
      NeedSound(music_.get(), "music.dxw", library, false, " (the background of the lakes that use " + library + ")");
    }
  }

  void CheckLakes() {
    const std::string catalogue = paths_.Find("lakes\\lakes.ini");
    if (!std::filesystem::is_regular_file(catalogue)) {
      Problem("lakes\\lakes.ini is missing, so the lake list is empty.");
      return;
    }
    const TIniFile ini(catalogue);
    for (int number = 1; number <= kMaxLakeNumber; ++number) {
      const std::string name = ini.ReadString("Lakes", "lake" + std::to_string(number), "NA");
      if (name == "NA") continue;
      ++lakes_;
      CheckLake(name);
    }
    if (lakes_ == 0) Problem("lakes\\lakes.ini names no lake (keys lake1, lake2, ... in section [Lakes]).");
  }

  // The lake values as the lake panel reads them.
  void ReadLakeValues(const TIniFile& ini, LakeTrip& trip) {
    trip.lastFish = ini.ReadInteger("Lake Data", "MaxFish", 16) - 1;
    trip.lastMonster = ini.ReadInteger("Lake Data", "Maxmonster", 3) - 1;
    trip.monsterKind = ini.ReadString("Lake Data", "MonsterKind", "Monster");
    trip.Biggest = ini.ReadInteger("Lake Data", "Biggest", 24);
    trip.Difficulty = ini.ReadInteger("Lake Data", "Difficulty", 10);
    trip.imageLib = ini.ReadString("Lake Data", "ImageLib", "canada.dxg");
  }

  void CheckLake(const std::string& name) {
    const std::string stem = "lakes\\" + name;
    const char* lake = name.c_str();
    const std::string iniPath = paths_.Find(stem + ".ini");
    if (!std::filesystem::is_regular_file(iniPath)) {
      Problem(Fmt("Lake %s: %s.ini is missing, so every value takes its default.", lake, stem.c_str()));
    }
    const std::string bmpPath = paths_.Find(stem + ".bmp");
    if (!std::filesystem::is_regular_file(bmpPath)) {
      Problem(Fmt("Lake %s: the map picture %s.bmp is missing.", lake, stem.c_str()));
    } else {
      try {
        ReadBitmapFile(bmpPath);
      } catch (const Exception& e) {
        Problem(Fmt("Lake %s: the map picture %s.bmp cannot be read: %s", lake, stem.c_str(), e.Message().c_str()));
      }
    }

    auto trip = std::make_unique<LakeTrip>();  // holds the whole fixed grid: too big for the stack
    ReadLakeValues(TIniFile(iniPath), *trip);
    CheckValuesOneByOne(*trip, lake);
    if (trip->lastMonster >= 0) monsterKinds_.insert(trip->monsterKind);
    tileLibraries_.insert(trip->imageLib);
    const int tileItems = TileItems(trip->imageLib, lake);

    const std::string isoPath = paths_.Find(stem + ".iso");
    if (!std::filesystem::is_regular_file(isoPath)) {
      Problem(Fmt("Lake %s: the map %s.iso is missing.", lake, stem.c_str()));
      return;
    }
    std::unique_ptr<TIsoMap> map;
    try {
      map = std::make_unique<TIsoMap>(ReadIsoMap(isoPath));
    } catch (const Exception& e) {
      Problem(Fmt("Lake %s: the map %s.iso cannot be read: %s", lake, stem.c_str(), e.Message().c_str()));
      return;
    }
    try {
      CheckLakeMap(*trip, *map);
    } catch (const Exception& e) {
      Problem(Fmt("Lake %s: %s", lake, e.Message().c_str()));
    }
    CheckStart(*map, lake);
    if (tileItems > 0) CheckTileNumbers(*map, tileItems, trip->imageLib, lake);
  }

  // Play stops at the first value it refuses; a data maker wants to hear of each one.
  void CheckValuesOneByOne(const LakeTrip& values, const char* lake) {
    for (int field = 0; field < 4; ++field) {
      auto trip = std::make_unique<LakeTrip>();
      trip->lastFish = field == 0 ? values.lastFish : 0;
      trip->lastMonster = field == 1 ? values.lastMonster : 0;
      trip->Difficulty = field == 2 ? values.Difficulty : 0;
      trip->Biggest = field == 3 ? values.Biggest : 3;
      try {
        CheckLakeValues(*trip);
      } catch (const Exception& e) {
        Problem(Fmt("Lake %s: %s", lake, e.Message().c_str()));
      }
    }
  }

  // Items in the lake's tile library (read once per library), 0 when it cannot be used.
  int TileItems(const std::string& library, const char* lake) {
    const auto known = tileItemCounts_.find(library);
    if (known != tileItemCounts_.end()) return known->second;
    int count = 0;
    if (auto tiles = Load<TPictureCollection>(library)) {
      count = tiles->Count();
      if (count < kTileItemsNeeded) {
        Problem(Fmt("%s (the tiles of lake %s) has %d items; maps number their tiles 0..%d, so it needs %d.",
                library.c_str(), lake, count, kTileItemsNeeded - 1, kTileItemsNeeded));
      }
    }
    tileItemCounts_[library] = count;
    return count;
  }

  // The boat starts at the last "levelstart" (col * tileWidth, row * tileHeight div 2), or at
  // (300, 300) without one; on land it could never move.
  void CheckStart(const TIsoMap& map, const char* lake) {
    int32_t x = 300;
    int32_t y = 300;
    for (const TIsoObject& object : map.objects) {
      if (NormalizedObjectName(object.name) == "levelstart") {
        x = object.col * map.tileWidth;
        y = object.row * (map.tileHeight / 2);
      }
    }
    const TMapGeometry geometry{map.tileWidth, map.tileHeight, map.lastCol, map.lastRow};
    const TCell cell = TileAt(geometry, x, y);
    if (!IsWaterTile(map.Cell(cell.col, cell.row))) {
      Problem(Fmt("Lake %s: the boat starts at pixel (%d, %d), in cell (%d, %d) whose tile %d is land; it could "
              "never move.",
              lake, x, y, cell.col, cell.row, map.Cell(cell.col, cell.row)));
    }
  }

  void CheckTileNumbers(const TIsoMap& map, int items, const std::string& library, const char* lake) {
    int bad = 0;
    int first = 0;
    for (const int32_t tile : map.cells) {
      if (tile < -1 || tile >= items) {
        if (bad++ == 0) first = tile;
      }
    }
    if (bad > 0) {
      Problem(Fmt("Lake %s: %d cell%s use tile numbers %s has no picture for (the first is %d); play leaves them "
              "undrawn.",
              lake, bad, bad == 1 ? "" : "s", library.c_str(), first));
    }
  }

  int lakes_ = 0;
  std::unique_ptr<TPictureCollection> objects_;
  std::unique_ptr<TWaveCollection> sounds_;
  std::unique_ptr<TWaveCollection> music_;
  std::set<std::string> monsterKinds_;
  std::set<std::string> tileLibraries_;
  std::map<std::string, int> tileItemCounts_;
};

int RunCheck(const std::vector<std::string>& args, TCommandOutput& out) {
  RequireArguments(args, 2);
  if (args[0] != "tarnhook" && args[0] != "bowling") throw TUsageError("check knows two programs: tarnhook, bowling");
  if (!std::filesystem::is_directory(args[1])) throw TUsageError("no folder " + args[1]);
  if (args[0] == "bowling") return CheckBowlingFolder(args[1], out);
  return TChecker(args[1], out).Run();
}

const TCommandRegistrar kCheck({"check", "check tarnhook|bowling DIR",
                                "check a program folder the way the program will use it",
                                "check: reports every problem that would stop the program or show up wrong\n"
                                "  in play, one per line in plain words; exits with 1 when there is any.\n"
                                "  tarnhook: pictures, sounds, lakes and maps. bowling: graphics and sounds,\n"
                                "  bowler and alley folders, LED shows, the default bowler and alley and the\n"
                                "  tournament's alleys. Lines starting with \"Note:\" are not problems.\n",
                                RunCheck});

}  // namespace
