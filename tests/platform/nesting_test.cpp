// Modal pauses inside a tick: ProcessMessages delivers input and shows the screen but never
// ticks, so ticks never nest; a close asked for meanwhile ends the loop after the tick.
#include <gtest/gtest.h>

#include <functional>

#include "forms/controls.h"
#include "media/dx_timer.h"
#include "platform/headless_host.h"

namespace {

class TPauseForm : public TForm {
 public:
  explicit TPauseForm(THost& host) : TForm(host), timer(Application(), false) {
    KeyPreview = true;
    timer.SetInterval(0);
    timer.OnTimer = [this](int) { Tick(); };
    quit.OnClick = [this] { Close(); };
  }
  void FormShow() override { timer.SetEnabled(true); }
  void FormKeyDown(int key, TShiftState) override { keys.push_back(key); }

  void Tick() {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    ++ticks;
    if (ticks == 2) {
      // A pause that waits for the player, as the games do while a sound ends; the player acts
      // meanwhile.
      if (duringPause) duringPause();
      for (int i = 0; i < 5; ++i) {
        Host().Sleep(10);
        Application().ProcessMessages();
      }
    }
    --depth;
  }

  std::function<void()> duringPause;
  TDXTimer timer;
  TButton& quit = Add<TButton>("quit");
  int ticks = 0;
  int depth = 0;
  int maxDepth = 0;
  std::vector<int> keys;
};

TEST(NestingTest, ProcessMessagesDeliversInputButNeverTicks) {
  THeadlessHost host;
  TPauseForm form(host);
  host.Attach(form);
  host.Step();  // FormCreate, FormShow, first tick
  ASSERT_EQ(form.ticks, 1);

  form.duringPause = [&] {
    host.PressKey(VK_SPACE);
    host.Click("quit");
  };
  const int presented = host.PresentCount();
  host.Advance(1);
  host.Step();  // the second tick pauses; the input arrives inside the pause
  EXPECT_EQ(form.ticks, 2);
  EXPECT_EQ(form.maxDepth, 1);
  EXPECT_EQ(form.keys, (std::vector<int>{VK_SPACE}));
  EXPECT_TRUE(form.CloseRequested());
  EXPECT_EQ(host.PresentCount(), presented + 5);  // each ProcessMessages showed the screen
  EXPECT_EQ(host.Clock(), 51u);                   // Sleep moves the settable clock
  EXPECT_EQ(host.Run(10), 0);                     // the loop ends before another tick
  EXPECT_EQ(form.ticks, 2);
}

TEST(NestingTest, MessageBoxesFromHandlersAreLoggedInOrder) {
  THeadlessHost host;
  TPauseForm form(host);
  host.Attach(form);
  form.quit.OnClick = [&] {
    host.ShowMessage("You don't have enough money!");
    host.ShowMessage("You don't have enough money to enter!");
  };
  host.Click("quit");
  host.Step();
  EXPECT_EQ(host.Messages(),
            (std::vector<std::string>{"You don't have enough money!", "You don't have enough money to enter!"}));
}

}  // namespace
