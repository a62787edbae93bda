// The player panel: name and figure, gear upgrades, save games.
#include <gtest/gtest.h>

#include "fishing/main_form.h"
#include "fishing/save_game.h"
#include "media/errors.h"
#include "media/ini_file.h"
#include "tests/fishing/front_rig.h"

namespace front_test {
namespace {

struct FrontPlayerTest : ::testing::Test {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  TPlayerPanel& panel = form.playerPanel;
};

TEST_F(FrontPlayerTest, NameAndCashMakeTheStatusLine) {
  form.titleClick();
  rig.host.SetEditText("playername", "Ann");
  rig.Step();
  EXPECT_EQ(form.status.Caption, "Ann    Cash: $50");
  form.trip->cash = -7;
  form.playernameChange();
  EXPECT_EQ(form.status.Caption, "Ann    Cash: $-7");
}

TEST_F(FrontPlayerTest, FigureTabSetsTheAnglerPicture) {
  panel.playertab.SetTabs({"Man", "Boy", "Girl"});
  panel.playertab.SetTabIndex(2);
  EXPECT_EQ(form.trip->bodyImage, "fishgirl");
  EXPECT_EQ(form.trip->bodyLift, -3);
  EXPECT_FALSE(panel.player1.Visible);
  panel.playertab.SetTabIndex(1);
  EXPECT_EQ(form.trip->bodyImage, "fishboy");
  panel.playertab.SetTabIndex(0);
  EXPECT_EQ(form.trip->bodyImage, "fishguy");
  EXPECT_EQ(form.trip->bodyLift, 0);
  EXPECT_TRUE(panel.player1.Visible);
}

TEST_F(FrontPlayerTest, LureUpgradeNeedsTheWholePrice) {
  form.trip->cash = 24;
  form.upluresClick();
  ASSERT_EQ(rig.host.Messages().size(), 1u);
  EXPECT_EQ(rig.host.Messages()[0], "You don't have enough money!");
  EXPECT_EQ(panel.luresbar.Position(), 1);
  EXPECT_EQ(form.trip->cash, 24);
  EXPECT_EQ(panel.uplures.Caption, "Upgrade Lures $25");

  form.trip->cash = 25;
  form.upluresClick();
  EXPECT_EQ(rig.host.Messages().size(), 1u);
  EXPECT_EQ(panel.luresbar.Position(), 2);
  EXPECT_EQ(form.trip->cash, 0);
  EXPECT_EQ(panel.uplures.Caption, "Upgrade Lures $50");
  EXPECT_EQ(form.status.Caption, "Player    Cash: $0");
}

TEST_F(FrontPlayerTest, EveryGearClimbsItsPriceListToTheTop) {
  form.trip->cash = 1000000;
  for (int i = 0; i < 5; ++i) form.upluresClick();
  for (int i = 0; i < 5; ++i) form.uprodClick();
  EXPECT_EQ(panel.luresbar.Position(), 4);
  EXPECT_EQ(panel.uplures.Caption, "No More Lure Upgrades");
  EXPECT_EQ(panel.rodbar.Position(), 4);
  EXPECT_EQ(panel.uprod.Caption, "No More Rod Upgrades");
  EXPECT_EQ(form.trip->cash, 1000000 - (25 + 50 + 100) - (250 + 500 + 1000));

  form.upboatClick();
  EXPECT_EQ(panel.upboat.Caption, "Upgrade Boat $15,000");
  EXPECT_EQ(form.trip->boatImage, "boat2");
  form.upboatClick();
  EXPECT_EQ(panel.upboat.Caption, "No More Boat Upgrades");
  EXPECT_EQ(form.trip->boatImage, "boat3");
  const int32_t cash = form.trip->cash;
  form.upboatClick();
  EXPECT_EQ(panel.boatbar.Position(), 3);
  EXPECT_EQ(form.trip->cash, cash);
  EXPECT_EQ(form.trip->boatImage, "boat3");
  EXPECT_TRUE(rig.host.Messages().empty());
}

TEST_F(FrontPlayerTest, GearAtLevelZeroBuysNothing) {
  panel.rodbar.SetPosition(0);
  form.uprodClick();
  EXPECT_EQ(panel.rodbar.Position(), 0);
  EXPECT_EQ(form.trip->cash, 50);
  EXPECT_TRUE(rig.host.Messages().empty());
}

TEST_F(FrontPlayerTest, SaveAndLoadRoundTrip) {
  panel.playername.SetText("Ann");
  form.trip->cash = 6000;
  form.upboatClick();
  form.upluresClick();
  form.trip->lakesOpen = 4;
  const std::string path = rig.Path("ann.sav");
  rig.host.AnswerFileDialog(rig.Path("ann"));
  form.savebuttonClick();
  ASSERT_EQ(rig.host.FileDialogs().size(), 1u);
  EXPECT_EQ(rig.host.FileDialogs()[0].FileName, "Ann.sav");
  EXPECT_EQ(rig.host.FileDialogs()[0].Filter, "Tarnhook Save Games|*.sav");
  EXPECT_EQ(rig.host.FileDialogs()[0].DefaultExt, "*.sav");
  EXPECT_EQ(rig.ReadFile("ann.sav"),
            "[Save Data]\r\nName=Ann\r\nCash=975\r\nBody=0\r\nLevel=4\r\nBoat=2\r\nRod=1\r\nLures=2\r\n");

  TFrontRig other;
  TMainForm& fresh = other.Start();
  other.host.AnswerFileDialog(path);
  fresh.loadbuttonClick();
  EXPECT_EQ(other.host.FileDialogs()[0].FileName, "Player.sav");
  EXPECT_EQ(fresh.playerPanel.playername.Text(), "Ann");
  EXPECT_EQ(fresh.trip->cash, 975);
  EXPECT_EQ(fresh.trip->lakesOpen, 4);
  EXPECT_EQ(fresh.playerPanel.boatbar.Position(), 2);
  EXPECT_EQ(fresh.playerPanel.luresbar.Position(), 2);
  EXPECT_EQ(fresh.playerPanel.rodbar.Position(), 1);
  EXPECT_EQ(fresh.trip->boatImage, "boat2");
  EXPECT_EQ(fresh.playerPanel.upboat.Caption, "Upgrade Boat $15,000");
  EXPECT_EQ(fresh.playerPanel.uplures.Caption, "Upgrade Lures $50");
  EXPECT_EQ(fresh.status.Caption, "Ann    Cash: $975");
  EXPECT_EQ(fresh.lakePanel.lakes.Count(), 4);
  EXPECT_EQ(fresh.lakePanel.lakes.ItemIndex(), 3);
}

TEST_F(FrontPlayerTest, CancelledSaveWritesNothing) {
  form.savebuttonClick();
  EXPECT_EQ(rig.host.FileDialogs().size(), 1u);
  EXPECT_FALSE(rig.Exists("Player.sav"));
}

TEST_F(FrontPlayerTest, SaveKeepsOtherContentAndStoresTheNameAsItReadsBack) {
  rig.WriteFile("mine.sav", "; my notes\r\n[Save Data]\r\nCash=1\r\nExtra=kept\r\n");
  panel.playername.SetText(" Bo ");
  rig.host.AnswerFileDialog(rig.Path("mine.sav"));
  form.savebuttonClick();
  const TIniFile ini(rig.Path("mine.sav"));
  EXPECT_EQ(ini.ReadString("Save Data", "Name", ""), "Bo");
  EXPECT_EQ(ini.ReadInteger("Save Data", "Cash", 0), 50);
  EXPECT_EQ(ini.ReadString("Save Data", "Extra", ""), "kept");
  EXPECT_EQ(rig.ReadFile("mine.sav").rfind("; my notes\r\n", 0), 0u);
}

TEST_F(FrontPlayerTest, UnwritableSaveIsReportedAndTheOldSaveStays) {
  rig.WriteFile("old.sav", "[Save Data]\r\nCash=77\r\n");
  // A folder where the save file should be: it cannot be replaced.
  std::filesystem::create_directories(rig.folder / "taken.sav");
  rig.host.AnswerFileDialog(rig.Path("taken.sav"));
  rig.host.Click("savebutton");
  form.titleClick();
  rig.Step();
  ASSERT_EQ(rig.host.Messages().size(), 1u);
  EXPECT_EQ(rig.host.Messages()[0], "Unable to write to " + rig.Path("taken.sav"));

  EXPECT_TRUE(std::filesystem::is_directory(rig.folder / "taken.sav"));
}

TEST_F(FrontPlayerTest, FailedWriteLeavesTheOldFileWhole) {
  const std::string old = "[Save Data]\r\nName=Old\r\nCash=77\r\n";
  rig.WriteFile("old.sav", old);
  // The second key cannot be stored: nothing of the first may reach the file either.
  EXPECT_THROW(TIniFile(rig.Path("old.sav")).WriteStrings("Save Data", {{"Name", "New"}, {"Cash", "1\n2"}}),
               EIniFileException);
  EXPECT_EQ(rig.ReadFile("old.sav"), old);
  EXPECT_THROW(TIniFile(rig.Path("missing/x.sav")).WriteStrings("Save Data", {{"Name", "New"}}), EIniFileException);
}

TEST_F(FrontPlayerTest, MissingKeysLoadTheirDefaults) {
  rig.WriteFile("thin.sav", "[Save Data]\r\nName=Cy\r\n");
  form.trip->cash = 500;
  rig.host.AnswerFileDialog(rig.Path("thin.sav"));
  form.loadbuttonClick();
  EXPECT_EQ(form.playerPanel.playername.Text(), "Cy");
  EXPECT_EQ(form.trip->cash, 10);
  EXPECT_EQ(form.trip->lakesOpen, 1);
  EXPECT_EQ(form.lakePanel.lakes.Count(), 1);
  EXPECT_EQ(form.lakePanel.lakes.ItemIndex(), 0);
  EXPECT_EQ(form.playerPanel.boatbar.Position(), 1);
}

TEST_F(FrontPlayerTest, LevelFiveListsFiveLakesAndShowsTheFifth) {
  rig.WriteFile("far.sav", "[Save Data]\r\nLevel=5\r\n");
  rig.host.AnswerFileDialog(rig.Path("far.sav"));
  form.loadbuttonClick();
  EXPECT_EQ(form.lakePanel.lakes.Count(), 5);
  EXPECT_EQ(form.lakePanel.lakes.ItemIndex(), 4);
  EXPECT_EQ(form.SelectedLakeName(), "Lake5");
  EXPECT_EQ(form.lakePanel.lakeinfo.Lines, (std::vector<std::string>{"The lake number 5"}));
  EXPECT_EQ(form.trip->entryFee, 50);
  EXPECT_TRUE(form.lakePanel.showgo.Visible);
}

TEST_F(FrontPlayerTest, GarbageSaveValuesAreClampedOrDefaulted) {
  rig.WriteFile("bad.sav",
                "[Save Data]\r\nName=Dee\r\nCash=lots\r\nBody=99\r\nLevel=2147483647\r\nBoat=9\r\nRod=-4\r\n"
                "Lures=0x7FFFFFFF\r\n");
  rig.host.AnswerFileDialog(rig.Path("bad.sav"));
  form.loadbuttonClick();
  EXPECT_EQ(form.trip->cash, 10);
  EXPECT_EQ(form.playerPanel.playertab.TabIndex(), 0);
  EXPECT_EQ(form.trip->bodyImage, "fishguy");
  EXPECT_EQ(form.playerPanel.boatbar.Position(), 3);
  EXPECT_EQ(form.playerPanel.upboat.Caption, "No More Boat Upgrades");
  EXPECT_EQ(form.trip->boatImage, "boat3");
  EXPECT_EQ(form.playerPanel.rodbar.Position(), 0);
  EXPECT_EQ(form.playerPanel.uprod.Caption, "Upgrade Rod/Reel $250");  // level 0 leaves it
  EXPECT_EQ(form.playerPanel.luresbar.Position(), 4);
  EXPECT_EQ(form.playerPanel.uplures.Caption, "No More Lure Upgrades");
  // Every lake of the catalogue is listed, the last one selected and shown.
  EXPECT_EQ(form.lakePanel.lakes.Count(), 5);
  EXPECT_EQ(form.lakePanel.lakes.ItemIndex(), 4);
  form.uprodClick();
  EXPECT_EQ(form.playerPanel.rodbar.Position(), 0);
}

TEST_F(FrontPlayerTest, CancelledLoadStillBringsThePanelInLine) {
  panel.luresbar.SetPosition(3);
  panel.rodbar.SetPosition(4);
  panel.boatbar.SetPosition(2);
  form.trip->lakesOpen = 3;
  form.loadbuttonClick();  // no answer: the dialog is cancelled
  EXPECT_EQ(rig.host.FileDialogs().size(), 1u);
  EXPECT_EQ(panel.uplures.Caption, "Upgrade Lures $100");
  EXPECT_EQ(panel.uprod.Caption, "No More Rod Upgrades");
  EXPECT_EQ(panel.upboat.Caption, "Upgrade Boat $15,000");
  EXPECT_EQ(form.trip->boatImage, "boat2");
  EXPECT_EQ(form.lakePanel.lakes.Count(), 3);
  EXPECT_EQ(form.lakePanel.lakes.ItemIndex(), 2);
  EXPECT_EQ(form.playerPanel.playername.Text(), "Player");
  EXPECT_EQ(form.trip->cash, 50);
}

}  // namespace
}  // namespace front_test
