// A host for rigs that run play without a window: its clock only moves when the test (or a sleep)
// moves it, and it records what play asked of it. Each ProcessMessages call runs onMessages (tests
// use it to press a key during a pause).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media/host.h"

class TRigHost : public THost {
 public:
  void SetDisplaySurface(const TDirectDrawSurface* primary) override { display = primary; }
  void Present(bool) override { ++presents; }
  uint32_t Clock() override { return clock; }
  void Sleep(uint32_t milliseconds) override { clock += milliseconds; }
  TPoint CursorPos() override { return cursor; }
  void SetCursor(TCursorShape) override {}
  void SetAudioSource(TAudioSource* source) override { audio = source; }
  int AudioRate() const override { return audioRate; }
  void ProcessMessages() override {
    ++messageCalls;
    if (onMessages) onMessages();
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool OpenFileDialog(TFileDialog&) override { return false; }
  bool SaveFileDialog(TFileDialog&) override { return false; }

  const TDirectDrawSurface* display = nullptr;
  TAudioSource* audio = nullptr;
  int audioRate = 22050;
  uint32_t clock = 1000;
  TPoint cursor{};
  int presents = 0;
  long messageCalls = 0;
  std::function<void()> onMessages;
  std::vector<std::string> messages;
};
