#include "MenuEntry.h"

#include <cstddef>

namespace {

// The record as it was before the item bitmap was added: the fields a menu item of this
// framework sets, at the size every version of the system accepts.
constexpr UINT menuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);
constexpr UINT menuItemInfoMask =
    MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;

// The type bit of a column break; the old flags MF_MENUBREAK and MF_MENUBARBREAK have the
// same values.
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

// InsertMenuItemA, at the end (position -1).
bool InsertExtended(HMENU menu, const TMenuEntry& entry) {
  String text = entry.text;
  MENUITEMINFOA info{};
  info.cbSize = menuItemInfoSize;
  info.fMask = menuItemInfoMask;
  info.fType = (entry.separator ? MFT_SEPARATOR : MFT_STRING) |
               (entry.radioItem ? MFT_RADIOCHECK : 0) | BreakType(entry.menuBreak);
  info.fState = (entry.checked ? MFS_CHECKED : 0) | (entry.enabled ? 0 : MFS_GRAYED) |
                (entry.isDefault ? MFS_DEFAULT : 0);
  info.wID = entry.command;
  info.hSubMenu = entry.subMenu;
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(text.size());
  return InsertMenuItemA(menu, static_cast<UINT>(-1), TRUE, &info) != FALSE;
}

// InsertMenuA, at the end (position -1), for systems before the new shell.
bool InsertPlain(HMENU menu, const TMenuEntry& entry) {
  UINT flags = MF_BYPOSITION | BreakType(entry.menuBreak);
  if (entry.separator) {
    flags |= MF_SEPARATOR;
  }
  if (entry.checked) {
    flags |= MF_CHECKED;
  }
  if (!entry.enabled) {
    flags |= MF_GRAYED | MF_DISABLED;
  }
  UINT_PTR idOrMenu = entry.command;
  if (entry.subMenu) {
    flags |= MF_POPUP;
    idOrMenu = reinterpret_cast<UINT_PTR>(entry.subMenu);
  }
  return InsertMenuA(menu, static_cast<UINT>(-1), flags, idOrMenu, entry.text.c_str()) != FALSE;
}

} // namespace

bool AppendMenuEntry(HMENU menu, const TMenuEntry& entry, bool newStyle) {
  return newStyle ? InsertExtended(menu, entry) : InsertPlain(menu, entry);
}
