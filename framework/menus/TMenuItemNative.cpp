#include "TMenuItem.h"

#include "Exception.h"
#include "MenuEntry.h"
#include "Messages.h"
#include "ShellStyle.h"
#include "ShortCuts.h"
#include "TMenu.h"

// The native menus of the tree: made on demand, filled from the sub-items, emptied and
// filled again when the tree changes.

namespace {

[[noreturn]] void ThrowNoResources() { throw EMenuError(LoadMessage(Msg::OutOfSystemResources)); }

// Takes every entry out of menu without destroying the pop-ups they open.
void RemoveEntries(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) {
    if (!RemoveMenu(menu, 0, MF_BYPOSITION)) {
      break;
    }
  }
}

} // namespace

HMENU TMenuItem::Handle() {
  if (!handle_) {
    TMenu* menu = GetParentMenu();
    handle_ = menu && menu->IsPopup() ? CreatePopupMenu() : CreateMenu();
    if (!handle_) {
      ThrowNoResources();
    }
    Populate();
  }
  return handle_;
}

// A merged menu's own entries get their access keys and lines among themselves, as on a bar
// of their own; they do not take keys from the entries they are shown beside.
void TMenuItem::Populate() {
  if (IsMainMenuRoot()) {
    for (TMenuItem* level = this; level; level = level->merged_) {
      level->RethinkHotkeys();
      level->RethinkLines();
    }
  }
  for (TMenuItem* item : ShownItems()) {
    item->AppendTo(handle_);
  }
}

void TMenuItem::AppendTo(HMENU menu) {
  if (!visible_) {
    return;
  }
  TMenuEntry entry;
  entry.text = caption_;
  if (items_.empty() && shortCut_ != scNone && !IsTopLevelOfMainMenu()) {
    String keys = ShortCutToText(shortCut_);
    if (!keys.empty()) {
      entry.text += "\t" + keys;
    }
  }
  entry.separator = IsLine();
  entry.radioItem = radioItem_;
  entry.checked = checked_;
  entry.enabled = enabled_;
  entry.isDefault = default_;
  entry.menuBreak = break_;
  entry.command = command_;
  entry.subMenu = items_.empty() ? nullptr : Handle();
  if (!AppendMenuEntry(menu, entry, NewStyleControls())) {
    ThrowNoResources();
  }
}

void TMenuItem::Rebuild() {
  RemoveEntries(handle_);
  Populate();
}

void TMenuItem::DestroyHandle() {
  if (!handle_) {
    return;
  }
  RemoveEntries(handle_);
  DestroyMenu(handle_);
  handle_ = nullptr;
}
