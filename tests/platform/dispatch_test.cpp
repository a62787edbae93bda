// The dispatcher's rules, through the headless host: modal boxes block input, a press on the
// drawing area keeps its release, edits honour their limits, list and tab choices run handlers.
#include <gtest/gtest.h>

#include "forms/controls.h"
#include "media/errors.h"
#include "platform/headless_host.h"

namespace {

class TDispatchForm : public TForm {
 public:
  explicit TDispatchForm(THost& host) : TForm(host) {
    SetClientSize(640, 480);
    area.SetBounds(0, 0, 640, 480);
    panel.SetBounds(10, 10, 300, 200);
    button.SetBounds(10, 10, 80, 24);
    button.OnClick = [this] { ++clicks; };
    name.SetBounds(10, 40, 100, 20);
    name.MaxLength = 4;
    name.OnChange = [this] { ++changes; };
    speed.SetItems({"30FPS", "60FPS", "As fast as possible"});
    speed.OnChange = [this] { ++speedChanges; };
    tabs.SetTabs({"Man", "Boy"});
    tabs.OnChange = [this] { tabSeen.push_back(tabs.TabIndex()); };
  }
  void FormKeyDown(int key, TShiftState) override { keys.push_back(key); }
  void DXDrawMouseDown(TMouseButton, int x, int y) override { events.push_back({x, y}); }
  void DXDrawMouseUp(TMouseButton, int x, int y) override { events.push_back({-x, -y}); }

  TDrawArea& area = Add<TDrawArea>("DXDraw");
  TPanel& panel = Add<TPanel>("panel");
  TButton& button = Add<TButton>("button", &panel);
  TEdit& name = Add<TEdit>("name", &panel);
  TComboBox& speed = Add<TComboBox>("speed", &panel);
  TTabControl& tabs = Add<TTabControl>("tabs", &panel);
  int clicks = 0;
  int changes = 0;
  int speedChanges = 0;
  std::vector<int> tabSeen;
  std::vector<int> keys;
  std::vector<TPoint> events;
};

struct DispatchTest : ::testing::Test {
  THeadlessHost host;
  TDispatchForm form{host};
  DispatchTest() {
    host.Attach(form);
    host.Start();
  }
};

TEST_F(DispatchTest, NothingReachesTheFormWhileAModalBoxIsUp) {
  form.area.Hide();
  host.Dispatcher().BeginModal();
  host.Click("button");
  host.PressKey(VK_SPACE);
  host.SetEditText("name", "Ann");
  host.Step();
  EXPECT_EQ(form.clicks, 0);
  EXPECT_TRUE(form.keys.empty());
  EXPECT_EQ(form.name.Text(), "");
  host.Dispatcher().EndModal();
  host.Click("button");
  host.PressKey(VK_SPACE);
  host.Step();
  EXPECT_EQ(form.clicks, 1);
  EXPECT_EQ(form.keys, (std::vector<int>{VK_SPACE}));
}

TEST_F(DispatchTest, ReleaseGoesToTheAreaThatSawThePress) {
  form.area.SetBounds(0, 40, 640, 440);
  host.MouseDown(TMouseButton::Left, 5, 50);
  host.Step();
  form.area.Hide();  // play ended while the button was held
  host.MouseUp(TMouseButton::Left, 7, 60);
  host.MouseUp(TMouseButton::Left, 8, 60);  // a second release has no press to pair with
  host.Step();
  EXPECT_EQ(form.events, (std::vector<TPoint>{{5, 10}, {-7, -20}}));
  host.MouseDown(TMouseButton::Left, 5, 20);  // outside the area's bounds
  form.area.Show();
  host.Step();
  EXPECT_EQ(form.events.size(), 2u);
}

TEST_F(DispatchTest, EditsHonourMaxLengthAndReadOnly) {
  form.area.Hide();
  host.TypeText("name", "Annabel");
  host.Step();
  EXPECT_EQ(form.name.Text(), "Anna");
  EXPECT_EQ(form.changes, 4);
  form.name.ReadOnly = true;
  host.SetEditText("name", "Bo");
  host.Step();
  EXPECT_EQ(form.name.Text(), "Anna");
}

TEST_F(DispatchTest, ChoicesRunTheirHandlersAndDisabledContainersBlockThem) {
  form.area.Hide();
  host.SelectItem("speed", 2);
  host.SelectItem("speed", 7);  // no such entry: nothing happens
  host.SelectTab("tabs", 5);    // clamped to the last tab, and the handler runs
  host.Step();
  EXPECT_EQ(form.speed.ItemIndex(), 2);
  EXPECT_EQ(form.speedChanges, 1);
  EXPECT_EQ(form.tabSeen, (std::vector<int>{1}));
  form.panel.Enabled = false;
  host.Click("button");
  host.SelectItem("speed", 0);
  host.Step();
  EXPECT_EQ(form.clicks, 0);
  EXPECT_EQ(form.speed.ItemIndex(), 2);
}

TEST_F(DispatchTest, ClickAtHitsTheTopmostControl) {
  form.area.Hide();
  host.ClickAt(20, 25);  // the button inside the panel, both at (10, 10)
  host.Step();
  EXPECT_EQ(form.clicks, 1);
  EXPECT_EQ(host.Dispatcher().CursorAt(20, 25), TCursorShape::Default);
  form.button.Cursor = TCursorShape::HandPoint;
  form.panel.Cursor = TCursorShape::None;
  EXPECT_EQ(host.Dispatcher().CursorAt(20, 25), TCursorShape::HandPoint);
  EXPECT_EQ(host.Dispatcher().CursorAt(200, 150), TCursorShape::None);
}

// A form with a quit box like the fishing game's: the form previews every key for play, Escape
// asks to quit and Enter confirms while play runs; the box's buttons answer Enter and Escape.
class TQuitBoxForm : public TForm {
 public:
  explicit TQuitBoxForm(THost& host) : TForm(host) {
    SetClientSize(640, 480);
    KeyPreview = true;
    area.SetBounds(0, 0, 640, 480);
    area.Hide();
    quitbox.SetBounds(184, 152, 265, 129);
    quitbox.Hide();
    noquit.Cancel = true;
    okquit.Default = true;
    noquit.OnClick = [this] { quitbox.Hide(); };
    okquit.OnClick = [this] { ++quits; };
    name.SetBounds(10, 10, 100, 20);
  }
  void FormKeyDown(int key, TShiftState) override {
    if (fail) throw EDXDrawError("key failed");
    keys.push_back(key);
    if (showOnEnter && key == VK_RETURN) quitbox.Show();
    if (area.Visible && key == VK_ESCAPE) quitAsked = !quitAsked;
    if (takeKeys) TakeKey();
  }

