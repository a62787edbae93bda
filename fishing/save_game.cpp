#include "fishing/save_game.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fishing/gear_upgrades.h"
#include "fishing/ini_text.h"
#include "fishing/main_form.h"
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
  WriteIniKeys(path, kSaveSection,
               {{"Name", StorableName(save.name)},
                {"Cash", std::to_string(save.cash)},
                {"Body", std::to_string(save.body)},
                {"Level", std::to_string(save.level)},
                {"Boat", std::to_string(save.boat)},
                {"Rod", std::to_string(save.rod)},
                {"Lures", std::to_string(save.lures)}});
}

void TMainForm::savebuttonClick() {
  TFileDialog dialog;
  dialog.Title = "Save game";
  dialog.Filter = kSaveFilter;
  dialog.DefaultExt = kSaveDefaultExt;
  dialog.FileName = playerPanel.playername.Text() + ".sav";
  if (!Host().SaveFileDialog(dialog)) return;
  TSaveGame save;
  save.name = playerPanel.playername.Text();
  save.cash = trip->cash;
  save.body = playerPanel.playertab.TabIndex();
  save.level = trip->lakesOpen;
  save.boat = playerPanel.boatbar.Position();
  save.rod = playerPanel.rodbar.Position();
  save.lures = playerPanel.luresbar.Position();
  WriteSaveGame(dialog.FileName, save);
}

void TMainForm::loadbuttonClick() {
  TPlayerPanel& panel = playerPanel;
  TFileDialog dialog;
  dialog.Title = "Load game";
  dialog.Filter = kSaveFilter;
  dialog.DefaultExt = kSaveDefaultExt;
  dialog.FileName = panel.playername.Text() + ".sav";
  if (Host().OpenFileDialog(dialog)) {
    const TSaveGame save = ReadSaveGame(dialog.FileName);
    panel.playername.SetText(save.name);
    trip->cash = save.cash;
    panel.playertab.SetTabIndex(save.body);
    trip->lakesOpen = save.level;
    panel.boatbar.SetPosition(save.boat);
    panel.rodbar.SetPosition(save.rod);
    panel.luresbar.SetPosition(save.lures);
  }
  // Whether or not a file was read, the panel follows the values it holds.
  if (auto boat = BoatImageFor(panel.boatbar.Position())) trip->boatImage = *boat;
  if (auto caption = UpgradeCaption(TGear::Lures, panel.luresbar.Position())) panel.uplures.Caption = *caption;
  if (auto caption = UpgradeCaption(TGear::Rod, panel.rodbar.Position())) panel.uprod.Caption = *caption;
  if (auto caption = UpgradeCaption(TGear::Boat, panel.boatbar.Position())) panel.upboat.Caption = *caption;

  FillLakeList();
  TListBox& lakes = lakePanel.lakes;
  const int64_t last = std::min<int64_t>(trip->lakesOpen, int64_t{lakes.Count()} - 1);
  lakes.SetItemIndex(last >= 0 ? static_cast<int>(last) : -1);
  if (lakes.ItemIndex() >= 0) lakesClick();
  UpdateStatus();
}
