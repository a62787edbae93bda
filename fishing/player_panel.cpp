#include "fishing/player_panel.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "fishing/gear_upgrades.h"
#include "fishing/main_form.h"
#include "fishing/save_game.h"

TPlayerPanel BuildPlayerPanel(TForm& form, std::function<TPicture()> portrait) {
  auto& players = form.Add<TGroupBox>("players");
  players.Caption = "Player ";
  players.SetBounds(48, 96, 537, 265);
  players.Hide();

  auto& nameLabel = form.Add<TLabel>("namelabel", &players);
  nameLabel.Caption = "Name:";
  nameLabel.SetBounds(14, 28, 44, 18);
  auto& playername = form.Add<TEdit>("playername", &players);
  playername.SetBounds(62, 24, 168, 24);
  playername.SetText("Player");

  auto& playertab = form.Add<TTabControl>("playertab", &players);
  playertab.SetBounds(14, 56, 216, 164);
  playertab.SetTabs({"Man"});
  playertab.SetTabIndex(0);
  auto& player1 = form.Add<TImage>("player1", &playertab);
  player1.SetBounds(48, 32, 120, 120);
  player1.Center = true;
  player1.SetPicture(std::move(portrait));

  auto& savebutton = form.Add<TButton>("savebutton", &players);
  savebutton.Caption = "<";
  savebutton.Font.Name = "Wingdings";
  savebutton.Font.Height = 21;
  savebutton.Hint = "Save game...";
  savebutton.SetBounds(14, 226, 40, 30);
  auto& loadbutton = form.Add<TButton>("loadbutton", &players);
  loadbutton.Caption = "1";
  loadbutton.Font.Name = "Wingdings";
  loadbutton.Font.Height = 21;
  loadbutton.Hint = "Load game...";
  loadbutton.SetBounds(60, 226, 40, 30);

  auto& gear = form.Add<TGroupBox>("gear", &players);
  gear.Caption = "Fishing Gear";
  gear.SetBounds(244, 20, 281, 236);

  // One row per gear: its level bar and, beside it, the button that buys the next level.
  const auto row = [&](const char* barName, int maxLevel, const char* buttonName, const char* caption,
                       const char* hint, int top) -> std::pair<TProgressBar*, TButton*> {
    auto& bar = form.Add<TProgressBar>(barName, &gear);
    bar.SetRange(0, maxLevel);
    bar.SetPosition(1);
    bar.SetBounds(12, top + 4, 92, 20);
    auto& button = form.Add<TButton>(buttonName, &gear);
    button.Caption = caption;
    button.Hint = hint;
    button.SetBounds(112, top, 157, 28);
    return {&bar, &button};
  };
  auto [luresbar, uplures] = row("luresbar", GearMaxLevel(TGear::Lures), "uplures", "Upgrade Lures $25",
                                 "Better lures hook fish from greater distances", 34);
  auto [rodbar, uprod] = row("rodbar", GearMaxLevel(TGear::Rod), "uprod", "Upgrade Rod/Reel $250",
                             "Better Rod and Reels cast and reel faster", 100);
  auto [boatbar, upboat] = row("boatbar", GearMaxLevel(TGear::Boat), "upboat", "Upgrade Boat $5000",
                               "Newer boats go faster and turn sharper", 166);

  return TPlayerPanel{players, nameLabel, playername, playertab, player1, savebutton, loadbutton,
                      gear, *luresbar, *uplures, *rodbar, *uprod, *boatbar, *upboat};
}

void TMainForm::playernameChange() { UpdateStatus(); }

void TMainForm::playertabTabChanged() {
  playerPanel.player1.Hide();
  switch (playerPanel.playertab.TabIndex()) {
    case 0:
      trip->bodyImage = "fishguy";
      trip->bodyLift = 0;
      playerPanel.player1.Show();
      break;
    case 1:
      trip->bodyImage = "fishboy";
      trip->bodyLift = -3;
      break;
    case 2:
      trip->bodyImage = "fishgirl";
      trip->bodyLift = -3;
      break;
    default:
      break;
  }
}

namespace {

// One upgrade click: buys the next level when the player can pay for it, and returns whether it did.
bool BuyUpgrade(TGear gear, TProgressBar& bar, TButton& button, int32_t& cash, THost& host) {
  const std::optional<int> price = UpgradePrice(gear, bar.Position());
  if (!price) return false;
  if (cash < *price) {
    host.ShowMessage("You don't have enough money!");
    return false;
  }
  cash -= *price;
  bar.StepBy(1);
  if (auto caption = UpgradeCaption(gear, bar.Position())) button.Caption = *caption;
  return true;
}

}  // namespace

void TMainForm::upluresClick() {
  BuyUpgrade(TGear::Lures, playerPanel.luresbar, playerPanel.uplures, trip->cash, Host());
  UpdateStatus();
}

void TMainForm::uprodClick() {
  BuyUpgrade(TGear::Rod, playerPanel.rodbar, playerPanel.uprod, trip->cash, Host());
  UpdateStatus();
}

void TMainForm::upboatClick() {
  if (BuyUpgrade(TGear::Boat, playerPanel.boatbar, playerPanel.upboat, trip->cash, Host())) {
    if (auto boat = BoatImageFor(playerPanel.boatbar.Position())) trip->boatImage = *boat;
  }
  UpdateStatus();
}

void TMainForm::savebuttonClick() {
  TFileDialog dialog;
  dialog.Title = "Save game";
  dialog.Filter = kSaveFilter;
  dialog.DefaultExt = kSaveDefaultExt;
  dialog.FileName = playerPanel.playername.Text() + ".sav";
  dialog.InitialDir = paths.SaveGameFolderToWrite();
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
  dialog.InitialDir = paths.SaveGameFolder();
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
