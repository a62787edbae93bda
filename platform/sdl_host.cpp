#include "platform/sdl_host.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdlrenderer.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "media/dx_timer.h"
#include "media/pixel_format.h"
#include "platform/form_dispatcher.h"
#include "platform/imgui_form_view.h"
#include "platform/imgui_modals.h"
#include "platform/platform_error.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_screen.h"

namespace {

// The last milliseconds before a tick are not slept in the event wait, which may overshoot by a
// millisecond (a tick that comes a millisecond late makes every later one late too): the loop
// polls then, giving the processor back for a moment between polls.
constexpr uint32_t kYieldMs = 2;
constexpr std::chrono::microseconds kYieldSleep(100);

const char* GetClipboard(void*) {
  static std::string text;
  char* clip = SDL_GetClipboardText();
  text = clip ? clip : "";
  SDL_free(clip);
  return text.c_str();
}

void SetClipboard(void*, const char* text) { SDL_SetClipboardText(text); }

}  // namespace

bool TSdlHost::DriverHasScreen(const std::string& driver) {
  return driver != "offscreen" && driver != "dummy" && driver != "evdev";
}

TSdlHost::TSdlHost(const std::string& title, bool windowed) : title_(title), audio_(std::make_unique<TSdlAudio>()) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    throw EPlatformError(std::string("No display could be opened: ") + SDL_GetError());
  }
  // Without a display SDL falls back to a driver that draws where nobody sees it; a player who
  // started the game from a terminal without a desktop must hear why nothing shows. A driver named
  // on purpose (tests, benchmarks) is taken as asked.
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  const char* driver = SDL_GetCurrentVideoDriver();
  videoDriver_ = driver ? driver : "";
  if ((!asked || !*asked) && !DriverHasScreen(videoDriver_)) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
    throw EPlatformError(
        "No display could be opened: the game needs a desktop (neither DISPLAY nor WAYLAND_DISPLAY leads to one)");
  }
  try {
    screen_ = std::make_unique<TSdlScreen>(title, windowed);
    screenUp_ = std::chrono::steady_clock::now();
  } catch (...) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
    throw;
  }
  IMGUI_CHECKVERSION();
  imgui_ = ImGui::CreateContext();
  ImGui::SetCurrentContext(imgui_);
  ImGuiIO& io = ImGui::GetIO();
  // The programs write only their own files: no ImGui settings or log files.
  io.IniFilename = nullptr;
  io.LogFilename = nullptr;
  io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
  io.SetClipboardTextFn = SetClipboard;
  io.GetClipboardTextFn = GetClipboard;
  const int keys[][2] = {{ImGuiKey_Tab, SDL_SCANCODE_TAB},         {ImGuiKey_LeftArrow, SDL_SCANCODE_LEFT},
                         {ImGuiKey_RightArrow, SDL_SCANCODE_RIGHT}, {ImGuiKey_UpArrow, SDL_SCANCODE_UP},
                         {ImGuiKey_DownArrow, SDL_SCANCODE_DOWN},   {ImGuiKey_PageUp, SDL_SCANCODE_PAGEUP},
                         {ImGuiKey_PageDown, SDL_SCANCODE_PAGEDOWN}, {ImGuiKey_Home, SDL_SCANCODE_HOME},
                         {ImGuiKey_End, SDL_SCANCODE_END},           {ImGuiKey_Insert, SDL_SCANCODE_INSERT},
                         {ImGuiKey_Delete, SDL_SCANCODE_DELETE},     {ImGuiKey_Backspace, SDL_SCANCODE_BACKSPACE},
                         {ImGuiKey_Space, SDL_SCANCODE_SPACE},       {ImGuiKey_Enter, SDL_SCANCODE_RETURN},
                         {ImGuiKey_Escape, SDL_SCANCODE_ESCAPE},     {ImGuiKey_KeyPadEnter, SDL_SCANCODE_KP_ENTER},
                         {ImGuiKey_A, SDL_SCANCODE_A},               {ImGuiKey_C, SDL_SCANCODE_C},
                         {ImGuiKey_V, SDL_SCANCODE_V},               {ImGuiKey_X, SDL_SCANCODE_X},
                         {ImGuiKey_Y, SDL_SCANCODE_Y},               {ImGuiKey_Z, SDL_SCANCODE_Z}};
  for (const auto& k : keys) io.KeyMap[k[0]] = k[1];
  fonts_.Load(*io.Fonts);
  TImGuiFormView::ApplyStyle();
  ImGui_ImplSDLRenderer_Init(screen_->Renderer());
  lastPresent_ = lastUiFrame_ = SDL_GetTicks();
  pacer_.Stirred(lastPresent_);
  pacer_.Presented(lastPresent_);
}

