#pragma once

#include <windows.h>

// The mouse moved as the user moves it (SendInput): the pointer goes to a point of the screen
// and the window under it gets WM_MOUSEMOVE through the system's input queue. Pump afterwards.
void MoveMouseTo(POINT screen);
