// Events of the SDL host: the window, keys, text and mouse, fed both to ImGui (for the widgets)
// and to the dispatcher (for the form's handlers); and the pointer shape.
#include <SDL.h>
#include <imgui.h>

#include "forms/text_controls.h"
#include "platform/form_dispatcher.h"
#include "platform/imgui_modals.h"
#include "platform/sdl_host.h"
#include "platform/sdl_keys.h"
#include "platform/sdl_screen.h"

namespace {

TShiftState ShiftState() {
  const SDL_Keymod mod = SDL_GetModState();
  const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
  TShiftState shift = 0;
  if (mod & KMOD_SHIFT) shift |= ssShift;
  if (mod & KMOD_ALT) shift |= ssAlt;
  if (mod & KMOD_CTRL) shift |= ssCtrl;
  if (buttons & SDL_BUTTON_LMASK) shift |= ssLeft;
  if (buttons & SDL_BUTTON_RMASK) shift |= ssRight;
  if (buttons & SDL_BUTTON_MMASK) shift |= ssMiddle;
  return shift;
}

bool MouseButton(Uint8 sdlButton, TMouseButton& button, int& index) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: button = TMouseButton::Left; index = 0; return true;
    case SDL_BUTTON_RIGHT: button = TMouseButton::Right; index = 1; return true;
    case SDL_BUTTON_MIDDLE: button = TMouseButton::Middle; index = 2; return true;
    default: return false;
  }
}

// The form's handlers get pointer positions on the 640 x 480 screen, also over the letterbox bars.
TPoint Clamped(TPoint p) {
  return TPoint{std::clamp(p.X, 0, TSdlScreen::kWidth - 1), std::clamp(p.Y, 0, TSdlScreen::kHeight - 1)};
}

}  // namespace

void TSdlHost::HandleEvent(const SDL_Event& event) {
  ImGui::SetCurrentContext(imgui_);
  ImGuiIO& io = ImGui::GetIO();
  switch (event.type) {
    case SDL_QUIT:
      quit_ = true;
      if (dispatcher_) dispatcher_->Form().Close();
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_ENTER) mouseInside_ = true;
      if (event.window.event == SDL_WINDOWEVENT_LEAVE) mouseInside_ = false;
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && dispatcher_) dispatcher_->SetActive(true);
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        // Keys held when the focus went are released for ImGui; the game pauses on deactivation.
        std::fill(std::begin(io.KeysDown), std::end(io.KeysDown), false);
        if (dispatcher_) dispatcher_->SetActive(false);
      }
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const bool down = event.type == SDL_KEYDOWN;
      const SDL_Scancode scancode = event.key.keysym.scancode;
      const SDL_Keycode sym = event.key.keysym.sym;
      const bool plain = (event.key.keysym.mod & (KMOD_SHIFT | KMOD_CTRL | KMOD_ALT)) == 0;
      const bool enter = sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
      if (!modals_.empty() && down && plain && (enter || sym == SDLK_ESCAPE)) {
        // A box answers these itself, whatever widget of it has the keyboard focus; a key held
        // down does not run through a row of boxes.
        if (event.key.repeat) break;
        if (enter) {
          modals_.back()->PressDefault();
        } else {
          modals_.back()->Cancel();
        }
        break;
      }
      // Escape in an edit would make ImGui undo the typing; a desktop edit keeps its text, so while
      // text is being edited ImGui does not see Escape (the form still does).
      const bool keepFromEdit = scancode == SDL_SCANCODE_ESCAPE && down && io.WantTextInput;
      if (scancode >= 0 && scancode < static_cast<int>(IM_ARRAYSIZE(io.KeysDown)) && !keepFromEdit) {
        io.KeysDown[scancode] = down;
      }
      if (down && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER) && (event.key.keysym.mod & KMOD_ALT)) {
        if (!event.key.repeat) screen_->ToggleFullscreen();
        break;
      }
      if (!dispatcher_) break;
      const int key = VirtualKeyFromSdl(sym, scancode);
      if (down) {
        dispatcher_->KeyDown(key, ShiftState());
      } else {
        dispatcher_->KeyUp(key, ShiftState());
      }
      break;
    }
    case SDL_TEXTINPUT:
      io.AddInputCharactersUTF8(event.text.text);
      break;
    case SDL_MOUSEMOTION:
      mouseInside_ = true;
      mouse_ = screen_->WindowToCanvas(event.motion.x, event.motion.y);
      if (dispatcher_) {
        const TPoint p = Clamped(mouse_);
        dispatcher_->MouseMove(p.X, p.Y);
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      TMouseButton button;
      int index = 0;
      if (!MouseButton(event.button.button, button, index)) break;
      mouse_ = screen_->WindowToCanvas(event.button.x, event.button.y);
      if (event.type == SDL_MOUSEBUTTONDOWN) mousePressed_[index] = true;
      if (!dispatcher_) break;
      const TPoint p = Clamped(mouse_);
      if (event.type == SDL_MOUSEBUTTONDOWN) {
        dispatcher_->MouseDown(button, p.X, p.Y);
      } else {
        dispatcher_->MouseUp(button, p.X, p.Y);
      }
      break;
    }
    case SDL_MOUSEWHEEL:
      io.MouseWheel += static_cast<float>(event.wheel.y);
      io.MouseWheelH += static_cast<float>(event.wheel.x);
      break;
    default:
      break;
  }
}

void TSdlHost::UpdateCursor() {
  // The pointer's shapes are made once the first frame is on screen; until then the desktop's own
  // pointer shows.
  if (presentCount_ == 0) return;
  if (!arrow_) {
    arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    ibeam_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_IBEAM);
  }
  TCursorShape shape = screenCursor_;
  bool textField = false;
  if (shape == TCursorShape::Default && dispatcher_ && modals_.empty()) {
    shape = dispatcher_->CursorAt(mouse_.X, mouse_.Y);
    textField = dynamic_cast<TEdit*>(dispatcher_->ControlAt(mouse_.X, mouse_.Y)) != nullptr;
  }
  const int wanted = textField && shape == TCursorShape::Default ? 3 : static_cast<int>(shape);
  if (wanted == appliedCursor_) return;
  appliedCursor_ = wanted;
  if (shape == TCursorShape::None) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_ShowCursor(SDL_ENABLE);
  SDL_Cursor* cursor = wanted == 3 ? ibeam_ : shape == TCursorShape::HandPoint ? hand_ : arrow_;
  if (cursor) SDL_SetCursor(cursor);
}
