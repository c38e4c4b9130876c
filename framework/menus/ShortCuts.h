#pragma once

#include "MenuTypes.h"
#include "String.h"

#include <windows.h>

// The shortcut of key with the given modifiers.
constexpr TShortCut MakeShortCut(WORD key, bool shift, bool ctrl, bool alt) {
  return static_cast<TShortCut>((key & 0xFF) | (shift ? scShift : 0) | (ctrl ? scCtrl : 0) |
                                (alt ? scAlt : 0));
}

// The text a menu shows for a shortcut: "Shift+", "Ctrl+", "Alt+" as they apply, then the
// key's name ("Enter", "F5", "A", ...; the window system names the keys without a name of
// our own). Empty when the key has no name.
String ShortCutToText(TShortCut shortCut);

// The shortcut a text names: prefixes in any order and case ("^" stands for "Ctrl+"), then
// the name of a key as ShortCutToText writes it. 0 when the text names no key.
TShortCut TextToShortCut(const String& text);

// The shortcut of a key message: its key with Shift and Ctrl as they are held now and Alt
// as the message says.
TShortCut ShortCutOfKey(WORD key, bool altDown);
