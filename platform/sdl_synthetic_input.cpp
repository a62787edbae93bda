#include "platform/sdl_synthetic_input.h"

#include <SDL.h>

#include <cstring>

namespace {

Uint8 SdlButton(TMouseButton button) {
  switch (button) {
    case TMouseButton::Right: return SDL_BUTTON_RIGHT;
    case TMouseButton::Middle: return SDL_BUTTON_MIDDLE;
    default: return SDL_BUTTON_LEFT;
  }
}

SDL_Keycode SdlKey(int key) {
  if (key >= 'A' && key <= 'Z') return SDLK_a + (key - 'A');
  if (key >= '0' && key <= '9') return SDLK_0 + (key - '0');
  switch (key) {
    case VK_RETURN: return SDLK_RETURN;
    case VK_ESCAPE: return SDLK_ESCAPE;
    case VK_SPACE: return SDLK_SPACE;
    case VK_BACK: return SDLK_BACKSPACE;
    case VK_LEFT: return SDLK_LEFT;
    case VK_RIGHT: return SDLK_RIGHT;
    case VK_UP: return SDLK_UP;
    case VK_DOWN: return SDLK_DOWN;
    case VK_PRIOR: return SDLK_PAGEUP;
    case VK_NEXT: return SDLK_PAGEDOWN;
    case VK_HOME: return SDLK_HOME;
    case VK_END: return SDLK_END;
    default: return SDLK_UNKNOWN;
  }
}

}  // namespace

void PostMouseMove(int x, int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  SDL_PushEvent(&event);
}

void PostMouseButton(TMouseButton button, bool down, int x, int y) {
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.button = SdlButton(button);
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.button.x = x;
  event.button.y = y;
  SDL_PushEvent(&event);
}

void PostKey(int virtualKey, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.sym = SdlKey(virtualKey);
  event.key.keysym.scancode = SDL_GetScancodeFromKey(event.key.keysym.sym);
  SDL_PushEvent(&event);
}

void PostNamedKey(const char* sdlKeyName, bool down, bool alt) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.sym = SDL_GetKeyFromName(sdlKeyName);
  event.key.keysym.scancode = SDL_GetScancodeFromName(sdlKeyName);
  if (event.key.keysym.scancode == SDL_SCANCODE_UNKNOWN) {
    event.key.keysym.scancode = SDL_GetScancodeFromKey(event.key.keysym.sym);
  }
  event.key.keysym.mod = alt ? KMOD_LALT : KMOD_NONE;
  SDL_PushEvent(&event);
}

void PostText(const char* utf8) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  std::strncpy(event.text.text, utf8, sizeof(event.text.text) - 1);
  SDL_PushEvent(&event);
}

void PostQuit() {
  SDL_Event event{};
  event.type = SDL_QUIT;
  SDL_PushEvent(&event);
}
