// The host on SDL2: one window (full screen on the desktop unless asked for a window), the menus
// drawn with ImGui over the form's pictures, the drawing device's front surface while the form's
// drawing area shows, keys and mouse to the form's handlers, the audio device, and the loop.
//
// The loop: pump events (keys and mouse to the form's handlers, widget actions to the controls) ->
// the idle slot (one timer tick at most) -> present. The menus are redrawn about 60 times a second
// without waiting for the display; the game's own Present(true) waits for it (the renderer's vsync
// is switched on for that present only). While a timer runs the loop spins, as the frame timer
// wants; without one it sleeps in the event wait until the next menu frame is due.
//
// Message boxes and file dialogs are modal and block: they run ProcessMessages until answered, so
// the program's handlers see the answer on return, as on the desktop. Timers do not tick meanwhile.
// The audio device runs on SDL's audio thread and pulls from the source, which locks for itself.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/form.h"
#include "media/host.h"
#include "platform/imgui_fonts.h"

union SDL_Event;
struct SDL_Cursor;
struct ImGuiContext;
class TSdlScreen;
class TImGuiFormView;
class TModal;
class TFormDispatcher;

class TSdlHost : public THost {
 public:
  static constexpr int kAudioRate = 44100;

  // Opens SDL, the window and ImGui; raises EPlatformError when the display cannot be opened.
  // title: the application's title, on the window and the message boxes.
  explicit TSdlHost(const std::string& title, bool windowed = false);
  ~TSdlHost() override;
  TSdlHost(const TSdlHost&) = delete;
  TSdlHost& operator=(const TSdlHost&) = delete;

  // Runs FormCreate and FormShow, then the loop until the form closes or the window is closed.
  int Run(TForm& form);
  // Saves the window's next presented picture as a BMP file.
  void CaptureNextFrame(const std::string& bmpPath);
  // Times anything was presented (loop frames included).
  int PresentCount() const { return presentCount_; }

  // THost
  void SetDisplaySurface(const TDirectDrawSurface* primary) override { display_ = primary; }
  void Present(bool waitVBlank) override;
  uint32_t Clock() override;
  void Sleep(uint32_t milliseconds) override;
  TPoint CursorPos() override;
  void SetCursor(TCursorShape shape) override { screenCursor_ = shape; }
  void SetAudioSource(TAudioSource* source) override;
  int AudioRate() const override { return kAudioRate; }
  void ProcessMessages() override;
  void ShowMessage(const std::string& text) override;
  bool OpenFileDialog(TFileDialog& dialog) override;
  bool SaveFileDialog(TFileDialog& dialog) override;

 private:
  using TAction = std::function<void(TFormDispatcher&)>;

  void LoopOnce(TForm& form);
  void Pump(uint32_t waitMs);
  void HandleEvent(const SDL_Event& event);
  void ApplyActions();
  void RenderScreen(bool vsync);
  void BuildUi(TForm* form, bool menus);
  void UpdateCursor();
  // Shows the box over everything and pumps until it is answered (or the program closes).
  void RunModal(TModal& box);
  bool OpenAudio();
  static void AudioCallback(void* host, uint8_t* stream, int bytes);

  std::string title_;
  std::unique_ptr<TSdlScreen> screen_;
  ImGuiContext* imgui_ = nullptr;
  TMenuFonts fonts_;
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
  uint32_t lastPresent_ = 0;
  uint32_t lastUiFrame_ = 0;
  int presentCount_ = 0;
  uint32_t audioDevice_ = 0;
  bool audioTried_ = false;
  TAudioSource* audioSource_ = nullptr;
};
