#include "TMenu.h"

#include "ScopeGuard.h"
#include "ShortCuts.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t imageLimit = 512;

// How often a shortcut's lookup is repeated while the clicks on its way change the menu.
constexpr int shortCutRounds = 8;

// The items whose shortcut is being carried out, so that a click that sends the same key
// again does not run the item a second time.
std::vector<TMenuItem*>& PressedShortCuts() {
  static std::vector<TMenuItem*> items;
  return items;
}

} // namespace

TPublishedTables TMenu::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TMenu::Items>("Items"),
  };
  return {properties};
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {
  items_->SetMenuComponent(this);
  items_->autoHotkeys_ = maAutomatic;
  items_->autoLineReduction_ = maAutomatic;
}

TMenu::~TMenu() {
  window_ = nullptr;
  items_->Free();
}

bool TMenu::Merge(TMenu* menu) {
  TMenuItem* guest = menu ? menu->items_ : nullptr;
  if (guest && !items_->CanMerge(guest)) {
    return false;
  }
  items_->MergeWith(guest);
  return true;
}

void TMenu::Unmerge(TMenu* menu) {
  if (menu && items_->Merged() == menu->items_) {
    items_->MergeWith(nullptr);
  }
}

TMenu* TMenu::Merged() const {
  return items_->Merged() ? items_->Merged()->GetParentMenu() : nullptr;
}

TMenu* TMenu::MergedInto() const {
  return items_->MergedInto() ? items_->MergedInto()->GetParentMenu() : nullptr;
}

void TMenu::FinishLoading() {
  TComponent::FinishLoading();
  if (OnChange) {
    OnChange(this, nullptr, false);
  }
}

void TMenu::SetWindowHandle(HWND window) {
  window_ = window;
  if (window_) {
    UpdateImage();
  }
}

// A change of a merged menu is a change of the menus it is shown in too: a shortcut being
// carried out through the host looks its item up again.
void TMenu::MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) {
  for (TMenu* menu = this; menu; menu = menu->MergedInto()) {
    ++menu->changes_;
  }
  if (!IsLoading() && !IsDestroying() && OnChange) {
    OnChange(sender, source, rebuild);
  }
}

String TMenu::BuildImage() {
  HMENU bar = Handle();
  String image;
  int count = GetMenuItemCount(bar);
  for (int position = 0; position < count && image.size() < imageLimit; ++position) {
    char text[imageLimit] = {};
    GetMenuStringA(bar, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    UINT state = GetMenuState(bar, static_cast<UINT>(position), MF_BYPOSITION);
    image += text;
    if (state & MF_DISABLED) {
      image += '$';
    }
    if (state & MF_MENUBREAK) {
      image += '@';
    }
    if (state & MF_GRAYED) {
      image += '#';
    }
    image += ';';
  }
  if (image.size() > imageLimit) {
    image.resize(imageLimit);
  }
  return image;
}

void TMenu::UpdateImage() {
  if (!ShowsOwnBar()) {
    image_.clear();
    return;
  }
  String image = BuildImage();
  if (image != image_) {
    image_ = image;
    if (window_) {
      DrawMenuBar(window_);
    }
  }
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const {
  return items_->FindByShortCut(shortCut);
}

// A separator line has a command of its own but is never chosen; a command that names one
// (sent by a program, not by the menu) is taken and runs nothing.
bool TMenu::DispatchCommand(WORD command) {
  TMenuItem* item = FindItem(command);
  if (!item) {
    return false;
  }
  if (!item->IsLine()) {
    item->Click();
  }
  return true;
}

bool TMenu::DispatchPopup(HMENU menu) {
  TMenuItem* item = FindItemByHandle(menu);
  if (!item) {
    return false;
  }
  if (item->Parent()) {
    item->Click();
  }
  bool keysChanged = item->RethinkHotkeys();
  bool linesChanged = item->RethinkLines();
  if ((keysChanged || linesChanged) && item->HandleAllocated()) {
    item->Rebuild();
  }
  return true;
}

bool TMenu::IsShortCut(TWMKey& message) {
  TShortCut shortCut = ShortCutOfKey(message.CharCode(), message.AltDown());
  TMenuItem* item = FindItemByShortCut(shortCut);
  if (!item) {
    return false;
  }
  for (int round = 0; round < shortCutRounds && item; ++round) {
    if (ClickPath(item, changes_)) {
      return true;
    }
    item = FindItemByShortCut(shortCut);
  }
  return true;
}

// Clicks the enabled items from the top level down to item; false when a click changed the
// menu on the way, so that the shortcut is to be looked up again.
bool TMenu::ClickPath(TMenuItem* item, int changesBefore) {
  std::vector<TMenuItem*> path;
  for (TMenuItem* step = item; step && step->Parent(); step = step->Parent()) {
    path.push_back(step);
  }
  std::reverse(path.begin(), path.end());
  std::vector<TMenuItem*>& pressed = PressedShortCuts();
  for (TMenuItem* step : path) {
    if (!step->Enabled()) {
      return true;
    }
    if (step == item) {
      if (std::find(pressed.begin(), pressed.end(), item) != pressed.end()) {
        return true;
      }
      pressed.push_back(item);
      TScopeGuard leave([&pressed] { pressed.pop_back(); });
      item->Click();
      return true;
    }
    step->Click();
    if (changes_ != changesBefore) {
      return false;
    }
  }
  return true;
}
