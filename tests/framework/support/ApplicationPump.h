#pragma once

#include "Pump.h"

// Takes and handles the thread's messages through the application's loop (its key
// pre-processing included) for the given time.
void PumpMessages(DWORD milliseconds);
