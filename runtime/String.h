#pragma once

#include <string>
#include <string_view>

// The program's text type: a byte string in the system's ANSI code page (Shift_JIS for the
// player's own texts). Positions handed out by the text helpers are 1-based byte positions,
// 0 meaning "none"; an empty string is a valid value everywhere.
using String = std::string;
