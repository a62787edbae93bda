// The sound device: opens the host's audio output with a mixer of our own, and tells the sound
// libraries registered with it to build and release their buffers.
//
// Initialize, in order: finalise if initialised; "Form not found" without an owning form;
// OnInitializing; open the output ("Primary Buffer cannot be made" when the host has none); an
// error so far releases everything and propagates. Initialised: libraries marked ready,
// OnInitialize; restore: every item builds its base buffer, OnRestore.
// Finalize: OnFinalize, libraries release their buffers, the output closes.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "media/application.h"
#include "media/mixer.h"

class TWaveCollection;

enum TDXSoundOption { soGlobalFocus, soStickyFocus, soExclusive };

// A set of TDXSoundOption.
class TDXSoundOptions {
 public:
  constexpr TDXSoundOptions() = default;
  constexpr TDXSoundOptions(std::initializer_list<TDXSoundOption> options) {
    for (TDXSoundOption option : options) bits_ |= 1u << static_cast<int>(option);
  }
  constexpr bool Contains(TDXSoundOption option) const {
    return (bits_ & (1u << static_cast<int>(option))) != 0;
  }
  constexpr void Include(TDXSoundOption option) { bits_ |= 1u << static_cast<int>(option); }
  constexpr void Exclude(TDXSoundOption option) { bits_ &= ~(1u << static_cast<int>(option)); }
  constexpr bool operator==(const TDXSoundOptions&) const = default;

 private:
  uint32_t bits_ = 0;
};

class TDXSound {
 public:
  // formApplication: the application of the form that owns the device, or nullptr when the device
  // sits on no form (Initialize then raises "Form not found"). The device finalises, with its
  // events, when the form's window goes away (TApplication::WindowDestroyed).
  explicit TDXSound(TApplication* formApplication);
  // Finalises without firing events: the form's other members may be gone by now.
  ~TDXSound();
  TDXSound(const TDXSound&) = delete;
  TDXSound& operator=(const TDXSound&) = delete;

  // Without soGlobalFocus or soStickyFocus the output is silent while the program lacks focus.
  TDXSoundOptions Options;
  // Initialise the first time the form is shown (FormShown).
  bool AutoInitialize = false;

  std::function<void()> OnInitializing;
  std::function<void()> OnInitialize;
  std::function<void()> OnRestore;
  std::function<void()> OnFinalize;

  // Opens the output. Raises EDXSoundError; an item's bad wave raises EDirectSoundBufferError
  // after every other item has its buffer.
  void Initialize();
  // Closes it; nothing happens when not initialised.
  void Finalize();
  bool Initialized() const { return initialized_; }
  // Call when the form is first shown: initialises once when AutoInitialize is set.
  void FormShown();

  // The mixer the items' voices live in; nullptr while not initialised.
  TMixer* Mixer() { return mixer_.get(); }
  // A new voice for an item's buffer. When the mixer has no voice left, the instance of any
  // registered item that has waited longest (a silent one before a sounding one) is cut off and
  // taken from its item, so instances can never starve the base buffers a library load needs.
  // -1 when no voice can be made even so.
  int AddVoice(const std::shared_ptr<const TSampleBuffer>& samples);
  // The host, for waiting on a sound (nullptr without a form).
  THost* Host() { return application_ ? &application_->Host() : nullptr; }

  // Sound libraries: registered ones are told of initialisation and finalisation. Registering
  // with an initialised device builds the library's buffers at once.
  void RegisterLibrary(TWaveCollection& library);
  void UnregisterLibrary(TWaveCollection& library);

 private:
  void CloseOutput();
  void FocusChanged(bool active);
  // Removes the instance voice that has waited longest from its item; false when there is none.
  bool ReclaimInstance();

  TApplication* application_;
  bool initialized_ = false;
  bool shownOnce_ = false;
  int focusListener_ = 0;
  int windowListener_ = 0;
  std::unique_ptr<TMixer> mixer_;
  std::vector<TWaveCollection*> libraries_;
};
