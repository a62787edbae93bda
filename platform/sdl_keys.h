// SDL key codes to the virtual-key codes the form handlers use.
#pragma once

// The virtual-key code of a key (its SDL_Keycode and SDL_Scancode); a key the forms have no name
// for gets VK_UNNAMED plus its scancode, so the result is never 0.
int VirtualKeyFromSdl(int sdlKeycode, int sdlScancode);
