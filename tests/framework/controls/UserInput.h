#pragma once

#include <windows.h>

// What the window system queues for a user's mouse and key actions, posted to a window at
// points of its client area, each followed by handling everything the thread has queued.

// A press and a release of the left button; keys adds MK_SHIFT or MK_CONTROL.
void Click(HWND window, POINT at, WPARAM keys = 0);
// Two clicks, the second press coming as a double click.
void DoubleClick(HWND window, POINT at);
// A press at from, the mouse moved to to with the button held, the release there.
void Drag(HWND window, POINT from, POINT to);
// A key pressed and released on the window that has the focus.
void PressKey(HWND window, WORD key);