  TDrawArea& area = Add<TDrawArea>("DXDraw");
  TEdit& name = Add<TEdit>("name");
  TGroupBox& quitbox = Add<TGroupBox>("quitbox");
  TButton& noquit = Add<TButton>("noquit", &quitbox);
  TButton& okquit = Add<TButton>("okquit", &quitbox);
  bool showOnEnter = false;
  bool takeKeys = false;
  bool fail = false;
  bool quitAsked = false;
  int quits = 0;
  std::vector<int> keys;
};

struct DialogKeysTest : ::testing::Test {
  THeadlessHost host;
  TQuitBoxForm form{host};
  DialogKeysTest() {
    host.Attach(form);
    host.Start();
  }
};

TEST_F(DialogKeysTest, EnterAndEscapeAnswerTheShowingBoxAfterTheFormSawThem) {
  form.quitbox.Show();
  host.PressKey(VK_ESCAPE);
  host.Step();
  EXPECT_FALSE(form.quitbox.Visible);
  EXPECT_EQ(form.keys, (std::vector<int>{VK_ESCAPE}));  // previewed first, as before
  form.quitbox.Show();
  host.PressKey(VK_RETURN, ssShift);  // a modifier makes it another key
  host.Step();
  EXPECT_EQ(form.quits, 0);
  host.PressKey(VK_RETURN);
  host.Step();
  EXPECT_EQ(form.quits, 1);
  // An edit with the focus does not keep Enter from the default button, with or without preview.
  form.KeyPreview = false;
  host.TypeText("name", "Al");
  host.PressKey(VK_RETURN);
  host.Step();
  EXPECT_EQ(form.quits, 2);
  form.okquit.Enabled = false;
  host.PressKey(VK_RETURN);
  host.Step();
  EXPECT_EQ(form.quits, 2);
}

TEST_F(DialogKeysTest, AKeyThatShowsTheBoxIsNotAlsoItsAnswerAndPlayKeepsItsKeys) {
  form.showOnEnter = true;
  host.PressKey(VK_RETURN);  // brings the box up; the same press does not confirm it
  host.Step();
  EXPECT_TRUE(form.quitbox.Visible);
  EXPECT_EQ(form.quits, 0);
  form.showOnEnter = false;
  form.quitbox.Hide();

  // Play has the screen: Escape and Enter belong to it alone, even with the box left visible
  // behind the drawing area.
  form.area.Show();
  host.PressKey(VK_ESCAPE);
  host.PressKey(VK_RETURN);
  host.Step();
  EXPECT_TRUE(form.quitAsked);
  EXPECT_EQ(form.quits, 0);
  EXPECT_EQ(form.keys, (std::vector<int>{VK_RETURN, VK_ESCAPE, VK_RETURN}));
  form.quitbox.Show();
  host.PressKey(VK_ESCAPE);
  host.PressKey(VK_RETURN);
  host.Step();
  EXPECT_FALSE(form.quitAsked);
  EXPECT_EQ(form.quits, 0);
  EXPECT_TRUE(form.quitbox.Visible);

  // In the menus, a handler that answers a key itself takes it from the buttons.
  form.area.Hide();
  form.takeKeys = true;
  host.PressKey(VK_ESCAPE);
  host.Step();
  EXPECT_TRUE(form.quitbox.Visible);
  form.takeKeys = false;
  host.PressKey(VK_ESCAPE);
  host.Step();
  EXPECT_FALSE(form.quitbox.Visible);
}

TEST_F(DialogKeysTest, NoButtonAnswersAKeyWhoseHandlerFailedOrWhileTheHostShowsABox) {
  form.quitbox.Show();
  form.fail = true;
  host.PressKey(VK_ESCAPE);
  host.Step();
  EXPECT_EQ(host.Messages(), (std::vector<std::string>{"key failed"}));
  EXPECT_TRUE(form.quitbox.Visible);
  form.fail = false;
  host.Dispatcher().BeginModal();
  host.PressKey(VK_ESCAPE);
  host.Step();
  EXPECT_TRUE(form.quitbox.Visible);
  host.Dispatcher().EndModal();
}

}  // namespace
