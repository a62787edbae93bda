// A host without a window, for tests: a clock the test sets, the frames that were presented, the
// mixed audio on request, input that the test feeds in, a log of message boxes and scripted answers
// for the file dialogs. Its loop runs the same dispatcher as the SDL host.
//
// Input fed in is queued and reaches the form at the next Step or ProcessMessages, as it would
// from a real event queue. Message boxes do not block: they are logged and count as answered.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/text_controls.h"
#include "media/host.h"
#include "media/pixel_format.h"
#include "platform/form_dispatcher.h"

class THeadlessHost : public THost {
 public:
  static constexpr int kAudioRate = 44100;

  THeadlessHost() = default;
  ~THeadlessHost() override;

  // Binds the form whose handlers the loop calls; Start runs FormCreate and FormShow.
  void Attach(TForm& form);
  void Start();
  TFormDispatcher& Dispatcher();

  // THost
  void SetDisplaySurface(const TDirectDrawSurface* primary) override { display_ = primary; }
  void Present(bool waitVBlank) override;
  uint32_t Clock() override { return clock_; }
  uint64_t WallClock() override { return wallClock_; }
  void Sleep(uint32_t milliseconds) override { clock_ += milliseconds; }
  TPoint CursorPos() override;
  void SetCursor(TCursorShape shape) override { screenCursor_ = shape; }
  void SetAudioSource(TAudioSource* source) override { audio_ = source; }
  // kAudioRate, or 0 while the audio device is unavailable.
  int AudioRate() const override { return audioAvailable_ ? kAudioRate : 0; }
  void ProcessMessages() override;
  void ShowMessage(const std::string& text) override;
  bool OpenFileDialog(TFileDialog& dialog) override { return AnswerDialog(dialog); }
  bool SaveFileDialog(TFileDialog& dialog) override { return AnswerDialog(dialog); }

  // Clock.
  void Advance(uint32_t milliseconds) { clock_ += milliseconds; }
  void SetClock(uint32_t milliseconds) { clock_ = milliseconds; }
  // The time of day a program seeds its random generator from (0 unless set).
  void SetWallClock(uint64_t microseconds) { wallClock_ = microseconds; }

  // Input, queued for the next Step. Names are control names (ignoring case); a name that is not
  // on the form when the input is delivered raises std::invalid_argument from Step.
  void Click(const std::string& controlName);
  void ClickAt(int x, int y);                       // press and release over the control there
  void KeyDown(int key, TShiftState shift = 0);
  void KeyUp(int key, TShiftState shift = 0);
  void PressKey(int key, TShiftState shift = 0);    // down, then up
  void MouseMove(int x, int y);
  void MouseDown(TMouseButton button, int x, int y);
  void MouseUp(TMouseButton button, int x, int y);
  void TypeText(const std::string& editName, const std::string& text);  // one OnChange per character
  void SetEditText(const std::string& editName, const std::string& text);  // one OnChange
  void SelectItem(const std::string& listName, int index);  // list box or combo box
  void SelectTab(const std::string& tabsName, int index);
  void SetActive(bool active);

  // The loop: one pass delivers the queued input, runs the idle slot and, when nothing was
  // presented meanwhile, presents the current screen.
  void Step();
  // Steps until the form asks to close or maxSteps passed; the number of steps run.
  int Run(int maxSteps);
  // Steps (advancing the clock by stepMs before each) until done() or maxSteps; whether done.
  bool RunUntil(const std::function<bool()>& done, int maxSteps, uint32_t stepMs = 0);

  // What was presented: the count, and a copy of the last frame.
  int PresentCount() const { return presentCount_; }
  const std::vector<uint16_t>& LastFrame() const { return frame_; }
  int FrameWidth() const { return frameWidth_; }
  int FrameHeight() const { return frameHeight_; }
  TPixelFormat FrameFormat() const { return frameFormat_; }
  bool LastPresentWaitedVBlank() const { return lastWaitVBlank_; }
  uint16_t FramePixel(int x, int y) const { return frame_.at(static_cast<size_t>(y) * frameWidth_ + x); }

  // Mixed audio: frames x 2 interleaved samples from the source (silence without one).
  std::vector<int16_t> PullAudio(int frames);
  // false: no audio device can be opened (no driver, no output), as on a machine without sound.
  void SetAudioAvailable(bool available) { audioAvailable_ = available; }

  // Message boxes shown, in order.
  const std::vector<std::string>& Messages() const { return messages_; }
  // Answers for the coming file dialogs, in order: a path chooses it (the default extension is
  // added as the real dialog does), nullopt cancels. Without an answer a dialog is cancelled.
  void AnswerFileDialog(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
  // The dialogs asked for, as they were on entry.
  const std::vector<TFileDialog>& FileDialogs() const { return dialogs_; }

  // The pointer shape the screen shows now (the screen cursor, else the control's).
  TCursorShape CurrentCursor();

 private:
  struct TInput {
    enum class TKind { Click, ClickAt, KeyDown, KeyUp, MouseMove, MouseDown, MouseUp, TypeText, SetText,
                       SelectItem, SelectTab, Activate };
    TKind Kind = TKind::Click;
    std::string Name;
    std::string Text;
    int X = 0;
    int Y = 0;
    int Key = 0;
    int Index = 0;
    TShiftState Shift = 0;
    TMouseButton Button = TMouseButton::Left;
    bool Active = true;
  };
  void Queue(TInput input);
  void QueueKey(TInput::TKind kind, int key, TShiftState shift);
  void QueuePoint(TInput::TKind kind, TMouseButton button, int x, int y);
  void QueueNamed(TInput::TKind kind, const std::string& name, const std::string& text, int index);
  void Pump();
  void Deliver(const TInput& input);
  void Focus(TEdit& edit);
  TControl& Named(const std::string& name);
  void PresentScreen(bool waitVBlank);
  bool AnswerDialog(TFileDialog& dialog);

  std::unique_ptr<TFormDispatcher> dispatcher_;
  const TDirectDrawSurface* display_ = nullptr;
  TAudioSource* audio_ = nullptr;
  bool audioAvailable_ = true;
  uint32_t clock_ = 0;
  uint64_t wallClock_ = 0;
  TCursorShape screenCursor_ = TCursorShape::Default;
  std::deque<TInput> inputs_;
  int presentCount_ = 0;
  std::vector<uint16_t> frame_;
  int frameWidth_ = 0;
  int frameHeight_ = 0;
  TPixelFormat frameFormat_ = TPixelFormat::RGB565;
  bool lastWaitVBlank_ = false;
  std::vector<std::string> messages_;
  std::deque<std::optional<std::string>> answers_;
  std::vector<TFileDialog> dialogs_;
};
