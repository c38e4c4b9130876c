#include "PopupList.h"

#include "ExceptionReport.h"
#include "TPopupMenu.h"

#include <algorithm>

SORVANE_MESSAGE_ROWS(TPopupList){
    SORVANE_ON(WM_INITMENUPOPUP, WMInitMenuPopup),
    SORVANE_ON(WM_MENUCHAR, WMMenuChar),
};
SORVANE_MESSAGE_TABLE(TPopupList)

TPopupList::TPopupList() : window_(BindWndMethod<&TPopupList::WndProc>(this)) {}

TPopupList& TPopupList::Instance() {
  static TPopupList list;
  return list;
}

void TPopupList::Add(TPopupMenu* menu) { menus_.push_back(menu); }

void TPopupList::Remove(TPopupMenu* menu) { std::erase(menus_, menu); }

void TPopupList::WndProc(TMessage& message) {
  try {
    Dispatch(message);
  } catch (...) {
    ReportEscapedException();
  }
}

void TPopupList::WMInitMenuPopup(TWMInitMenuPopup& message) {
  for (TPopupMenu* menu : menus_) {
    if (menu->DispatchPopup(message.MenuPopup())) {
      return;
    }
  }
  DefaultHandler(message);
}

void TPopupList::WMMenuChar(TWMMenuChar& message) {
  for (TPopupMenu* menu : menus_) {
    if (menu->ProcessMenuChar(message)) {
      return;
    }
  }
  DefaultHandler(message);
}

void TPopupList::DefaultHandler(TMessage& message) {
  message.Result = DefWindowProcA(window_.Handle(), message.Msg, message.WParam, message.LParam);
}
