#pragma once

#include "String.h"

#include <vector>

// Access keys of menu entries: the character after the last single "&" of a caption ("&&"
// shows one ampersand and is no key).

// The access key of caption, or 0 when it has none. A double-byte character after the "&"
// is no key.
char AccessKeyOf(std::string_view caption);

// Whether the system's code page has double-byte characters (a Far-East locale), where a
// key that cannot be marked in the caption itself is added as "(&X)".
bool IsFarEastLocale();

// Gives the captions of one menu level distinct access keys out of "0".."9" and "A".."Z":
// a key an earlier caption already has is taken out (with its "(&X)" group in a Far-East
// locale), and captions without a key get the first free character they contain, or in a
// Far-East locale a free key added as "(&X)". Rewrites the captions in place; true when any
// caption needed a key.
bool RethinkAccessKeys(std::vector<String*>& captions, bool farEast);
