// The host on SDL2: one window (full screen on the desktop unless asked for a window), the menus
// drawn with ImGui over the form's pictures, the drawing device's front surface while the form's
// drawing area shows, keys and mouse to the form's handlers, the audio device, and the loop.
//
// The loop: pump events (keys and mouse to the form's handlers, widget actions to the controls) ->
// the idle slot (one timer tick at most) -> present. Between passes the loop waits in SDL's event
// wait, woken by input, until the next tick of the running timer is due (the last milliseconds of
// that wait only poll and yield, so ticks come on time) or until the screen needs a frame of its own
// (TFramePacer): the menus are redrawn at the display's pace only for a while after input, then a
// few times a second. The game's own Present(true) waits for the display (the renderer's vsync is
// switched on for that present only).
//
// Message boxes and file dialogs are modal and block: they run ProcessMessages until answered, so
// the program's handlers see the answer on return, as on the desktop. Timers do not tick meanwhile.
// The audio device opens when the sound device asks for its rate and closes when its source goes;
// it runs on SDL's audio thread and pulls from the source, which locks for itself.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/form.h"
#include "media/host.h"
#include "platform/frame_pacer.h"
#include "platform/imgui_fonts.h"

union SDL_Event;
struct SDL_Cursor;
struct ImGuiContext;
class TSdlScreen;
class TImGuiFormView;
class TModal;
class TFormDispatcher;
class TSdlAudio;

class TSdlHost : public THost {
 public:
  // Opens SDL, the window and ImGui; raises EPlatformError when the display cannot be opened,
  // also when SDL could only fall back to a driver without a screen (unless SDL_VIDEODRIVER named
  // it). title: the application's title, on the window and the message boxes.
  explicit TSdlHost(const std::string& title, bool windowed = false);
  ~TSdlHost() override;
  TSdlHost(const TSdlHost&) = delete;
  TSdlHost& operator=(const TSdlHost&) = delete;

  // Whether SDL's video driver of that name shows a player anything (its off-screen and dummy
  // drivers do not).
  static bool DriverHasScreen(const std::string& driver);
  // The name of the video driver SDL runs on.
  const std::string& VideoDriver() const { return videoDriver_; }

  // Runs FormCreate and FormShow, then the loop until the form closes or the window is closed.
  int Run(TForm& form);
  // Saves the window's next presented picture as a BMP file.
  void CaptureNextFrame(const std::string& bmpPath);
  // Times anything was presented (loop frames included).
  int PresentCount() const { return presentCount_; }
  // Makes Run return once that many frames were presented in all (0: only when the form closes);
  // a benchmark times the start-up to the first frame with it.
  void EndAfterFrames(int frames) { endAfterFrames_ = frames; }
  // When the first frame was presented (the clock's epoch before then).
  std::chrono::steady_clock::time_point FirstFrameTime() const { return firstFrame_; }
  // When SDL's video, the window and its renderer were up: the window system's part of the start
  // ends there.
  std::chrono::steady_clock::time_point ScreenUpTime() const { return screenUp_; }

  // THost
  void SetDisplaySurface(const TDirectDrawSurface* primary) override { display_ = primary; }
  void Present(bool waitVBlank) override;
  uint32_t Clock() override;
  uint64_t WallClock() override;
  void Sleep(uint32_t milliseconds) override;
  TPoint CursorPos() override;
  void SetCursor(TCursorShape shape) override { screenCursor_ = shape; }
  void SetAudioSource(TAudioSource* source) override;
  // Opens the audio device when it is not open (again after a failure); 0 when none opens.
  int AudioRate() const override;
  void ProcessMessages() override;
  void ShowMessage(const std::string& text) override;
  bool OpenFileDialog(TFileDialog& dialog) override;
  bool SaveFileDialog(TFileDialog& dialog) override;

 protected:
  // One pass of the loop: wait for input or the next tick, run the idle slot, draw when due. A host
  // whose page drives the passes (the browser's) waits its own way.
  virtual void LoopOnce(TForm& form);
  // Dispatches pending input, waiting up to waitMs for the first.
  void Pump(uint32_t waitMs);
  // Draws and shows one frame: the play surface or the menus, then any box.
  void RenderScreen(bool vsync);
  TFormDispatcher* Dispatcher() const { return dispatcher_.get(); }
  bool QuitAsked() const { return quit_; }
  TFramePacer& Pacer() { return pacer_; }

 private:
  using TAction = std::function<void(TFormDispatcher&)>;

  void HandleEvent(const SDL_Event& event);
  void ApplyActions();
  void BuildUi(TForm* form, bool menus);
  void UpdateCursor();
  // Shows the box over everything and pumps until it is answered (or the program closes).
  void RunModal(TModal& box);

  std::string title_;
  std::string videoDriver_;
  std::unique_ptr<TSdlScreen> screen_;
  ImGuiContext* imgui_ = nullptr;
  TMenuFonts fonts_;
  int endAfterFrames_ = 0;
  std::chrono::steady_clock::time_point firstFrame_{};
  std::chrono::steady_clock::time_point screenUp_{};
  std::unique_ptr<TImGuiFormView> view_;
  std::unique_ptr<TFormDispatcher> dispatcher_;
  std::vector<TAction> actions_;
  std::vector<TModal*> modals_;  // the top one is drawn
  const TDirectDrawSurface* display_ = nullptr;
  TCursorShape screenCursor_ = TCursorShape::Default;
  int appliedCursor_ = -1;
  SDL_Cursor* arrow_ = nullptr;
  SDL_Cursor* hand_ = nullptr;
  SDL_Cursor* ibeam_ = nullptr;
  TPoint mouse_;
  bool mousePressed_[3] = {false, false, false};
  bool mouseInside_ = true;
  bool quit_ = false;
  TFramePacer pacer_;
  uint32_t lastPresent_ = 0;
  uint32_t lastUiFrame_ = 0;
  int presentCount_ = 0;
  std::unique_ptr<TSdlAudio> audio_;
};
