#include "media/dx_sound.h"

#include <algorithm>

#include "media/errors.h"
#include "media/wave_collection.h"

TDXSound::TDXSound(TApplication* formApplication) : application_(formApplication) {
  if (application_) {
    focusListener_ = application_->AddFocusListener([this](bool active) { FocusChanged(active); });
    windowListener_ = application_->AddWindowListener([this] { Finalize(); });
  }
}

TDXSound::~TDXSound() {
  // The form is going away: release without calling back into it.
  if (application_) {
    application_->RemoveFocusListener(focusListener_);
    application_->RemoveWindowListener(windowListener_);
  }
  OnFinalize = nullptr;
  Finalize();
  for (TWaveCollection* library : libraries_) library->DXSound = nullptr;
}

void TDXSound::Initialize() {
  if (initialized_) Finalize();
  if (!application_) throw EDXSoundError("Form not found");
  try {
    if (OnInitializing) OnInitializing();
    const int rate = application_->Host().AudioRate();
    if (rate <= 0) throw EDXSoundError(Fmt("%s cannot be made", "Primary Buffer"));
    THost& host = application_->Host();
    mixer_ = std::make_unique<TMixer>(rate, [&host] { return host.Clock(); });
    FocusChanged(application_->Active());
    application_->Host().SetAudioSource(mixer_.get());
  } catch (...) {
    CloseOutput();
    throw;
  }
  initialized_ = true;
  for (TWaveCollection* library : libraries_) {
    for (int i = 0; i < library->Count(); ++i) {
      library->Items(i).Buffers().Ready = true;
      library->Items(i).Buffers().Device = this;
    }
  }
  if (OnInitialize) OnInitialize();
  // Every library builds its buffers even when another one has a bad wave; the first error wins.
  std::exception_ptr firstError;
  for (TWaveCollection* library : libraries_) {
    try {
      library->RestoreBuffers();
    } catch (const EDirectSoundBufferError&) {
      if (!firstError) firstError = std::current_exception();
    }
  }
  if (OnRestore) OnRestore();
  if (firstError) std::rethrow_exception(firstError);
}

void TDXSound::Finalize() {
  if (!initialized_) return;
  try {
    if (OnFinalize) OnFinalize();
  } catch (...) {
    for (TWaveCollection* library : libraries_) library->FinalizeBuffers();
    CloseOutput();
    initialized_ = false;
    throw;
  }
  for (TWaveCollection* library : libraries_) library->FinalizeBuffers();
  CloseOutput();
  initialized_ = false;
}

void TDXSound::FormShown() {
  if (shownOnce_) return;
  shownOnce_ = true;
  if (AutoInitialize) Initialize();
}

void TDXSound::CloseOutput() {
  // The host stops pulling before the mixer goes away.
  if (mixer_ && application_) application_->Host().SetAudioSource(nullptr);
  mixer_.reset();
}

int TDXSound::AddVoice(const std::shared_ptr<const TSampleBuffer>& samples) {
  // Only a full voice table is helped by taking an instance away.
  if (!mixer_ || !samples || samples->Frames() == 0) return -1;
  for (;;) {
    const int voice = mixer_->AddVoice(samples);
    if (voice >= 0 || !ReclaimInstance()) return voice;
  }
}

bool TDXSound::ReclaimInstance() {
  std::vector<int>* owner = nullptr;
  size_t at = 0;
  bool ownerBusy = true;
  uint64_t ownerOrder = 0;
  for (TWaveCollection* library : libraries_) {
    for (int i = 0; i < library->Count(); ++i) {
      std::vector<int>& instances = library->Items(i).Buffers().Instances;
      for (size_t k = 0; k < instances.size(); ++k) {
        const bool busy = mixer_->Busy(instances[k]);
        const uint64_t order = mixer_->StartOrder(instances[k]);
        if (!owner || (ownerBusy && !busy) || (busy == ownerBusy && order < ownerOrder)) {
          owner = &instances;
          at = k;
          ownerBusy = busy;
          ownerOrder = order;
        }
      }
    }
  }
  if (!owner) return false;
  mixer_->RemoveVoice((*owner)[at]);
  owner->erase(owner->begin() + static_cast<std::ptrdiff_t>(at));
  return true;
}

void TDXSound::FocusChanged(bool active) {
  if (!mixer_) return;
  const bool heardWithoutFocus = Options.Contains(soGlobalFocus) || Options.Contains(soStickyFocus);
  mixer_->SetMuted(!active && !heardWithoutFocus);
}

void TDXSound::RegisterLibrary(TWaveCollection& library) {
  if (std::find(libraries_.begin(), libraries_.end(), &library) != libraries_.end()) return;
  libraries_.push_back(&library);
  library.DXSound = this;
  if (initialized_) library.RestoreBuffers();
}

void TDXSound::UnregisterLibrary(TWaveCollection& library) {
  const auto found = std::find(libraries_.begin(), libraries_.end(), &library);
  if (found == libraries_.end()) return;
  library.FinalizeBuffers();
  libraries_.erase(found);
  library.DXSound = nullptr;
}
