#include "TCustomForm.h"

#include "Format.h"
#include "Messages.h"
#include "TApplication.h"
#include "TForm.h"
#include "TScreen.h"

// The form's menu bar: attaching the main menu to the window, and the menu messages the
// window receives.

namespace {

// WM_MENUSELECT with these flags and no menu: the menu closed.
constexpr UINT menuClosedFlags = 0xFFFF;

bool UsedElsewhere(const TMainMenu* menu, const TCustomForm* form) {
  if (!Screen) {
    return false;
  }
  for (int i = 0; i < Screen->CustomFormCount(); ++i) {
    TCustomForm* other = Screen->CustomForms(i);
    if (other != form && other->Menu() == menu) {
      return true;
    }
  }
  return false;
}

// The item a WM_MENUSELECT highlights: by command, or by its pop-up for an entry that opens
// one; none when the menu closed.
TMenuItem* SelectedItem(const TMainMenu& menu, const TWMMenuSelect& message) {
  if (message.MenuFlag() == menuClosedFlags && !message.Menu()) {
    return nullptr;
  }
  if (message.MenuFlag() & MF_POPUP) {
    return menu.FindItemByHandle(GetSubMenu(message.Menu(), static_cast<int>(message.IDItem())));
  }
  return menu.FindItem(static_cast<WORD>(message.IDItem()));
}

} // namespace

void TCustomForm::SetMenu(TMainMenu* value) {
  if (value == menu_) {
    return;
  }
  if (value && UsedElsewhere(value, this)) {
    throw EInvalidOperation(Format(LoadMessage(Msg::MenuAlreadyUsed), {value->Name()}));
  }
  TMenu* guest = nullptr;
  if (menu_) {
    UnmergeMenu();
    menu_->SetWindowHandle(nullptr);
    guest = TakeMergedMenu();
  }
  menu_ = value;
  if (value) {
    value->FreeNotification(this);
  }
  AttachMenu();
  if (guest && value) {
    value->Merge(guest);
  }
}

// The main form's bar shows the active form's merged menu; when the main form gets another
// menu, the merged one moves to it.
TMenu* TCustomForm::TakeMergedMenu() {
  TMenu* guest = menu_->Merged();
  if (!guest || !Application || Application->MainForm() != this) {
    return nullptr;
  }
  menu_->Unmerge(guest);
  return guest;
}

bool TCustomForm::HasMenuBar() const {
  return menu_ && borderStyle_ != bsDialog && formStyle_ != fsMDIChild && !menu_->AutoMerge() &&
         !Parent() && !ParentWindow();
}

void TCustomForm::AttachMenu() {
  if (!HandleAllocated()) {
    return;
  }
  if (HasMenuBar()) {
    HMENU bar = menu_->Handle();
    if (GetMenu(Handle()) != bar) {
      ::SetMenu(Handle(), bar);
    }
    menu_->SetWindowHandle(Handle());
  } else {
    if (GetMenu(Handle())) {
      ::SetMenu(Handle(), nullptr);
    }
    if (menu_) {
      menu_->SetWindowHandle(menu_->AutoMerge() ? Handle() : nullptr);
    }
  }
  if (active_) {
    MergeMenu();
  }
}

void TCustomForm::MergeMenu() {
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  if (menu_ && menu_->AutoMerge() && main && main != this && main->Menu()) {
    main->Menu()->Merge(menu_);
  }
}

void TCustomForm::UnmergeMenu() {
  if (TMenu* host = menu_ ? menu_->MergedInto() : nullptr) {
    host->Unmerge(menu_);
  }
}

// The window takes its menu with it when it goes; the menu outlives it, so it is taken off
// first.
void TCustomForm::DestroyWnd() {
  if (GetMenu(Handle())) {
    ::SetMenu(Handle(), nullptr);
  }
  if (menu_) {
    menu_->SetWindowHandle(nullptr);
  }
  TScrollingWinControl::DestroyWnd();
}

void TCustomForm::ComponentNotice(TComponent* component, TOperation operation) {
  TScrollingWinControl::ComponentNotice(component, operation);
  if (operation == opRemove && component && component == menu_) {
    SetMenu(nullptr);
  }
}

bool TCustomForm::MenuCommand(TWMCommand& message) {
  return menu_ && menu_->DispatchCommand(message.ItemID());
}

bool TCustomForm::MenuShortCut(TWMKey& message) {
  return menu_ && !menu_->AutoMerge() && menu_->WindowHandle() && menu_->IsShortCut(message);
}

void TCustomForm::WMInitMenuPopup(TWMInitMenuPopup& message) {
  if (!message.SystemMenu() && menu_ && menu_->DispatchPopup(message.MenuPopup())) {
    return;
  }
  DefaultHandler(message);
}

void TCustomForm::WMMenuChar(TWMMenuChar& message) {
  if (menu_ && menu_->ProcessMenuChar(message)) {
    return;
  }
  DefaultHandler(message);
}

void TCustomForm::WMMenuSelect(TWMMenuSelect& message) {
  if (menu_ && Application) {
    TMenuItem* item = SelectedItem(*menu_, message);
    Application->SetHint(item ? item->Hint() : String());
  }
  DefaultHandler(message);
}

void TCustomForm::XMMenuChanged(TMessage&) {
  if (!IsDestroying()) {
    AttachMenu();
  }
}
