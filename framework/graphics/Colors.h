#pragma once

#include "IntegerTypes.h"

#include <windows.h>

// The colour a control asks for when it wants its class's default.
inline constexpr TColor clDefault = TColor(0x20000000);

// The RGB value a colour stands for now (system colours read from the system).
COLORREF ColorToRGB(TColor color);
