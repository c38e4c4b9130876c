#include "TMenuItem.h"

#include "AccessKeys.h"
#include "CommandPool.h"
#include "Exception.h"
#include "Messages.h"
#include "ShortCuts.h"
#include "TFiler.h"
#include "TMenu.h"
#include "TReader.h"

#include <algorithm>

TPublishedTables TMenuItem::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TMenuItem::AutoHotkeys, &TMenuItem::SetAutoHotkeys>("AutoHotkeys"),
      PublishedProperty<&TMenuItem::AutoLineReduction, &TMenuItem::SetAutoLineReduction>(
          "AutoLineReduction"),
      PublishedProperty<&TMenuItem::Break, &TMenuItem::SetBreak>("Break"),
      PublishedProperty<&TMenuItem::Caption, &TMenuItem::SetCaption>("Caption"),
      PublishedProperty<&TMenuItem::Checked, &TMenuItem::SetChecked>("Checked"),
      PublishedProperty<&TMenuItem::Default, &TMenuItem::SetDefault>("Default"),
      PublishedProperty<&TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled"),
      PublishedProperty<&TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex>("GroupIndex"),
      PublishedProperty<&TMenuItem::HelpContext, &TMenuItem::SetHelpContext>("HelpContext"),
      PublishedProperty<&TMenuItem::Hint, &TMenuItem::SetHint>("Hint"),
      PublishedProperty<&TMenuItem::ImageIndex, &TMenuItem::SetImageIndex>("ImageIndex"),
      PublishedProperty<&TMenuItem::RadioItem, &TMenuItem::SetRadioItem>("RadioItem"),
      PublishedProperty<&TMenuItem::ShortCut, &TMenuItem::SetShortCut>("ShortCut"),
      PublishedProperty<&TMenuItem::Visible, &TMenuItem::SetVisible>("Visible"),
      PublishedProperty<&TMenuItem::OnClick>("OnClick"),
  };
  return {properties};
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(CommandPool::Take()) {}

TMenuItem::~TMenuItem() {
  dying_ = true;
  DetachFromParent();
  BreakMergeLinks();
  FreeSubItems();
  DestroyHandle();
  if (command_ != 0) {
    CommandPool::Release(command_);
  }
}

void TMenuItem::BeforeDestruction() {
  dying_ = true;
  TComponent::BeforeDestruction();
}

void TMenuItem::DetachFromParent() {
  if (!parent_) {
    return;
  }
  TMenuItem* parent = parent_;
  parent_ = nullptr;
  auto place = std::find(parent->items_.begin(), parent->items_.end(), this);
  parent->items_.erase(place);
  parent->SubItemChanged(nullptr, true);
  if (parent->items_.empty()) {
    parent->KindChanged();
  }
}

// An item that got its first sub-item or lost its last one is another kind of entry in its
// parent's native menu (one that opens a pop-up, or a command), so that menu is made again.
void TMenuItem::KindChanged() {
  if (parent_ && (parent_->handle_ || parent_->mergedInto_)) {
    Changed(true);
  }
}

// The menu this item is shown in drops its entries before the pop-ups they open are
// destroyed with the sub-items; an item merged into this one stays whole and shows nowhere.
void TMenuItem::BreakMergeLinks() {
  if (mergedInto_) {
    mergedInto_->MergeWith(nullptr);
  }
  if (merged_) {
    merged_->mergedInto_ = nullptr;
    merged_ = nullptr;
  }
}

void TMenuItem::MergeWith(TMenuItem* item) {
  if (merged_ == item) {
    return;
  }
  if (item && item->mergedInto_) {
    item->mergedInto_->MergeWith(nullptr);
  }
  if (merged_) {
    merged_->mergedInto_ = nullptr;
  }
  merged_ = item;
  if (item) {
    item->mergedInto_ = this;
  }
  SubItemChanged(nullptr, true);
}

