#pragma once

#include <windows.h>

// The application's hidden window as the layers below the application object see it: the
// controls offer it the keys no form took (XM_APPKEYDOWN), and the search for a window to
// activate passes it over. The application object names its window when it has made it and
// clears the name when the window goes; none until then.
HWND ApplicationWindow();
void SetApplicationWindow(HWND window);
