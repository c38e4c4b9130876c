#pragma once

#include <windows.h>

// Moves window, keeping its size, to the middle of the monitor of the main form (the first
// monitor when there is no main form window) horizontally, and one third of the free height
// below the monitor's top edge vertically.
void CentreOnMainMonitor(HWND window);
