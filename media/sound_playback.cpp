// Playback of sound items: the base buffer built from the wave, instances created on demand and
// reused in order, looping, stopping and volume. Every call is harmless while the device is
// finalised.
#include <algorithm>
#include <exception>

#include "media/dx_sound.h"
#include "media/errors.h"
#include "media/mixer.h"
#include "media/wave_collection.h"

namespace {

TMixer* MixerOf(const TSoundBuffers& buffers) {
  return buffers.Ready && buffers.Device ? buffers.Device->Mixer() : nullptr;
}

// Builds the item's base buffer from its wave, with Frequency, Pan and Volume applied.
void BuildBaseBuffer(TWaveCollectionItem& item, TSoundBuffers& buffers, TDXSound& device) {
  buffers.Release();
  if (item.Wave().Empty()) return;
  auto samples = ShareWave(item.Wave());
  if (!samples) throw EDirectSoundBufferError(Fmt("%s cannot be made", "Sound Buffer"));
  const int voice = device.AddVoice(samples);
  if (voice < 0) throw EDirectSoundBufferError(Fmt("%s cannot be made", "Sound Buffer"));
  TMixer& mixer = *device.Mixer();
  buffers.Samples = std::move(samples);
  buffers.BaseVoice = voice;
  // Room for the instances a game usually overlaps, so a play rarely allocates.
  constexpr int kUsualInstances = 8;
  buffers.Instances.reserve(static_cast<size_t>(item.MaxPlayingCount() > 0 ? item.MaxPlayingCount() : kUsualInstances));
  mixer.SetFrequency(voice, item.Frequency);
  mixer.SetPan(voice, item.Pan);
  mixer.SetVolume(voice, item.Volume());
}

}  // namespace

void TSoundBuffers::ReleaseInstances() {
  if (Device && Device->Mixer()) {
    for (int voice : Instances) Device->Mixer()->RemoveVoice(voice);
  }
  Instances.clear();
}

void TSoundBuffers::Release() {
  ReleaseInstances();
  if (BaseVoice >= 0 && Device && Device->Mixer()) Device->Mixer()->RemoveVoice(BaseVoice);
  BaseVoice = -1;
  Samples.reset();
}

void TWaveCollectionItem::SetWave(TWave wave) {
  const bool rebuild = MixerOf(buffers_) != nullptr;
  buffers_.Release();
  wave_ = std::move(wave);
  if (rebuild) BuildBaseBuffer(*this, buffers_, *buffers_.Device);
}

void TWaveCollectionItem::SetLooped(bool looped) {
  if (looped == looped_) return;
  Stop();
  looped_ = looped;
}

void TWaveCollectionItem::SetMaxPlayingCount(int32_t count) {
  count = std::max(count, 0);
  if (count == maxPlayingCount_) return;
  maxPlayingCount_ = count;
  if (MixerOf(buffers_)) buffers_.ReleaseInstances();
}

void TWaveCollectionItem::SetVolume(int32_t volume) {
  volume_ = volume;
  TMixer* mixer = MixerOf(buffers_);
  if (mixer && buffers_.BaseVoice >= 0) mixer->SetVolume(buffers_.BaseVoice, volume);
}

void TWaveCollectionItem::Play(bool wait) {
  TMixer* mixer = MixerOf(buffers_);
  if (!mixer || buffers_.BaseVoice < 0) return;
  if (looped_) {
    mixer->Stop(buffers_.BaseVoice);
    mixer->Rewind(buffers_.BaseVoice);
    mixer->Play(buffers_.BaseVoice, true);
    return;
  }
  std::vector<int>& instances = buffers_.Instances;
  auto idle = std::find_if(instances.begin(), instances.end(),
                           [mixer](int voice) { return !mixer->Busy(voice); });
  int voice = -1;
  if (idle != instances.end()) {
    voice = *idle;
  } else if (maxPlayingCount_ == 0 || static_cast<int>(instances.size()) < maxPlayingCount_) {
    voice = buffers_.Device->AddVoice(buffers_.Samples);
    if (voice < 0) return;
    instances.push_back(voice);
  } else {
    // Every instance sounds: cut off the one that has waited longest and move it to the back.
    voice = instances.front();
    std::rotate(instances.begin(), instances.begin() + 1, instances.end());
  }
  mixer->Stop(voice);
  mixer->Rewind(voice);
  mixer->SetFrequency(voice, Frequency);
  mixer->SetPan(voice, Pan);
  mixer->SetVolume(voice, volume_);
  mixer->Play(voice, false);
  if (!wait) return;
  // Poll until the instance ends. The wait is bounded by the sound's length (plus a second) so a
  // host that stops pulling audio cannot hang the program.
  const TSampleBuffer& samples = *buffers_.Samples;
  const int rate = Frequency > 0 ? Frequency : samples.Rate;
  const uint64_t lengthMs = samples.Frames() * 1000ull / static_cast<uint64_t>(std::max(rate, 1));
  THost* host = buffers_.Device->Host();
  for (uint64_t polls = lengthMs / 10 + 100; polls > 0 && mixer->Busy(voice); --polls) {
    if (host) host->Sleep(10);
  }
}

void TWaveCollectionItem::Stop() {
  TMixer* mixer = MixerOf(buffers_);
  if (!mixer) return;
  if (buffers_.BaseVoice >= 0) mixer->Stop(buffers_.BaseVoice);
  for (int voice : buffers_.Instances) mixer->Stop(voice);
}

void TWaveCollection::RestoreBuffers() {
  if (!DXSound || !DXSound->Initialized() || !DXSound->Mixer()) return;
  // A bad wave must not keep the other items silent: build them all, then report the first error.
  std::exception_ptr firstError;
  for (int i = 0; i < Count(); ++i) {
    TWaveCollectionItem& item = Items(i);
    TSoundBuffers& buffers = item.Buffers();
    buffers.Release();
    buffers.Ready = true;
    buffers.Device = DXSound;
    try {
      BuildBaseBuffer(item, buffers, *DXSound);
    } catch (const EDirectSoundBufferError&) {
      if (!firstError) firstError = std::current_exception();
    }
  }
  if (firstError) std::rethrow_exception(firstError);
}

void TWaveCollection::FinalizeBuffers() {
  for (int i = 0; i < Count(); ++i) {
    TSoundBuffers& buffers = Items(i).Buffers();
    buffers.Release();
    buffers.Ready = false;
    buffers.Device = nullptr;
  }
}

void TWaveCollection::AfterLoad() {
  if (DXSound && DXSound->Initialized()) RestoreBuffers();
}
