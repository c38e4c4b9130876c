#pragma once

#include "TCreateParams.h"
#include "TWindowProcEntry.h"

#include <functional>

// The one way a framework window is made and tied to its object, for every kind of window
// (controls and forms, the application window, utility windows): the window class is
// registered with the common start-up procedure, and the window is tied to its entry on its
// very first message, so the object sees WM_NCCREATE and WM_CREATE like every later message.

// Registers params.WindowClass under params.WinClassName with the start-up procedure; a class
// of that name registered with another procedure is registered anew. False when the system
// refuses (GetLastError tells why).
bool RegisterBoundClass(TCreateParams& params);

// Called with the new window when it is tied, before its first message is handled.
using TBoundNotice = std::function<void(HWND window)>;

// Makes the window params describe, of a class registered with RegisterBoundClass, and ties
// it to entry: on the window's first message, inside CreateWindowExA, the window procedure
// becomes the entry's, a child window without an identifier gets its handle as one, bound
// runs, and the message goes to the entry. The window, or none when CreateWindowExA failed
// (GetLastError tells why). The tie being made belongs to the calling thread, so threads
// make windows side by side.
HWND CreateBoundWindow(const TCreateParams& params, TWindowProcEntry& entry,
                       const TBoundNotice& bound);

// The common start-up window procedure of every framework window class.
LRESULT CALLBACK StartUpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
