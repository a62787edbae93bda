// SDL key codes to the virtual-key codes the form handlers use.
#pragma once

// The virtual-key code of an SDL key code (SDL_Keycode), or 0 when the forms have none for it.
int VirtualKeyFromSdl(int sdlKeycode);
