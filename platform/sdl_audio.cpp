// The SDL host's audio: a 44100 Hz, 16-bit stereo device whose callback (on SDL's audio thread)
// pulls mixed frames from the program's source. Without an audio device the program runs silent.
#include <SDL.h>

#include <cstring>

#include "platform/sdl_host.h"

bool TSdlHost::OpenAudio() {
  if (audioDevice_) return true;
  if (audioTried_) return false;
  audioTried_ = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec want{};
  want.freq = kAudioRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = AudioCallback;
  want.userdata = this;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the hardware wants, so the source's rate holds.
  audioDevice_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (!audioDevice_) return false;
  SDL_PauseAudioDevice(audioDevice_, 0);
  return true;
}

void TSdlHost::SetAudioSource(TAudioSource* source) {
  if (source) OpenAudio();
  if (!audioDevice_) {
    audioSource_ = source;
    return;
  }
  SDL_LockAudioDevice(audioDevice_);
  audioSource_ = source;
  SDL_UnlockAudioDevice(audioDevice_);
}

void TSdlHost::AudioCallback(void* host, uint8_t* stream, int bytes) {
  auto* self = static_cast<TSdlHost*>(host);
  std::memset(stream, 0, static_cast<size_t>(bytes));
  if (self->audioSource_) self->audioSource_->Mix(reinterpret_cast<int16_t*>(stream), bytes / 4);
}
