#pragma once

#include "String.h"

// A folder name as the open dialog starts in it: one trailing "\" is dropped unless it
// follows a colon (C:\ stays, C:\Music\ becomes C:\Music). The last character is taken
// double-byte aware, so a name ending in a character whose second byte is 0x5C (as ソ in
// Shift_JIS) keeps that byte.
String TrimmedFolderName(const String& folder);
