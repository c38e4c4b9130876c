#pragma once

#include "String.h"

#include <cstdint>
#include <string_view>

// The texts the player's 100 ms tick writes.

// The next position of the scrolling title: one byte further, back to 0 after 99.
std::int32_t NextTitleStep(std::int32_t step);

// The status line's view of name at step: the text made of 50 spaces, name and 50 spaces,
// from its 1-based byte step on, step + 50 bytes long and cut at its end. Step 0 gives the
// empty text. Steps are bytes, so a view may begin on the second byte of a double-byte
// character.
String TitleWindow(std::string_view name, std::int32_t step);

// A position in milliseconds as minutes and seconds, m:ss: minutes without leading zeros or
// upper bound, seconds in two digits, no fractions (59 999 gives 0:59, 605 000 gives 10:05).
String TimeText(std::int32_t position);
