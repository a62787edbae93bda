// The supply of mixer voices over a long session: sounds that play once end by the clock when no
// output pulls them, and a burst of plays can never take the voices a library load needs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/dx_sound.h"
#include "media/dx_wave_list.h"
#include "media/library_writer.h"
#include "tests/media/draw_fake_host.h"
#include "tests/media/sound_wave_maker.h"

namespace {

// milliseconds of 8-bit mono samples at 8 kHz.
TWave Tone(int milliseconds) { return MakeWave(1, 8000, 8, std::vector<uint8_t>(milliseconds * 8, 200)); }

TWaveItemData Item(const std::string& name, int milliseconds, bool looped = false) {
  TWaveItemData item;
  item.Name = name;
  item.Looped = looped;
  item.Wave = Tone(milliseconds);
  return item;
}

class SoundVoicesTest : public ::testing::Test {
 protected:
  TFakeHost host;
  TApplication app{host};
  TDXSound sound{&app};
  TDXWaveList effects{&sound};
  TDXWaveList speech{&sound};
  TDXWaveList noise{&sound};
  const std::vector<uint8_t> speechFile =
      EncodeWaveLibrary({Item("strike", 1500), Item("gutter", 1200)});
  const std::vector<uint8_t> noiseFile = EncodeWaveLibrary({Item("noise", 3000, true)});

  void SetUp() override {
    host.Rate = 22050;
    const std::vector<uint8_t> effectsFile =
        EncodeWaveLibrary({Item("roll", 2500), Item("pins", 800), Item("gutter", 1000)});
    effects.Items.ReadFromStream(effectsFile.data(), effectsFile.size());
    sound.Initialize();
  }
  TWaveCollectionItem& Effect(const char* name) { return effects.Items.Find(name); }
  bool Sounding(int voice) { return sound.Mixer()->Busy(voice); }
};

// A bowling session with nothing pulling samples: every turn reloads the bowler's speech and the
// alley's noise, starts the noise loop, rolls the ball, plays the pins three times over and a
// reaction, and the clock moves on by the turn's length.
TEST_F(SoundVoicesTest, HoursOfTurnsWithoutOutputNeverRunOutOfVoices) {
  constexpr int kTurnMs = 6000;
  constexpr int kTurns = 4 * 3600 * 1000 / kTurnMs;
  int unheard = 0;  // reactions that found no voice
  for (int turn = 0; turn < kTurns; ++turn) {
    try {
      speech.Items.ReadFromStream(speechFile.data(), speechFile.size());
      noise.Items.ReadFromStream(noiseFile.data(), noiseFile.size());
      noise.Items.Find("noise").Play();
      Effect("roll").Play();
      host.Now += 2500;
      for (int hit = 0; hit < 3; ++hit) Effect("pins").Play();
      TWaveCollectionItem& reaction = speech.Items.Find(turn % 2 ? "strike" : "gutter");
      reaction.Play();
      if (reaction.Buffers().Instances.empty()) ++unheard;
      host.Now += kTurnMs - 2500;
    } catch (const Exception& error) {
      FAIL() << "turn " << turn << ": " << error.Message();
    }
  }
  EXPECT_EQ(unheard, 0);
  // Instances that ended by the clock were reused: the effects never needed more than a turn's.
  EXPECT_LE(Effect("pins").Buffers().Instances.size(), 3u);
  EXPECT_EQ(Effect("roll").Buffers().Instances.size(), 1u);
  Effect("pins").Play();
  EXPECT_TRUE(Sounding(Effect("pins").Buffers().Instances.front()));
}

TEST_F(SoundVoicesTest, AThousandPlaysInOneInstantLeaveRoomForLoads) {
  TWaveCollectionItem& pins = Effect("pins");
  for (int i = 0; i < 5000; ++i) pins.Play();
  const std::vector<int>& instances = pins.Buffers().Instances;
  EXPECT_LE(instances.size(), static_cast<size_t>(TMixer::kMaxVoices));
  // The latest play sounds: it cut off the one that had waited longest.
  EXPECT_TRUE(Sounding(instances.back()));
  EXPECT_EQ(sound.Mixer()->StartOrder(instances.back()), 5000u);

  speech.Items.ReadFromStream(speechFile.data(), speechFile.size());
  noise.Items.ReadFromStream(noiseFile.data(), noiseFile.size());
  EXPECT_GE(speech.Items.Find("strike").Buffers().BaseVoice, 0);
  EXPECT_GE(speech.Items.Find("gutter").Buffers().BaseVoice, 0);
  noise.Items.Find("noise").Play();
  EXPECT_TRUE(Sounding(noise.Items.Find("noise").Buffers().BaseVoice));
  speech.Items.Find("strike").Play();
  EXPECT_TRUE(Sounding(speech.Items.Find("strike").Buffers().Instances.front()));
}

TEST_F(SoundVoicesTest, WithNoVoiceFreeASilentInstanceGoesFirstThenTheLongestWaiting) {
  TWaveCollectionItem& gutter = Effect("gutter");
  TWaveCollectionItem& pins = Effect("pins");
  for (int i = 0; i < 3; ++i) gutter.Play();
  gutter.Stop();
  const std::vector<int> silent = gutter.Buffers().Instances;
  // Three base voices and three silent instances: the pins fill the rest of the mixer.
  const int room = TMixer::kMaxVoices - 3 - 3;
  for (int i = 0; i < room; ++i) pins.Play();
  ASSERT_EQ(pins.Buffers().Instances.size(), static_cast<size_t>(room));

  pins.Play();
  EXPECT_EQ(gutter.Buffers().Instances, (std::vector<int>{silent[1], silent[2]}));
  EXPECT_EQ(pins.Buffers().Instances.size(), static_cast<size_t>(room + 1));
  pins.Play();
  pins.Play();
  EXPECT_TRUE(gutter.Buffers().Instances.empty());

  // Every instance sounds now: the one started first is cut off and restarted at the back.
  const std::vector<int> before = pins.Buffers().Instances;
  pins.Play();
  const std::vector<int>& after = pins.Buffers().Instances;
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(std::vector<int>(after.begin(), after.end() - 1),
            std::vector<int>(before.begin() + 1, before.end()));
  EXPECT_TRUE(Sounding(after.back()));
  // The gutter still plays, on a voice taken from the pins.
  gutter.Play();
  ASSERT_EQ(gutter.Buffers().Instances.size(), 1u);
  EXPECT_TRUE(Sounding(gutter.Buffers().Instances.front()));
  EXPECT_EQ(pins.Buffers().Instances.size(), before.size() - 1);
}

}  // namespace
