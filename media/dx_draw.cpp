#include "media/dx_draw.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "media/errors.h"
#include "media/picture_collection.h"

namespace {

// Whether a listed mode's bit count suits the request.
bool BitCountFits(int modeBits, int wantedBits, bool fixed) {
  if (fixed) return modeBits == wantedBits;
  if (wantedBits >= 9) return modeBits >= 9;
  return modeBits >= wantedBits;
}

// The smallest listed mode at least wanted's size whose bit count fits; sameRatio limits the
// search to modes with the requested width-to-height ratio.
std::optional<TDisplayMode> SmallestFit(const std::vector<TDisplayMode>& modes,
                                        const TDisplayMode& wanted, bool fixedBits,
                                        bool sameRatio) {
  std::optional<TDisplayMode> best;
  for (const TDisplayMode& mode : modes) {
    if (mode.Width < wanted.Width || mode.Height < wanted.Height) continue;
    if (sameRatio && static_cast<int64_t>(mode.Width) * wanted.Height !=
                         static_cast<int64_t>(mode.Height) * wanted.Width) {
      continue;
    }
    if (!BitCountFits(mode.BitCount, wanted.BitCount, fixedBits)) continue;
    if (!best || mode.Width < best->Width ||
        (mode.Width == best->Width && mode.Height < best->Height)) {
      best = mode;
    }
  }
  return best;
}

TPixelFormat FormatOf(const TDisplayMode& mode) {
  return mode.GreenFiveBits ? TPixelFormat::RGB555 : TPixelFormat::RGB565;
}

}  // namespace

void TDXDrawDisplay::SetBitCount(int bitCount) {
  if (bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) {
    throw EDXDrawError("Display requires 8, 16, 24 or 32 bits");
  }
  bitCount_ = bitCount;
}

TDXDraw::TDXDraw(TApplication* formApplication) : application_(formApplication) {
  if (application_) windowListener_ = application_->AddWindowListener([this] { Finalize(); });
}

TDXDraw::~TDXDraw() {
  // The form is going away: release without calling back into it.
  if (application_) application_->RemoveWindowListener(windowListener_);
  OnFinalizeSurface = nullptr;
  OnFinalize = nullptr;
  Finalize();
  for (TPictureCollection* library : libraries_) library->DXDraw = nullptr;
}

TDisplayMode TDXDraw::ChooseMode() const {
  const THost& host = application_->Host();
  const TDisplayMode wanted{Display.Width, Display.Height, Display.BitCount()};
  const std::vector<TDisplayMode> modes = host.DisplayModes();
  for (const TDisplayMode& mode : modes) {
    if (mode.Width == wanted.Width && mode.Height == wanted.Height &&
        mode.BitCount == wanted.BitCount) {
      return mode;
    }
  }
  std::optional<TDisplayMode> chosen = SmallestFit(modes, wanted, Display.FixedBitCount, true);
  if (!chosen) chosen = SmallestFit(modes, wanted, Display.FixedBitCount, false);
  if (!chosen) {
    throw EDXDrawError(Fmt("Display mode cannot be changed (%dx%d %dbit)", wanted.Width,
                           wanted.Height, wanted.BitCount));
  }
  if (chosen->BitCount != wanted.BitCount) {
    for (const TDisplayMode& mode : modes) {
      if (mode.Width == chosen->Width && mode.Height == chosen->Height &&
          mode.BitCount == wanted.BitCount) {
        return mode;
      }
    }
  }
  return *chosen;
}

void TDXDraw::CreateSurfaces(const TDisplayMode& mode) {
  format_ = FormatOf(mode);
  const bool fullScreen = Options.Contains(doFullScreen);
  if (fullScreen && AutoSize) {
    SurfaceWidth = mode.Width;
    SurfaceHeight = mode.Height;
  }
  // The primary surface is the whole display: the chosen mode, or the desktop.
  const int primaryWidth = std::max(mode.Width, 1);
  const int primaryHeight = std::max(mode.Height, 1);
  primary_ = TDirectDrawSurface::Create(primaryWidth, primaryHeight, format_, false);
  if (!primary_) throw EDXDrawError(Fmt("%s cannot be made", "Primary Surface"));
  if (flipping_) {
    // The flip chain's back buffer matches the primary surface.
    surface_ = TDirectDrawSurface::Create(primaryWidth, primaryHeight, format_, false);
  } else {
    const int width = std::max(SurfaceWidth, 1);
    const int height = std::max(SurfaceHeight, 1);
    const bool systemMemory = Options.Contains(doSystemMemory);
    surface_ = TDirectDrawSurface::Create(width, height, format_, systemMemory);
    if (!surface_ && !systemMemory)
      surface_ = TDirectDrawSurface::Create(width, height, format_, true);
  }
  if (!surface_) throw EDXDrawError(Fmt("%s cannot be made", "Surface"));
  surface_->Fill(0);
}

void TDXDraw::ReleaseSurfaces() {
  if (application_ && primary_) application_->Host().SetDisplaySurface(nullptr);
  surface_.reset();
  primary_.reset();
}

