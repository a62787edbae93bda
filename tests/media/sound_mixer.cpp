// The mixer: decoding, volume and pan, resampling, looping and the end of a sound.
#include <gtest/gtest.h>

#include <vector>

#include "media/mixer.h"
#include "tests/media/sound_wave_maker.h"

namespace {

std::vector<int16_t> Pull(TMixer& mixer, int frames) {
  std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 12345);
  mixer.Mix(out.data(), frames);
  return out;
}

TEST(MixerTest, DecodesEightAndSixteenBitMonoAndStereo) {
  auto mono8 = DecodeWave(MakeWave(1, 8000, 8, {0, 128, 255}));
  ASSERT_TRUE(mono8);
  EXPECT_EQ(mono8->Samples, (std::vector<int16_t>{-32768, 0, 32512}));
  auto stereo16 = DecodeWave(MakeWave(2, 44100, 16, Mono16({1, -2, 300, 7, 9})));
  ASSERT_TRUE(stereo16);
  EXPECT_EQ(stereo16->Frames(), 2u);  // the odd trailing sample is not a whole frame
  EXPECT_EQ(stereo16->Samples, (std::vector<int16_t>{1, -2, 300, 7}));
  EXPECT_EQ(stereo16->Rate, 44100);
}

TEST(MixerTest, RefusesWavesItCannotPlay) {
  EXPECT_FALSE(DecodeWave(MakeWave(1, 8000, 16, {1, 2}, 3)));  // floating point
  EXPECT_FALSE(DecodeWave(MakeWave(1, 8000, 24, {1, 2, 3})));
  EXPECT_FALSE(DecodeWave(MakeWave(3, 8000, 16, Mono16({1, 2, 3}))));
  EXPECT_FALSE(DecodeWave(MakeWave(1, 0, 16, Mono16({1}))));
  EXPECT_FALSE(DecodeWave(MakeWave(1, 8000, 16, {1})));
  TWave noFormat;
  noFormat.Data = {1, 2, 3, 4};
  EXPECT_FALSE(DecodeWave(noFormat));
}

TEST(MixerTest, VolumeAndPanScaleEachSide) {
  EXPECT_EQ(GainFromHundredthsDb(0), 65536);
  EXPECT_EQ(GainFromHundredthsDb(-600), 32846);  // -6 dB
  EXPECT_EQ(GainFromHundredthsDb(-10000), 0);
  TMixer mixer(8000);
  const int voice = mixer.AddVoice(DecodeWave(MakeWave(1, 8000, 16, Mono16({1000, -2000, 30000}))));
  mixer.SetVolume(voice, -600);
  mixer.Play(voice, false);
  std::vector<int16_t> out = Pull(mixer, 4);
  EXPECT_EQ(out, (std::vector<int16_t>{501, 501, -1003, -1003, 15035, 15035, 0, 0}));
  EXPECT_FALSE(mixer.Busy(voice));

  mixer.SetVolume(voice, 0);
  mixer.SetPan(voice, 10000);  // hard right: the left side is silent
  mixer.Rewind(voice);
  mixer.Play(voice, false);
  out = Pull(mixer, 1);
  EXPECT_EQ(out, (std::vector<int16_t>{0, 1000}));
  mixer.SetPan(voice, -600);
  out = Pull(mixer, 1);
  EXPECT_EQ(out, (std::vector<int16_t>{-2000, -1003}));
}

TEST(MixerTest, ResamplesToTheOutputRateAndLoops) {
  TMixer mixer(16000);
  const int voice = mixer.AddVoice(DecodeWave(MakeWave(1, 8000, 16, Mono16({0, 1000}))));
  mixer.Play(voice, true);
  std::vector<int16_t> out = Pull(mixer, 6);
  // Half steps: each source frame, then the midpoint towards the next (the first when looping).
  const std::vector<int16_t> left = {out[0], out[2], out[4], out[6], out[8], out[10]};
  EXPECT_EQ(left, (std::vector<int16_t>{0, 500, 1000, 500, 0, 500}));
  EXPECT_TRUE(mixer.Busy(voice));
  mixer.Stop(voice);
  EXPECT_FALSE(mixer.Busy(voice));
  EXPECT_EQ(Pull(mixer, 1), (std::vector<int16_t>{0, 0}));

  mixer.SetFrequency(voice, 16000);  // its own rate doubled: one source frame per output frame
  mixer.Rewind(voice);
  mixer.Play(voice, false);
  out = Pull(mixer, 3);
  EXPECT_EQ(out, (std::vector<int16_t>{0, 0, 1000, 1000, 0, 0}));
}

TEST(MixerTest, VoicesAddUpAndClip) {
  TMixer mixer(8000);
  auto loud = DecodeWave(MakeWave(2, 8000, 16, Mono16({30000, -30000})));
  const int a = mixer.AddVoice(loud);
  const int b = mixer.AddVoice(loud);
  mixer.Play(a, false);
  mixer.Play(b, false);
  EXPECT_EQ(Pull(mixer, 1), (std::vector<int16_t>{32767, -32768}));
  mixer.SetMuted(true);
  mixer.Rewind(a);
  mixer.Play(a, false);
  EXPECT_EQ(Pull(mixer, 1), (std::vector<int16_t>{0, 0}));
  mixer.RemoveVoice(a);
  mixer.RemoveVoice(a);
  EXPECT_FALSE(mixer.Busy(a));
  mixer.Play(a, false);  // a removed voice ignores everything
  EXPECT_FALSE(mixer.Busy(a));
}

