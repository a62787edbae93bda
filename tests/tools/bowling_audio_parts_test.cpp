// The parts the bowling sounds are built from: curves, the formant voice, loops turned to start
// quietly, and the refusal of names the program does not know.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "tests/tools/bowling_audio_measure.h"
#include "tools/assetgen/bowling_audio/bowling_library.h"
#include "tools/assetgen/bowling_audio/curve.h"
#include "tools/assetgen/bowling_audio/quiet_start.h"
#include "tools/assetgen/bowling_audio/voice.h"
#include "tools/assetgen/bowling_audio/words.h"

namespace {

using namespace bowling_audio_test;
using audio::bowling::Curve;
using audio::bowling::Utterance;
using audio::bowling::Voice;

TEST(BowlingAudioParts, CurvesInterpolateAndHoldTheirEnds) {
  EXPECT_EQ(Curve().At(1.0), 0.0);
  Curve curve{{0.5, 1.0}, {1.5, 3.0}};
  curve.Add(2.0, 3.0);
  curve.Add(2.0, -1.0);  // a step: the later point holds from then on
  EXPECT_DOUBLE_EQ(curve.At(0.0), 1.0);
  EXPECT_DOUBLE_EQ(curve.At(1.0), 2.0);
  EXPECT_DOUBLE_EQ(curve.At(1.75), 3.0);
  EXPECT_DOUBLE_EQ(curve.At(2.5), -1.0);
  EXPECT_DOUBLE_EQ(curve.End(), 2.0);
}

Utterance Held(audio::bowling::Vowel vowel) {
  Utterance u;
  u.seconds = 0.6;
  u.vowels = {{0.0, vowel}};
  u.level = {{0.0, 0.0}, {0.05, 1.0}, {0.55, 1.0}, {0.6, 0.0}};
  return u;
}

TEST(BowlingAudioParts, TheVoiceSpeaksAtItsPitchWithTheVowelsResonances) {
  audio::Noise noise(1);
  Voice voice;
  voice.pitchHz = 150;
  const Samples ee = audio::bowling::Speak(noise, voice, Held(audio::bowling::vowels::kEe));
  const Samples oo = audio::bowling::Speak(noise, voice, Held(audio::bowling::vowels::kOo));
  EXPECT_NEAR(Peak(ee), 1.0, 1e-3);
  EXPECT_NEAR(MedianPitch(ee, 60, 500), 150, 8);
  EXPECT_NEAR(MedianPitch(oo, 60, 500), 150, 8);
  // "ee" rings high (second resonance near 2.3 kHz), "oo" stays low.
  EXPECT_GT(BandShare(ee, 1800, 3200), 5 * BandShare(oo, 1800, 3200));
  EXPECT_GT(BandShare(oo, 0, 1000), BandShare(ee, 0, 1000));
  // A child's voice puts the same vowel higher.
  voice.formantScale = 1.3;
  EXPECT_GT(Centroid(audio::bowling::Speak(noise, voice, Held(audio::bowling::vowels::kAh))),
            1.15 * Centroid(audio::bowling::Speak(noise, Voice{}, Held(audio::bowling::vowels::kAh))));
}

TEST(BowlingAudioParts, YesEndsInAHiss) {
  audio::Noise noise(2);
  const Samples yes = audio::bowling::Speak(noise, Voice{}, audio::bowling::Yes());
  const size_t vowel = static_cast<size_t>(0.1 * kRate), hiss = static_cast<size_t>(0.4 * kRate);
  const size_t span = static_cast<size_t>(0.08 * kRate);
  EXPECT_GT(BandShare(Slice(yes, hiss, span), 4000, 11025), 0.6);
  EXPECT_LT(BandShare(Slice(yes, vowel, span), 4000, 11025), 0.1);
}

TEST(BowlingAudioParts, ALoopTurnedRoundStartsQuietlyAndKeepsItsSamples) {
  audio::Signal loop(1000);
  for (size_t i = 0; i < loop.size(); ++i)
    loop[i] = static_cast<float>(0.5 + 0.4 * std::sin(2 * M_PI * i / 250.0));
  loop[700] = 0.0f;  // the one quiet spot
  const size_t start = audio::bowling::QuietStart(loop, loop, 0, loop.size());
  EXPECT_EQ(start, 700u);
  EXPECT_EQ(audio::bowling::QuietStart(loop, loop, 0, 600), 187u);  // the lowest point of the swing
  audio::Signal turned = loop;
  audio::bowling::StartLoopAt(turned, start);
  for (size_t i = 0; i < loop.size(); ++i) EXPECT_EQ(turned[i], loop[(i + start) % loop.size()]) << i;
}

TEST(BowlingAudioParts, UnknownBowlersAndAlleysAreRefused) {
  EXPECT_THROW(audio::bowling::BowlerSpeech("Nobody"), std::invalid_argument);
  EXPECT_THROW(audio::bowling::AlleyNoise("Nowhere"), std::invalid_argument);
  EXPECT_THROW(audio::bowling::BowlerSpeech("vekt"), std::invalid_argument);  // folder names are exact
}

}  // namespace
