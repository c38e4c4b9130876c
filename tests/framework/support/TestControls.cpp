#include "TestControls.h"

#include "FrameworkMessages.h"
#include "MessageCrackers.h"

const MessageHandler TTestButton::handlers_[] = {
    {XN_COMMAND, CallHandler<&TTestButton::XNCommand>},
};

const MessageTable TTestButton::messageTable_{&TWinControl::messageTable_, handlers_,
                                              std::size(handlers_)};

const MessageTable& TTestButton::Messages() const { return messageTable_; }

TTestButton::TTestButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TTestButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= BS_PUSHBUTTON;
}

void TTestButton::XNCommand(TMessage& message) {
  if (CommandNotifyCode(message) == BN_CLICKED) {
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
