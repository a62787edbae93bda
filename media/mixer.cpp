#include "media/mixer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "media/wave.h"

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr int32_t kMinFrequency = 100;
constexpr int32_t kMaxFrequency = 200000;

inline int16_t ClampSample(int32_t value) {
  return static_cast<int16_t>(std::clamp<int32_t>(value, -32768, 32767));
}

// Milliseconds the voice needs from its position to its end at its step, plus the grace.
uint32_t DueMs(uint64_t position, uint64_t end, uint64_t step, int outputRate) {
  const uint64_t left = position < end ? end - position : 0;
  const uint64_t frames = (left + step - 1) / step;
  const uint64_t ms = (frames * 1000 + static_cast<uint64_t>(outputRate) - 1) /
                      static_cast<uint64_t>(outputRate);
  return static_cast<uint32_t>(std::min<uint64_t>(ms + TMixer::kStallGraceMs, INT32_MAX));
}

// Whether the wave can be played: PCM of 8 or 16 bits, one or two channels, a rate the mixer
// takes, and at least one whole frame. Gives the number of samples (frames x channels).
bool Playable(const TWave& wave, size_t& count) {
  const uint16_t tag = wave.FormatTag();
  const int channels = wave.Channels();
  const int bits = wave.BitsPerSample();
  const uint32_t rate = wave.SamplesPerSecond();
  if ((tag != kFormatPcm && tag != kFormatExtensible) || (channels != 1 && channels != 2) ||
      (bits != 8 && bits != 16) || rate < static_cast<uint32_t>(kMinFrequency) ||
      rate > static_cast<uint32_t>(kMaxFrequency)) {
    return false;
  }
  const size_t frameBytes = static_cast<size_t>(channels) * (bits / 8);
  count = wave.Data.size() / frameBytes * static_cast<size_t>(channels);
  return count > 0;
}

std::shared_ptr<TSampleBuffer> EmptyBufferFor(const TWave& wave) {
  auto buffer = std::make_shared<TSampleBuffer>();
  buffer->Channels = wave.Channels();
  buffer->Rate = static_cast<int>(wave.SamplesPerSecond());
  return buffer;
}

}  // namespace

std::shared_ptr<const TSampleBuffer> ShareWave(const TWave& wave) {
  size_t count = 0;
  if (!Playable(wave, count)) return nullptr;
  const bool inPlace = wave.BitsPerSample() == 16 && std::endian::native == std::endian::little &&
                       reinterpret_cast<uintptr_t>(wave.Data.data()) % alignof(int16_t) == 0;
  if (!inPlace) return DecodeWave(wave);
  auto buffer = EmptyBufferFor(wave);
  buffer->Shared = reinterpret_cast<const int16_t*>(wave.Data.data());
  buffer->SharedCount = count;
  return buffer;
}

