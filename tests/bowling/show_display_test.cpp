// The LED sign's frame order and lamps, and the lane display's layers, read back from the front
// surface after each flip.
#include <gtest/gtest.h>

#include "bowling/bowling_play.h"
#include "media/pixel_format.h"
#include "media/surface.h"
#include "play_rig.h"

namespace bowling_test {
namespace {

uint16_t Rgb565(uint32_t rgb) { return PackPicturePixel(rgb, TPixelFormat::RGB565); }

struct TShowRig {
  explicit TShowRig(TFixture fixture = {}) : folder(FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    WriteProgramFolder(folder, fixture);
    rig = std::make_unique<TPlayRig>(folder);
    rig->OpenDevices();
  }
  // Whether the lamp of column c, row r (full-screen rows 25..54) is lit on the front surface.
  bool Lit(int c, int r) const { return rig->FrontPixel(6 * c + 3, 6 * r + 4 + 3) == Rgb565(kLampLit); }

  std::string folder;
  std::unique_ptr<TPlayRig> rig;
};

TEST(LedSign, ATwoFrameFullScreenShowAlternatesWithTheLogoRedrawn) {
  TFixture fixture;
  fixture.ledFrames = 2;
  TShowRig show(fixture);
  TPlayRig& rig = *show.rig;
  rig.sign.Load("gameover");
  rig.sign.Start(rig.goverTimer);
  std::vector<int> frames;
  for (int tick = 0; tick < 4; ++tick) {
    // A mark beside the sign stays on screen unless the logo is drawn over it in this tick.
    const bool afterFrameZero = rig.state.front.ledFrame == 0;
    rig.DXDraw.Surface()->Row(2)[2] = Rgb565(0xFF00FF);
    rig.sign.goverTimerTimer(1);
    frames.push_back(rig.state.front.ledFrame);
    EXPECT_EQ(show.Lit(14, 25), rig.state.front.ledFrame == 1) << "tick " << tick;
    EXPECT_FALSE(show.Lit(13, 25));
    EXPECT_EQ(rig.FrontPixel(2, 2) == Rgb565(kLogoColour), afterFrameZero) << "the logo, tick " << tick;
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 0, 1, 0}));
}

// Opaque lamps are copied a row of the sign at a time; lamps that could show through are drawn one
// by one. Both give the same sign, frame after frame.
TEST(LedSign, LampsCopiedRowByRowMatchLampsDrawnOneByOne) {
  TFixture fixture;
  fixture.ledFrames = 5;
  TShowRig show(fixture);
  TPlayRig& rig = *show.rig;
  TPictureCollectionItem& lamp = rig.graphics.Items.Find("led");
  // Rows of the lit lamp differ, so a row taken from the wrong place shows.
  TDirectDrawSurface& lampSurface = *lamp.PatternSurface(1);
  const TRect lit = lamp.Surfaces().Patterns[1].Rect;
  for (int y = 0; y < 6; ++y) lampSurface.Row(lit.Top + y)[lit.Left + y] = static_cast<uint16_t>(0x1111 * (y + 1));
  rig.sign.Load("intro");
  lamp.Transparent = false;
  const auto frames = [&] {
    std::vector<std::vector<uint16_t>> shown;
    rig.sign.Start(rig.IntroTimer);
    for (int tick = 0; tick < 5; ++tick) {
      rig.sign.IntroTimerTimer(1);
      const TDirectDrawSurface& front = *rig.DXDraw.Primary();
      shown.emplace_back(front.Bits(), front.Bits() + front.Width() * front.Height());
    }
    return shown;
  };
  const auto copied = frames();
  lamp.Transparent = true;
  lamp.SetTransparentColor(clFuchsia);  // a key no lamp pixel has
  const auto drawn = frames();
  ASSERT_EQ(copied.size(), drawn.size());
  for (size_t i = 0; i < copied.size(); ++i) EXPECT_TRUE(copied[i] == drawn[i]) << "frame " << i;
  EXPECT_FALSE(copied[1] == copied[2]) << "the frames differ";
}

TEST(LedSign, AnInPlayShowOfNFramesHandsBackOnItsNthTick) {
  TFixture fixture;
  fixture.ledFrames = 5;
  TShowRig show(fixture);
  TPlayRig& rig = *show.rig;
  rig.state.match.reacting = true;
  rig.sign.Load("strike1");
  rig.sign.Start(rig.LEDTimer);
  for (int tick = 1; tick < 5; ++tick) {
    rig.sign.IntroTimerTimer(1);
    EXPECT_TRUE(rig.LEDTimer.Enabled());
    // In play the sign's rows are 15..44.
    EXPECT_EQ(rig.FrontPixel(6 * (13 + tick) + 3, 6 * 15 + 7), Rgb565(kLampLit)) << "frame " << tick;
  }
  const int presents = rig.host.presents;
  rig.sign.IntroTimerTimer(1);
  EXPECT_FALSE(rig.LEDTimer.Enabled());
  EXPECT_TRUE(rig.DXTimer.Enabled()) << "play resumes";
  EXPECT_EQ(rig.host.presents, presents) << "frame 0 is never shown in play";
}

TEST(LedSign, ALateTickAdvancesWithoutDrawing) {
  TShowRig show;
  TPlayRig& rig = *show.rig;
  rig.sign.Load("intro");
  rig.sign.Start(rig.IntroTimer);
  rig.sign.IntroTimerTimer(1);
  const int presents = rig.host.presents;
  rig.sign.IntroTimerTimer(2);
  EXPECT_EQ(rig.state.front.ledFrame, 2);
  EXPECT_EQ(rig.host.presents, presents);
}

