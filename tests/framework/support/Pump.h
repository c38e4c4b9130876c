#pragma once

#include <windows.h>

#include <functional>

// Takes one queued message of the thread and handles it; false when the queue was empty.
using TTakeMessage = bool (*)();

// How long a test waits at most for something the window system does on its own time.
inline constexpr DWORD pumpDeadline = 10000;

// Takes and handles with take every message the thread has, until its queue is empty.
void PumpPendingWith(TTakeMessage take);

// Takes and handles messages with take, waiting for new ones in between, until condition
// holds; false when it still does not hold after deadline milliseconds.
bool PumpUntilWith(TTakeMessage take, const std::function<bool()>& condition,
                   DWORD deadline = pumpDeadline);

// The plain way to take a message (PeekMessageA, TranslateMessage, DispatchMessageA), for
// tests below the application object.
bool TakeThreadMessage();
