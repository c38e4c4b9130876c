#pragma once

#include "MenuTypes.h"
#include "Published.h"
#include "String.h"
#include "TComponent.h"

#include <windows.h>

#include <vector>

class TMenu;

// One entry of a menu, and the node of the menu's tree: an item with sub-items owns a native
// menu of the window system, made from the tree when someone asks for its handle and made
// again when the tree changes. Every item has a command identifier of its own (the lowest
// free one when it was made), which WM_COMMAND brings back when the user chooses it.
//
// A change of an item goes up the tree: its parent rebuilds its native menu when the change
// needs it and tells its own parent, up to the menu component, which redraws the menu bar
// only when the bar's image changed. Checked and most Enabled changes patch the native menu
// in place and rebuild nothing.
//
// Another item's sub-items can be merged into an item (the root of a form's menu into the
// root of the main form's menu): the native menu then shows both lists together, ordered by
// GroupIndex, an own entry before a merged one of the same group; the lookups by command,
// native menu and shortcut search the merged items too.
class TMenuItem : public TComponent {
public:
  SORVANE_CLASS(TMenuItem, TComponent)
  SORVANE_PUBLISHED

  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // The tree. Indexed access and deletion outside the sub-items, inserting an item that
  // already has a parent and removing an item that is not a sub-item raise EMenuError.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  int IndexOf(const TMenuItem* item) const;
  void Insert(int index, TMenuItem* item);
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Delete(int index);
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }
  // The sub-items in the order the native menu shows them: the own ones, with those of a
  // merged item (and of an item merged into that one) placed among them by GroupIndex.
  std::vector<TMenuItem*> ShownItems() const;
  // The item whose sub-items are merged into this one's, and the item this one is merged
  // into; none when there is none.
  TMenuItem* Merged() const { return merged_; }
  TMenuItem* MergedInto() const { return mergedInto_; }
  // The menu component at the root of the tree, if any.
  TMenu* GetParentMenu() const;

  // The native menu of the sub-items, made and filled on first demand.
  HMENU Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  WORD Command() const { return command_; }

  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  std::uint8_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(std::uint8_t value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TMenuItemAutoFlag AutoHotkeys() const { return autoHotkeys_; }
  void SetAutoHotkeys(TMenuItemAutoFlag value);
  TMenuItemAutoFlag AutoLineReduction() const { return autoLineReduction_; }
  void SetAutoLineReduction(TMenuItemAutoFlag value);
  const String& Hint() const { return hint_; }
  void SetHint(const String& value) { hint_ = value; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }

  // A separator line: the caption is exactly "-".
  bool IsLine() const { return caption_ == "-"; }
  // Whether access keys and separator lines of the sub-items are looked after by the
  // menu itself (maParent follows the parent; the root of a menu is automatic).
  bool EffectiveAutoHotkeys() const;
  bool EffectiveAutoLineReduction() const;
  // Gives the visible sub-items distinct access keys; true when any needed one.
  bool RethinkHotkeys();
  // Hides separator lines that separate nothing; true when any changed.
  bool RethinkLines();

  // Calls OnClick when the item is enabled.
  virtual void Click();
  TNotifyEvent OnClick;

  // The item of that command, native menu or shortcut in this item's tree (itself
  // included), depth first; none when there is none.
  TMenuItem* FindByCommand(WORD command);
  TMenuItem* FindByHandle(HMENU menu);
  TMenuItem* FindByShortCut(TShortCut shortCut);

  // The loader adds an item to the item or menu it was read inside.
  void AttachParent(TComponent* parent) override;
  void FinishLoading() override;
  void DeclareExtraProperties(TFiler& filer) override;

protected:
  void BeforeDestruction() override;

private:
  friend class TMenu;

  // Tells the parent (or the menu, at the root) that this item changed.
  void Changed(bool rebuild);
  void SubItemChanged(TMenuItem* source, bool rebuild);
  // The root item of a menu component's tree: its change goes to the menu.
  void SetMenuComponent(TMenu* menu) { menu_ = menu; }
  bool IsMainMenuRoot() const;
  bool IsTopLevelOfMainMenu() const;
  bool IsChanging() const;
  void VerifyGroupIndex(int position, std::uint8_t value);
  void UncheckRadioSiblings();
  void DetachFromParent();
  void KindChanged();
  void FreeSubItems();
  // Shows item's sub-items among this item's own, taking it out of another item it was
  // merged into; none takes the merged item out. The native menu is rebuilt.
  void MergeWith(TMenuItem* item);
  // Whether item can be merged into this one: not itself, nor an item this one is merged
  // into (directly or through others), which would show itself inside itself.
  bool CanMerge(const TMenuItem* item) const;
  void BreakMergeLinks();

  // Native menus (TMenuItemNative.cpp).
  void Populate();
  void AppendTo(HMENU menu);
  // Checked and Enabled are patched in the parent's native menu, unless the parent's
  // entries are shown merged into another menu, which is then rebuilt.
  bool PatchesInPlace() const;
  void Rebuild();
  void DestroyHandle();

  TMenuItem* parent_ = nullptr;
  TMenuItem* merged_ = nullptr;
  TMenuItem* mergedInto_ = nullptr;
  TMenu* menu_ = nullptr;
  std::vector<TMenuItem*> items_;
  HMENU handle_ = nullptr;
  WORD command_ = 0;
  String caption_;
  String hint_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  bool radioItem_ = false;
  bool changedWhileLoading_ = false;
  bool dying_ = false;
  TMenuBreak break_ = mbNone;
  std::uint8_t groupIndex_ = 0;
  TShortCut shortCut_ = scNone;
  int imageIndex_ = -1;
  int helpContext_ = 0;
  TMenuItemAutoFlag autoHotkeys_ = maParent;
  TMenuItemAutoFlag autoLineReduction_ = maParent;
};
