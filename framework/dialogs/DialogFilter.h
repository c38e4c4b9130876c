#pragma once

#include "String.h"

#include <string_view>

// The filter list the open dialog gets from a Filter text: every "|" becomes NUL, scanning
// character by character, so that the second byte of a double-byte character (0x7C in
// Shift_JIS) is never taken for a bar; the list ends with two NULs. The result holds every
// byte the dialog reads, the closing NULs included. An empty Filter gives an empty list:
// the dialog then shows no filter at all.
//
//   FilterList("ALL|*.WAV;*.MP3") == String("ALL\0*.WAV;*.MP3\0\0", 18)
String FilterList(std::string_view filter);
