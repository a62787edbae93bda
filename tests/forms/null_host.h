// A host that does nothing, for forms that tests build without any loop.
#pragma once

#include "media/host.h"

class TNullHost : public THost {
 public:
  void SetDisplaySurface(const TDirectDrawSurface*) override {}
  void Present(bool) override {}
  uint32_t Clock() override { return 0; }
  void Sleep(uint32_t) override {}
  TPoint CursorPos() override { return {}; }
  void SetCursor(TCursorShape) override {}
  void SetAudioSource(TAudioSource*) override {}
  int AudioRate() const override { return 44100; }
  void ProcessMessages() override {}
  void ShowMessage(const std::string&) override {}
  bool OpenFileDialog(TFileDialog&) override { return false; }
  bool SaveFileDialog(TFileDialog&) override { return false; }
};
