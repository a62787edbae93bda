// The one seam between the programs and the outside world. The SDL implementation lives in
// platform/; tests use the headless one. Everything the games need from the host goes through here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/geometry.h"

class TDirectDrawSurface;

// Something that fills interleaved 16-bit stereo frames at the host's output rate (the mixer).
class TAudioSource {
 public:
  virtual ~TAudioSource() = default;
  virtual void Mix(int16_t* stereoFrames, int frameCount) = 0;
};

// A display mode the host offers. A 16-bit mode packs 5-6-5, or 5-5-5 when GreenFiveBits is set.
struct TDisplayMode {
  int Width = 640;
  int Height = 480;
  int BitCount = 16;
  bool GreenFiveBits = false;
  bool operator==(const TDisplayMode&) const = default;
};

// Mouse pointer shapes the programs choose between.
enum class TCursorShape { Default, HandPoint, None };

// Open and save dialogs for files: the filter is "Description|*.ext" pairs joined by '|'.
struct TFileDialog {
  std::string Title;
  std::string Filter;
  std::string DefaultExt;  // e.g. "*.sav" or "sav": appended to a name typed without one
  std::string FileName;    // preset name on entry, the chosen path on return
  std::string InitialDir;
};

class THost {
 public:
  virtual ~THost() = default;

  // The drawing device's front surface (nullptr while the device is finalised). The host shows it
  // whenever the form's drawing device is visible, also from ProcessMessages, so pixels drawn
  // straight onto it appear without a Flip.
  virtual void SetDisplaySurface(const TDirectDrawSurface* primary) = 0;
  // Shows the display surface now. waitVBlank: present in step with the display.
  virtual void Present(bool waitVBlank) = 0;
  // The desktop's own mode, used by a device that does not run full screen.
  virtual TDisplayMode DesktopMode() const { return TDisplayMode{}; }
  // The modes a full-screen device may switch to, in the host's order.
  virtual std::vector<TDisplayMode> DisplayModes() const { return {DesktopMode()}; }

  // Milliseconds from an arbitrary start, as the frame timer reads it.
  virtual uint32_t Clock() = 0;
  // Microseconds of the time of day since 1970, which differ from one start of a program to the
  // next: what Randomize seeds from. A host without a real clock (a test's) gives Clock().
  virtual uint64_t WallClock() { return Clock(); }
  virtual void Sleep(uint32_t milliseconds) = 0;
  // Pointer position in 640 x 480 coordinates.
  virtual TPoint CursorPos() = 0;
  virtual void SetCursor(TCursorShape shape) = 0;

  // Starts pulling samples from source (nullptr stops); the rate the source must fill at.
  virtual void SetAudioSource(TAudioSource* source) = 0;
  virtual int AudioRate() const = 0;

  // Pumps pending input and dispatches it to the form's handlers, then shows the front surface.
  virtual void ProcessMessages() = 0;
  // Modal message box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // Modal file dialogs; false when cancelled.
  virtual bool OpenFileDialog(TFileDialog& dialog) = 0;
  virtual bool SaveFileDialog(TFileDialog& dialog) = 0;
};
