// Whole journeys through the real form and loop of the headless host: from the intro to a match
// starting, and a whole two-player match bowled with the keys to its result and the end show.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <functional>

#include "bowling/main_form.h"
#include "forms/virtual_keys.h"
#include "front_rig.h"

namespace bowling_test {
namespace {

// A headless host that lets a test watch the form whenever a handler lets messages run.
class TWatchingHost : public THeadlessHost {
 public:
  void ProcessMessages() override {
    if (watch) watch();
    THeadlessHost::ProcessMessages();
  }
  std::function<void()> watch;
};

// Steps the loop, the clock moving on by the play timer's interval each time so every tick comes
// when it is due (as on a machine that keeps up), until done() or maxSteps; whether done.
bool RunUntil(THeadlessHost& host, const std::function<bool()>& done, int maxSteps) {
  TMainForm& form = static_cast<TMainForm&>(host.Dispatcher().Form());
  for (int step = 0; step < maxSteps; ++step) {
    if (done()) return true;
    host.Advance(static_cast<uint32_t>(std::max(1, form.DXTimer.Interval())));
    host.Step();
  }
  return done();
}

TEST(EndToEnd, FromTheIntroToAMatchStarting) {
  const std::string folder = FreshFolder("FromTheIntroToAMatchStarting");
  WriteProgramFolder(folder);
  TWatchingHost host;
  TMainForm form(host, folder);
  host.Attach(form);
  host.Start();
  const int before = host.PresentCount();
  host.Advance(100);
  host.Step();
  EXPECT_GT(host.PresentCount(), before) << "the intro show draws";
  EXPECT_EQ(form.state.front.ledFrame, 1);

  host.PressKey(VK_RETURN);
  host.Step();
  ASSERT_EQ(form.pages.gui.PageIndex(), 0);
  host.Click("option");
  host.Click("back");
  host.Click("pvsp");
  host.Click("charsel");
  host.Click("nextchar");
  host.Click("charsel");
  host.Step();
  EXPECT_TRUE(std::filesystem::exists(folder + "bowling.ini"));
  ASSERT_EQ(form.pages.gui.PageIndex(), 4);
  EXPECT_EQ(form.state.match.players[1].bowlerName, "Vekt");
  EXPECT_EQ(form.state.match.players[2].bowlerName, "Marla");

  std::vector<int> loadingSteps;
  host.watch = [&] {
    if (form.pages.loading.loading.Showing()) loadingSteps.push_back(form.pages.loading.loadbar.Position());
  };
  host.Click("prevalley");
  host.Click("go");
  host.Step();
  EXPECT_EQ(loadingSteps, (std::vector<int>{0, 1, 2, 3, 3})) << "the bar steps as each library loads";
  EXPECT_EQ(form.state.front.alleyName, "KidsBumper");
  EXPECT_TRUE(form.DXTimer.Enabled());
  EXPECT_TRUE(form.DXDrawArea.Showing());
  EXPECT_FALSE(form.pages.gui.Showing());
  EXPECT_TRUE(form.state.match.aiming);
  EXPECT_EQ(form.state.front.currentPlayer, 1);
  EXPECT_TRUE(form.state.match.players[2].frameStarted[1]);
  EXPECT_EQ(form.bowler.Items.Find("info").SkipWidth, form.state.match.players[1].releaseOffsetX);
  EXPECT_TRUE(host.Messages().empty());
}

// The items of a library whose surfaces wait for their first draw.
int PendingItems(TDXImageList& library) {
  int pending = 0;
  for (int i = 0; i < library.Items.Count(); ++i) pending += library.Items.Items(i).SurfacesPending() ? 1 : 0;
  return pending;
}

TEST(EndToEnd, TheTitleShowsAtOnceAndPlayFindsEveryPictureBuilt) {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  THeadlessHost& host = rig.host;
  ASSERT_EQ(host.PresentCount(), 1) << "the title is on screen before the intro's first tick";
  const TDirectDrawSurface& screen = *form.DXDraw.Primary();
  const std::vector<uint16_t> opening(screen.Bits(), screen.Bits() + screen.Width() * screen.Height());
  EXPECT_GT(PendingItems(form.graphics), form.graphics.Items.Count() / 2) << "play's pictures wait for the match";
  EXPECT_FALSE(form.graphics.Items.Find("logo").SurfacesPending());
  EXPECT_GT(PendingItems(form.LedList), 0) << "the intro builds each frame as it first shows it";
  host.Advance(100);
  host.Step();
  EXPECT_EQ(form.state.front.ledFrame, 1);
  EXPECT_EQ(host.PresentCount(), 2);
  EXPECT_TRUE(std::equal(opening.begin(), opening.end(), screen.Bits())) << "the first tick draws the same frame";

  rig.Key(VK_SPACE);
  rig.Click("pvsp");
  rig.Click("charsel");
  rig.Click("charsel");
  rig.Click("go");
  ASSERT_TRUE(form.DXTimer.Enabled());
  EXPECT_EQ(PendingItems(form.graphics), 0) << "no tick of play builds a picture";
  EXPECT_EQ(PendingItems(form.alley), 0);
  EXPECT_EQ(PendingItems(form.bowler), 0);
  form.sign.Load("strike1", true);
  EXPECT_GT(form.LedList.Items.Count(), 1);
  EXPECT_EQ(PendingItems(form.LedList), 0) << "an in-play show's ticks only draw";
}

TEST(EndToEnd, AWholeTwoPlayerMatchBowledWithTheKeys) {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  THeadlessHost& host = rig.host;
  rig.Key(VK_SPACE);
  rig.Click("pvsp");
  rig.Click("charsel");
  rig.Click("charsel");
  rig.Click("go");
  ASSERT_TRUE(form.DXTimer.Enabled());
  TMatchState& match = form.state.match;
  int balls = 0;
  while (!match.matchComplete) {
    ASSERT_LT(balls, 60) << "the match does not end";
    ASSERT_TRUE(RunUntil(host, [&] { return match.aiming || match.matchComplete; }, 30000));
    if (match.matchComplete) break;
    // Aim a little, then start the meter, press power near its top and accuracy near the sweet spot.
    host.KeyDown(balls % 2 ? VK_LEFT : VK_RIGHT);
    RunUntil(host, [] { return false; }, 40);
    host.KeyUp(balls % 2 ? VK_LEFT : VK_RIGHT);
    host.PressKey(VK_SPACE);
    ASSERT_TRUE(RunUntil(host, [&] { return match.charging && match.meter >= 58; }, 2000));
    host.PressKey(VK_SPACE);
    ASSERT_TRUE(RunUntil(host, [&] { return match.meter >= 90 + balls % 12; }, 2000));
    host.PressKey(VK_SPACE);
    ASSERT_TRUE(RunUntil(host, [&] { return match.rolling; }, 2000));
    ++balls;
  }
  EXPECT_GE(balls, 24);
  const int32_t one = match.players[1].frameTotal[10];
  const int32_t two = match.players[2].frameTotal[10];
  RunUntil(host, [&] { return !match.banner.empty(); }, 100);
  EXPECT_EQ(match.banner, one > two ? "PLAYER 1 WINS" : two > one ? "PLAYER 2 WINS" : "MATCH TIED");
  EXPECT_TRUE(match.players[1].frameStarted[10]);
  rig.Key('K');
  RunUntil(host, [&] { return form.goverTimer.Enabled(); }, 100);
  EXPECT_TRUE(form.goverTimer.Enabled()) << "the end show";
  EXPECT_FALSE(form.DXTimer.Enabled());
  EXPECT_TRUE(rig.Sounding(form.music, "music"));
  rig.Key('K');
  EXPECT_EQ(form.pages.gui.PageIndex(), 0);
  EXPECT_TRUE(form.pages.gui.Showing());
  EXPECT_TRUE(host.Messages().empty());
}


TEST(EndToEnd, ADemonstrationMatchToItsResultAndBackToTheMenu) {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  THeadlessHost& host = rig.host;
  rig.Key(VK_SPACE);
  rig.Click("demo");
  EXPECT_EQ(form.pages.character.charsel.Caption, "Select Computer Player 1");
  rig.Click("hard");
  rig.Click("charsel");
  EXPECT_EQ(form.pages.character.charsel.Caption, "Select Computer Player 2");
  rig.Click("charsel");
  rig.Click("go");
  ASSERT_TRUE(form.DXTimer.Enabled());
  TMatchState& match = form.state.match;
  EXPECT_EQ(match.players[1].level, 1);
  // Keys and clicks do nothing to a computer's turn.
  host.PressKey(VK_SPACE);
  host.PressKey(VK_LEFT);
  ASSERT_TRUE(RunUntil(host, [&] { return match.matchComplete; }, 60000));
  RunUntil(host, [&] { return !match.banner.empty(); }, 100);
  const int32_t one = match.players[1].frameTotal[10];
  const int32_t two = match.players[2].frameTotal[10];
  EXPECT_EQ(match.banner, one > two   ? "COMPUTER PLAYER 1 WINS"
                          : two > one ? "COMPUTER PLAYER 2 WINS"
                                      : "MATCH TIED");
  host.MouseDown(TMouseButton::Left, 300, 300);
  host.MouseUp(TMouseButton::Left, 300, 300);
  RunUntil(host, [&] { return form.goverTimer.Enabled(); }, 100);
  ASSERT_TRUE(form.goverTimer.Enabled());
  rig.Key(VK_RETURN);
  EXPECT_EQ(form.pages.gui.PageIndex(), 0);
  EXPECT_TRUE(form.pages.gui.Showing());
  EXPECT_TRUE(host.Messages().empty());
}

TEST(EndToEnd, APlayerAgainstTheComputer) {
  TFrontRig rig;
  TMainForm& form = rig.Start();
  THeadlessHost& host = rig.host;
  rig.Key(VK_SPACE);
  rig.Click("pvscomp");
  rig.Click("charsel");
  rig.Click("normal");
  rig.Click("charsel");
  rig.Click("go");
  TMatchState& match = form.state.match;
  ASSERT_EQ(match.players[2].level, 4);
  int humanBalls = 0;
  while (!match.matchComplete) {
    ASSERT_LT(humanBalls, 30);
    ASSERT_TRUE(RunUntil(host, [&] { return (match.aiming && !form.state.CurrentPlayer().computer) || match.matchComplete; },
                         60000));
    if (match.matchComplete) break;
    // The mouse this time: a click on the meter, then clicks anywhere for power and accuracy.
    host.MouseMove(540, 400);
    ASSERT_TRUE(RunUntil(host, [&] { return match.mouseX == 540; }, 50));
    host.MouseDown(TMouseButton::Left, 540, 400);
    host.MouseUp(TMouseButton::Left, 540, 400);
    ASSERT_TRUE(RunUntil(host, [&] { return match.charging && match.meter >= 60; }, 2000));
    host.MouseDown(TMouseButton::Left, 100, 100);
    host.MouseUp(TMouseButton::Left, 100, 100);
    ASSERT_TRUE(RunUntil(host, [&] { return match.meter >= 96; }, 2000));
    host.MouseDown(TMouseButton::Left, 100, 100);
    host.MouseUp(TMouseButton::Left, 100, 100);
    ASSERT_TRUE(RunUntil(host, [&] { return match.rolling; }, 2000));
    ++humanBalls;
  }
  EXPECT_GE(humanBalls, 11);
  EXPECT_TRUE(match.players[1].finished);
  EXPECT_TRUE(match.players[2].finished);
  EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
}  // namespace bowling_test
