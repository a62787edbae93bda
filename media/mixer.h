// The sound mixer the host pulls from: voices that play shared sample buffers at their own rate,
// volume and pan, mixed into interleaved 16-bit stereo frames at the host's rate. The host calls
// Mix on its audio thread; every other call comes from the program's thread, so the voice table is
// guarded by one mutex held only for the length of each call.
//
// A voice that plays once has a known length, so it also ends by the host's clock: once the clock
// has passed its start by that length plus kStallGraceMs, it counts as ended even when nothing
// pulled its samples (no output device, or one that stalled). A working device pulls ahead of the
// clock, so there the voice has always ended through Mix first.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "media/host.h"

struct TWave;

// A wave's samples as 16-bit, one or two channels interleaved, shared by every voice that plays
// them: decoded into the buffer's own memory, or the wave's own bytes when they already are 16-bit
// samples of this machine's byte order (a library's music is then held once, not twice).
struct TSampleBuffer {
  int Channels = 1;
  int Rate = 22050;
  // Decoded samples; empty while Shared points into a wave.
  std::vector<int16_t> Samples;
  // The wave's own samples used in place, or nullptr; the wave outlives the buffer.
  const int16_t* Shared = nullptr;
  size_t SharedCount = 0;

  const int16_t* Data() const { return Shared ? Shared : Samples.data(); }
  size_t Count() const { return Shared ? SharedCount : Samples.size(); }
  size_t Frames() const { return Count() / static_cast<size_t>(Channels); }
};

// Decodes a PCM wave (8-bit unsigned or 16-bit signed, mono or stereo) into the buffer's own
// memory; nullptr when the format cannot be played or the wave holds no whole frame.
std::shared_ptr<const TSampleBuffer> DecodeWave(const TWave& wave);
// The same samples, pointing into the wave's bytes where they can be used as they are (16-bit
// little-endian on a little-endian machine), else decoded. The buffer must not outlive the wave
// or a change to its bytes.
std::shared_ptr<const TSampleBuffer> ShareWave(const TWave& wave);

// Gain for an attenuation in hundredths of a decibel (0 = 1.0, -10000 or less = 0), in 1/65536.
int32_t GainFromHundredthsDb(int32_t hundredthsDb);

class TMixer : public TAudioSource {
 public:
  // Most voices that may exist at once; AddVoice fails beyond it.
  static constexpr int kMaxVoices = 256;
  // How long past its length a voice that plays once may go unpulled before it counts as ended.
  static constexpr uint32_t kStallGraceMs = 1000;

  // clock: the host's millisecond clock (read on the program's thread only); without one, voices
  // end only through Mix.
  explicit TMixer(int outputRate, std::function<uint32_t()> clock = {});

  // A new stopped voice at the start of samples; -1 when no voice can be made.
  int AddVoice(std::shared_ptr<const TSampleBuffer> samples);
  void RemoveVoice(int voice);

  // Volume in hundredths of a decibel (0 .. -10000), pan -10000 (left) .. 10000 (right),
  // frequency in Hz (0 = the samples' own rate).
  void SetVolume(int voice, int32_t hundredthsDb);
  void SetPan(int voice, int32_t pan);
  void SetFrequency(int voice, int32_t frequency);

  // Starts from the current position, once or looping.
  void Play(int voice, bool looped);
  void Stop(int voice);
  // Moves the voice back to its first sample.
  void Rewind(int voice);
  // True while the voice plays; a voice that plays once and is overdue by the clock ends here.
  bool Busy(int voice);
  // When the voice was last started, as a count of Play calls (larger = later; 0 = never).
  uint64_t StartOrder(int voice) const;

  // Silences the whole output while muted (the program has lost the focus).
  void SetMuted(bool muted);

  int OutputRate() const { return outputRate_; }

  // Fills frameCount interleaved stereo frames (called on the host's audio thread).
  void Mix(int16_t* stereoFrames, int frameCount) override;

 private:
  struct TVoice {
    bool Used = false;
    bool Playing = false;
    bool Looped = false;
    std::shared_ptr<const TSampleBuffer> Samples;
    uint64_t Position = 0;  // frames, 32.32 fixed point
    uint64_t Step = 0;      // per output frame, 32.32 fixed point
    int32_t Volume = 0;
    int32_t Pan = 0;
    int32_t GainLeft = 65536;
    int32_t GainRight = 65536;
    uint64_t StartOrder = 0;
    uint32_t StartedAt = 0;  // clock at the last Play
    uint32_t DueMs = 0;      // length from there plus kStallGraceMs (voices that play once)
  };

  TVoice* VoiceAt(int voice);
  const TVoice* VoiceAt(int voice) const;
  void UpdateGains(TVoice& voice);
  void MixVoice(TVoice& voice, int32_t* accumulator, int frameCount);

  const int outputRate_;
  const std::function<uint32_t()> clock_;
  bool muted_ = false;
  uint64_t starts_ = 0;
  mutable std::mutex mutex_;
  std::vector<TVoice> voices_;
  std::vector<int32_t> accumulator_;
};
