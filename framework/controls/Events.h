#pragma once

#include "TEvent.h"
#include "TSet.h"

#include <windows.h>

// Members of the shift state of a key or mouse event.
enum TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftFlag>;

// Sender, virtual key (set it to 0 to use the key up), shift state.
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
// Sender, character (set it to 0 to use it up).
using TKeyPressEvent = TEvent<TObject*, char&>;
