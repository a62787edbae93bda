// The playable buffers of a sound item: the base buffer and the instance list that shares its
// samples, as voices of the sound device's mixer. Empty until the sound device initialises;
// released when it finalises.
#pragma once

#include <memory>
#include <vector>

class TDXSound;
struct TSampleBuffer;

struct TSoundBuffers {
  TSoundBuffers() = default;
  TSoundBuffers(const TSoundBuffers&) = delete;
  TSoundBuffers& operator=(const TSoundBuffers&) = delete;
  ~TSoundBuffers() { Release(); }

  // The device is initialised (the item may play); the device the voices belong to.
  bool Ready = false;
  TDXSound* Device = nullptr;
  // The decoded samples every buffer of the item shares (nullptr for a wave without samples).
  std::shared_ptr<const TSampleBuffer> Samples;
  // The base buffer's voice, or -1.
  int BaseVoice = -1;
  // Further voices for overlapping playback, in reuse order (front = waited longest).
  std::vector<int> Instances;

  // Removes every instance voice.
  void ReleaseInstances();
  // Removes every voice and the samples; Ready and Device stay.
  void Release();
};