TSdlHost::~TSdlHost() {
  audio_.reset();
  ImGui::SetCurrentContext(imgui_);
  view_.reset();
  ImGui_ImplSDLRenderer_Shutdown();
  ImGui::DestroyContext(imgui_);
  for (SDL_Cursor* cursor : {arrow_, hand_, ibeam_}) {
    if (cursor) SDL_FreeCursor(cursor);
  }
  screen_.reset();
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
}

int TSdlHost::Run(TForm& form) {
  dispatcher_ = std::make_unique<TFormDispatcher>(form, *this);
  view_ = std::make_unique<TImGuiFormView>(screen_->Renderer(), fonts_);
  if (title_.empty()) screen_->SetTitle(form.Caption);
  quit_ = false;
  dispatcher_->Start();
  while (!form.CloseRequested() && !quit_ && (endAfterFrames_ <= 0 || presentCount_ < endAfterFrames_)) {
    LoopOnce(form);
  }
  // The window goes away: the form's devices finalise with their events while the form is whole.
  dispatcher_->Guard([&form] { form.WindowDestroyed(); });
  view_.reset();
  dispatcher_.reset();
  actions_.clear();
  return 0;
}

void TSdlHost::LoopOnce(TForm& form) {
  const TDXTimer* timer = form.Application().IdleTimer();
  // The first frame is drawn as soon as the form has started, not a frame's time after the host came up.
  const uint32_t frameWait =
      presentCount_ == 0 ? 0 : pacer_.UntilFrame(SDL_GetTicks(), timer != nullptr, form.ShowingDrawArea() != nullptr);
  const uint32_t tickWait = timer ? timer->MillisecondsToNextTick() : frameWait + 1;
  if (tickWait > frameWait) {
    Pump(frameWait);
  } else if (tickWait > kYieldMs) {
    Pump(tickWait - kYieldMs);
  } else {
    Pump(0);
    if (tickWait > 0) std::this_thread::sleep_for(kYieldSleep);
  }
  if (form.CloseRequested() || quit_) return;
  const int before = presentCount_;
  dispatcher_->Idle();
  if (presentCount_ != before) return;
  const bool timerRuns = form.Application().IdleTimer() != nullptr;
  if (presentCount_ == 0 || pacer_.UntilFrame(SDL_GetTicks(), timerRuns, form.ShowingDrawArea() != nullptr) == 0) {
    RenderScreen(false);
  }
}

void TSdlHost::Pump(uint32_t waitMs) {
  SDL_Event event;
  const bool any = waitMs > 0 ? SDL_WaitEventTimeout(&event, static_cast<int>(waitMs)) != 0 : SDL_PollEvent(&event) != 0;
  if (any) {
    pacer_.Stirred(SDL_GetTicks());
    HandleEvent(event);
    while (SDL_PollEvent(&event)) HandleEvent(event);
  }
  ApplyActions();
  UpdateCursor();
}

void TSdlHost::ApplyActions() {
  if (!dispatcher_) {
    actions_.clear();
    return;
  }
  if (actions_.empty()) return;
  pacer_.Stirred(SDL_GetTicks());
  // A handler may pump again and queue more; take the list as it is now.
  std::vector<TAction> actions;
  actions.swap(actions_);
  for (const TAction& action : actions) action(*dispatcher_);
}

void TSdlHost::RenderScreen(bool vsync) {
  TForm* form = dispatcher_ ? &dispatcher_->Form() : nullptr;
  const bool play = form && form->ShowingDrawArea();
  TColor background = clBlack;
  if (form && !play && form->Color != clNone) background = ResolveSystemColor(form->Color);
  screen_->BeginCanvas(background);
  if (play && display_) screen_->DrawSurface(*display_);
  BuildUi(form, form && !play);
  screen_->Present(vsync);
  if (presentCount_ == 0) firstFrame_ = std::chrono::steady_clock::now();
  lastPresent_ = SDL_GetTicks();
  pacer_.Presented(lastPresent_);
  ++presentCount_;
}

