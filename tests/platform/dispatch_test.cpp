// The dispatcher's rules, through the headless host: modal boxes block input, a press on the
// drawing area keeps its release, edits honour their limits, list and tab choices run handlers.
#include <gtest/gtest.h>

#include "forms/controls.h"
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

}  // namespace