void TDXDraw::Initialize() {
  if (initialized_) Finalize();
  if (!application_) throw EDXDrawError("Form not found");
  try {
    if (OnInitializing) OnInitializing();
    activeOptions_ = Options;
    flipping_ = Options.Contains(doFlip);
    const TDisplayMode mode =
        Options.Contains(doFullScreen) ? ChooseMode() : application_->Host().DesktopMode();
    CreateSurfaces(mode);
  } catch (...) {
    ReleaseSurfaces();
    throw;
  }
  initialized_ = true;
  application_->Host().SetDisplaySurface(primary_.get());
  for (TPictureCollection* library : libraries_) {
    for (int i = 0; i < library->Count(); ++i) library->Items(i).Surfaces().Ready = true;
  }
  if (OnInitialize) OnInitialize();
  if (OnInitializeSurface) OnInitializeSurface();
  Restore();
}

void TDXDraw::Finalize() {
  if (!initialized_) return;
  // Whatever a handler raises, the device ends up released.
  struct Release {
    TDXDraw& device;
    ~Release() {
      for (TPictureCollection* library : device.libraries_) library->FinalizeSurfaces();
      device.ReleaseSurfaces();
      device.initialized_ = false;
    }
  } release{*this};
  if (OnFinalizeSurface) OnFinalizeSurface();
  if (OnFinalize) OnFinalize();
}

void TDXDraw::FormShown() {
  if (shownOnce_) return;
  shownOnce_ = true;
  if (AutoInitialize) Initialize();
}

void TDXDraw::Restore() {
  if (!initialized_) return;
  primary_->Restore();
  surface_->Restore();
  primary_->Fill(0);
  surface_->Fill(0);
  for (TPictureCollection* library : libraries_) library->RestoreSurfaces();
  if (OnRestoreSurface) OnRestoreSurface();
}

bool TDXDraw::ReadyToDraw() {
  if (!initialized_) return false;
  if (primary_->IsLost()) Restore();
  return !primary_->IsLost();
}

void TDXDraw::CopyToPrimary() {
  TDirectDrawSurface& to = *primary_;
  // Only what was drawn on the back since the last copy needs copying, while the front shows that
  // copy and nothing else.
  const bool whole = surface_->Damage().All(TDamageMark::Presented) || to.Damage().Any(TDamageMark::Presented);
  {
    const TReportedWrite write(to, TRect{0, 0, to.Width(), to.Height()});
    CopyRows(whole);
  }
  // The front now shows the back as it is: both count from here.
  surface_->ClearDamage(TDamageMark::Presented);
  to.ClearDamage(TDamageMark::Presented);
}

void TDXDraw::CopyRows(bool whole) {
  TDirectDrawSurface& back = *surface_;
  const TDirectDrawSurface& from = back;
  TDirectDrawSurface& to = *primary_;
  if (from.Width() == to.Width() && from.Height() == to.Height()) {
    if (!whole) changed_.Build(from.Damage().Since(TDamageMark::Presented), from.Width(), from.Height());
    // The two trade pixels: the front shows the back's at once, and the back copies what changed
    // from the front once drawing or reading reaches it (most of a frame is drawn over first).
    if (back.ExchangeInto(to, whole ? nullptr : &changed_)) return;
    if (whole) {
      std::memcpy(to.Bits(), from.Bits(), static_cast<size_t>(from.Pitch()) * from.Height());
      return;
    }
    changed_.ForEach([&](const TRect& rect) {
      for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::memcpy(to.Row(y) + rect.Left, from.Row(y) + rect.Left, static_cast<size_t>(rect.Width()) * 2);
      }
    });
    return;
  }
  if (!flipping_ && activeOptions_.Contains(doStretch)) {
    for (int y = 0; y < to.Height(); ++y) {
      const uint16_t* source =
          from.Row(static_cast<int>(static_cast<int64_t>(y) * from.Height() / to.Height()));
      uint16_t* dest = to.Row(y);
      for (int x = 0; x < to.Width(); ++x) {
        dest[x] = source[static_cast<int64_t>(x) * from.Width() / to.Width()];
      }
    }
    return;
  }
  // One to one, centred or at the top-left corner; what falls outside the primary is cut off.
  const bool centred = activeOptions_.Contains(doCenter);
  const int left = centred ? (to.Width() - from.Width()) / 2 : 0;
  const int top = centred ? (to.Height() - from.Height()) / 2 : 0;
  const int x0 = std::max(left, 0);
  const int x1 = std::min(left + from.Width(), to.Width());
  for (int y = std::max(top, 0); y < std::min(top + from.Height(), to.Height()); ++y) {
    if (x0 < x1) {
      std::memcpy(to.Row(y) + x0, from.Row(y - top) + (x0 - left),
                  static_cast<size_t>(x1 - x0) * 2);
    }
  }
}

void TDXDraw::Flip() {
  if (!initialized_ || !ReadyToDraw()) return;
  if (flipping_) {
    // A page flip needs the display: with the form in the background nothing is shown.
    if (!application_->Active()) return;
    CopyToPrimary();
    application_->Host().Present(true);
    return;
  }
  CopyToPrimary();
  application_->Host().Present(activeOptions_.Contains(doWaitVBlank));
}

void TDXDraw::RegisterLibrary(TPictureCollection& library) {
  if (std::find(libraries_.begin(), libraries_.end(), &library) != libraries_.end()) return;
  libraries_.push_back(&library);
  library.DXDraw = this;
  if (initialized_) library.RestoreSurfaces();
}

void TDXDraw::UnregisterLibrary(TPictureCollection& library) {
  const auto found = std::find(libraries_.begin(), libraries_.end(), &library);
  if (found == libraries_.end()) return;
  library.FinalizeSurfaces();
  libraries_.erase(found);
  library.DXDraw = nullptr;
}
