#pragma once

#include "String.h"

#include <string_view>

// The parts of a path the player shows and judges. Both look for the last delimiter byte
// that is not the second byte of a double-byte character, so a Japanese name whose second
// byte has the code of "\" or "." is never split.

// The part after the last "\": the whole path without one, empty when it ends in "\".
String FileNamePart(std::string_view path);

// The part after the last ".": the whole path without one, so the extension of C:\a.b\file
// is "b\file" and of a name without a dot the whole path; neither is an accepted extension.
String ExtensionPart(std::string_view path);