TEST(LedSign, AShowWithoutFramesEndsAtOnceAndAMissingOneIsReported) {
  TShowRig show;
  TPlayRig& rig = *show.rig;
  rig.sign.Load("nosuchshow");
  ASSERT_EQ(rig.host.messages.size(), 1u);
  EXPECT_NE(rig.host.messages[0].find("nosuchshow.led"), std::string::npos);
  EXPECT_EQ(rig.LedList.Items.Count(), 0);
  rig.sign.Start(rig.goverTimer);
  rig.sign.goverTimerTimer(1);
  EXPECT_FALSE(rig.goverTimer.Enabled());
  EXPECT_EQ(rig.bowlingHost.cleanups, 1);
  rig.state.front.quitting = true;
  rig.sign.Start(rig.goverTimer);
  rig.sign.goverTimerTimer(1);
  EXPECT_EQ(rig.bowlingHost.endings, 1) << "the credits without frames end the program";
}

struct TLaneRig : TShowRig {
  explicit TLaneRig(TFixture fixture = {}) : TShowRig(fixture) {
    rig->state.match.players[1].bowlerName = "Vekt";
    rig->state.match.players[2].bowlerName = "Marla";
    rig->StartMatch(2);
  }
};

TEST(LaneDisplay, TheBannerAndTheBallInThePit) {
  TLaneRig lane;
  TPlayRig& rig = *lane.rig;
  rig.play.Step(1, true);
  // "PLAYER 1 UP": 11 characters from x 320 - 154 = 166, the first glyph a cell to the right.
  EXPECT_NE(rig.FrontPixel(166 + 24 + 2, 222), Rgb565(kAlleyColour));
  EXPECT_EQ(rig.FrontPixel(166 + 23, 222), Rgb565(kAlleyColour));
  TMatchState& match = rig.state.match;
  match.aiming = false;
  match.rolling = true;
  match.ballX = 320;
  match.ballY = 200;
  match.ballSpeed = 0;
  rig.play.Step(1, true);
  EXPECT_EQ(rig.FrontPixel(310, 200), Rgb565(kBallColour)) << "the ball on the lane";
  match.ballY = 70;
  rig.play.Step(1, true);
  // In the pit the ball sits at y 78, darkened, under the masking unit ("over" covers y 0..59).
  TDirectDrawSurface darkened(1, 1, TPixelFormat::RGB565);
  darkened.Fill(Rgb565(kBallColour));
  darkened.FillRectBlended(TRect{0, 0, 1, 1}, clBlack, 192);
  EXPECT_EQ(rig.FrontPixel(310, 80), darkened.PixelAt(0, 0)) << "the ball in the pit, darkened";
  EXPECT_EQ(rig.FrontPixel(310, 30), Rgb565(kOverColour));
  EXPECT_NE(rig.FrontPixel(310, 70), Rgb565(kBallColour)) << "not drawn at its own height";
}

TEST(LaneDisplay, PointerAndScoreRows) {
  TLaneRig lane;
  TPlayRig& rig = *lane.rig;
  rig.host.cursor = {100, 250};
  rig.play.Step(1, true);
  EXPECT_EQ(rig.FrontPixel(101, 251), Rgb565(0xFFFFFF)) << "the mouse pointer";
  EXPECT_NE(rig.FrontPixel(5, 81 + 69), Rgb565(0x800002)) << "one row only";
  rig.state.match.showAllScores = true;
  rig.play.Step(1, true);
  EXPECT_EQ(rig.FrontPixel(5, 81 + 69), Rgb565(0x800002)) << "player 2's row label";
  rig.state.match.players[1].computer = true;
  rig.play.Step(1, true);
  EXPECT_EQ(rig.FrontPixel(100 - 16 + 1, 250 - 16 + 1), Rgb565(0xFF00FF)) << "the think pointer";
}

TEST(LaneDisplay, FastRefreshRepaintsTheLaneEveryOtherFrame) {
  TLaneRig lane;
  TPlayRig& rig = *lane.rig;
  rig.bowlingHost.fastRefresh = true;
  bool previous = rig.state.match.blurFrame;
  for (int i = 0; i < 4; ++i) {
    rig.play.Step(1, true);
    EXPECT_NE(rig.state.match.blurFrame, previous);
    previous = rig.state.match.blurFrame;
  }
}

TEST(LaneDisplay, AReactionHoldsItsLastPictureAndOnlyALongOneLeadsToAShow) {
  for (int patterns : {16, 17}) {
    TFixture fixture;
    fixture.reactionPatterns = patterns;
    TLaneRig lane(fixture);
    TPlayRig& rig = *lane.rig;
    rig.bowlingHost.animations = 1;
    TMatchState& match = rig.state.match;
    match.aiming = false;
    match.rolling = true;
    match.ballX = 320;
    match.ballY = 10;
    match.ballSpeed = 0.5f;
    for (int n = 1; n <= 10; ++n) match.pins[n].standing = false;
    for (int tick = 0; tick < 60 && rig.DXTimer.Enabled(); ++tick) rig.play.Step(1, false);
    EXPECT_TRUE(match.reacting);
    EXPECT_EQ(match.reactionName, "strike");
    EXPECT_EQ(match.reactionFrame, 2 * (patterns - 1));
    EXPECT_EQ(rig.LEDTimer.Enabled(), patterns > 16) << patterns << " patterns";
  }
}

}  // namespace
}  // namespace bowling_test
