#include "platform/sdl_audio.h"

#include <SDL.h>

#include <cstring>

TSdlAudio::~TSdlAudio() { Close(); }

int TSdlAudio::Open() {
  if (device_) return rate_;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec want{};
  want.freq = kRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = Callback;
  want.userdata = this;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the hardware wants, so the source's rate holds.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (!device_) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  rate_ = have.freq;
  SDL_PauseAudioDevice(device_, 0);
  return rate_;
}

void TSdlAudio::Close() {
  if (!device_) return;
  SDL_CloseAudioDevice(device_);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  device_ = 0;
  rate_ = 0;
}

void TSdlAudio::SetSource(TAudioSource* source) {
  if (!source) {
#ifdef __EMSCRIPTEN__
    // In a browser the page's audio node can still deliver a request queued before the device
    // closed, and SDL would answer it from the device it has freed. The device stays open there,
    // paused and silent, until the program ends.
    if (device_) {
      SDL_LockAudioDevice(device_);
      source_ = nullptr;
      SDL_UnlockAudioDevice(device_);
      SDL_PauseAudioDevice(device_, 1);
      return;
    }
#endif
    // Closing waits for the callback to finish, so the source is not used once this returns.
    Close();
    source_ = nullptr;
    return;
  }
  if (!device_ && Open() == 0) {
    source_ = source;
    return;
  }
  SDL_LockAudioDevice(device_);
  source_ = source;
  SDL_UnlockAudioDevice(device_);
  SDL_PauseAudioDevice(device_, 0);
}

void TSdlAudio::Callback(void* audio, uint8_t* stream, int bytes) {
  auto* self = static_cast<TSdlAudio*>(audio);
  std::memset(stream, 0, static_cast<size_t>(bytes));
  if (self->source_) self->source_->Mix(reinterpret_cast<int16_t*>(stream), bytes / 4);
}
