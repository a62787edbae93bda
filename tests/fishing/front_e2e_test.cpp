// The fishing menus through the real loop of the headless host: the player clicks the title, opens
// each panel by its place on the menu bar, names the angler, buys lures, saves and quits.
#include <gtest/gtest.h>

#include "fishing/main_form.h"
#include "media/ini_file.h"
#include "tests/fishing/front_rig.h"

namespace front_test {
namespace {

TEST(FrontEndToEnd, TitleToPanelsToSaveAndQuit) {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  rig.Step();
  ASSERT_TRUE(form.title.Showing());
  ASSERT_TRUE(rig.Sounding(form.background, "music"));

  rig.host.ClickAt(320, 240);
  rig.Step();
  EXPECT_FALSE(form.title.Visible);
  EXPECT_TRUE(form.playerPanel.players.Showing());
  EXPECT_FALSE(rig.Sounding(form.background, "music"));

  // The hot buttons lie over the menu bar of the background picture, with a hand and a tooltip.
  struct THot {
    int x, y;
    TControl* panel;
  };
  for (const THot& hot : {THot{265, 50, &form.lakePanel.tarnhook}, THot{170, 50, &form.optionsPanel.options},
                          THot{80, 50, &form.playerPanel.players}}) {
    EXPECT_EQ(rig.host.Dispatcher().CursorAt(hot.x, hot.y), TCursorShape::HandPoint);
    EXPECT_FALSE(rig.host.Dispatcher().ControlAt(hot.x, hot.y)->Hint.empty());
    rig.host.ClickAt(hot.x, hot.y);
    rig.Step();
    EXPECT_TRUE(hot.panel->Showing()) << hot.panel->Name;
    int panelsShown = 0;
    for (TControl* panel : {static_cast<TControl*>(&form.playerPanel.players),
                            static_cast<TControl*>(&form.optionsPanel.options),
                            static_cast<TControl*>(&form.lakePanel.tarnhook)}) {
      panelsShown += panel->Showing() ? 1 : 0;
    }
    EXPECT_EQ(panelsShown, 1);
  }

  rig.host.TypeText("playername", "Al");
  rig.Step();
  EXPECT_EQ(form.playerPanel.playername.Text(), "PlayerAl");
  EXPECT_EQ(form.status.Caption, "PlayerAl    Cash: $50");

  rig.host.Click("uplures");
  rig.Step();
  EXPECT_EQ(form.status.Caption, "PlayerAl    Cash: $25");
  EXPECT_EQ(form.playerPanel.uplures.Caption, "Upgrade Lures $50");

  rig.host.AnswerFileDialog(rig.Path("al"));
  rig.host.Click("savebutton");
  rig.Step();
  const TIniFile save(rig.Path("al.sav"));
  EXPECT_EQ(save.ReadString("Save Data", "Name", ""), "PlayerAl");
  EXPECT_EQ(save.ReadInteger("Save Data", "Cash", 0), 25);
  EXPECT_EQ(save.ReadInteger("Save Data", "Lures", 0), 2);

  rig.host.ClickAt(540, 50);
  rig.Step();
  EXPECT_TRUE(form.quitbox.Showing());
  rig.host.Click("noquit");
  rig.Step();
  EXPECT_FALSE(form.quitbox.Visible);
  rig.host.ClickAt(540, 50);
  rig.host.Click("okquit");
  EXPECT_LE(rig.host.Run(10), 10);
  EXPECT_TRUE(form.CloseRequested());
  EXPECT_TRUE(rig.host.Messages().empty());
}

}  // namespace
}  // namespace front_test
