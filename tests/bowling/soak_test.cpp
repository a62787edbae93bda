// Soak: the whole program through the real loop of the headless host over a copy of the generated
// data, match after match, every mode, bowler and alley in turn, with random keys and clicks on top.
// Run by ctest as "bowling_soak" (label "soak"): 200,000 ticks under AddressSanitizer, 20,000 in
// other builds; TH_SOAK_TICKS overrides the count.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "bowling/main_form.h"
#include "forms/virtual_keys.h"
#include "media/random.h"
#include "platform/headless_host.h"
#include "tests/support/soak_length.h"

namespace {

namespace fs = std::filesystem;

const char* const kModes[] = {"practice", "pvsp", "pvscomp", "tourney", "demo"};

// The program and its host, started afresh whenever the credits end it.
struct TProgram {
  explicit TProgram(const std::string& folder) : form(host, folder) {
    host.Attach(form);
    host.Start();
  }
  THeadlessHost host;
  TMainForm form;
};

class TSoak {
 public:
  TSoak(const std::string& folder, uint64_t seed) : folder_(folder), dice_(seed) {}

  // One loop pass: the next choice in the menus, or what a restless player does during play.
  void Step() {
    if (!program_ || program_->form.CloseRequested()) {
      program_.reset();
      program_ = std::make_unique<TProgram>(folder_);
      ++programs_;
    }
    TMainForm& form = program_->form;
    THeadlessHost& host = program_->host;
    if (form.pages.gui.Showing()) {
      Menus(form, host);
    } else {
      Play(form, host);
    }
    host.Advance(static_cast<uint32_t>(1 + dice_.Random(20)));
    host.Step();
    ++ticks_;
    Check(form, host);
  }

  long ticks() const { return ticks_; }
  int matches() const { return matches_; }
  int programs() const { return programs_; }

 private:
  void Menus(TMainForm& form, THeadlessHost& host) {
    if (dice_.Random(4) != 0) return;  // menus take their time too
    switch (form.pages.gui.PageIndex()) {
      case 0:
        // Now and then the options, every 25 matches the program's end; mostly the next mode in turn.
        if (dice_.Random(30) == 0) return host.Click("option");
        if (matches_ % 25 == 24 && quitAt_ != matches_) {
          quitAt_ = matches_;
          return host.Click("quit");
        }
        return host.Click(kModes[matches_ % 5]);
      case 1:
        if (dice_.Random(3) == 0) return host.Click(dice_.Random(2) ? "shadows" : "mblur");
        if (dice_.Random(3) == 0) return host.SelectItem("anicombo", dice_.Random(3));
        return host.Click("back");
      case 3:
        if (browsed_ < matches_ % 4) {
          ++browsed_;
          return host.Click("nextchar");
        }
        browsed_ = 0;
        host.Click(dice_.Random(3) == 0 ? "hard" : dice_.Random(2) ? "normal" : "easy");
        return host.Click("charsel");
      case 4:
        if (browsed_ < (matches_ / 4) % 4) {
          ++browsed_;
          return host.Click("prevalley");
        }
        browsed_ = 0;
        ++matches_;
        return host.Click("go");
      case 5:
        host.Click(dice_.Random(2) ? "games3" : "games5");
        ++matches_;
        return host.Click("gotourney");
      case 6:
        ++matches_;
        return host.Click(dice_.Random(10) == 0 ? "continuequit" : "tcontinue");
      default:
        return;
    }
  }

  void Play(TMainForm& form, THeadlessHost& host) {
    const int roll = dice_.Random(1000);
    if (form.goverTimer.Enabled() || form.IntroTimer.Enabled()) {
      if (roll < 30) host.PressKey(VK_SPACE);
      return;
    }
    if (roll < 40) {
      host.PressKey(VK_SPACE);
    } else if (roll < 80) {
      const int key = dice_.Random(2) ? VK_LEFT : VK_RIGHT;
      dice_.Random(2) ? host.KeyDown(key) : host.KeyUp(key);
    } else if (roll < 90) {
      dice_.Random(2) ? host.KeyDown(VK_SHIFT) : host.KeyUp(VK_SHIFT);
    } else if (roll < 120) {
      const int x = dice_.Random(640);
      const int y = dice_.Random(480);
      host.MouseMove(x, y);
      host.MouseDown(dice_.Random(4) ? TMouseButton::Left : TMouseButton::Right, x, y);
    } else if (roll < 150) {
      host.MouseUp(TMouseButton::Left, dice_.Random(640), dice_.Random(480));
    } else if (roll < 152) {
      // Abandon the match: Escape, then Enter.
      host.PressKey(VK_ESCAPE);
      host.PressKey(VK_RETURN);
    } else if (roll < 154) {
      host.PressKey('Q');
    }
  }

  // Nothing the player does may bring up an error, and at most one timer drives the screen.
  void Check(TMainForm& form, THeadlessHost& host) {
    ASSERT_TRUE(host.Messages().empty()) << host.Messages().front() << " after " << ticks_ << " ticks";
    int running = 0;
    for (const TDXTimer* timer : {&form.DXTimer, &form.IntroTimer, &form.LEDTimer, &form.goverTimer}) {
      running += timer->Enabled() ? 1 : 0;
    }
    ASSERT_LE(running, 1) << "after " << ticks_ << " ticks";
  }

  std::string folder_;
  TRandom dice_;
  std::unique_ptr<TProgram> program_;
  long ticks_ = 0;
  int matches_ = 0;
  int programs_ = 0;
  int browsed_ = 0;
  int quitAt_ = -1;
};

TEST(BowlingSoak, DISABLED_RandomInputOverEveryModeBowlerAndAlley) {
  const fs::path generated = fs::path(TH_BIN_DIR) / "bowling";
  if (!fs::exists(generated / "graphics.dxg")) GTEST_SKIP() << "no generated data in " << generated;
  // The program writes its options file; the generated folder stays as it was built.
  const fs::path folder = fs::temp_directory_path() / ("bowling_soak_" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::copy(generated, folder, fs::copy_options::recursive);
  fs::remove(folder / "bowling.ini");
  TSoak soak(folder.string() + "/", 20261208);
  const long target = SoakTicks();
  while (soak.ticks() < target && !::testing::Test::HasFatalFailure()) soak.Step();
  fs::remove_all(folder);
  EXPECT_GE(soak.matches(), std::min<long>(20, target / 1000)) << "too few matches started";
  std::printf("%ld ticks, %d matches started, %d program starts\n", soak.ticks(), soak.matches(), soak.programs());
}

}  // namespace
