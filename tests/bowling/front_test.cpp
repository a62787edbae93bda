// The bowling menus through the real form and loop of the headless host: start-up, the options and
// their ini file, the modes, bowler and alley choice, and what the menus say about missing data.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bowling/main_form.h"
#include "forms/virtual_keys.h"
#include "front_rig.h"
#include "media/library_writer.h"

namespace bowling_test {
namespace {

TEST(Front, FirstStartWithoutAnIniFile) {
  TFrontRig rig;
  constexpr uint64_t kTimeOfDay = 1765000000123456;  // microseconds since 1970
  rig.host.SetClock(40);
  rig.host.SetWallClock(kTimeOfDay);
  TMainForm& form = rig.Start();
  TRandom seeded(kTimeOfDay);
  EXPECT_EQ(TRandom(form.random).Next(), seeded.Next()) << "seeded from the time of day";
  const TConfigPage& config = form.pages.config;
  EXPECT_TRUE(config.sound.Checked());
  EXPECT_TRUE(config.speechchk.Checked());
  EXPECT_TRUE(config.shadows.Checked());
  EXPECT_FALSE(config.mblur.Checked());
  EXPECT_FALSE(config.flip.Checked());
  EXPECT_EQ(config.anicombo.ItemIndex(), 2);
  EXPECT_TRUE(form.pages.tourney.games3.Checked());
  EXPECT_TRUE(form.pages.tourney.teasy.Checked());
  EXPECT_TRUE(form.IntroTimer.Enabled());
  EXPECT_TRUE(form.DXDrawArea.Showing());
  EXPECT_TRUE(rig.Sounding(form.music, "music"));
  EXPECT_EQ(rig.Ini(), "") << "nothing written at start";
  // A key during the intro leads to the main page, never to the tournament's.
  rig.Key('A');
  EXPECT_FALSE(form.IntroTimer.Enabled());
  EXPECT_TRUE(form.pages.gui.Showing());
  EXPECT_EQ(form.pages.gui.PageIndex(), 0);
  EXPECT_FALSE(form.DXDrawArea.Showing());
}

TEST(Front, OptionsAreSavedByBackAndScreenFlippingWaitsForTheNextStart) {
  TFrontRig rig;
  {
    TMainForm& form = rig.Start();
    rig.Key(VK_SPACE);
    rig.Click("option");
    EXPECT_EQ(form.pages.gui.PageIndex(), 1);
    rig.Click("flip");
    rig.Click("mblur");
    rig.host.SelectItem("anicombo", 0);
    rig.Step();
    EXPECT_FALSE(form.DXDraw.Options.Contains(doFlip)) << "only at the next start";
    rig.Click("back");
    EXPECT_EQ(form.pages.gui.PageIndex(), 0);
  }
  const std::string ini = rig.Ini();
  for (const char* line : {"Sound=1", "Speech=1", "Animation=0", "FastRefresh=1", "ScreenFlip=1", "SoftShadows=1"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(ini.find("[Tournament]"), std::string::npos) << "written only by Exit";
  rig.form.reset();
  THeadlessHost second;
  TMainForm again(second, rig.folder);
  second.Attach(again);
  second.Start();
  EXPECT_TRUE(again.DXDraw.Options.Contains(doFlip));
  EXPECT_TRUE(again.pages.config.mblur.Checked());
  EXPECT_EQ(again.pages.config.anicombo.ItemIndex(), 0);
}

TEST(Front, TheSoundBoxStopsAndRestartsTheMusic) {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  rig.Key(VK_SPACE);
  rig.Click("option");
  ASSERT_TRUE(rig.Sounding(form.music, "music"));
  rig.Click("sound");
  EXPECT_FALSE(rig.Sounding(form.music, "music"));
  rig.Click("sound");
  EXPECT_TRUE(rig.Sounding(form.music, "music"));
}

TEST(Front, WithoutASoundDeviceTheBoxIsOffAndBackStoresIt) {
  TFrontRig rig;
  rig.host.SetAudioAvailable(false);
  TMainForm& form = rig.Start();
  EXPECT_FALSE(form.pages.config.sound.Checked());
  EXPECT_FALSE(form.pages.config.sound.Enabled);
  EXPECT_TRUE(rig.host.Messages().empty()) << "nothing is shown";
  rig.Key(VK_SPACE);
  rig.Click("option");
  rig.Click("sound");
  EXPECT_FALSE(form.pages.config.sound.Checked()) << "a disabled box cannot be changed";
  rig.Click("back");
  EXPECT_NE(rig.Ini().find("Sound=0"), std::string::npos);
}

TEST(Front, TournamentKeysAreWrittenOnlyByExitAndTheCreditsEndTheProgram) {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  rig.Key(VK_SPACE);
  form.pages.tourney.games7.SetChecked(true);
  form.pages.tourney.thard.SetChecked(true);
  rig.Click("quit");
  const std::string ini = rig.Ini();
  for (const char* line : {"3Games=0", "5Games=0", "7Games=1", "Easy=0", "Normal=0", "Hard=1"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(ini.find("[Options]"), std::string::npos);
  EXPECT_TRUE(form.goverTimer.Enabled());
  EXPECT_TRUE(form.state.front.quitting);
  EXPECT_FALSE(form.CloseRequested());
  rig.Key('Z');
  EXPECT_TRUE(form.CloseRequested());
  EXPECT_FALSE(form.DXDraw.Initialized());
  EXPECT_FALSE(form.DXSound.Initialized());
}

TEST(Front, BrowsingWrapsBothWaysAndTheAlleyArrowsAreCrossed) {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  rig.Key(VK_SPACE);
  const TComboBox& bowlers = form.pages.character.playercombo;
  ASSERT_EQ(bowlers.Items(), (std::vector<std::string>{"Marla", "Oskar", "Vekt"}));
  EXPECT_EQ(bowlers.Selected(), "Vekt") << "the default bowler";
  rig.Click("practice");
  rig.Click("nextchar");
  EXPECT_EQ(bowlers.Selected(), "Marla") << "forwards from the last shows the first";
  rig.Click("prevchar");
  EXPECT_EQ(bowlers.Selected(), "Vekt") << "backwards from the first shows the last";
  EXPECT_EQ(form.state.match.players[1].bowlerName, "Vekt");
  rig.Click("charsel");
  EXPECT_EQ(form.pages.gui.PageIndex(), 4);
  const TComboBox& alleys = form.pages.alley.alleycombo;
  ASSERT_EQ(alleys.Items(), (std::vector<std::string>{"KidsBumper", "Neon", "Tradtional"}));
  EXPECT_EQ(alleys.Selected(), "Tradtional");
  EXPECT_FALSE(form.state.front.bumperAlley);
  rig.Click("prevalley");  // the right arrow steps forward
  EXPECT_EQ(alleys.Selected(), "KidsBumper");
  EXPECT_TRUE(form.state.front.bumperAlley);
  rig.Click("nextalley");  // the left arrow steps back
  EXPECT_EQ(alleys.Selected(), "Tradtional");
  EXPECT_EQ(form.state.front.alleyName, "Tradtional");
}

TEST(Front, DefaultsAndTheBumperRuleIgnoreLetterCase) {
  TFixture fixture;
  fixture.bowlers = {"bob", "zed"};
  fixture.alleys = {"lanes", "tiny bumper"};
  TFrontRig rig(fixture);
  TMainForm& form = rig.Start();
  EXPECT_EQ(form.pages.character.playercombo.ItemIndex(), 0) << "no VEKT: the first bowler";
  EXPECT_EQ(form.state.match.players[1].bowlerName, "bob");
  rig.Key(VK_SPACE);
  form.pages.alley.alleycombo.SetItemIndex(1);
  form.alleycomboChange();
  EXPECT_TRUE(form.state.front.bumperAlley);
}

TEST(Front, PlayerAgainstPlayerAndAgainstTheComputer) {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  rig.Key(VK_SPACE);
  rig.Click("pvsp");
  rig.Click("prevchar");  // Oskar
  rig.Click("charsel");
  EXPECT_EQ(form.pages.character.charsel.Caption, "Select Player 2");
  EXPECT_EQ(form.state.match.players[2].bowlerName, "Oskar") << "the list is not moved";

  TFrontRig second;
  TMainForm& other = second.Start();
  second.Key(VK_SPACE);
  second.Click("pvscomp");
  second.Click("hard");
  second.Click("charsel");
  EXPECT_TRUE(other.state.match.players[1].pro);
  EXPECT_EQ(other.pages.character.charsel.Caption, "Select Computer Player 2");
  second.Click("normal");
  second.Click("charsel");
  EXPECT_EQ(other.state.match.players[2].level, 4);
  EXPECT_EQ(other.pages.gui.PageIndex(), 4);
  EXPECT_EQ(other.pages.character.charsel.Caption, "Select Player 1");
}

TEST(Front, EmptyDataFoldersAreNamedAndNoModeStarts) {
  TFixture fixture;
  fixture.bowlers.clear();
  TFrontRig rig(fixture);
  TMainForm& form = rig.Start();
  rig.Key(VK_SPACE);
  EXPECT_TRUE(form.pages.main.missing.Showing());
  EXPECT_NE(form.pages.main.missing.Caption.find("No bowlers were found"), std::string::npos);
  EXPECT_NE(form.pages.main.missing.Caption.find(rig.folder + "bowlers"), std::string::npos);
  EXPECT_FALSE(form.pages.main.practice.Showing());
  EXPECT_TRUE(form.pages.main.option.Showing());
}

TEST(Front, MissingPicturesAndBrokenLibrariesAreExplainedNotFatal) {
  TFrontRig rig;
  std::filesystem::remove(rig.folder + "bowlers/Vekt/pose.bmp");
  WritePictureLibrary(rig.folder + "alleys/Neon/anis.dxg", {});
  TMainForm& form = rig.Start();
  rig.Key(VK_SPACE);
  rig.Click("practice");
  EXPECT_TRUE(form.pages.character.poseProblem.Showing());
  EXPECT_TRUE(form.pages.character.player.Picture().Empty());
  rig.Click("charsel");
  rig.Click("nextalley");  // back from Tradtional to Neon
  ASSERT_EQ(form.state.front.alleyName, "Neon");
  rig.Click("go");
  ASSERT_EQ(rig.host.Messages().size(), 1u);
  EXPECT_NE(rig.host.Messages()[0].find("has no \"alley\""), std::string::npos) << rig.host.Messages()[0];
  EXPECT_EQ(form.pages.gui.PageIndex(), 4) << "the menu stays usable";
  EXPECT_FALSE(form.DXTimer.Enabled());
  rig.Click("prevalley");
  rig.Key(VK_ESCAPE);  // pressed on the menu, it is no pending exit in the match
  rig.Click("go");
  EXPECT_TRUE(form.DXTimer.Enabled());
  rig.Key(VK_RETURN);
  EXPECT_TRUE(form.DXTimer.Enabled());
}

}  // namespace
}  // namespace bowling_test
