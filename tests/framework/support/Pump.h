#pragma once

#include <windows.h>

// Takes one queued message of the thread and handles it; false when the queue was empty.
using TTakeMessage = bool (*)();

// Takes and handles the thread's messages with take for the given time, waiting for new
// ones in between.
void PumpMessagesWith(TTakeMessage take, DWORD milliseconds);

// The plain way to take a message (PeekMessageA, TranslateMessage, DispatchMessageA), for
// tests below the application object.
bool TakeThreadMessage();
