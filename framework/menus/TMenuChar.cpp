#include "AccessKeys.h"
#include "AsciiCase.h"
#include "TMenu.h"

#include <vector>

// WM_MENUCHAR: the user typed a character that matched no access key the window system
// knows of in the open menu; the menu looks for it among its own entries.

namespace {

// The entries of the open menu that take the typed character: the enabled ones by position,
// and whether a disabled one took it (which only closes the menu).
struct TCharMatches {
  std::vector<int> positions;
  bool disabledMatch = false;

  void Add(const TMenuItem& item, int position) {
    if (item.Enabled()) {
      positions.push_back(position);
    } else {
      disabledMatch = true;
    }
  }
};

bool StartsWith(const String& caption, char typed) {
  return !caption.empty() && AsciiUpper(caption.front()) == AsciiUpper(typed);
}

// Of several matches, the one after the highlighted entry, else the first.
int ChooseMatch(HMENU menu, const std::vector<int>& positions) {
  int highlighted = -1;
  for (int position : positions) {
    if (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) {
      highlighted = position;
    }
  }
  for (int position : positions) {
    if (position > highlighted && highlighted >= 0) {
      return position;
    }
  }
  return positions.front();
}

} // namespace

TMenuItem* TMenu::EntryAt(TMenuItem* parent, HMENU menu, int position) const {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_SUBMENU;
  if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
    return nullptr;
  }
  if (info.hSubMenu) {
    return parent->FindByHandle(info.hSubMenu);
  }
  for (TMenuItem* item : parent->ShownItems()) {
    if (item->Command() == info.wID) {
      return item;
    }
  }
  return nullptr;
}

bool TMenu::ProcessMenuChar(TWMMenuChar& message) {
  HMENU menu = message.Menu();
  TMenuItem* parent = FindItemByHandle(menu);
  if (!parent) {
    return false;
  }
  char typed = message.User();
  int count = GetMenuItemCount(menu);
  TCharMatches matches;
  for (int position = 0; position < count; ++position) {
    TMenuItem* item = EntryAt(parent, menu, position);
    char key = item ? AccessKeyOf(item->Caption()) : 0;
    if (key != 0 && AsciiUpper(key) == AsciiUpper(typed)) {
      matches.Add(*item, position);
    }
  }
  if (matches.positions.empty()) {
    for (int position = 0; position < count; ++position) {
      TMenuItem* item = EntryAt(parent, menu, position);
      if (item && AccessKeyOf(item->Caption()) == 0 && StartsWith(item->Caption(), typed)) {
        matches.Add(*item, position);
      }
    }
  }
  if (matches.positions.size() == 1) {
    message.SetResult(MAKELRESULT(matches.positions.front(), MNC_EXECUTE));
  } else if (!matches.positions.empty()) {
    message.SetResult(MAKELRESULT(ChooseMatch(menu, matches.positions), MNC_SELECT));
  } else if (matches.disabledMatch) {
    message.SetResult(MAKELRESULT(0, MNC_CLOSE));
  } else {
    return false;
  }
  return true;
}
