#pragma once

#include "String.h"

#include <windows.h>

// Whether character is the accelerator of caption: the character after its first single "&"
// ("&&" stands for a plain "&"), letters compared without regard to case. Double-byte
// characters are stepped over whole, so a second byte equal to "&" marks nothing.
bool IsAccelerator(WORD character, const String& caption);
