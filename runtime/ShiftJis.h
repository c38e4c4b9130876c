#pragma once

#include "String.h"

// Double-byte aware helpers for texts in the system's ANSI code page (Shift_JIS for the
// player). Under Windows the lead bytes are those of the system code page (IsDBCSLeadByte);
// the host build uses the lead-byte ranges of code page 932.

bool IsLeadByte(unsigned char byte) noexcept;

// True when the byte at 0-based index is the second byte of a double-byte character.
bool IsTrailByteAt(std::string_view text, std::size_t index) noexcept;

// 1-based position of the last byte of text that is one of delimiters and not the second
// byte of a double-byte character; 0 when there is none.
std::size_t LastDelimiter(std::string_view delimiters, std::string_view text) noexcept;

// The last character of text: the rest of the text from the start of its last, possibly
// double-byte, character. Empty for an empty text.
std::string_view LastCharacter(std::string_view text) noexcept;

// The message with a final period added unless it is empty or its last character does not
// compare greater than "." byte by byte (as error boxes show messages).
String WithFinalPeriod(const String& message);
