#pragma once

#include "ShiftState.h"
#include "TEvent.h"

#include <windows.h>

// Sender, virtual key (set it to 0 to use the key up), shift state.
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
// Sender, character (set it to 0 to use it up).
using TKeyPressEvent = TEvent<TObject*, char&>;

// Sender, the mouse position in client coordinates ((-1, -1) when asked for from the
// keyboard), Handled (set it to keep the pop-up menu closed).
using TContextPopupEvent = TEvent<TObject*, POINT, bool&>;
