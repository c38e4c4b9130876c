#pragma once

#include "String.h"

#include <string_view>

class TStrings;

// How the dialog hands back the names the user chose, in its file buffer.
enum class TNameList {
  // One full path, up to the first NUL.
  Single,
  // Several names separated by NUL (an explorer-style dialog) or a space (an old-style one).
  Multiple,
};

// Appends the chosen paths in buffer to into, in the order the dialog lists them, and gives
// the first one (empty when there is none). Nothing is read past the end of buffer.
//
// A multiple list whose second name is empty holds one full path. Otherwise its first name
// is the folder: a "\" is added unless it already ends in one (as a drive root "C:\"
// does), and it is put in front of every following name that is not already absolute
// (starting with "\", or at least four characters with ":" second and "\" third), up to the
// first empty name.
String AppendReturnedNames(std::string_view buffer, TNameList list, char separator, TStrings& into);