void TSdlHost::BuildUi(TForm* form, bool menus) {
  // A first frame that shows neither menus nor a box has nothing for ImGui to draw: it goes on
  // screen without it, and the menu fonts are built with the next frame, before any menu shows.
  // Input waits for that frame too.
  if (presentCount_ == 0 && !menus && modals_.empty()) return;
  ImGui::SetCurrentContext(imgui_);
  ImGuiIO& io = ImGui::GetIO();
  const uint32_t now = SDL_GetTicks();
  io.DeltaTime = now > lastUiFrame_ ? (now - lastUiFrame_) / 1000.0f : 0.001f;
  lastUiFrame_ = now;
  io.DisplaySize = ImVec2(TSdlScreen::kWidth, TSdlScreen::kHeight);
  io.DisplayFramebufferScale = ImVec2(1, 1);
  io.MousePos = mouseInside_ ? ImVec2(static_cast<float>(mouse_.X), static_cast<float>(mouse_.Y)) : ImVec2(-FLT_MAX, -FLT_MAX);
  const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
  const Uint32 masks[3] = {SDL_BUTTON_LMASK, SDL_BUTTON_RMASK, SDL_BUTTON_MMASK};
  // A press and release between two frames still counts as a click.
  for (int i = 0; i < 3; ++i) {
    io.MouseDown[i] = mousePressed_[i] || (buttons & masks[i]) != 0;
    mousePressed_[i] = false;
  }
  const SDL_Keymod mod = SDL_GetModState();
  io.KeyShift = (mod & KMOD_SHIFT) != 0;
  io.KeyCtrl = (mod & KMOD_CTRL) != 0;
  io.KeyAlt = (mod & KMOD_ALT) != 0;
  io.KeySuper = false;

  // A font size a control asks for for the first time goes into the atlas before the frame; the
  // backend builds the atlas and its texture again in NewFrame. The first frame asks only for what
  // it shows.
  if (form && fonts_.Prepare(*form, presentCount_ == 0)) ImGui_ImplSDLRenderer_DestroyFontsTexture();
  ImGui_ImplSDLRenderer_NewFrame();
  // The texture holds the atlas now: its pixels need not stay in memory as well.
  if (io.Fonts->TexPixelsAlpha8 || io.Fonts->TexPixelsRGBA32) io.Fonts->ClearTexData();
  ImGui::NewFrame();
  ImGui::SetNextWindowPos(ImVec2(0, 0));
  ImGui::SetNextWindowSize(io.DisplaySize);
  ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0, 0));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0);
  const ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                                 ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoBackground |
                                 ImGuiWindowFlags_NoBringToFrontOnFocus | ImGuiWindowFlags_NoScrollWithMouse |
                                 ImGuiWindowFlags_NoNav;
  ImGui::Begin("##screen", nullptr, flags);
  ImGui::PopStyleVar(2);
  if (menus && view_) {
    // A box over the menus takes the pointer: the controls under it show no hints.
    view_->Draw(*form, mouse_, now / 1000.0, modals_.empty(), actions_);
    if (dispatcher_) dispatcher_->SetFocused(view_->FocusedEdit());
  } else if (dispatcher_) {
    dispatcher_->SetFocused(nullptr);  // no control keeps the focus while play has the screen
  }
  if (!modals_.empty()) modals_.back()->Draw();
  ImGui::End();
  ImGui::Render();
  ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
}

void TSdlHost::CaptureNextFrame(const std::string& bmpPath) { screen_->CaptureNextPresent(bmpPath); }

void TSdlHost::Present(bool waitVBlank) { RenderScreen(waitVBlank); }

uint32_t TSdlHost::Clock() { return SDL_GetTicks(); }

uint64_t TSdlHost::WallClock() {
  const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(sinceEpoch).count());
}

void TSdlHost::Sleep(uint32_t milliseconds) { SDL_Delay(milliseconds); }

int TSdlHost::AudioRate() const { return audio_->Open(); }

void TSdlHost::SetAudioSource(TAudioSource* source) { audio_->SetSource(source); }

TPoint TSdlHost::CursorPos() {
  int x = 0;
  int y = 0;
  SDL_GetMouseState(&x, &y);
  const TPoint p = screen_->WindowToCanvas(x, y);
  return TPoint{std::clamp(p.X, 0, TSdlScreen::kWidth - 1), std::clamp(p.Y, 0, TSdlScreen::kHeight - 1)};
}

void TSdlHost::ProcessMessages() {
  Pump(0);
  // Loading loops call this very often; the screen need not change faster than the display.
  if (SDL_GetTicks() - lastPresent_ >= TFramePacer::kFrameMs / 2) RenderScreen(false);
}

void TSdlHost::RunModal(TModal& box) {
  modals_.push_back(&box);
  if (dispatcher_) dispatcher_->BeginModal();
  RenderScreen(false);
  pacer_.Stirred(SDL_GetTicks());
  while (!box.Done()) {
    if (quit_) {
      box.Cancel();
      break;
    }
    // Timers do not tick meanwhile, so the box is paced like the menus.
    Pump(pacer_.UntilFrame(SDL_GetTicks(), false, false));
    if (box.Done() || pacer_.UntilFrame(SDL_GetTicks(), false, false) == 0) RenderScreen(false);
  }
  // One frame more, in which the box closes.
  RenderScreen(false);
  if (dispatcher_) dispatcher_->EndModal();
  std::erase(modals_, &box);
}

void TSdlHost::ShowMessage(const std::string& text) {
  TMessageModal box(title_, text);
  RunModal(box);
}

bool TSdlHost::OpenFileDialog(TFileDialog& dialog) {
  TFileDialogModal box(dialog, false);
  RunModal(box);
  return box.Accepted();
}

bool TSdlHost::SaveFileDialog(TFileDialog& dialog) {
  TFileDialogModal box(dialog, true);
  RunModal(box);
  return box.Accepted();
}
