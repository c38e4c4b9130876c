#include "TButton.h"

#include "Accelerators.h"
#include "FormLink.h"
#include "FrameworkMessages.h"

SORVANE_MESSAGE_ROWS(TButton){
    SORVANE_ON(XN_COMMAND, XNCommand),
    SORVANE_ON(XM_DIALOGKEY, XMDialogKey),
    SORVANE_ON(XM_DIALOGCHAR, XMDialogChar),
    SORVANE_ON(XM_FOCUSCHANGED, XMFocusChanged),
};
SORVANE_MESSAGE_TABLE(TButton)

TPublishedTables TButton::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TButton::Cancel, &TButton::SetCancel>("Cancel"),
      PublishedProperty<&TButton::Default, &TButton::SetDefault>("Default"),
      PublishedProperty<&TButton::ModalResult, &TButton::SetModalResult>("ModalResult"),
  };
  return {properties};
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
  if (TFormLink* form = HostForm()) {
    form->SetModalResult(modalResult_);
  }
  TButtonControl::Click();
}

// A default button becomes the active one unless another button has the focus.
void TButton::SetDefault(bool value) {
  if (default_ == value) {
    return;
  }
  default_ = value;
  TFormLink* form = HostForm();
  auto* focused = form ? dynamic_cast<TButton*>(form->FocusedControl()) : nullptr;
  SetActive(focused ? focused == this : default_);
}

void TButton::SetActive(bool value) {
  active_ = value;
  if (HandleAllocated()) {
    SendMessageA(Handle(), BM_SETSTYLE, active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

void TButton::XMFocusChanged(TMessage& message) {
  auto* focused = dynamic_cast<TButton*>(reinterpret_cast<TControl*>(message.LParam));
  bool active = focused ? focused == this : default_;
  if (active != active_) {
    SetActive(active);
  }
}

void TButton::XNCommand(TWMCommand& message) {
  if (message.NotifyCode() == BN_CLICKED && !ClicksDisabled()) {
    Click();
  }
}

bool TButton::TakesKey(const TWMKey& message) const {
  bool shifted = GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || message.AltDown();
  return !shifted && CanFocus();
}

void TButton::XMDialogKey(TWMKey& message) {
  WORD key = message.CharCode();
  bool mine = (key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_);
  if (mine && TakesKey(message)) {
    Click();
    message.SetResult(1);
  }
}

void TButton::XMDialogChar(TWMKey& message) {
  if (IsAccelerator(message.CharCode(), Caption()) && CanFocus()) {
    Click();
    message.SetResult(1);
  }
}