std::shared_ptr<const TSampleBuffer> DecodeWave(const TWave& wave) {
  size_t count = 0;
  if (!Playable(wave, count)) return nullptr;
  const int bits = wave.BitsPerSample();
  auto buffer = EmptyBufferFor(wave);
  buffer->Samples.resize(count);
  const uint8_t* data = wave.Data.data();
  if (bits == 8) {
    for (size_t i = 0; i < count; ++i)
      buffer->Samples[i] = static_cast<int16_t>((data[i] - 128) * 256);
  } else {
    for (size_t i = 0; i < count; ++i) {
      buffer->Samples[i] = static_cast<int16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
  }
  return buffer;
}

int32_t GainFromHundredthsDb(int32_t hundredthsDb) {
  if (hundredthsDb >= 0) return 65536;
  if (hundredthsDb <= -10000) return 0;
  return static_cast<int32_t>(std::lround(65536.0 * std::pow(10.0, hundredthsDb / 2000.0)));
}

TMixer::TMixer(int outputRate, std::function<uint32_t()> clock)
    : outputRate_(std::max(outputRate, 1)), clock_(std::move(clock)) {
  // Room for every voice up front, so starting a sound never allocates in the middle of play.
  voices_.reserve(kMaxVoices);
}

TMixer::TVoice* TMixer::VoiceAt(int voice) {
  if (voice < 0 || voice >= static_cast<int>(voices_.size()) || !voices_[voice].Used)
    return nullptr;
  return &voices_[static_cast<size_t>(voice)];
}

const TMixer::TVoice* TMixer::VoiceAt(int voice) const {
  if (voice < 0 || voice >= static_cast<int>(voices_.size()) || !voices_[voice].Used)
    return nullptr;
  return &voices_[static_cast<size_t>(voice)];
}

int TMixer::AddVoice(std::shared_ptr<const TSampleBuffer> samples) {
  if (!samples || samples->Frames() == 0) return -1;
  std::lock_guard lock(mutex_);
  auto free = std::find_if(voices_.begin(), voices_.end(), [](const TVoice& v) { return !v.Used; });
  if (free == voices_.end()) {
    if (static_cast<int>(voices_.size()) >= kMaxVoices) return -1;
    free = voices_.emplace(voices_.end());
  }
  *free = TVoice{};
  free->Used = true;
  free->Step = (static_cast<uint64_t>(samples->Rate) << 32) / static_cast<uint64_t>(outputRate_);
  free->Samples = std::move(samples);
  return static_cast<int>(free - voices_.begin());
}

void TMixer::RemoveVoice(int voice) {
  std::shared_ptr<const TSampleBuffer> released;  // freed outside the lock
  {
    std::lock_guard lock(mutex_);
    TVoice* v = VoiceAt(voice);
    if (!v) return;
    released = std::move(v->Samples);
    *v = TVoice{};
  }
}

void TMixer::UpdateGains(TVoice& voice) {
  voice.GainLeft = GainFromHundredthsDb(voice.Volume - std::max(voice.Pan, 0));
  voice.GainRight = GainFromHundredthsDb(voice.Volume + std::min(voice.Pan, 0));
}

void TMixer::SetVolume(int voice, int32_t hundredthsDb) {
  std::lock_guard lock(mutex_);
  if (TVoice* v = VoiceAt(voice)) {
    v->Volume = std::clamp(hundredthsDb, -10000, 0);
    UpdateGains(*v);
  }
}

void TMixer::SetPan(int voice, int32_t pan) {
  std::lock_guard lock(mutex_);
  if (TVoice* v = VoiceAt(voice)) {
    v->Pan = std::clamp(pan, -10000, 10000);
    UpdateGains(*v);
  }
}

void TMixer::SetFrequency(int voice, int32_t frequency) {
  std::lock_guard lock(mutex_);
  if (TVoice* v = VoiceAt(voice)) {
    const int32_t rate =
        frequency > 0 ? std::clamp(frequency, kMinFrequency, kMaxFrequency) : v->Samples->Rate;
    v->Step = (static_cast<uint64_t>(rate) << 32) / static_cast<uint64_t>(outputRate_);
  }
}

void TMixer::Play(int voice, bool looped) {
  const uint32_t now = clock_ ? clock_() : 0;
  std::lock_guard lock(mutex_);
  if (TVoice* v = VoiceAt(voice)) {
    v->Playing = true;
    v->Looped = looped;
    v->StartOrder = ++starts_;
    v->StartedAt = now;
    v->DueMs = DueMs(v->Position, static_cast<uint64_t>(v->Samples->Frames()) << 32,
                     std::max<uint64_t>(v->Step, 1), outputRate_);
  }
}

void TMixer::Stop(int voice) {
  std::lock_guard lock(mutex_);
  if (TVoice* v = VoiceAt(voice)) v->Playing = false;
}

void TMixer::Rewind(int voice) {
  std::lock_guard lock(mutex_);
  if (TVoice* v = VoiceAt(voice)) v->Position = 0;
}

bool TMixer::Busy(int voice) {
  const uint32_t now = clock_ ? clock_() : 0;
  std::lock_guard lock(mutex_);
  TVoice* v = VoiceAt(voice);
  if (!v || !v->Playing) return false;
  // Elapsed time as a signed difference: a clock set back (a test's) never ends a voice early.
  const auto elapsed = static_cast<int32_t>(now - v->StartedAt);
  if (clock_ && !v->Looped && elapsed >= 0 && static_cast<uint32_t>(elapsed) >= v->DueMs) {
    v->Playing = false;
  }
  return v->Playing;
}

uint64_t TMixer::StartOrder(int voice) const {
  std::lock_guard lock(mutex_);
  const TVoice* v = VoiceAt(voice);
  return v ? v->StartOrder : 0;
}

void TMixer::SetMuted(bool muted) {
  std::lock_guard lock(mutex_);
  muted_ = muted;
}

// Adds the voice into the accumulator with linear interpolation between neighbouring frames. The
// inner loops run over stretches where both neighbours lie inside the samples; the frame at the
// end (whose right neighbour is the first frame when looping, else itself) is handled singly.
void TMixer::MixVoice(TVoice& voice, int32_t* accumulator, int frameCount) {
  const TSampleBuffer& buffer = *voice.Samples;
  const int16_t* s = buffer.Data();
  const uint64_t frames = buffer.Frames();
  const uint64_t end = frames << 32;
  const uint64_t safeEnd = (frames - 1) << 32;  // positions whose right neighbour exists
  const int channels = buffer.Channels;
  const int32_t gl = voice.GainLeft;
  const int32_t gr = voice.GainRight;
  const uint64_t step = std::max<uint64_t>(voice.Step, 1);
  uint64_t pos = voice.Position;
  int n = 0;
  while (n < frameCount) {
    if (pos >= end) {
      if (!voice.Looped) {
        voice.Playing = false;
        break;
      }
      pos %= end;
    }
    if (pos < safeEnd) {
      const uint64_t fit = (safeEnd - pos + step - 1) / step;
      const int count =
          static_cast<int>(std::min<uint64_t>(fit, static_cast<uint64_t>(frameCount - n)));
      int32_t* out = accumulator + 2 * n;
      if (channels == 1) {
        for (int i = 0; i < count; ++i, pos += step, out += 2) {
          const size_t at = static_cast<size_t>(pos >> 32);
          const int32_t frac = static_cast<int32_t>((pos >> 16) & 0xFFFF);
          const int32_t v = s[at] + (((s[at + 1] - s[at]) * frac) >> 16);
          out[0] += (v * gl) >> 16;
          out[1] += (v * gr) >> 16;
        }
      } else {
        for (int i = 0; i < count; ++i, pos += step, out += 2) {
          const size_t at = static_cast<size_t>(pos >> 32) * 2;
          const int32_t frac = static_cast<int32_t>((pos >> 16) & 0xFFFF);
          const int32_t l = s[at] + (((s[at + 2] - s[at]) * frac) >> 16);
          const int32_t r = s[at + 1] + (((s[at + 3] - s[at + 1]) * frac) >> 16);
          out[0] += (l * gl) >> 16;
          out[1] += (r * gr) >> 16;
        }
      }
      n += count;
      continue;
    }
    // The last frame: interpolate towards the first frame when looping, else hold it.
    const size_t at = static_cast<size_t>(pos >> 32) * channels;
    const size_t next = voice.Looped ? 0 : at;
    const int32_t frac = static_cast<int32_t>((pos >> 16) & 0xFFFF);
    const int32_t l = s[at] + (((s[next] - s[at]) * frac) >> 16);
    const int32_t r = channels == 1 ? l : s[at + 1] + (((s[next + 1] - s[at + 1]) * frac) >> 16);
    accumulator[2 * n] += (l * gl) >> 16;
    accumulator[2 * n + 1] += (r * gr) >> 16;
    pos += step;
    ++n;
  }
  voice.Position = pos;
  if (!voice.Looped && pos >= end) voice.Playing = false;  // the last frame has been heard
}

void TMixer::Mix(int16_t* stereoFrames, int frameCount) {
  if (frameCount <= 0) return;
  std::lock_guard lock(mutex_);
  accumulator_.assign(static_cast<size_t>(frameCount) * 2, 0);
  for (TVoice& voice : voices_) {
    if (voice.Used && voice.Playing) MixVoice(voice, accumulator_.data(), frameCount);
  }
  if (muted_) {
    std::memset(stereoFrames, 0, static_cast<size_t>(frameCount) * 4);
    return;
  }
  for (size_t i = 0; i < accumulator_.size(); ++i) stereoFrames[i] = ClampSample(accumulator_[i]);
}