TEST(MixerTest, AVoiceNobodyPullsEndsByTheClock) {
  uint32_t now = 5000;
  TMixer mixer(8000, [&now] { return now; });
  auto samples = DecodeWave(MakeWave(1, 8000, 16, Mono16(std::vector<int16_t>(100, 7))));  // 12.5 ms
  const int once = mixer.AddVoice(samples);
  const int looped = mixer.AddVoice(samples);
  mixer.Play(once, false);
  mixer.Play(looped, true);
  now += 13 + TMixer::kStallGraceMs - 1;
  EXPECT_TRUE(mixer.Busy(once));
  ++now;
  EXPECT_FALSE(mixer.Busy(once));
  EXPECT_TRUE(mixer.Busy(looped));
  // Ended for good: a host that starts pulling again does not hear the stale sound.
  EXPECT_EQ(Pull(mixer, 1), (std::vector<int16_t>{7, 7}));  // the loop alone
  mixer.Stop(looped);

  // The length counts from the position it starts at, at the voice's own rate.
  mixer.SetFrequency(once, 4000);
  mixer.Rewind(once);
  mixer.Play(once, false);
  now += 25 + TMixer::kStallGraceMs - 1;
  EXPECT_TRUE(mixer.Busy(once));
  // A clock set back never ends a voice early.
  now -= 100000;
  EXPECT_TRUE(mixer.Busy(once));
  // Pulled, it ends through the mix long before the clock says so.
  now += 100000;
  mixer.Rewind(once);
  mixer.Play(once, false);
  Pull(mixer, 200);
  EXPECT_FALSE(mixer.Busy(once));
}

TEST(MixerTest, StartOrderCountsPlays) {
  TMixer mixer(8000);
  auto samples = DecodeWave(MakeWave(1, 8000, 8, {1, 2}));
  const int a = mixer.AddVoice(samples);
  const int b = mixer.AddVoice(samples);
  EXPECT_EQ(mixer.StartOrder(a), 0u);
  mixer.Play(b, false);
  mixer.Play(a, false);
  EXPECT_LT(mixer.StartOrder(b), mixer.StartOrder(a));
  mixer.Play(b, true);
  EXPECT_GT(mixer.StartOrder(b), mixer.StartOrder(a));
  // Without a clock a voice ends only through the mix.
  EXPECT_TRUE(mixer.Busy(a));
  EXPECT_EQ(mixer.StartOrder(-1), 0u);
}

TEST(MixerTest, SixteenBitWavesArePlayedFromTheirOwnBytes) {
  const TWave wave = MakeWave(2, 22050, 16, Mono16({1, -2, 300, 7, 9}));
  auto shared = ShareWave(wave);
  ASSERT_TRUE(shared);
  EXPECT_EQ(shared->Shared, reinterpret_cast<const int16_t*>(wave.Data.data()));
  auto decoded = DecodeWave(wave);
  EXPECT_EQ(std::vector<int16_t>(shared->Data(), shared->Data() + shared->Count()), decoded->Samples);
  EXPECT_EQ(shared->Frames(), 2u);
  EXPECT_EQ(shared->Rate, 22050);
  // Eight-bit samples must be converted, and what cannot be played is refused as before.
  auto eight = ShareWave(MakeWave(1, 8000, 8, {0, 128, 255}));
  ASSERT_TRUE(eight);
  EXPECT_EQ(eight->Shared, nullptr);
  EXPECT_EQ(eight->Samples, (std::vector<int16_t>{-32768, 0, 32512}));
  EXPECT_FALSE(ShareWave(MakeWave(1, 8000, 16, {1})));
  // A voice on shared samples mixes exactly as one on decoded samples.
  TMixer mixer(22050);
  const int a = mixer.AddVoice(shared);
  const int b = mixer.AddVoice(decoded);
  mixer.SetPan(b, 10000);
  mixer.Play(a, false);
  const std::vector<int16_t> fromShared = Pull(mixer, 3);
  mixer.Stop(a);
  mixer.SetPan(b, 0);
  mixer.Play(b, false);
  EXPECT_EQ(Pull(mixer, 3), fromShared);
}

TEST(MixerTest, TheVoiceTableIsBounded) {
  TMixer mixer(8000);
  auto samples = DecodeWave(MakeWave(1, 8000, 8, {1}));
  for (int i = 0; i < TMixer::kMaxVoices; ++i) ASSERT_GE(mixer.AddVoice(samples), 0);
  EXPECT_EQ(mixer.AddVoice(samples), -1);
  mixer.RemoveVoice(7);
  EXPECT_EQ(mixer.AddVoice(samples), 7);
  EXPECT_EQ(mixer.AddVoice(nullptr), -1);
}

}  // namespace
