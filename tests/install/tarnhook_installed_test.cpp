// The fishing game as installed: its form started headless from the installed program's folder, on
// the read-only install, with a temporary home.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "fishing/main_form.h"
#include "installed_tree.h"
#include "media/ini_file.h"
#include "platform/headless_host.h"

namespace fs = std::filesystem;
using namespace install_test;

namespace {

// One start of the installed program: its form made the way main() makes it, from the folder of
// the installed executable, and started through the loop.
struct TInstalledGame {
  TInstalledGame() : form(std::make_unique<TMainForm>(host, Prefix() + "games/")) {
    host.Attach(*form);
    host.Start();
  }
  THeadlessHost host;
  std::unique_ptr<TMainForm> form;
};

bool OwnerOnly(const std::string& folder) {
  const fs::perms perms = fs::status(folder).permissions();
  return (perms & (fs::perms::group_all | fs::perms::others_all)) == fs::perms::none;
}

TEST(InstalledTarnhook, LiesWhereDesktopsAndPlayersLookForIt) {
  const std::string prefix = Prefix();
  ASSERT_TRUE(fs::is_regular_file(prefix + "games/tarnhook"));
  EXPECT_NE(fs::status(prefix + "games/tarnhook").permissions() & fs::perms::others_exec, fs::perms::none);
  for (const char* data : {"sound.dxw", "music.dxw", "objects.dxg", "tarnhook.ini", "lakes/lakes.ini"}) {
    EXPECT_TRUE(fs::is_regular_file(prefix + "share/tarnhook/" + data)) << data;
  }
  EXPECT_FALSE(fs::exists(prefix + "share/tarnhook/tarnhook")) << "the program is not data";
  for (const char* tool : {"dxlib", "dxview", "bowlsim"}) EXPECT_TRUE(fs::is_regular_file(prefix + "bin/" + tool));
  ExpectDesktopFiles("tarnhook");
}

TEST(InstalledTarnhook, KeepsOptionsAndSaveGamesInTheUsersFolders) {
  const std::string home = FreshHome("home-tarnhook");
  const std::string config = home + "config/";
  const std::string data = home + "data/";
  TScopedVariable homeVariable("HOME", home.c_str());
  TScopedVariable configVariable("XDG_CONFIG_HOME", config.c_str());
  TScopedVariable dataVariable("XDG_DATA_HOME", data.c_str());
  const std::string save = data + "tarnhook/Ana.sav";
  {
    TInstalledGame game;
    TMainForm& form = *game.form;
    EXPECT_EQ(form.paths.Folder(), Prefix() + "share/tarnhook/");
    EXPECT_TRUE(game.host.Messages().empty()) << game.host.Messages().front();
    EXPECT_EQ(form.lakePanel.lakes.Count(), 2);
    // The installed options: speed 1, where the program's own default is 2.
    EXPECT_EQ(form.optionsPanel.speed.ItemIndex(), 1);
    EXPECT_FALSE(fs::exists(config)) << "nothing is written at start-up";
    EXPECT_FALSE(fs::exists(data)) << "nothing is written at start-up";

    form.optionsPanel.keydrive.Click();
    form.optionsPanel.speed.SetItemIndex(0);
    form.applyClick();
    const TIniFile ini(config + "tarnhook/tarnhook.ini");
    EXPECT_EQ(ini.ReadInteger("Tarnhook", "keydrive", -1), 1);
    EXPECT_EQ(ini.ReadInteger("Tarnhook", "speed", -1), 0);
    EXPECT_TRUE(OwnerOnly(config + "tarnhook"));
    EXPECT_FALSE(fs::exists(data)) << "saving the options makes no save folder";

    form.playerPanel.playername.SetText("Ana");
    form.trip->cash = 1234;
    form.trip->lakesOpen = 5;
    game.host.AnswerFileDialog(save);
    form.savebuttonClick();
    ASSERT_EQ(game.host.FileDialogs().size(), 1u);
    EXPECT_EQ(game.host.FileDialogs()[0].InitialDir, data + "tarnhook/");
    EXPECT_TRUE(fs::is_regular_file(save));
    EXPECT_TRUE(OwnerOnly(data + "tarnhook"));
  }
  {
    TInstalledGame next;
    TMainForm& form = *next.form;
    EXPECT_TRUE(form.optionsPanel.keydrive.Checked());
    EXPECT_EQ(form.optionsPanel.speed.ItemIndex(), 0);
    next.host.AnswerFileDialog(save);
    form.loadbuttonClick();
    ASSERT_EQ(next.host.FileDialogs().size(), 1u);
    EXPECT_EQ(next.host.FileDialogs()[0].InitialDir, data + "tarnhook/");
    EXPECT_EQ(form.playerPanel.playername.Text(), "Ana");
    EXPECT_EQ(form.trip->cash, 1234);
    EXPECT_EQ(form.lakePanel.lakes.Count(), 5);
  }
}

TEST(InstalledTarnhook, ListsThePlayersOwnLakesAfterTheInstalledOnes) {
  const std::string home = FreshHome("home-tarnhook-lakes");
  TScopedVariable homeVariable("HOME", home.c_str());
  TScopedVariable configVariable("XDG_CONFIG_HOME", nullptr);
  TScopedVariable dataVariable("XDG_DATA_HOME", nullptr);
  const std::string own = home + ".local/share/tarnhook/lakes/";
  // Number 1 and the name Birch_Pond belong to installed lakes, so only My_Pond is the player's.
  WriteText(own + "lakes.ini", "[Lakes]\nlake1=Shadowed\nlake10=My_Pond\nlake11=birch_pond\n");
  WriteText(own + "My_Pond.ini", "[Lake Data]\nDescription=A pond of my own.\n");
  WriteText(own + "Birch_Pond.ini", "[Lake Data]\nDescription=Not the installed lake.\n");

  TInstalledGame game;
  TMainForm& form = *game.form;
  form.trip->lakesOpen = 255;
  form.FillLakeList();
  const std::vector<std::string>& lakes = form.lakePanel.lakes.Items();
  ASSERT_EQ(lakes.size(), 10u);
  EXPECT_EQ(lakes.front(), "Birch_Pond");
  EXPECT_EQ(lakes.back(), "My_Pond");
  form.lakePanel.lakes.SetItemIndex(9);
  form.lakesClick();
  EXPECT_EQ(form.lakePanel.lakeinfo.Lines, std::vector<std::string>{"A pond of my own."});
  form.lakePanel.lakes.SetItemIndex(0);
  form.lakesClick();
  EXPECT_NE(form.lakePanel.lakeinfo.Lines, std::vector<std::string>{"Not the installed lake."});
  EXPECT_FALSE(fs::exists(home + ".config")) << "nothing is written at start-up";
}

}  // namespace
