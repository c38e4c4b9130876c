#pragma once

#include <windows.h>

// What the window system queues for a user's click with the left button at a point of a
// window's client area: a press and a release. Pump the queue afterwards.
void PostClick(HWND window, POINT at);
