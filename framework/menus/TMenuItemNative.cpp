#include "TMenuItem.h"

#include "Exception.h"
#include "Messages.h"
#include "ShortCuts.h"
#include "TMenu.h"

#include <cstddef>

// The native menus of the tree: made on demand, filled from the sub-items, emptied and
// filled again when the tree changes.

namespace {

// The record as it was before the item bitmap was added: the fields a menu item of this
// framework sets, at the size every version of the system accepts.
constexpr UINT menuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);
constexpr UINT menuItemInfoMask =
    MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;

UINT BreakType(TMenuBreak value) {
  switch (value) {
  case mbBreak:
    return MFT_MENUBREAK;
  case mbBarBreak:
    return MFT_MENUBARBREAK;
  case mbNone:
    break;
  }
  return 0;
}

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

void TMenuItem::Populate() {
  if (IsMainMenuRoot()) {
    RethinkHotkeys();
    RethinkLines();
  }
  for (TMenuItem* item : items_) {
    item->AppendTo(handle_);
  }
}

void TMenuItem::AppendTo(HMENU menu) {
  if (!visible_) {
    return;
  }
  String text = caption_;
  if (items_.empty() && shortCut_ != scNone && !IsTopLevelOfMainMenu()) {
    String keys = ShortCutToText(shortCut_);
    if (!keys.empty()) {
      text += "\t" + keys;
    }
  }
  MENUITEMINFOA info{};
  info.cbSize = menuItemInfoSize;
  info.fMask = menuItemInfoMask;
  info.fType = (IsLine() ? MFT_SEPARATOR : MFT_STRING) | (radioItem_ ? MFT_RADIOCHECK : 0) |
               BreakType(break_);
  info.fState =
      (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_GRAYED) | (default_ ? MFS_DEFAULT : 0);
  info.wID = command_;
  info.hSubMenu = items_.empty() ? nullptr : Handle();
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(text.size());
  if (!InsertMenuItemA(menu, static_cast<UINT>(-1), TRUE, &info)) {
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
