#pragma once

#include <string_view>

// The one text order of the string lists: case-insensitive and locale-aware.
//
// Returns a negative number, 0 or a positive number as a sorts before, equal to or after b.
// Under Windows this is CompareStringA with the user's default locale and NORM_IGNORECASE
// (PortableCompareText when that call fails); the host build uses PortableCompareText.
int LocaleCompareText(std::string_view a, std::string_view b);

// A portable approximation of the Windows "word sort" order for texts in code page 932,
// case-insensitive:
//
// - The zero byte is ignored altogether.
// - Other control characters, the apostrophe and the hyphen are passed over at first; only
//   texts that are equal without them are then told apart by them, taken in pairs from the
//   start: the text that runs out of them first sorts first, else the one whose character
//   stands later, else the lower character in the order controls (by code), apostrophe,
//   hyphen. So "coop" < "co-op" < "cop".
// - The other ASCII characters order as white space (space, tab, LF, VT, FF, CR), then
//   ! " # $ % & ( ) * , . / : ; ? @ [ ] ^ _ ` { | } ~ \, then + < = >, then the digits,
//   then the letters with upper and lower case equal.
// - Other single bytes (half-width katakana among them) follow the letters in byte order;
//   double-byte characters follow those in the order of their code values, with the
//   full-width lower-case Latin letters equal to the upper-case ones.
// - A text that is a prefix of the other sorts first.
//
// For texts of ASCII bytes and half-width katakana this agreed with CompareStringA in the
// Japanese locale (as Wine implements it) on 200,000 random pairs.
//
// Limits: Windows treats the half-width sound marks (0xDE, 0xDF) as marks on the kana before
// them, orders kana by their sounds (hiragana after katakana of the same sound), ranks
// full-width Latin letters and digits next to their ASCII forms, and weighs widths at further
// levels; none of that is reproduced here. Two texts compare equal only when they differ at
// most in the case of letters and in zero bytes.
int PortableCompareText(std::string_view a, std::string_view b);
