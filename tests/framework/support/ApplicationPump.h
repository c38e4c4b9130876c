#pragma once

#include "Pump.h"

// Takes and handles through the application's loop every message the thread has, until its
// queue is empty.
void PumpPending();

// Takes and handles messages through the application's loop until condition holds; false
// when it still does not hold after deadline milliseconds.
bool PumpUntil(const std::function<bool()>& condition, DWORD deadline = pumpDeadline);