bool TMenuItem::CanMerge(const TMenuItem* item) const {
  for (const TMenuItem* host = this; host; host = host->mergedInto_) {
    if (host == item) {
      return false;
    }
  }
  return true;
}

std::vector<TMenuItem*> TMenuItem::ShownItems() const {
  if (!merged_) {
    return items_;
  }
  std::vector<TMenuItem*> guests = merged_->ShownItems();
  std::vector<TMenuItem*> shown;
  shown.reserve(items_.size() + guests.size());
  auto own = items_.begin();
  auto guest = guests.begin();
  while (own != items_.end() || guest != guests.end()) {
    bool guestFirst = own == items_.end() ||
                      (guest != guests.end() && (*guest)->groupIndex_ < (*own)->groupIndex_);
    shown.push_back(guestFirst ? *guest++ : *own++);
  }
  return shown;
}

void TMenuItem::FreeSubItems() {
  while (!items_.empty()) {
    TMenuItem* item = items_.front();
    items_.erase(items_.begin());
    item->parent_ = nullptr;
    if (item->IsDestroying() || item->dying_) {
      continue;
    }
    item->Free();
  }
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw EMenuError(LoadMessage(Msg::MenuIndexError));
  }
  return items_[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto place = std::find(items_.begin(), items_.end(), item);
  return place == items_.end() ? -1 : static_cast<int>(place - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_) {
    throw EMenuError(LoadMessage(Msg::MenuReinserted));
  }
  if (index < 0 || index > Count()) {
    throw EMenuError(LoadMessage(Msg::MenuIndexError));
  }
  if (index > 0 && items_[static_cast<std::size_t>(index - 1)]->groupIndex_ > item->groupIndex_) {
    item->groupIndex_ = items_[static_cast<std::size_t>(index - 1)]->groupIndex_;
  }
  VerifyGroupIndex(index, item->groupIndex_);
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  SubItemChanged(item, true);
  if (items_.size() == 1) {
    KindChanged();
  }
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  SubItemChanged(nullptr, true);
  if (items_.empty()) {
    KindChanged();
  }
}

void TMenuItem::Remove(TMenuItem* item) {
  int index = IndexOf(item);
  if (index < 0) {
    throw EMenuError(LoadMessage(Msg::MenuNotFound));
  }
  Delete(index);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_) {
    item = item->parent_;
  }
  return item->menu_;
}

bool TMenuItem::IsMainMenuRoot() const { return !parent_ && menu_ && menu_->IsMainMenu(); }

bool TMenuItem::IsTopLevelOfMainMenu() const { return parent_ && parent_->IsMainMenuRoot(); }

// Changes made while the item is read from a resource wait until loading has finished.
bool TMenuItem::IsChanging() const { return IsReading() || IsLoading(); }

void TMenuItem::VerifyGroupIndex(int position, std::uint8_t value) {
  for (int i = 0; i < Count(); ++i) {
    TMenuItem* item = items_[static_cast<std::size_t>(i)];
    if (i < position && item->groupIndex_ > value) {
      throw EMenuError(LoadMessage(Msg::GroupIndexTooLow));
    }
    if (i >= position && item->groupIndex_ < value) {
      item->groupIndex_ = value;
    }
  }
}

void TMenuItem::Changed(bool rebuild) {
  if (IsChanging()) {
    changedWhileLoading_ = true;
    return;
  }
  if (parent_) {
    parent_->SubItemChanged(this, rebuild);
  } else if (menu_) {
    menu_->MenuChanged(menu_, nullptr, rebuild);
  }
}

void TMenuItem::SubItemChanged(TMenuItem* source, bool rebuild) {
  TMenu* menu = GetParentMenu();
  if (dying_ || IsDestroying() || (menu && menu->IsDestroying())) {
    return;
  }
  bool rootRemade = false;
  if (rebuild && IsMainMenuRoot()) {
    DestroyHandle();
    rootRemade = true;
  } else if (rebuild && handle_) {
    Rebuild();
  }
  if (rebuild && mergedInto_) {
    mergedInto_->SubItemChanged(source, true);
  }
  if (parent_) {
    parent_->SubItemChanged(source, false);
  } else if (menu_) {
    menu_->MenuChanged(menu_, rootRemade ? nullptr : source, rebuild);
  }
}

