#pragma once

#include "String.h"

// A control's hint holds two texts split at the first "|": the short one, shown in the hint
// window, and the long one, for a status line. A hint without "|" is both. The split skips
// the second bytes of double-byte characters, so a "|" byte inside one never splits.

String ShortHint(const String& hint);
String LongHint(const String& hint);
