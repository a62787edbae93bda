#include "fishing/save_game.h"

#include <string>
#include <utility>
#include <vector>

#include "media/ini_file.h"

namespace {

// Ini values lose their surrounding blanks when read, and cannot hold a line break: the name is
// stored as it will read back, so a name typed with a trailing blank still saves.
std::string StorableName(std::string name) {
  for (char& c : name) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const size_t first = name.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const size_t last = name.find_last_not_of(" \t");
  return name.substr(first, last - first + 1);
}

}  // namespace

TSaveGame ReadSaveGame(const std::string& path) {
  const TIniFile ini(path);
  TSaveGame save;
  save.name = ini.ReadString(kSaveSection, "Name", save.name);
  save.cash = ini.ReadInteger(kSaveSection, "Cash", save.cash);
  save.body = ini.ReadInteger(kSaveSection, "Body", save.body);
  save.level = ini.ReadInteger(kSaveSection, "Level", save.level);
  save.boat = ini.ReadInteger(kSaveSection, "Boat", save.boat);
  save.rod = ini.ReadInteger(kSaveSection, "Rod", save.rod);
  save.lures = ini.ReadInteger(kSaveSection, "Lures", save.lures);
  return save;
}

void WriteSaveGame(const std::string& path, const TSaveGame& save) {
  TIniFile(path).WriteStrings(kSaveSection,
               {{"Name", StorableName(save.name)},
                {"Cash", std::to_string(save.cash)},
                {"Body", std::to_string(save.body)},
                {"Level", std::to_string(save.level)},
                {"Boat", std::to_string(save.boat)},
                {"Rod", std::to_string(save.rod)},
                {"Lures", std::to_string(save.lures)}});
}
