// A sound device that can fail: when no audio output can be opened the sound device refuses with
// "Primary Buffer cannot be made", and a later Initialize tries the output again.
#include <gtest/gtest.h>

#include <string>

#include "forms/form.h"
#include "media/dx_sound.h"
#include "media/errors.h"
#include "platform/headless_host.h"
#include "platform/sdl_host.h"
#include "scoped_env.h"

namespace {

std::string InitializeError(TDXSound& sound) {
  try {
    sound.Initialize();
  } catch (const EDXSoundError& error) {
    return error.Message();
  }
  return "";
}

TEST(AudioDeviceTest, HeadlessHostWithoutAnOutputRefusesTheSoundDevice) {
  THeadlessHost host;
  TForm form(host);
  TDXSound sound(&form.Application());
  host.SetAudioAvailable(false);
  EXPECT_EQ(host.AudioRate(), 0);
  EXPECT_EQ(InitializeError(sound), "Primary Buffer cannot be made");
  EXPECT_FALSE(sound.Initialized());
  EXPECT_EQ(sound.Mixer(), nullptr);

  host.SetAudioAvailable(true);
  EXPECT_EQ(InitializeError(sound), "");
  EXPECT_TRUE(sound.Initialized());
  EXPECT_EQ(host.AudioRate(), THeadlessHost::kAudioRate);
}

TEST(AudioDeviceTest, SdlHostRefusesWhenNoDriverOpensAndOpensOnALaterTry) {
  TScopedEnv video("SDL_VIDEODRIVER", "dummy");
  TScopedEnv audio("SDL_AUDIODRIVER", "no-such-audio-driver");
  TSdlHost host("Audio", true);
  TForm form(host);
  TDXSound sound(&form.Application());
  EXPECT_EQ(host.AudioRate(), 0);
  EXPECT_EQ(InitializeError(sound), "Primary Buffer cannot be made");
  EXPECT_FALSE(sound.Initialized());
  EXPECT_EQ(InitializeError(sound), "Primary Buffer cannot be made");  // tried again, and again refused

  // A driver that opens (a sound server started meanwhile): the next Initialize gets the device.
  audio.Set("dummy");
  EXPECT_EQ(InitializeError(sound), "");
  EXPECT_TRUE(sound.Initialized());
  EXPECT_EQ(host.AudioRate(), 44100);
  // Finalising lets the device go; initialising again opens it anew.
  sound.Finalize();
  audio.Set("no-such-audio-driver");
  EXPECT_EQ(InitializeError(sound), "Primary Buffer cannot be made");
  audio.Set("dummy");
  EXPECT_EQ(InitializeError(sound), "");
}

}  // namespace
