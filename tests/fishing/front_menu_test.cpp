// Start-up, the title screen, the menu bar and the options panel of the fishing form.
#include <gtest/gtest.h>

#include "fishing/main_form.h"
#include "media/ini_file.h"
#include "media/random.h"
#include "tests/fishing/front_rig.h"

namespace front_test {
namespace {

struct FrontMenuTest : ::testing::Test {
  TFrontRig rig;
};

TEST_F(FrontMenuTest, FreshStartShowsTheTitleWithDefaultsAndMusic) {
  constexpr uint64_t kTimeOfDay = 1765000000654321;  // microseconds since 1970
  rig.host.SetClock(40);
  rig.host.SetWallClock(kTimeOfDay);
  TMainForm& form = rig.Start();
  TRandom seeded(kTimeOfDay);
  EXPECT_EQ(TRandom(form.random).Next(), seeded.Next()) << "seeded from the time of day";
  const TOptionsPanel& options = form.optionsPanel;
  EXPECT_TRUE(options.mousedrive.Checked());
  EXPECT_FALSE(options.keydrive.Checked());
  EXPECT_TRUE(options.soundon.Checked());
  EXPECT_FALSE(options.soundoff.Checked());
  EXPECT_TRUE(options.bgsound.Checked());
  EXPECT_FALSE(options.flip.Checked());
  EXPECT_EQ(options.speed.ItemIndex(), 2);
  EXPECT_EQ(options.speed.Selected(), "As fast as possible");
  EXPECT_EQ(form.status.Caption, "Player    Cash: $50");
  EXPECT_EQ(form.trip->cash, 50);
  EXPECT_EQ(form.trip->lakesOpen, 2);
  EXPECT_EQ(form.trip->boatImage, "boat1");
  EXPECT_EQ(form.trip->lastFish, 128);

  // Only the title picture shows; the device is up and the title music plays.
  EXPECT_TRUE(form.title.Showing());
  for (const char* name : {"image", "player", "option", "go", "quit", "status", "players", "options",
                           "tarnhook", "quitbox", "loadingbox", "DXDraw"}) {
    EXPECT_FALSE(form.FindControl(name)->Showing()) << name;
  }
  EXPECT_TRUE(form.DXDraw.Initialized());
  EXPECT_TRUE(form.DXSound.Initialized());
  EXPECT_TRUE(rig.Sounding(form.background, "music"));
  EXPECT_TRUE(rig.Audible());

  // The lake list holds lakes 1 and 2 with the first selected but not yet shown.
  EXPECT_EQ(form.lakePanel.lakes.Items(), (std::vector<std::string>{"Lake1", "Lake2"}));
  EXPECT_EQ(form.lakePanel.lakes.ItemIndex(), 0);
  EXPECT_FALSE(form.lakePanel.showgo.Visible);
  EXPECT_EQ(form.lakePanel.lakeinfo.Lines.size(), 7u);
  EXPECT_TRUE(rig.host.Messages().empty());
}

TEST_F(FrontMenuTest, TitleClickStopsTheMusicAndOpensThePlayerPanel) {
  TMainForm& form = rig.Start();
  form.titleClick();
  EXPECT_FALSE(form.title.Visible);
  EXPECT_FALSE(rig.Sounding(form.background, "music"));
  for (TControl* shown : {static_cast<TControl*>(&form.image), static_cast<TControl*>(&form.player),
                          static_cast<TControl*>(&form.option), static_cast<TControl*>(&form.go),
                          static_cast<TControl*>(&form.quit), static_cast<TControl*>(&form.status),
                          static_cast<TControl*>(&form.playerPanel.players)}) {
    EXPECT_TRUE(shown->Showing()) << shown->Name;
  }
  EXPECT_FALSE(form.optionsPanel.options.Visible);
  EXPECT_FALSE(form.lakePanel.tarnhook.Visible);
}

TEST_F(FrontMenuTest, OnePanelAtATimeAndTheQuitBoxOverThem) {
  TMainForm& form = rig.Start();
  form.titleClick();
  form.optionClick();
  EXPECT_TRUE(form.optionsPanel.options.Visible);
  EXPECT_FALSE(form.playerPanel.players.Visible);
  EXPECT_EQ(form.optionsPanel.options.Left, 48);
  EXPECT_EQ(form.optionsPanel.options.Top, 96);
  EXPECT_TRUE(rig.Sounding(form.sounds, "cast"));

  form.quitClick();
  EXPECT_TRUE(form.quitbox.Showing());
  form.showgoClick();
  EXPECT_FALSE(form.quitbox.Visible);
  EXPECT_TRUE(form.lakePanel.tarnhook.Visible);
  EXPECT_FALSE(form.optionsPanel.options.Visible);

  form.quitClick();
  form.noquitClick();
  EXPECT_FALSE(form.quitbox.Visible);
  EXPECT_FALSE(form.CloseRequested());
  form.quitClick();
  form.okquitClick();
  EXPECT_TRUE(form.CloseRequested());
}

TEST_F(FrontMenuTest, EveryControlLiesInsideItsContainer) {
  TMainForm& form = rig.Start();
  std::function<void(TControl&)> check = [&](TControl& parent) {
    for (TControl* child : parent.Children()) {
      if (&parent != &form) {
        EXPECT_GE(child->Left, 0) << child->Name;
        EXPECT_GE(child->Top, 0) << child->Name;
        EXPECT_LE(child->Left + child->Width, parent.Width) << child->Name << " in " << parent.Name;
        EXPECT_LE(child->Top + child->Height, parent.Height) << child->Name << " in " << parent.Name;
      }
      check(*child);
    }
  };
  check(form);
  // The panels sit on the shaded backing of the menu picture, clear of the status line.
  for (TControl* panel : {static_cast<TControl*>(&form.playerPanel.players),
                          static_cast<TControl*>(&form.optionsPanel.options),
                          static_cast<TControl*>(&form.lakePanel.tarnhook)}) {
    EXPECT_LE(96 + panel->Height, form.status.Top) << panel->Name;
  }
}

TEST_F(FrontMenuTest, OptionsFileIsReadAtStartAndWrittenOnlyBySaveOptions) {
  rig.WriteFile("tarnhook.ini",
                "[Tarnhook]\r\nflip=1\r\nspeed=0\r\nmousedrive=0\r\nkeydrive=1\r\nsoundon=0\r\nsoundoff=1\r\n"
                "bgsound=0\r\n");
  TMainForm& form = rig.Start();
  const TOptionsPanel& options = form.optionsPanel;
  EXPECT_TRUE(options.flip.Checked());
  EXPECT_EQ(options.speed.ItemIndex(), 0);
  EXPECT_TRUE(options.keydrive.Checked());
  EXPECT_FALSE(options.mousedrive.Checked());
  EXPECT_TRUE(options.soundoff.Checked());
  EXPECT_FALSE(options.bgsound.Checked());
  // Sound off: the device stays closed, so the title is silent.
  EXPECT_FALSE(form.DXSound.Initialized());
  EXPECT_FALSE(rig.Audible());

  const std::string before = rig.ReadFile("tarnhook.ini");
  form.defaultClick();
  EXPECT_FALSE(options.flip.Checked());
  EXPECT_EQ(options.speed.ItemIndex(), 2);
  EXPECT_TRUE(options.mousedrive.Checked());
  EXPECT_FALSE(options.keydrive.Checked());
  EXPECT_TRUE(options.soundon.Checked());
  EXPECT_TRUE(options.bgsound.Checked());
  // Checking "Sound ON" opened the device; nothing was written.
  EXPECT_TRUE(form.DXSound.Initialized());
  form.playerClick();
  EXPECT_EQ(rig.ReadFile("tarnhook.ini"), before);

  form.applyClick();
  const TIniFile ini(rig.Path("tarnhook.ini"));
  EXPECT_EQ(ini.ReadString("Tarnhook", "flip", ""), "0");
  EXPECT_EQ(ini.ReadString("Tarnhook", "speed", ""), "2");
  EXPECT_EQ(ini.ReadString("Tarnhook", "mousedrive", ""), "1");
  EXPECT_EQ(ini.ReadString("Tarnhook", "keydrive", ""), "0");
  EXPECT_EQ(ini.ReadString("Tarnhook", "soundon", ""), "1");
  EXPECT_EQ(ini.ReadString("Tarnhook", "soundoff", ""), "0");
  EXPECT_EQ(ini.ReadString("Tarnhook", "bgsound", ""), "1");
}

TEST_F(FrontMenuTest, DefaultWithoutAnOptionsFileCreatesNone) {
  TMainForm& form = rig.Start();
  form.defaultClick();
  EXPECT_FALSE(rig.Exists("tarnhook.ini"));
  form.optionsPanel.keydrive.Click();
  form.applyClick();
  EXPECT_EQ(TIniFile(rig.Path("tarnhook.ini")).ReadInteger("Tarnhook", "keydrive", 0), 1);
}

TEST_F(FrontMenuTest, GarbageOptionsGiveDefaults) {
  rig.WriteFile("tarnhook.ini", "[Tarnhook]\nflip=yes\nspeed=7\nbgsound=$0\nsoundon=0x1\n");
  TMainForm& form = rig.Start();
  EXPECT_FALSE(form.optionsPanel.flip.Checked());
  EXPECT_EQ(form.optionsPanel.speed.ItemIndex(), 2);
  EXPECT_FALSE(form.optionsPanel.bgsound.Checked());
  EXPECT_TRUE(form.optionsPanel.soundon.Checked());
  EXPECT_EQ(form.GameSpeedIndex(), 2);
}

TEST_F(FrontMenuTest, SoundOffSilencesAtOnceAndSoundOnLeavesTheTitleMusicStopped) {
  TMainForm& form = rig.Start();
  form.titleClick();
  form.optionClick();
  ASSERT_TRUE(rig.Sounding(form.sounds, "cast"));
  ASSERT_TRUE(rig.Audible());

  form.optionsPanel.soundoff.Click();
  EXPECT_FALSE(form.SoundOn());
  EXPECT_FALSE(form.DXSound.Initialized());
  EXPECT_FALSE(rig.Audible());
  form.playerClick();  // effects asked for while sound is off make no sound
  EXPECT_FALSE(rig.Audible());

  form.optionsPanel.soundon.Click();
  EXPECT_TRUE(form.DXSound.Initialized());
  EXPECT_FALSE(rig.Sounding(form.background, "music"));
  EXPECT_FALSE(rig.Audible());
  form.showgoClick();
  EXPECT_TRUE(rig.Sounding(form.sounds, "cast"));
}

TEST_F(FrontMenuTest, MissingSoundLibraryIsReportedAndTheTitleStillShows) {
  std::filesystem::remove(rig.Path("sound.dxw"));
  rig.WriteFile("tarnhook.ini", "[Tarnhook]\nkeydrive=1\n");
  TMainForm& form = rig.Start();
  ASSERT_EQ(rig.host.Messages().size(), 1u);
  EXPECT_EQ(rig.host.Messages()[0], "Cannot open file " + rig.Path("sound.dxw"));
  // The rest of the start-up was skipped: no options read, no lakes listed, no music loaded.
  EXPECT_TRUE(form.optionsPanel.mousedrive.Checked());
  EXPECT_EQ(form.lakePanel.lakes.Count(), 0);
  EXPECT_EQ(form.background.Items.Count(), 0);
  EXPECT_TRUE(form.title.Showing());
  EXPECT_TRUE(form.DXDraw.Initialized());
  EXPECT_EQ(form.status.Caption, "Player    Cash: $50");
  rig.Step();
  EXPECT_GT(rig.host.PresentCount(), 0);
  // The menus still work, silently, without a second report.
  form.titleClick();
  form.showgoClick();
  EXPECT_TRUE(form.lakePanel.tarnhook.Showing());
  EXPECT_EQ(rig.host.Messages().size(), 1u);
}

}  // namespace
}  // namespace front_test
