#include "TestControls.h"

#include "FrameworkMessages.h"

SORVANE_MESSAGE_ROWS(TTestButton){
    SORVANE_ON(XN_COMMAND, XNCommand),
};
SORVANE_MESSAGE_TABLE(TTestButton)

namespace {

// What a control whose native class reports its own clicks leaves out.
constexpr TControlStyle frameworkClicks = csClickEvents | csCaptureMouse;

} // namespace

TTestButton::TTestButton(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~frameworkClicks);
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

SORVANE_MESSAGE_ROWS(TTestListBox){
    SORVANE_ON(XN_COMMAND, XNCommand),
};
SORVANE_MESSAGE_TABLE(TTestListBox)

TTestListBox::TTestListBox(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~frameworkClicks);
  SetBounds(0, 0, 120, 97);
  SetTabStop(true);
}

void TTestListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "LISTBOX");
  params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
}

void TTestListBox::XNCommand(TWMCommand& message) {
  if (message.NotifyCode() == LBN_SELCHANGE) {
    Click();
  } else if (message.NotifyCode() == LBN_DBLCLK) {
    DblClick();
  }
}

SORVANE_MESSAGE_ROWS(TTestScrollBar){
    SORVANE_ON(XN_HSCROLL, XNHScroll),
};
SORVANE_MESSAGE_TABLE(TTestScrollBar)

TTestScrollBar::TTestScrollBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~frameworkClicks);
  SetBounds(0, 0, 121, 17);
}

void TTestScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "SCROLLBAR");
  params.Style |= SBS_HORZ;
}

void TTestScrollBar::XNHScroll(TWMScroll& message) { scrollCodes.push_back(message.ScrollCode()); }
