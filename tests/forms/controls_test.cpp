#include <gtest/gtest.h>

#include "forms/controls.h"
#include "media/null_host.h"

namespace {

struct FormsTest : ::testing::Test {
  TNullHost host;
  TForm form{host};
};

TEST_F(FormsTest, CheckingARadioButtonUnchecksItsGroupAndRunsItsClick) {
  auto& sound = form.Add<TGroupBox>("sound");
  auto& on = form.Add<TRadioButton>("soundon", &sound);
  auto& off = form.Add<TRadioButton>("soundoff", &sound);
  auto& other = form.Add<TRadioButton>("mousedrive");  // another parent, another group
  int onClicks = 0;
  int offClicks = 0;
  on.OnClick = [&] { ++onClicks; };
  off.OnClick = [&] { ++offClicks; };
  other.SetChecked(true);

  on.SetChecked(true);
  EXPECT_TRUE(on.Checked());
  EXPECT_EQ(onClicks, 1);

  // From code as from the player: the sibling is unchecked, only the newly checked one runs.
  off.SetChecked(true);
  EXPECT_FALSE(on.Checked());
  EXPECT_TRUE(off.Checked());
  EXPECT_EQ(offClicks, 1);
  EXPECT_EQ(onClicks, 1);
  EXPECT_TRUE(other.Checked());

  // A click on the checked one changes nothing and runs nothing; unchecking runs nothing either.
  off.Click();
  EXPECT_EQ(offClicks, 1);
  off.SetChecked(false);
  EXPECT_EQ(offClicks, 1);
  EXPECT_FALSE(on.Checked());

  on.Click();
  EXPECT_TRUE(on.Checked());
  EXPECT_EQ(onClicks, 2);
}

TEST_F(FormsTest, CheckBoxRunsItsClickOnEveryChange) {
  auto& box = form.Add<TCheckBox>("flip");
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  box.SetChecked(false);
  EXPECT_EQ(clicks, 0);
  box.Click();
  EXPECT_TRUE(box.Checked());
  box.SetChecked(false);
  EXPECT_EQ(clicks, 2);
}

TEST_F(FormsTest, TabIndexIsClampedAndAlwaysRunsOnChange) {
  auto& tabs = form.Add<TTabControl>("playertab");
  std::vector<int> seen;
  tabs.OnChange = [&] { seen.push_back(tabs.TabIndex()); };

  tabs.SetTabIndex(2);  // no tabs yet
  tabs.SetTabs({"Man"});
  tabs.SetTabIndex(0);
  tabs.SetTabIndex(0);  // the same index runs the handler again
  tabs.SetTabIndex(5);
  tabs.SetTabIndex(-3);
  tabs.SetTabs({"Man", "Boy", "Girl"});
  tabs.SetTabIndex(7);
  EXPECT_EQ(seen, (std::vector<int>{-1, 0, 0, 0, 0, 2}));
}

TEST_F(FormsTest, ProgressBarPositionStaysInItsRange) {
  auto& bar = form.Add<TProgressBar>("boatbar");
  bar.SetRange(0, 3);
  bar.SetPosition(1);
  bar.StepBy(1);
  bar.StepBy(1);
  bar.StepBy(1);
  EXPECT_EQ(bar.Position(), 3);
  bar.SetPosition(-4);
  EXPECT_EQ(bar.Position(), 0);
  bar.SetPosition(3);
  bar.SetRange(0, 2);  // shrinking the range pulls the position in
  EXPECT_EQ(bar.Position(), 2);
  bar.SetRange(5, 1);
  EXPECT_EQ(bar.Min(), 5);
  EXPECT_EQ(bar.Max(), 5);
  EXPECT_EQ(bar.Position(), 5);
}

TEST_F(FormsTest, ListBoxSelectionFollowsItsItems) {
  auto& lakes = form.Add<TListBox>("lakes");
  EXPECT_EQ(lakes.ItemIndex(), -1);
  EXPECT_EQ(lakes.Selected(), "");
  lakes.Add("Pine Lake");
  lakes.Add("Crater");
  lakes.SetItemIndex(1);
  EXPECT_EQ(lakes.Selected(), "Crater");
  lakes.SetItemIndex(2);
  EXPECT_EQ(lakes.ItemIndex(), -1);
  lakes.SetItemIndex(0);
  lakes.Clear();
  EXPECT_EQ(lakes.ItemIndex(), -1);
  EXPECT_EQ(lakes.Count(), 0);
  lakes.SetItems({"A", "B"});
  EXPECT_EQ(lakes.ItemIndex(), -1);
}

TEST_F(FormsTest, EditRunsOnChangeOnlyWhenTheTextChanges) {
  auto& name = form.Add<TEdit>("playername");
  int changes = 0;
  name.OnChange = [&] { ++changes; };
  name.SetText("Player");
  name.SetText("Player");
  name.SetText("Ann");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(name.Text(), "Ann");
}

TEST_F(FormsTest, ChildrenArePlacedRelativeToTheirContainers) {
  form.SetClientSize(640, 480);
  auto& panel = form.Add<TGroupBox>("tarnhook");
  panel.SetBounds(48, 96, 537, 265);
  auto& go = form.Add<TButton>("showgo", &panel);
  go.SetBounds(242, 228, 169, 25);
  EXPECT_EQ(go.ScreenRect(), Bounds(290, 324, 169, 25));
  EXPECT_EQ(form.ControlAt(300, 330), &go);
  EXPECT_EQ(form.ControlAt(60, 100), &panel);
  EXPECT_EQ(form.ControlAt(10, 10), &form);

  // A later sibling lies on top; hiding the container hides and un-hits its children.
  auto& quitbox = form.Add<TGroupBox>("quitbox");
  quitbox.SetBounds(184, 152, 265, 129);
  EXPECT_EQ(form.ControlAt(300, 200), &quitbox);
  panel.BringToFront();
  EXPECT_EQ(form.ControlAt(300, 200), &panel);
  panel.Hide();
  EXPECT_FALSE(go.Showing());
  EXPECT_EQ(form.ControlAt(300, 330), &form);
  EXPECT_EQ(form.FindControl("SHOWGO"), &go);
  EXPECT_EQ(form.FindControl("nothing"), nullptr);
}

TEST_F(FormsTest, NotebookShowsOnePageAtATime) {
  auto& book = form.Add<TNotebook>("gui");
  book.SetBounds(0, 0, 640, 480);
  TPage& first = book.AddPage("main");
  TPage& second = book.AddPage("bowlers");
  EXPECT_EQ(book.PageIndex(), 0);
  EXPECT_TRUE(first.Showing());
  EXPECT_FALSE(second.Showing());
  book.SetActivePage("Bowlers");
  EXPECT_EQ(book.PageIndex(), 1);
  EXPECT_FALSE(first.Showing());
  EXPECT_TRUE(second.Showing());
  book.SetPageIndex(9);
  EXPECT_EQ(book.PageIndex(), 1);
}

TEST_F(FormsTest, ShowingDrawAreaIsFoundOnlyWhenVisible) {
  auto& area = form.Add<TDrawArea>("DXDraw");
  area.Hide();
  EXPECT_EQ(form.ShowingDrawArea(), nullptr);
  area.Show();
  EXPECT_EQ(form.ShowingDrawArea(), &area);
}

}  // namespace

