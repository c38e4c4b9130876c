#pragma once

#include "MenuTypes.h"
#include "MessageRecords.h"
#include "Published.h"
#include "TComponent.h"
#include "TMenuItem.h"

#include <windows.h>

// A menu component: an invisible root item whose sub-items are the menu's entries, the
// window the menu serves, and what the window's menu messages need: finding the item of a
// command, of a native menu or of a shortcut, clicking it, preparing a pop-up that opens,
// and matching a typed character no access key took.
class TMenu : public TComponent {
public:
  SORVANE_CLASS(TMenu, TComponent)
  SORVANE_PUBLISHED

  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_; }
  // The native menu of the top level, made on first demand.
  HMENU Handle() { return items_->Handle(); }
  // The window the menu is attached to, if any. Setting it refreshes the menu image.
  HWND WindowHandle() const { return window_; }
  void SetWindowHandle(HWND window);
  // One line per entry of the top level: its text, "$" when disabled, "@" when it starts a
  // column, "#" when grayed, then ";". The bar is redrawn only when this changes.
  const String& Image() const { return image_; }

  // Shows the entries of menu among this menu's own (the main form's bar shows those of the
  // active form's menu): ordered by GroupIndex, an own entry before a merged one of the
  // same group. One menu is merged at a time; a menu merged elsewhere moves here. Merging a
  // menu into itself, or into a menu that is merged into it, is refused (false). None takes
  // the merged menu out.
  bool Merge(TMenu* menu);
  // Takes menu out of this menu when it is the one merged into it.
  void Unmerge(TMenu* menu);
  // The menu merged into this one, and the menu this one is merged into; none when none.
  TMenu* Merged() const;
  TMenu* MergedInto() const;

  virtual bool IsMainMenu() const { return false; }
  virtual bool IsPopup() const { return false; }

  TMenuItem* FindItem(WORD command) const { return items_->FindByCommand(command); }
  TMenuItem* FindItemByHandle(HMENU menu) const { return items_->FindByHandle(menu); }
  TMenuItem* FindItemByShortCut(TShortCut shortCut) const;

  // A command of WM_COMMAND: clicks its item; false when no item has it.
  bool DispatchCommand(WORD command);
  // WM_INITMENUPOPUP: clicks the item whose pop-up opens, gives its entries access keys and
  // drops needless lines; false when the pop-up is not this menu's.
  bool DispatchPopup(HMENU menu);
  // A key down: clicks the item with that shortcut, and the items above it on the way, as
  // opening the pop-ups would; true when an item has the shortcut.
  bool IsShortCut(TWMKey& message);
  // WM_MENUCHAR: sets the result and gives true, or false for default processing.
  bool ProcessMenuChar(TWMMenuChar& message);

  TMenuChangeEvent OnChange;

  void FinishLoading() override;

protected:
  friend class TMenuItem;

  // A change of the tree reached the menu; Source is none when the whole menu changed.
  virtual void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild);
  // Rebuilds the image and redraws the bar when it differs; a menu without a bar of its own
  // has an empty image.
  void UpdateImage();
  // Whether the top level is a bar of its own on the menu's window.
  virtual bool ShowsOwnBar() const { return true; }

private:
  String BuildImage();
  TMenuItem* EntryAt(TMenuItem* parent, HMENU menu, int position) const;
  bool ClickPath(TMenuItem* item, int changesBefore);

  TMenuItem* items_;
  HWND window_ = nullptr;
  String image_;
  // Counts the changes of the tree, so a shortcut's clicks can tell that the menu moved.
  int changes_ = 0;
};
