#pragma once

#include "String.h"

#include <windows.h>

#include <vector>

class TControl;
class TMenuItem;
class TWinControl;

// What the window system queues for a user's actions, posted to the windows they land on;
// each waits until the queue is empty again.

// A click with the left button at a point of window's client area.
void ClickAt(HWND window, POINT at);
// A click in the middle of a windowed control.
void Click(TWinControl& control);
// A double click at a point of window's client area.
void DoubleClickAt(HWND window, POINT at);
// A key pressed and released on window (which has the focus).
void PressKey(HWND window, WORD key);
// A menu item chosen on form's menu bar: the command the menu sends its window.
void Choose(HWND form, const TMenuItem& item);
// Files dropped from the desktop on window, in this order: a drop handle as the shell makes it.
void DropFiles(HWND window, const std::vector<String>& paths);