void TMenuItem::FinishLoading() {
  TComponent::FinishLoading();
  if (changedWhileLoading_) {
    changedWhileLoading_ = false;
    Changed(true);
  }
}

void TMenuItem::AttachParent(TComponent* parent) {
  TMenuItem* target = nullptr;
  if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    target = menu->Items();
  } else {
    target = dynamic_cast<TMenuItem*>(parent);
  }
  if (!target || target == parent_) {
    return;
  }
  if (parent_) {
    parent_->Remove(this);
  }
  target->Add(this);
}

void TMenuItem::DeclareExtraProperties(TFiler& filer) {
  TComponent::DeclareExtraProperties(filer);
  filer.OfferProperty("ShortCutText", [this](TReader& reader) {
    SetShortCut(TextToShortCut(reader.ReadString()));
  });
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) {
    OnClick(this);
  }
}

TMenuItem* TMenuItem::FindByCommand(WORD command) {
  if (command_ == command && parent_) {
    return this;
  }
  for (TMenuItem* item : ShownItems()) {
    if (TMenuItem* found = item->FindByCommand(command)) {
      return found;
    }
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindByHandle(HMENU menu) {
  if (handle_ && handle_ == menu) {
    return this;
  }
  for (TMenuItem* item : ShownItems()) {
    if (TMenuItem* found = item->FindByHandle(menu)) {
      return found;
    }
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindByShortCut(TShortCut shortCut) {
  if (shortCut == scNone) {
    return nullptr;
  }
  if (shortCut_ == shortCut && parent_) {
    return this;
  }
  for (TMenuItem* item : ShownItems()) {
    if (TMenuItem* found = item->FindByShortCut(shortCut)) {
      return found;
    }
  }
  return nullptr;
}

bool TMenuItem::EffectiveAutoHotkeys() const {
  if (autoHotkeys_ == maParent) {
    return parent_ ? parent_->EffectiveAutoHotkeys() : true;
  }
  return autoHotkeys_ == maAutomatic;
}

bool TMenuItem::EffectiveAutoLineReduction() const {
  if (autoLineReduction_ == maParent) {
    return parent_ ? parent_->EffectiveAutoLineReduction() : true;
  }
  return autoLineReduction_ == maAutomatic;
}

bool TMenuItem::RethinkHotkeys() {
  if (!EffectiveAutoHotkeys() || IsDesigning()) {
    return false;
  }
  std::vector<String*> captions;
  for (TMenuItem* item : items_) {
    if (item->visible_ && !item->IsLine() && !item->caption_.empty()) {
      captions.push_back(&item->caption_);
    }
  }
  return RethinkAccessKeys(captions, IsFarEastLocale());
}

bool TMenuItem::RethinkLines() {
  if (!EffectiveAutoLineReduction() || IsDesigning()) {
    return false;
  }
  bool changed = false;
  auto show = [&changed](TMenuItem* item, bool visible) {
    if (item->visible_ != visible) {
      item->visible_ = visible;
      changed = true;
    }
  };
  bool seenEntry = false;
  TMenuItem* lastLine = nullptr;
  for (TMenuItem* item : items_) {
    if (item->IsLine()) {
      if (lastLine) {
        show(lastLine, false);
      }
      lastLine = seenEntry ? item : nullptr;
      if (!seenEntry) {
        show(item, false);
      }
    } else if (item->visible_) {
      if (lastLine) {
        show(lastLine, true);
        lastLine = nullptr;
      }
      seenEntry = true;
    }
  }
  if (lastLine) {
    show(lastLine, false);
  }
  return changed;
}
