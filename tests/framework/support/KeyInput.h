#pragma once

#include <windows.h>

#include <initializer_list>

// Key presses as the keyboard makes them (SendInput): they reach the focused window of the
// foreground thread through the system's input queue, and the key state follows them.

// Presses and releases key.
void PressKey(WORD key);

// Holds the modifiers (VK_MENU, VK_SHIFT, VK_CONTROL) down while key is pressed and released.
void PressKeyWith(std::initializer_list<WORD> modifiers, WORD key);

// Alt pressed and released alone, as the window's queue receives it: the menu bar takes the
// keyboard.
void PostAltAlone(HWND window);
