// The SDL host end to end on SDL's dummy video and audio drivers: the real window, renderer, ImGui
// widgets and loop, driven by input posted into SDL's queue.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <thread>

#include "forms/controls.h"
#include "media/dx_timer.h"
#include "media/errors.h"
#include "platform/sdl_host.h"
#include "platform/sdl_synthetic_input.h"

namespace {

struct TBmp {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Bytes;
  size_t Offset = 0;
  // 0x00RRGGBB of a pixel of a 32-bit bottom-up BMP.
  uint32_t At(int x, int y) const {
    const size_t p = Offset + (static_cast<size_t>(Height - 1 - y) * Width + x) * 4;
    return Bytes[p] | (Bytes[p + 1] << 8) | (Bytes[p + 2] << 16);
  }
};

TBmp ReadBmp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  TBmp bmp;
  bmp.Bytes.assign(std::istreambuf_iterator<char>(in), {});
  auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(bmp.Bytes[at] | (bmp.Bytes[at + 1] << 8) | (bmp.Bytes[at + 2] << 16) |
                                 (bmp.Bytes[at + 3] << 24));
  };
  if (bmp.Bytes.size() < 54 || bmp.Bytes[28] != 32) return TBmp{};
  bmp.Offset = u32(10);
  bmp.Width = static_cast<int>(u32(18));
  bmp.Height = static_cast<int>(u32(22));
  if (bmp.Offset + static_cast<size_t>(bmp.Width) * bmp.Height * 4 > bmp.Bytes.size()) return TBmp{};
  return bmp;
}

// A menu with most control kinds, and a script that a timer plays through the real event queue.
class TSmokeForm : public TForm {
 public:
  TSmokeForm(TSdlHost& host, std::string shotPath)
      : TForm(host), sdlHost(host), shot(std::move(shotPath)), script(Application(), false) {
    SetClientSize(640, 480);
    KeyPreview = true;
    backdrop.SetBounds(0, 0, 640, 480);
    TPicture picture;
    picture.Width = 64;
    picture.Height = 48;
    picture.Pixels.assign(64 * 48, 0x204080);
    backdrop.Stretch = true;
    backdrop.SetPicture(picture);
    box.SetBounds(40, 40, 300, 300);
    box.Caption = "Options ";
    ok.SetBounds(20, 30, 100, 24);
    ok.Caption = "Ok";
    ok.OnClick = [this] { ++okClicks; };
    lakes.SetBounds(20, 70, 120, 80);
    lakes.SetItems({"First", "Second", "Third"});
    lakes.OnClick = [this] { ++listClicks; };
    name.SetBounds(20, 170, 150, 21);
    name.SetText("Player");
    name.OnChange = [this] { ++nameChanges; };
    bar.SetBounds(20, 210, 150, 16);
    bar.SetRange(0, 4);
    bar.SetPosition(2);
    save.SetBounds(180, 30, 30, 30);
    save.Font.Name = "Wingdings";
    save.Caption = "<";
    load.SetBounds(220, 30, 30, 30);
    load.Font.Name = "Wingdings";
    load.Caption = "1";
    flat.SetBounds(180, 240, 100, 25);
    flat.Style = TButtonStyle::FlatBlack;
    flat.Caption = "Quit";
    status.SetBounds(360, 400, 240, 41);
    status.Caption = "Player    Cash: $50";
    status.Font.Height = 21;
    hot.SetBounds(500, 20, 60, 40);
    hot.Hint = "Exit to desktop.";
    options.SetBounds(360, 40, 260, 330);
    options.Caption = "Sound";
    soundOn.SetBounds(12, 20, 100, 17);
    soundOn.Caption = "Sound ON";
    soundOff.SetBounds(12, 40, 100, 17);
    soundOff.Caption = "Sound OFF";
    soundOff.SetChecked(true);
    bgsound.SetBounds(130, 20, 120, 17);
    bgsound.Caption = "Background Sounds";
    bgsound.SetChecked(true);
    speed.SetBounds(12, 64, 140, 21);
    speed.SetItems({"30FPS", "60FPS", "As fast as possible"});
    speed.SetItemIndex(2);
    tabs.SetBounds(12, 94, 150, 120);
    tabs.SetTabs({"Man", "Boy"});
    tabs.SetTabIndex(0);
    portrait.SetBounds(10, 30, 40, 40);
    portrait.Center = true;
    TPicture face;
    face.Width = 24;
    face.Height = 24;
    face.Pixels.assign(24 * 24, 0xE0B080);
    portrait.SetPicture(face);
    info.SetBounds(12, 222, 236, 96);
    info.Lines = {"<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<", " Choose a lake from the list on the left",
                  "<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<", "", "As you complete lakes and win prize ",
                  "money, more lakes will be made ", "available.... "};
    script.ActiveOnly = false;
    script.SetInterval(20);
    script.OnTimer = [this](int) { Step(); };
  }

