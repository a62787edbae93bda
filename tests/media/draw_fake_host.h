// A host for the media tests: a settable clock, a list of display modes, and a record of what the
// devices asked of it (surface shown, presents, sleeps, audio source).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "media/host.h"
#include "media/surface.h"

class TFakeHost : public THost {
 public:
  uint32_t Now = 0;
  TDisplayMode Desktop;
  std::vector<TDisplayMode> Modes{TDisplayMode{}};
  const TDirectDrawSurface* Shown = nullptr;
  int Presents = 0;
  bool LastWaitVBlank = false;
  std::vector<uint16_t> LastFrame;  // pixels of the display surface at the last present
  TAudioSource* Audio = nullptr;
  int Rate = 22050;
  int Sleeps = 0;
  std::function<void(uint32_t)> OnSleep;

  void SetDisplaySurface(const TDirectDrawSurface* primary) override { Shown = primary; }
  void Present(bool waitVBlank) override {
    ++Presents;
    LastWaitVBlank = waitVBlank;
    if (Shown) {
      LastFrame.assign(Shown->Bits(),
                       Shown->Bits() + static_cast<size_t>(Shown->Width()) * Shown->Height());
    }
  }
  TDisplayMode DesktopMode() const override { return Desktop; }
  std::vector<TDisplayMode> DisplayModes() const override { return Modes; }
  uint32_t Clock() override { return Now; }
  void Sleep(uint32_t milliseconds) override {
    ++Sleeps;
    Now += milliseconds;
    if (OnSleep) OnSleep(milliseconds);
  }
  TPoint CursorPos() override { return {}; }
  void SetCursor(TCursorShape) override {}
  void SetAudioSource(TAudioSource* source) override { Audio = source; }
  int AudioRate() const override { return Rate; }
  void ProcessMessages() override {}
  void ShowMessage(const std::string&) override {}
  bool OpenFileDialog(TFileDialog&) override { return false; }
  bool SaveFileDialog(TFileDialog&) override { return false; }
};
