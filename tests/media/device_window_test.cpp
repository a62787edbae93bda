// The devices and the form's window: when the window goes away every device finalises with its
// events while the form is whole; a device destroyed while initialised stays quiet.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "media/dx_draw.h"
#include "media/dx_sound.h"
#include "media/dx_wave_list.h"
#include "media/errors.h"
#include "tests/media/draw_fake_host.h"
#include "tests/media/sound_wave_maker.h"

namespace {

// Members in the order a form declares them: the devices first, then what their handlers use.
struct TFormMembers {
  explicit TFormMembers(TApplication& app) : draw(&app), sound(&app), sounds(&sound) {
    TWaveCollectionItem& item = sounds.Items.Add();
    item.SetName("bye");
    item.SetWave(MakeWave(1, 8000, 8, {1, 2, 3}));
    draw.OnFinalizeSurface = [this] { log->push_back("FinalizeSurface"); };
    draw.OnFinalize = [this] { log->push_back("DrawFinalize"); };
    sound.OnFinalize = [this] {
      // The handler still finds the libraries, as a form's clean-up expects.
      log->push_back("SoundFinalize " + sounds.Items.Find("bye").Name());
    };
  }
  TDXDraw draw;
  TDXSound sound;
  TDXWaveList sounds;
  std::unique_ptr<std::vector<std::string>> log = std::make_unique<std::vector<std::string>>();
};

TEST(DeviceWindowTest, TheWindowGoingAwayFinalisesEveryDeviceWithItsEvents) {
  TFakeHost host;
  TApplication app(host);
  TFormMembers form(app);
  form.draw.Initialize();
  form.sound.Initialize();
  app.WindowDestroyed();
  EXPECT_EQ(*form.log, (std::vector<std::string>{"FinalizeSurface", "DrawFinalize", "SoundFinalize bye"}));
  EXPECT_FALSE(form.draw.Initialized());
  EXPECT_FALSE(form.sound.Initialized());
  EXPECT_EQ(host.Shown, nullptr);
  EXPECT_EQ(host.Audio, nullptr);
  // A second notice, or one with the devices already finalised, fires nothing.
  app.WindowDestroyed();
  EXPECT_EQ(form.log->size(), 3u);
}

TEST(DeviceWindowTest, DevicesDestroyedWhileInitialisedStayQuiet) {
  TFakeHost host;
  TApplication app(host);
  {
    TFormMembers form(app);
    form.draw.Initialize();
    form.sound.Initialize();
    // The handlers would reach members destroyed before the devices: they must not run.
    form.log.reset();
  }
  EXPECT_EQ(host.Shown, nullptr);
  EXPECT_EQ(host.Audio, nullptr);
  // The destroyed devices no longer listen for the window.
  app.WindowDestroyed();
}

TEST(DeviceWindowTest, AnErrorInOneDeviceStillFinalisesTheOthers) {
  TFakeHost host;
  TApplication app(host);
  TFormMembers form(app);
  form.draw.OnFinalize = [] { throw EDXDrawError("clean-up failed"); };
  form.draw.Initialize();
  form.sound.Initialize();
  try {
    app.WindowDestroyed();
    FAIL();
  } catch (const EDXDrawError& e) {
    EXPECT_EQ(e.Message(), "clean-up failed");
  }
  EXPECT_FALSE(form.draw.Initialized());
  EXPECT_FALSE(form.sound.Initialized());
  EXPECT_EQ(form.log->back(), "SoundFinalize bye");
}

TEST(DeviceWindowTest, AHandlerThatDestroysALaterDeviceIsSafe) {
  TFakeHost host;
  TApplication app(host);
  TDXDraw draw(&app);
  auto sound = std::make_unique<TDXSound>(&app);
  draw.OnFinalize = [&] { sound.reset(); };
  draw.Initialize();
  sound->Initialize();
  app.WindowDestroyed();
  EXPECT_EQ(sound, nullptr);
  EXPECT_EQ(host.Audio, nullptr);
}

}  // namespace