  void FormShow() override { script.SetEnabled(true); }
  void FormKeyDown(int key, TShiftState) override { keys.push_back(key); }
  void FormKeyUp(int key, TShiftState) override { keysUp.push_back(key); }

  void Step() {
    ++ticks;
    switch (ticks) {
      case 1: PostMouseMove(100, 82); break;      // over "Ok" (40 + 20 + 40, 40 + 30 + 12)
      case 3: PostMouseButton(TMouseButton::Left, true, 100, 82); break;
      case 5: PostMouseButton(TMouseButton::Left, false, 100, 82); break;
      case 7: PostMouseMove(90, 131); break;      // the second row of the list
      case 9: PostMouseButton(TMouseButton::Left, true, 90, 131); break;
      case 11: PostMouseButton(TMouseButton::Left, false, 90, 131); break;
      case 13: PostMouseMove(120, 220); break;    // into the edit
      case 15: PostMouseButton(TMouseButton::Left, true, 120, 220); break;
      case 17: PostMouseButton(TMouseButton::Left, false, 120, 220); break;
      case 19: PostText("!"); break;
      case 21: PostKey(VK_ESCAPE, true); break;
      case 23: PostKey(VK_ESCAPE, false); break;
      case 25:
        // A handler error is shown in a box that blocks until answered: Enter answers it.
        PostKey(VK_RETURN, true);
        throw EDXDrawError("Shown and answered");
      case 27: PostKey(VK_RETURN, false); break;
      case 29:
        // Keys without a virtual-key code, then Alt+Enter there and back, which stays the host's.
        for (const char* name : {";", "CapsLock", "Keypad .", "\xc3\xb6"}) {
          PostNamedKey(name, true);
          PostNamedKey(name, false);
        }
        for (int i = 0; i < 2; ++i) {
          PostNamedKey("Return", true, true);
          PostNamedKey("Return", false, true);
        }
        break;
      case 31: sdlHost.CaptureNextFrame(shot); break;
      case 33: Close(); break;
      default: break;
    }
  }

  TSdlHost& sdlHost;
  std::string shot;
  TImage& backdrop = Add<TImage>("backdrop");
  TGroupBox& box = Add<TGroupBox>("box");
  TButton& ok = Add<TButton>("ok", &box);
  TListBox& lakes = Add<TListBox>("lakes", &box);
  TEdit& name = Add<TEdit>("name", &box);
  TProgressBar& bar = Add<TProgressBar>("bar", &box);
  TButton& save = Add<TButton>("save", &box);
  TButton& load = Add<TButton>("load", &box);
  TButton& flat = Add<TButton>("flat", &box);
  TPanel& status = Add<TPanel>("status");
  TCoolButton& hot = Add<TCoolButton>("hot");
  TGroupBox& options = Add<TGroupBox>("options");
  TRadioButton& soundOn = Add<TRadioButton>("soundon", &options);
  TRadioButton& soundOff = Add<TRadioButton>("soundoff", &options);
  TCheckBox& bgsound = Add<TCheckBox>("bgsound", &options);
  TComboBox& speed = Add<TComboBox>("speed", &options);
  TTabControl& tabs = Add<TTabControl>("playertab", &options);
  TImage& portrait = Add<TImage>("player1", &tabs);
  TMemo& info = Add<TMemo>("lakeinfo", &options);
  TDXTimer script;
  int ticks = 0;
  int okClicks = 0;
  int listClicks = 0;
  int nameChanges = 0;
  std::vector<int> keys;
  std::vector<int> keysUp;
};

