#include <gtest/gtest.h>

#include <stdexcept>

#include "forms/controls.h"
#include "media/dx_timer.h"
#include "media/errors.h"
#include "media/surface.h"
#include "platform/headless_host.h"

namespace {

TPicture SolidPicture(int width, int height, uint32_t rgb) {
  TPicture picture;
  picture.Width = width;
  picture.Height = height;
  picture.Pixels.assign(static_cast<size_t>(width) * height, rgb);
  return picture;
}

// A tiny program: a title picture; a button that starts play on the drawing area; a frame timer
// that fills the front surface with a colour that changes every tick and presents it.
class TTinyForm : public TForm {
 public:
  explicit TTinyForm(THost& host) : TForm(host), timer(Application(), false), screen(640, 480, TPixelFormat::RGB565) {
    SetClientSize(640, 480);
    KeyPreview = true;
    title.SetBounds(0, 0, 640, 480);
    title.SetPicture(SolidPicture(640, 480, 0xFF0000));
    start.SetBounds(10, 10, 80, 24);
    start.Caption = "Start";
    start.OnClick = [this] { startClick(); };
    area.SetBounds(0, 0, 640, 480);
    area.Hide();
    name.SetBounds(100, 10, 120, 20);
    timer.SetInterval(10);
    timer.OnTimer = [this](int) { DXTimerTimer(); };
  }

  void FormCreate() override { created = true; }
  void FormKeyDown(int key, TShiftState) override { keys.push_back(key); }
  void DXDrawMouseDown(TMouseButton button, int x, int y) override {
    presses.push_back({button == TMouseButton::Right ? -x : x, y});
  }
  void DXDrawMouseMove(int x, int y) override { moves.push_back({x, y}); }

  void startClick() {
    title.Hide();
    start.Hide();
    area.Show();
    Host().SetDisplaySurface(&screen);
    timer.SetEnabled(true);
  }
  void DXTimerTimer() {
    ++ticks;
    if (failInTick) throw EDXDrawError("tick failed");
    screen.Fill(static_cast<uint32_t>(ticks));
    Host().Present(true);
  }

  TImage& title = Add<TImage>("title");
  TButton& start = Add<TButton>("start");
  TEdit& name = Add<TEdit>("name");
  TDrawArea& area = Add<TDrawArea>("DXDraw");
  TDXTimer timer;
  TDirectDrawSurface screen;
  bool created = false;
  bool failInTick = false;
  int ticks = 0;
  std::vector<int> keys;
  std::vector<TPoint> presses;
  std::vector<TPoint> moves;
};

struct HeadlessHostTest : ::testing::Test {
  THeadlessHost host;
  TTinyForm form{host};
  HeadlessHostTest() { host.Attach(form); }
};

TEST_F(HeadlessHostTest, RealLoopRunsFromTheTitleIntoPlayAndPresentsTheFrames) {
  host.Step();
  EXPECT_TRUE(form.created);
  ASSERT_EQ(host.FrameWidth(), 640);
  EXPECT_EQ(host.FramePixel(320, 240), 0xF800);  // the red title picture, as RGB565
  EXPECT_EQ(form.ticks, 0);

  host.Click("start");
  host.Step();  // delivers the click; the timer starts at this clock value
  EXPECT_TRUE(form.area.Showing());
  EXPECT_EQ(form.ticks, 0);

  const int presented = host.PresentCount();
  host.Advance(10);
  host.Step();
  EXPECT_EQ(form.ticks, 1);
  EXPECT_EQ(host.PresentCount(), presented + 1);  // the tick presented; the loop added nothing
  EXPECT_TRUE(host.LastPresentWaitedVBlank());
  EXPECT_EQ(host.FramePixel(0, 0), 1);
  EXPECT_EQ(host.FramePixel(639, 479), 1);

  host.Step();  // too early for the next tick: the loop presents the current screen itself
  EXPECT_EQ(form.ticks, 1);
  EXPECT_TRUE(host.RunUntil([&] { return form.ticks == 4; }, 100, 5));
  EXPECT_EQ(host.FramePixel(5, 5), 4);
}

TEST_F(HeadlessHostTest, ErrorInAHandlerOrATickIsShownAndTheLoopGoesOn) {
  form.start.OnClick = [] { throw EFOpenError("Cannot open file sound.dxw"); };
  host.Click("start");
  host.Step();
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0], "Cannot open file sound.dxw");

  form.start.OnClick = [&] { form.startClick(); };
  form.failInTick = true;
  host.Click("start");
  host.Step();
  host.Advance(10);
  host.Step();
  host.Advance(10);
  host.Step();
  EXPECT_EQ(form.ticks, 2);
  ASSERT_EQ(host.Messages().size(), 3u);
  EXPECT_EQ(host.Messages()[2], "tick failed");

  form.failInTick = false;
  form.start.OnClick = [] { throw std::runtime_error("plain error"); };
  form.start.Show();
  host.Click("start");
  host.Advance(10);
  host.Step();
  EXPECT_EQ(host.Messages().back(), "plain error");
  EXPECT_EQ(form.ticks, 3);  // the frame loop still runs
}