namespace {

struct FormTreeTest : ::testing::Test {
  TNullHost host;
  TForm form{host};
};

TEST_F(FormTreeTest, NestedContainersAddUpAndCannotHoldTheirAncestors) {
  auto& outer = form.Add<TPanel>("outer");
  outer.SetBounds(10, 20, 300, 300);
  auto& inner = form.Add<TGroupBox>("inner", &outer);
  inner.SetBounds(5, 6, 100, 100);
  auto& label = form.Add<TLabel>("label", &inner);
  label.SetBounds(1, 2, 30, 10);
  EXPECT_EQ(label.ScreenRect(), Bounds(16, 28, 30, 10));
  outer.SetParent(&label);  // would make a loop: refused
  EXPECT_EQ(outer.Parent(), &form);
  label.SetParent(&outer);
  EXPECT_EQ(label.ScreenRect(), Bounds(11, 22, 30, 10));
  EXPECT_TRUE(inner.Children().empty());
  inner.SendToBack();
  EXPECT_EQ(outer.Children().front(), &inner);
  outer.Enabled = false;
  EXPECT_FALSE(label.EffectivelyEnabled());
}

TEST_F(FormTreeTest, ImagePlacesItsPictureByStretchAndCenter) {
  auto& image = form.Add<TImage>("player1");
  image.SetBounds(10, 10, 120, 120);
  TPicture portrait;
  portrait.Width = 40;
  portrait.Height = 20;
  portrait.Pixels.assign(800, 0);
  const uint32_t before = image.PictureVersion();
  image.SetPicture(portrait);
  EXPECT_NE(image.PictureVersion(), before);
  EXPECT_EQ(image.PictureRect(), Bounds(10, 10, 40, 20));
  image.Center = true;
  EXPECT_EQ(image.PictureRect(), Bounds(50, 60, 40, 20));
  image.Stretch = true;
  EXPECT_EQ(image.PictureRect(), Bounds(10, 10, 120, 120));

  // A picture made when first needed: once, when asked for; a picture set meanwhile replaces it.
  int made = 0;
  image.SetPicture([&] {
    ++made;
    return portrait;
  });
  image.Stretch = false;
  image.Center = false;
  EXPECT_EQ(made, 0);
  EXPECT_EQ(image.PictureRect(), Bounds(10, 10, 40, 20));
  EXPECT_EQ(image.Picture().Width, 40);
  EXPECT_EQ(made, 1);
  image.SetPicture([&] {
    ++made;
    return portrait;
  });
  image.SetPicture(TPicture{});
  EXPECT_TRUE(image.Picture().Empty());
  EXPECT_EQ(made, 1);
}

TEST_F(FormTreeTest, HotButtonsPointWithAHandAndCloseIsARequest) {
  auto& hot = form.Add<TCoolButton>("quit");
  EXPECT_EQ(hot.Cursor, TCursorShape::HandPoint);
  int clicks = 0;
  hot.OnClick = [&] {
    ++clicks;
    form.Close();
  };
  hot.Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(form.CloseRequested());
}

TEST_F(FormTreeTest, DialogKeysFindTheTopmostShowingDefaultOrCancelButton) {
  auto& panel = form.Add<TPanel>("panel");
  auto& apply = form.Add<TButton>("apply", &panel);
  auto& box = form.Add<TGroupBox>("quitbox");
  auto& ok = form.Add<TButton>("okquit", &box);
  auto& cancel = form.Add<TButton>("noquit", &box);
  EXPECT_EQ(form.DialogButton(VK_RETURN), nullptr);  // no button is a default one yet
  apply.Default = true;
  ok.Default = true;
  cancel.Cancel = true;
  EXPECT_EQ(form.DialogButton(VK_RETURN), &ok);  // the box is drawn over the panel
  EXPECT_EQ(form.DialogButton(VK_ESCAPE), &cancel);
  EXPECT_EQ(form.DialogButton(VK_SPACE), nullptr);
  box.Hide();
  EXPECT_EQ(form.DialogButton(VK_RETURN), &apply);
  EXPECT_EQ(form.DialogButton(VK_ESCAPE), nullptr);
  apply.Enabled = false;
  EXPECT_EQ(form.DialogButton(VK_RETURN), nullptr);
  apply.Enabled = true;
  panel.Enabled = false;  // a disabled container disables its buttons
  EXPECT_EQ(form.DialogButton(VK_RETURN), nullptr);
}

}  // namespace

namespace {

TEST(ControlLifeTest, AControlLeavesTheTreeWhenDestroyed) {
  TNullHost host;
  TForm form(host);
  auto& panel = form.Add<TPanel>("panel");
  {
    TLabel temporary("temporary");
    temporary.SetParent(&panel);
    TButton child("child");
    child.SetParent(&temporary);
    EXPECT_EQ(panel.Children().size(), 1u);
  }
  EXPECT_TRUE(panel.Children().empty());
  EXPECT_EQ(form.FindControl("child"), nullptr);
}

}  // namespace
