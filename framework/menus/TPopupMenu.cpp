#include "TPopupMenu.h"

#include "PopupList.h"

TPublishedTables TPopupMenu::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup>("AutoPopup"),
      PublishedProperty<&TPopupMenu::OnChange>("OnChange"),
      PublishedProperty<&TPopupMenu::OnPopup>("OnPopup"),
  };
  return {properties};
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) { TPopupList::Instance().Add(this); }

TPopupMenu::~TPopupMenu() { TPopupList::Instance().Remove(this); }

void TPopupMenu::ComponentNotice(TComponent* component, TOperation operation) {
  TMenu::ComponentNotice(component, operation);
  if (operation == opRemove && component == popupComponent_) {
    popupComponent_ = nullptr;
  }
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) {
    OnPopup(this);
  }
  HWND owner = TPopupList::Instance().Window();
  auto command = static_cast<WORD>(TrackPopupMenu(
      Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, owner, nullptr));
  if (command != 0) {
    DispatchCommand(command);
  }
}