TEST(SdlHostTest, RunsAMenuThroughTheRealLoopOnTheDummyDrivers) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const std::string shot = testing::TempDir() + "sdl_smoke.bmp";
  std::remove(shot.c_str());

  TSdlHost host("Smoke", true);
  // The random seed's source is the time of day, not the time since SDL started.
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  EXPECT_NEAR(static_cast<double>(host.WallClock()),
              static_cast<double>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()), 3600e6);
  TSmokeForm form(host, shot);
  EXPECT_EQ(host.Run(form), 0);
  EXPECT_EQ(form.ticks, 33);
  EXPECT_EQ(form.okClicks, 1);
  EXPECT_EQ(form.listClicks, 1);
  EXPECT_EQ(form.lakes.ItemIndex(), 1);
  EXPECT_EQ(form.name.Text(), "Player!");
  EXPECT_EQ(form.nameChanges, 1);
  // The Enter pressed while the error box was up answered the box and did not reach the form;
  // each unnamed key came with a code of its own, the same when released; Alt+Enter stayed away.
  ASSERT_EQ(form.keys.size(), 5u);
  EXPECT_EQ(form.keys[0], VK_ESCAPE);
  const std::vector<int> unnamed(form.keys.begin() + 1, form.keys.end());
  EXPECT_EQ(std::set<int>(unnamed.begin(), unnamed.end()).size(), 4u);
  for (int key : unnamed) {
    EXPECT_GE(key, VK_UNNAMED);
    EXPECT_NE(std::find(form.keysUp.begin(), form.keysUp.end(), key), form.keysUp.end()) << key;
  }

  const TBmp bmp = ReadBmp(shot);
  ASSERT_EQ(bmp.Width, 640);
  ASSERT_EQ(bmp.Height, 480);
  EXPECT_EQ(bmp.At(600, 10), 0x204080u);  // the stretched backdrop
  EXPECT_EQ(bmp.At(45, 330), 0xD4D0C8u);  // the group box face
}

}  // namespace

namespace {

// File dialogs answered from the keyboard: Enter takes the preset name with the default
// extension added, Escape cancels.
class TDialogForm : public TForm {
 public:
  TDialogForm(THost& host, std::string folder) : TForm(host), folder_(std::move(folder)), script(Application(), false) {
    script.ActiveOnly = false;
    script.SetInterval(20);
    script.OnTimer = [this](int) { Step(); };
  }
  void FormShow() override { script.SetEnabled(true); }

  void Step() {
    ++ticks;
    TFileDialog dialog;
    dialog.Filter = "Tarnhook Save Games|*.sav";
    dialog.DefaultExt = "*.sav";
    dialog.InitialDir = folder_;
    switch (ticks) {
      case 1:
        PostKey(VK_RETURN, true);
        dialog.FileName = "Player";
        saved = Host().SaveFileDialog(dialog);
        savedPath = dialog.FileName;
        break;
      case 2: PostKey(VK_RETURN, false); break;
      case 3:
        PostKey(VK_ESCAPE, true);
        dialog.FileName = "Player.sav";
        opened = Host().OpenFileDialog(dialog);
        openedPath = dialog.FileName;
        break;
      case 4: PostKey(VK_ESCAPE, false); break;
      case 5: Close(); break;
      default: break;
    }
  }

  std::string folder_;
  TDXTimer script;
  int ticks = 0;
  bool saved = false;
  bool opened = true;
  std::string savedPath;
  std::string openedPath;
};

TEST(SdlHostTest, FileDialogsAnswerFromTheKeyboard) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const std::string folder = testing::TempDir();
  TSdlHost host("Dialogs", true);
  TDialogForm form(host, folder);
  host.Run(form);
  EXPECT_TRUE(form.saved);
  EXPECT_EQ(std::filesystem::path(form.savedPath), std::filesystem::weakly_canonical(folder) / "Player.sav");
  EXPECT_FALSE(form.opened);
  EXPECT_EQ(form.openedPath, "Player.sav");  // a cancelled dialog leaves the name as it was
}

}  // namespace

