#pragma once

#include <windows.h>

// Writes what a window shows (its client area, as drawn on the screen) to a 24-bit BMP file;
// false when the picture could not be taken or written.
bool SaveWindowPicture(HWND window, const char* path);
