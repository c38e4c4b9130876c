#pragma once

#include "MessageRecords.h"
#include "TSet.h"

// Members of the shift state of a key or mouse event.
enum TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftFlag>;

// The shift state of a key message: Shift and Ctrl from the keyboard now, Alt from the key
// data.
TShiftState KeyShiftState(const TWMKey& key);
// The shift state of a mouse message: its keys and buttons, and Alt from the keyboard now.
TShiftState MouseShiftState(const TWMMouse& mouse);
