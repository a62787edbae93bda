// A host with no window, clock, pointer or sound, for running play where nobody watches it (the
// match simulator, benchmarks). Message boxes go to standard error.
#pragma once

#include <cstdio>
#include <string>

#include "media/host.h"

class TNullHost : public THost {
 public:
  void SetDisplaySurface(const TDirectDrawSurface*) override {}
  void Present(bool) override {}
  uint32_t Clock() override { return 0; }
  void Sleep(uint32_t) override {}
  TPoint CursorPos() override { return cursor; }
  void SetCursor(TCursorShape) override {}
  void SetAudioSource(TAudioSource*) override {}
  int AudioRate() const override { return 0; }
  void ProcessMessages() override {}
  void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  bool OpenFileDialog(TFileDialog&) override { return false; }
  bool SaveFileDialog(TFileDialog&) override { return false; }

  // Where the pointer stays.
  TPoint cursor{320, 240};
};
