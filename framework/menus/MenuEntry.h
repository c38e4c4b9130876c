#pragma once

#include "MenuTypes.h"
#include "String.h"

#include <windows.h>

// One entry as a native menu shows it: what an item hands to the window system when its
// parent's native menu is filled.
struct TMenuEntry {
  // The caption, with a tab and the shortcut's text after it where the entry shows one; an
  // entry that opens a pop-up shows its bare caption.
  String text;
  bool separator = false;
  bool radioItem = false;
  bool checked = false;
  bool enabled = true;
  bool isDefault = false;
  TMenuBreak menuBreak = mbNone;
  WORD command = 0;
  // The pop-up the entry opens, if any; it takes the place of the command.
  HMENU subMenu = nullptr;
};

// Appends entry at the end of menu: with InsertMenuItemA on systems with the new-style shell,
// with InsertMenuA on older ones (which know no radio marks and no default entry). False
// when the window system refused.
bool AppendMenuEntry(HMENU menu, const TMenuEntry& entry, bool newStyle);
