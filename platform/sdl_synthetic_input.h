// Posts input into the SDL event queue as if the player made it, in window coordinates; the host
// handles it at its next pump. Smoke tests and scripted screenshots use it.
#pragma once

#include "forms/virtual_keys.h"

void PostMouseMove(int x, int y);
void PostMouseButton(TMouseButton button, bool down, int x, int y);
// A key by its virtual-key code (letters, digits, Enter, Escape, Space, arrows), pressed or released.
void PostKey(int virtualKey, bool down);
// A key by the name SDL gives it (";", "CapsLock", "Keypad .", "Return", or a letter of another
// layout in UTF-8), pressed or released, Alt held when alt is set.
void PostNamedKey(const char* sdlKeyName, bool down, bool alt = false);
// Text typed into the widget with the keyboard focus (UTF-8).
void PostText(const char* utf8);
// The window's close button.
void PostQuit();
