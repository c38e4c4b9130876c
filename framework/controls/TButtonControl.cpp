#include "TButtonControl.h"

#include "TemporaryChange.h"

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~(csClickEvents | csCaptureMouse));
}

void TButtonControl::WndProc(TMessage& message) {
  bool press = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK;
  if (press && !Focused() && !FocusForPress()) {
    return;
  }
  TWinControl::WndProc(message);
}

bool TButtonControl::FocusForPress() {
  if (!CanFocus()) {
    return false;
  }
  TTemporaryChange suppress(clicksDisabled_, true);
  SetFocus();
  return Focused();
}