namespace {

// Input a player makes while a box is up: the box blocks the form's timers, so another thread
// posts it, once the box has had frames enough to put the keyboard focus into its edit. A box
// that never answers is closed with the window's close button, so the test ends either way.
class TPlayerThread {
 public:
  explicit TPlayerThread(std::function<void()> input)
      : thread_([this, input = std::move(input)] {
          std::this_thread::sleep_for(std::chrono::milliseconds(500));
          input();
          for (int i = 0; i < 300 && !answered_; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
          if (!answered_) PostQuit();
        }) {}
  ~TPlayerThread() {
    answered_ = true;
    thread_.join();
  }
  void Answered() { answered_ = true; }

 private:
  std::atomic<bool> answered_{false};
  std::thread thread_;
};

void PressAndRelease(int key) {
  PostKey(key, true);
  PostKey(key, false);
}

// Types into the box's edit, and a moment later presses the key.
void TypeThenPress(const char* text, int key) {
  PostText(text);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  PressAndRelease(key);
}

// Boxes answered from the keyboard while their edit has the focus, and hints kept off a box.
class TBoxKeysForm : public TForm {
 public:
  TBoxKeysForm(TSdlHost& host, std::string folder, std::string shots)
      : TForm(host), sdlHost(host), folder_(std::move(folder)), shots_(std::move(shots)), script(Application(), false) {
    SetClientSize(640, 480);
    hot.SetBounds(500, 20, 60, 40);
    hot.Hint = "Exit to desktop.";
    script.ActiveOnly = false;
    script.SetInterval(20);
    script.OnTimer = [this](int) { Step(); };
  }
  void FormShow() override { script.SetEnabled(true); }

  bool Dialog(bool save, const std::function<void()>& input, std::string& path) {
    TFileDialog dialog;
    dialog.Filter = "Tarnhook Save Games|*.sav";
    dialog.DefaultExt = "*.sav";
    dialog.InitialDir = folder_;
    dialog.FileName = "Player.sav";
    TPlayerThread player(input);
    const bool accepted = save ? Host().SaveFileDialog(dialog) : Host().OpenFileDialog(dialog);
    player.Answered();
    path = dialog.FileName;
    return accepted;
  }

  void Step() {
    ++ticks;
    if (ticks == 1) {
      opened = Dialog(false, [] { TypeThenPress("Other", VK_ESCAPE); }, openedPath);
      saved = Dialog(true, [] { TypeThenPress("Bob", VK_RETURN); }, savedPath);
      PostMouseMove(530, 40);  // over the hot button, whose hint shows after half a second
    }
    if (ticks == 2) hoverStart = Host().Clock();
    if (ticks > 2 && !hintShot && Host().Clock() - hoverStart > 800) {
      hintShot = true;
      sdlHost.CaptureNextFrame(shots_ + "hint.bmp");
      return;
    }
    if (hintShot && !boxShown) {
      boxShown = true;
      sdlHost.CaptureNextFrame(shots_ + "box.bmp");
      TPlayerThread player([] { PressAndRelease(VK_RETURN); });
      Host().ShowMessage("Over the hint");
      player.Answered();
      Close();
    }
  }

  TSdlHost& sdlHost;
  std::string folder_;
  std::string shots_;
  TCoolButton& hot = Add<TCoolButton>("hot");
  TDXTimer script;
  int ticks = 0;
  uint32_t hoverStart = 0;
  bool hintShot = false;
  bool boxShown = false;
  bool opened = true;
  bool saved = false;
  std::string openedPath;
  std::string savedPath;
};

int TooltipPixels(const TBmp& bmp) {
  int count = 0;
  for (int y = 0; y < bmp.Height; ++y) {
    for (int x = 0; x < bmp.Width; ++x) count += bmp.At(x, y) == 0xFFFFE1u;
  }
  return count;
}

TEST(SdlHostTest, BoxesAnswerEnterAndEscapeWhileTheirEditHasTheFocusAndHideHints) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const std::string folder = testing::TempDir();
  TSdlHost host("Boxes", true);
  TBoxKeysForm form(host, folder, folder);
  host.Run(form);
  ASSERT_TRUE(form.boxShown) << "a box never answered";
  EXPECT_FALSE(form.opened);
  EXPECT_EQ(form.openedPath, "Player.sav");  // cancelled: the typed name is not taken
  EXPECT_TRUE(form.saved);
  const std::string saved = std::filesystem::path(form.savedPath).filename().string();
  EXPECT_NE(saved.find("Bob"), std::string::npos) << saved;  // what was typed into the edit
  EXPECT_EQ(saved.substr(saved.size() - 4), ".sav");
  const TBmp hint = ReadBmp(folder + "hint.bmp");
  const TBmp box = ReadBmp(folder + "box.bmp");
  ASSERT_EQ(hint.Width, 640);
  ASSERT_EQ(box.Width, 640);
  EXPECT_GT(TooltipPixels(hint), 100);
  EXPECT_EQ(TooltipPixels(box), 0);
}

}  // namespace
