#include "TControl.h"

// A control's pop-up menu: opened by a right-button click (WM_CONTEXTMENU) unless
// OnContextPopup handles the request itself.

namespace {

// The position WM_CONTEXTMENU carries when the menu was asked for from the keyboard.
constexpr POINT keyboardRequest{-1, -1};

bool IsKeyboardRequest(POINT pos) {
  return pos.x == keyboardRequest.x && pos.y == keyboardRequest.y;
}

} // namespace

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (popupMenu_ == value) {
    return;
  }
  popupMenu_ = value;
  if (value) {
    value->FreeNotification(this);
  }
}

void TControl::ComponentNotice(TComponent* component, TOperation operation) {
  TComponent::ComponentNotice(component, operation);
  if (operation == opRemove && component && component == popupMenu_) {
    popupMenu_ = nullptr;
  }
}

void TControl::DoContextPopup(POINT pos, bool& handled) {
  if (OnContextPopup) {
    OnContextPopup(this, pos, handled);
  }
}

void TControl::WMContextMenu(TWMContextMenu& message) {
  POINT screen = message.Pos();
  bool fromKeyboard = IsKeyboardRequest(screen);
  if (fromKeyboard) {
    screen = ClientToScreen(POINT{width_ / 2, height_ / 2});
  }
  bool handled = false;
  DoContextPopup(fromKeyboard ? keyboardRequest : ScreenToClient(screen), handled);
  if (handled) {
    message.SetResult(1);
    return;
  }
  if (popupMenu_ && popupMenu_->AutoPopup()) {
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(screen.x, screen.y);
    message.SetResult(1);
    return;
  }
  DefaultHandler(message);
}
