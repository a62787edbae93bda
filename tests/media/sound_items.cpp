// The sound device and sound items: initialisation, instance reuse, looping, volume, and
// everything harmless while the device is finalised.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/dx_sound.h"
#include "media/dx_wave_list.h"
#include "media/errors.h"
#include "tests/media/draw_fake_host.h"
#include "tests/media/sound_wave_maker.h"

namespace {

class SoundTest : public ::testing::Test {
 protected:
  TFakeHost host;
  TApplication app{host};
  TDXSound sound{&app};
  TDXWaveList list{&sound};

  void SetUp() override { host.Rate = 8000; }

  // An item of frames 16-bit mono samples of value 1000 at 8 kHz.
  TWaveCollectionItem& AddItem(const std::string& name, int frames = 100) {
    TWaveCollectionItem& item = list.Items.Add();
    item.SetName(name);
    item.SetWave(MakeWave(1, 8000, 16, Mono16(std::vector<int16_t>(frames, 1000))));
    return item;
  }
  std::vector<int16_t> Pull(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    host.Audio->Mix(out.data(), frames);
    return out;
  }
  int BusyInstances(TWaveCollectionItem& item) {
    int busy = 0;
    for (int voice : item.Buffers().Instances) busy += sound.Mixer()->Busy(voice) ? 1 : 0;
    return busy;
  }
};

TEST_F(SoundTest, InitialisationOrderAndTheOutput) {
  std::vector<std::string> events;
  sound.OnInitializing = [&] { events.push_back("Initializing"); };
  sound.OnInitialize = [&] { events.push_back("Initialize"); };
  sound.OnRestore = [&] { events.push_back("Restore"); };
  sound.OnFinalize = [&] { events.push_back("Finalize"); };
  TWaveCollectionItem& item = AddItem("splash");
  sound.Initialize();
  EXPECT_EQ(events, (std::vector<std::string>{"Initializing", "Initialize", "Restore"}));
  EXPECT_EQ(host.Audio, sound.Mixer());
  EXPECT_GE(item.Buffers().BaseVoice, 0);
  events.clear();
  sound.Finalize();
  sound.Finalize();
  EXPECT_EQ(events, std::vector<std::string>{"Finalize"});
  EXPECT_EQ(host.Audio, nullptr);
  EXPECT_FALSE(item.Buffers().Ready);
  EXPECT_EQ(item.Buffers().BaseVoice, -1);
}

TEST_F(SoundTest, DeviceErrors) {
  TDXSound orphan(nullptr);
  try {
    orphan.Initialize();
    FAIL();
  } catch (const EDXSoundError& e) {
    EXPECT_EQ(e.Message(), "Form not found");
  }
  host.Rate = 0;  // no audio output
  try {
    sound.Initialize();
    FAIL();
  } catch (const EDXSoundError& e) {
    EXPECT_EQ(e.Message(), "Primary Buffer cannot be made");
  }
  EXPECT_FALSE(sound.Initialized());
  EXPECT_EQ(host.Audio, nullptr);
}

TEST_F(SoundTest, ABadWaveIsReportedAfterTheOthersAreBuilt) {
  TWaveCollectionItem& bad = list.Items.Add();
  bad.SetWave(MakeWave(1, 8000, 12, {1, 2, 3, 4}));
  TWaveCollectionItem& empty = list.Items.Add();
  TWaveCollectionItem& good = AddItem("good");
  try {
    sound.Initialize();
    FAIL();
  } catch (const EDirectSoundBufferError& e) {
    EXPECT_EQ(e.Message(), "Sound Buffer cannot be made");
  }
  EXPECT_TRUE(sound.Initialized());
  EXPECT_GE(good.Buffers().BaseVoice, 0);
  EXPECT_EQ(empty.Buffers().BaseVoice, -1);
  empty.Play();
  bad.Play();
  EXPECT_TRUE(empty.Buffers().Instances.empty());
  good.Play();
  EXPECT_EQ(BusyInstances(good), 1);
}

TEST_F(SoundTest, EffectsOverlapUpToMaxPlayingCount) {
  TWaveCollectionItem& item = AddItem("splash");
  sound.Initialize();
  for (int i = 0; i < 3; ++i) item.Play();
  EXPECT_EQ(item.Buffers().Instances.size(), 3u);
  EXPECT_EQ(BusyInstances(item), 3);

  item.SetMaxPlayingCount(2);  // a change releases the instances
  EXPECT_TRUE(item.Buffers().Instances.empty());
  item.Play();
  item.Play();
  const std::vector<int> first = item.Buffers().Instances;
  item.Play();  // both sound: the front one is cut off, restarted and moved to the back
  EXPECT_EQ(item.Buffers().Instances, (std::vector<int>{first[1], first[0]}));
  EXPECT_EQ(BusyInstances(item), 2);

  item.SetMaxPlayingCount(-4);
  EXPECT_EQ(item.MaxPlayingCount(), 0);
}

TEST_F(SoundTest, StoppedInstancesAreReused) {
  TWaveCollectionItem& item = AddItem("reel");
  sound.Initialize();
  item.Play();
  item.Stop();
  EXPECT_EQ(BusyInstances(item), 0);
  item.Play();
  EXPECT_EQ(item.Buffers().Instances.size(), 1u);
  Pull(200);  // the sound ends
  item.Play();
  EXPECT_EQ(item.Buffers().Instances.size(), 1u);
}

TEST_F(SoundTest, AWaveReplacedWhileTheDevicePlaysIsHeardAtOnce) {
  TWaveCollectionItem& item = AddItem("swap", 4);
  sound.Initialize();
  item.Play();
  Pull(1);
  // The playing buffers used the old wave's bytes: they go with it, and the new wave plays.
  item.SetWave(MakeWave(1, 8000, 16, Mono16({7, 8})));
  EXPECT_EQ(Pull(2), (std::vector<int16_t>{0, 0, 0, 0}));
  item.Play();
  EXPECT_EQ(Pull(3), (std::vector<int16_t>{7, 7, 8, 8, 0, 0}));
}

TEST_F(SoundTest, LoopedItemsRestartInsteadOfStacking) {
  TWaveCollectionItem& item = list.Items.Add();
  item.SetWave(MakeWave(1, 8000, 16, Mono16({100, 200, 300})));
  item.SetLooped(true);
  sound.Initialize();
  item.Play();
  EXPECT_EQ(Pull(4), (std::vector<int16_t>{100, 100, 200, 200, 300, 300, 100, 100}));
  item.Play();
  EXPECT_EQ(Pull(1), (std::vector<int16_t>{100, 100}));
  EXPECT_TRUE(item.Buffers().Instances.empty());
  EXPECT_TRUE(sound.Mixer()->Busy(item.Buffers().BaseVoice));
  item.SetLooped(false);  // a change stops playback
  EXPECT_FALSE(sound.Mixer()->Busy(item.Buffers().BaseVoice));
}

TEST_F(SoundTest, VolumeAppliesToLaterInstances) {
  TWaveCollectionItem& item = AddItem("horn");
  sound.Initialize();
  item.Play();
  item.SetVolume(-10000);
  EXPECT_EQ(Pull(1), (std::vector<int16_t>{1000, 1000}));  // the sounding one keeps its volume
  item.Stop();
  item.Play();
  EXPECT_EQ(Pull(1), (std::vector<int16_t>{0, 0}));
  item.SetVolume(0);
  item.Pan = -10000;
  item.Stop();
  item.Play();
  EXPECT_EQ(Pull(1), (std::vector<int16_t>{1000, 0}));
}

TEST_F(SoundTest, EverythingIsHarmlessWhileFinalised) {
  TWaveCollectionItem& item = AddItem("splash");
  item.Play();
  item.Stop();
  item.SetVolume(-500);
  item.SetLooped(true);
  item.SetMaxPlayingCount(3);
  item.Play(true);
  EXPECT_EQ(item.Volume(), -500);
  EXPECT_EQ(host.Sleeps, 0);
  sound.Initialize();
  sound.Finalize();
  item.Play();
  EXPECT_TRUE(item.Buffers().Instances.empty());
}

TEST_F(SoundTest, LoadingIntoAnInitialisedDeviceBuildsAtOnceAndWaitingPolls) {
  sound.Initialize();
  TWaveCollectionItem& item = AddItem("late", 800);  // 100 ms
  EXPECT_EQ(item.Buffers().BaseVoice, -1);
  list.Items.RestoreBuffers();
  ASSERT_GE(item.Buffers().BaseVoice, 0);
  host.OnSleep = [&](uint32_t ms) { Pull(static_cast<int>(ms * 8)); };
  item.Play(true);
  EXPECT_EQ(host.Sleeps, 10);
  EXPECT_EQ(BusyInstances(item), 0);
  // A host that never pulls audio does not hang the caller.
  host.OnSleep = nullptr;
  host.Sleeps = 0;
  item.Play(true);
  EXPECT_EQ(host.Sleeps, 110);
}

TEST_F(SoundTest, NoSoundWithoutFocus) {
  TWaveCollectionItem& item = AddItem("engine");
  sound.Initialize();
  item.Play();
  app.SetActive(false);
  EXPECT_EQ(Pull(1), (std::vector<int16_t>{0, 0}));
  app.SetActive(true);
  EXPECT_EQ(Pull(1), (std::vector<int16_t>{1000, 1000}));
  sound.Options = {soGlobalFocus};
  app.SetActive(false);
  EXPECT_EQ(Pull(1), (std::vector<int16_t>{1000, 1000}));
}

}  // namespace
