#include "TMenuItem.h"

namespace {

// The flags of the system's check and enable calls, which the headers give as long.
constexpr UINT CheckFlags(bool checked) {
  return static_cast<UINT>(MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

constexpr UINT EnableFlags(bool enabled) {
  return static_cast<UINT>(MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
}

} // namespace

// The property writes of a menu item. A write of the current value does nothing; the others
// store the value and either patch the native menu in place or have it rebuilt.

void TMenuItem::SetCaption(const String& value) {
  if (caption_ != value) {
    caption_ = value;
    Changed(true);
  }
}

void TMenuItem::SetBreak(TMenuBreak value) {
  if (break_ != value) {
    break_ = value;
    Changed(true);
  }
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (shortCut_ != value) {
    shortCut_ = value;
    Changed(true);
  }
}

void TMenuItem::SetVisible(bool value) {
  if (visible_ != value) {
    visible_ = value;
    Changed(true);
  }
}

void TMenuItem::SetImageIndex(int value) {
  if (imageIndex_ != value) {
    imageIndex_ = value;
    Changed(true);
  }
}

void TMenuItem::SetAutoHotkeys(TMenuItemAutoFlag value) {
  if (autoHotkeys_ != value) {
    autoHotkeys_ = value;
    Changed(true);
  }
}

void TMenuItem::SetAutoLineReduction(TMenuItemAutoFlag value) {
  if (autoLineReduction_ != value) {
    autoLineReduction_ = value;
    Changed(true);
  }
}

void TMenuItem::SetRadioItem(bool value) {
  if (radioItem_ != value) {
    radioItem_ = value;
    Changed(true);
  }
}

void TMenuItem::SetDefault(bool value) {
  if (default_ == value) {
    return;
  }
  if (value && parent_) {
    for (TMenuItem* sibling : parent_->items_) {
      sibling->default_ = false;
    }
  }
  default_ = value;
  Changed(true);
}

bool TMenuItem::PatchesInPlace() const { return !parent_ || !parent_->mergedInto_; }

// The check mark is patched in the parent's native menu; nothing is rebuilt and nobody is
// told. A radio item that becomes checked unchecks the radio items of its group.
void TMenuItem::SetChecked(bool value) {
  if (checked_ == value) {
    return;
  }
  checked_ = value;
  if (!PatchesInPlace()) {
    Changed(true);
  } else if (parent_ && parent_->handle_ && !IsChanging()) {
    CheckMenuItem(parent_->handle_, command_, CheckFlags(value));
  }
  if (value && radioItem_) {
    UncheckRadioSiblings();
  }
}

void TMenuItem::UncheckRadioSiblings() {
  if (!parent_) {
    return;
  }
  for (TMenuItem* sibling : parent_->items_) {
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) {
      sibling->SetChecked(false);
    }
  }
}

// An entry with a command is grayed in place. An entry that opens a pop-up has the pop-up's
// handle in place of a command, so it is rebuilt instead, as is a merged one.
void TMenuItem::SetEnabled(bool value) {
  if (enabled_ == value) {
    return;
  }
  enabled_ = value;
  if (!items_.empty() || !PatchesInPlace()) {
    Changed(true);
    return;
  }
  if (parent_ && parent_->handle_ && !IsChanging()) {
    EnableMenuItem(parent_->handle_, command_, EnableFlags(value));
  }
  Changed(false);
}

// The group index orders nothing in a menu of its own; where two menus are merged it places
// the entry among the other menu's, so the shown menu is made again.
void TMenuItem::SetGroupIndex(std::uint8_t value) {
  if (groupIndex_ == value) {
    return;
  }
  if (parent_) {
    parent_->VerifyGroupIndex(parent_->IndexOf(this), value);
  }
  groupIndex_ = value;
  if (checked_ && radioItem_) {
    UncheckRadioSiblings();
  }
  if (parent_ && (parent_->merged_ || parent_->mergedInto_)) {
    Changed(true);
  }
}