TEST_F(HeadlessHostTest, HiddenOrDisabledControlsIgnoreClicks) {
  int clicks = 0;
  form.start.OnClick = [&] { ++clicks; };
  form.start.Enabled = false;
  host.Click("start");
  form.title.Hide();
  host.ClickAt(20, 20);
  host.Step();
  EXPECT_EQ(clicks, 0);
  form.start.Enabled = true;
  host.ClickAt(20, 20);
  host.Step();
  EXPECT_EQ(clicks, 1);
  form.start.Hide();
  host.Click("start");
  host.Step();
  EXPECT_EQ(clicks, 1);
  host.Click("no such control");
  EXPECT_THROW(host.Step(), std::invalid_argument);
}

TEST_F(HeadlessHostTest, KeysReachTheFormAndTypedTextReachesTheEdit) {
  int changes = 0;
  form.name.OnChange = [&] { ++changes; };
  host.TypeText("name", "Jo");
  host.PressKey(VK_SPACE);
  host.Step();
  EXPECT_EQ(form.name.Text(), "Jo");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(form.keys, (std::vector<int>{VK_SPACE}));  // previewed although the edit has focus

  form.KeyPreview = false;
  host.PressKey(VK_ESCAPE);
  host.Step();
  EXPECT_EQ(form.keys.size(), 1u);
  form.name.Hide();  // a hidden edit loses the focus
  host.PressKey(VK_ESCAPE);
  host.Step();
  EXPECT_EQ(form.keys.back(), VK_ESCAPE);
}

TEST_F(HeadlessHostTest, MouseGoesToTheDrawingAreaOnlyWhileItShows) {
  host.MouseDown(TMouseButton::Left, 50, 60);
  host.MouseMove(70, 80);
  host.Step();
  EXPECT_TRUE(form.presses.empty());
  EXPECT_TRUE(form.moves.empty());

  form.area.SetBounds(0, 20, 640, 460);
  host.Click("start");
  host.MouseMove(70, 80);
  host.MouseDown(TMouseButton::Right, 30, 40);
  host.Step();
  EXPECT_EQ(form.moves, (std::vector<TPoint>{{70, 60}}));
  EXPECT_EQ(form.presses, (std::vector<TPoint>{{-30, 20}}));
  EXPECT_EQ(host.CursorPos(), (TPoint{30, 40}));

  form.area.Cursor = TCursorShape::None;
  EXPECT_EQ(host.CurrentCursor(), TCursorShape::None);
  host.SetCursor(TCursorShape::HandPoint);
  EXPECT_EQ(host.CurrentCursor(), TCursorShape::HandPoint);
}

TEST_F(HeadlessHostTest, FileDialogsAnswerAsScriptedWithTheDefaultExtension) {
  TFileDialog dialog;
  dialog.Filter = "Tarnhook Save Games|*.sav";
  dialog.DefaultExt = "*.sav";
  dialog.FileName = "Player.sav";
  host.AnswerFileDialog("saves/ann");
  host.AnswerFileDialog(std::nullopt);
  ASSERT_TRUE(host.SaveFileDialog(dialog));
  EXPECT_EQ(dialog.FileName, "saves/ann.sav");
  EXPECT_FALSE(host.OpenFileDialog(dialog));
  EXPECT_FALSE(host.OpenFileDialog(dialog));  // no answer left: cancelled
  ASSERT_EQ(host.FileDialogs().size(), 3u);
  EXPECT_EQ(host.FileDialogs()[0].FileName, "Player.sav");
}

class TRamp : public TAudioSource {
 public:
  void Mix(int16_t* frames, int count) override {
    for (int i = 0; i < count; ++i) {
      frames[2 * i] = static_cast<int16_t>(next_);
      frames[2 * i + 1] = static_cast<int16_t>(-next_);
      ++next_;
    }
  }

 private:
  int next_ = 0;
};

TEST_F(HeadlessHostTest, AudioIsPulledFromTheSourceOnRequest) {
  EXPECT_EQ(host.PullAudio(3), (std::vector<int16_t>(6, 0)));
  TRamp ramp;
  host.SetAudioSource(&ramp);
  host.PullAudio(2);
  EXPECT_EQ(host.PullAudio(2), (std::vector<int16_t>{2, -2, 3, -3}));
}

TEST_F(HeadlessHostTest, CloseEndsTheRunAndFocusReachesTheTimers) {
  int deactivations = 0;
  form.timer.OnDeactivate = [&] { ++deactivations; };
  host.SetActive(false);
  host.Step();
  EXPECT_FALSE(form.Application().Active());
  EXPECT_EQ(deactivations, 1);
  form.start.OnClick = [&] { form.Close(); };
  host.Click("start");
  EXPECT_EQ(host.Run(50), 1);
}

}  // namespace
