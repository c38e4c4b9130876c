#include "TestControls.h"

#include "FrameworkMessages.h"

SORVANE_MESSAGE_ROWS(TTestButton){
    SORVANE_ON(XN_COMMAND, XNCommand),
};
SORVANE_MESSAGE_TABLE(TTestButton)

TTestButton::TTestButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TTestButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= BS_PUSHBUTTON;
}

void TTestButton::XNCommand(TWMCommand& message) {
  if (message.NotifyCode() == BN_CLICKED) {
    Click();
  }
}

TTestEdit::TTestEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
}

void TTestEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= ES_AUTOHSCROLL | WS_BORDER;
}
