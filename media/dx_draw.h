// The drawing device: the display, the back surface all frame drawing targets (Surface), the front
// surface on screen (Primary), and the image libraries registered with it. The host shows Primary;
// Flip leaves it showing Surface and presents. Surfaces of the same size trade pixels: Surface then
// holds the frame before last, and copies in from Primary what changed since, when first needed
// (surface.h); otherwise Flip copies Surface onto Primary (what changed since the last flip, or all).
//
// Initialize, in order: finalise if initialised; "Form not found" without an owning form;
// OnInitializing; choose the display mode (full screen); make Primary and Surface; initialised:
// libraries marked ready, OnInitialize, OnInitializeSurface; Restore (libraries build their
// surfaces, OnRestoreSurface). An error before the device is initialised releases everything
// and propagates. Finalize: OnFinalizeSurface, OnFinalize, libraries free their surfaces, release.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "media/application.h"
#include "media/pixel_format.h"
#include "media/surface.h"

class TPictureCollection;

// The device's option flags, in their published order (doDirectX7Mode is the bowling program's).
enum TDXDrawOption {
  doFullScreen,
  doNoWindowChange,
  doAllowReboot,
  doWaitVBlank,
  doAllowPalette256,
  doSystemMemory,
  doStretch,
  doCenter,
  doFlip,
  do3D,
  doDirectX7Mode,
  doRetainedMode,
  doHardware,
  doSelectDriver,
  doZBuffer
};

// A set of TDXDrawOption.
class TDXDrawOptions {
 public:
  constexpr TDXDrawOptions() = default;
  constexpr TDXDrawOptions(std::initializer_list<TDXDrawOption> options) {
    for (TDXDrawOption option : options) bits_ |= Bit(option);
  }
  constexpr bool Contains(TDXDrawOption option) const { return (bits_ & Bit(option)) != 0; }
  constexpr void Include(TDXDrawOption option) { bits_ |= Bit(option); }
  constexpr void Exclude(TDXDrawOption option) { bits_ &= ~Bit(option); }
  constexpr bool operator==(const TDXDrawOptions&) const = default;

 private:
  static constexpr uint32_t Bit(TDXDrawOption option) { return 1u << static_cast<int>(option); }
  uint32_t bits_ = 0;
};

// The display mode the device asks for in full screen.
class TDXDrawDisplay {
 public:
  int Width = 640;
  int Height = 480;
  int BitCount() const { return bitCount_; }
  // Raises EDXDrawError "Display requires 8, 16, 24 or 32 bits" for any other value.
  void SetBitCount(int bitCount);
  bool FixedBitCount = false;
  bool FixedRatio = true;
  bool FixedSize = false;

 private:
  int bitCount_ = 16;
};

class TDXDraw {
 public:
  // formApplication: the application of the form that owns the device, or nullptr when the device
  // sits on no form (Initialize then raises "Form not found"). The device finalises, with its
  // events, when the form's window goes away (TApplication::WindowDestroyed).
  explicit TDXDraw(TApplication* formApplication);
  // Finalises without firing events: the form's other members may be gone by now.
  ~TDXDraw();
  TDXDraw(const TDXDraw&) = delete;
  TDXDraw& operator=(const TDXDraw&) = delete;

  // Takes effect at the next Initialize.
  TDXDrawOptions Options{doAllowReboot, doWaitVBlank, doCenter, doHardware, doSelectDriver};
  TDXDrawDisplay Display;
  // Size of the back surface in copying mode; with AutoSize in full screen, the display's size.
  int SurfaceWidth = 640;
  int SurfaceHeight = 480;
  bool AutoSize = true;
  // Initialise the first time the form is shown (FormShown).
  bool AutoInitialize = false;

  std::function<void()> OnInitializing;
  std::function<void()> OnInitialize;
  std::function<void()> OnInitializeSurface;
  std::function<void()> OnRestoreSurface;
  std::function<void()> OnFinalizeSurface;
  std::function<void()> OnFinalize;

  // Opens the display and surfaces. Raises EDXDrawError.
  void Initialize();
  // Releases everything; nothing happens when not initialised.
  void Finalize();
  bool Initialized() const { return initialized_; }
  // Call when the form is first shown: initialises once when AutoInitialize is set.
  void FormShown();

  // Initialised and usable this frame; restores lost surfaces first.
  bool ReadyToDraw();
  // Restores Primary and Surface (filled with 0), rebuilds every library's surfaces,
  // fires OnRestoreSurface.
  void Restore();
  // Presents the back surface.
  void Flip();

  // The back surface and the front surface; nullptr while not initialised.
  TDirectDrawSurface* Surface() { return surface_.get(); }
  TDirectDrawSurface* Primary() { return primary_.get(); }
  // The 16-bit format of the display (and so of every surface the device makes).
  TPixelFormat PixelFormat() const { return format_; }

  // Image libraries: registered ones are told of initialisation, restore and finalisation.
  // Registering with an initialised device builds the library's surfaces at once.
  void RegisterLibrary(TPictureCollection& library);
  void UnregisterLibrary(TPictureCollection& library);

 private:
  // Picks the display mode of step 5; raises "Display mode cannot be changed ...".
  TDisplayMode ChooseMode() const;
  void CreateSurfaces(const TDisplayMode& mode);
  void ReleaseSurfaces();
  // Brings the back surface to the front: whole, or only what was drawn on it since the last flip
  // when nothing else drew on the front meanwhile.
  void CopyToPrimary();
  void CopyRows(bool whole);

  TApplication* application_;
  int windowListener_ = 0;
  bool initialized_ = false;
  bool shownOnce_ = false;
  TDXDrawOptions activeOptions_;  // Options as they were at the last Initialize
  bool flipping_ = false;
  TPixelFormat format_ = TPixelFormat::RGB565;
  std::unique_ptr<TDirectDrawSurface> primary_;
  std::unique_ptr<TDirectDrawSurface> surface_;
  TDamageCover changed_;  // what the last copy covered, kept for its memory
  std::vector<TPictureCollection*> libraries_;
};
