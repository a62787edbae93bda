// The bowling game as installed: its form started headless from the installed program's folder, on
// the read-only install, with a temporary home and the XDG folders at their defaults.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "bowling/main_form.h"
#include "forms/virtual_keys.h"
#include "installed_tree.h"
#include "platform/headless_host.h"

namespace fs = std::filesystem;
using namespace install_test;

namespace {

// One start of the installed program, from the folder of the installed executable, through the
// loop; the intro is dismissed, so the main menu page is up.
struct TInstalledGame {
  TInstalledGame() : form(std::make_unique<TMainForm>(host, Prefix() + "games/")) {
    host.Attach(*form);
    host.Start();
    host.PressKey(VK_SPACE);
    host.Step();
  }
  void Click(const std::string& name) {
    host.Click(name);
    host.Step();
  }
  THeadlessHost host;
  std::unique_ptr<TMainForm> form;
};

// A home with only $HOME set, so the XDG folders take their defaults.
class InstalledBowling : public ::testing::Test {
 protected:
  InstalledBowling() : home(FreshHome("home-bowling")), homeVariable("HOME", home.c_str()) {}

  const std::string home;
  TScopedVariable homeVariable;
  TScopedVariable configVariable{"XDG_CONFIG_HOME", nullptr};
  TScopedVariable dataVariable{"XDG_DATA_HOME", nullptr};
};

TEST(InstalledBowlingTree, LiesWhereDesktopsAndPlayersLookForIt) {
  const std::string prefix = Prefix();
  ASSERT_TRUE(fs::is_regular_file(prefix + "games/bowling"));
  EXPECT_NE(fs::status(prefix + "games/bowling").permissions() & fs::perms::others_exec, fs::perms::none);
  for (const char* data : {"graphics.dxg", "sound.dxw", "music.dxw", "leds/intro.led", "bowlers/Vekt/anis.dxg",
                           "alleys/Tradtional/noise.dxw"}) {
    EXPECT_TRUE(fs::is_regular_file(prefix + "share/bowling/" + data)) << data;
  }
  EXPECT_FALSE(fs::exists(prefix + "share/bowling/bowling")) << "the program is not data";
  EXPECT_FALSE(fs::exists(prefix + "share/bowling/bowling.ini")) << "the options are the player's";
  ExpectDesktopFiles("bowling");
}

TEST_F(InstalledBowling, KeepsItsOptionsInTheUsersConfigFolder) {
  const std::string ini = home + ".config/bowling/bowling.ini";
  {
    TInstalledGame game;
    TMainForm& form = *game.form;
    EXPECT_EQ(form.paths.Folder(), Prefix() + "share/bowling/");
    EXPECT_TRUE(game.host.Messages().empty()) << game.host.Messages().front();
    EXPECT_TRUE(form.pages.main.practice.Visible) << "bowlers and alleys found";
    EXPECT_FALSE(form.pages.config.mblur.Checked());
    EXPECT_FALSE(fs::exists(home + ".config")) << "nothing is written at start-up";
    EXPECT_FALSE(fs::exists(home + ".local")) << "nothing is written at start-up";

    game.Click("option");
    game.Click("mblur");
    game.Click("back");
    EXPECT_NE(ReadText(ini).find("FastRefresh=1"), std::string::npos);
    form.pages.tourney.thard.SetChecked(true);
    game.Click("quit");
    EXPECT_NE(ReadText(ini).find("Hard=1"), std::string::npos);
    EXPECT_NE(ReadText(ini).find("FastRefresh=1"), std::string::npos);
    EXPECT_FALSE(fs::exists(home + ".local")) << "the options make no data folder";
  }
  TInstalledGame next;
  EXPECT_TRUE(next.form->pages.config.mblur.Checked());
  EXPECT_TRUE(next.form->pages.tourney.thard.Checked());
}

TEST_F(InstalledBowling, ListsThePlayersOwnBowlersAndAlleysOnceEach) {
  const std::string installed = Prefix() + "share/bowling/";
  const std::string own = home + ".local/share/bowling/";
  CopyFiles(installed + "bowlers/Vekt", own + "bowlers/Mine");
  CopyFiles(installed + "bowlers/Vekt", own + "bowlers/vekt");
  CopyFiles(installed + "alleys/Neon", own + "alleys/Backyard");

  TInstalledGame game;
  TMainForm& form = *game.form;
  const std::vector<std::string>& bowlers = form.pages.character.playercombo.Items();
  EXPECT_EQ(std::count(bowlers.begin(), bowlers.end(), "Mine"), 1);
  EXPECT_EQ(std::count(bowlers.begin(), bowlers.end(), "Vekt"), 1);
  EXPECT_EQ(std::count(bowlers.begin(), bowlers.end(), "vekt"), 0) << "the installed Vekt wins";
  const std::vector<std::string>& alleys = form.pages.alley.alleycombo.Items();
  EXPECT_EQ(std::count(alleys.begin(), alleys.end(), "Backyard"), 1);
  EXPECT_EQ(form.paths.Find("bowlers\\Mine\\anis.dxg"), own + "bowlers/Mine/anis.dxg");
  EXPECT_EQ(form.paths.Find("bowlers\\VEKT\\anis.dxg"), installed + "bowlers/Vekt/anis.dxg");

  const auto mine = std::find(bowlers.begin(), bowlers.end(), "Mine");
  form.pages.character.playercombo.SetItemIndex(static_cast<int>(mine - bowlers.begin()));
  form.playercomboChange();
  EXPECT_FALSE(form.pages.character.poseProblem.Visible) << form.pages.character.poseProblem.Caption;
}

}  // namespace
