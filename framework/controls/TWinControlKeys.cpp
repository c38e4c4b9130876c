#include "TWinControl.h"

#include "ApplicationWindow.h"
#include "FormLink.h"
#include "FrameworkMessages.h"

// The keyboard path of a windowed control.

namespace {

bool IsDialogNavigationKey(WORD key, UINT& mask) {
  switch (key) {
  case VK_RETURN:
  case VK_ESCAPE:
  case VK_CANCEL:
  case VK_EXECUTE:
    mask = DLGC_WANTALLKEYS;
    return true;
  case VK_TAB:
    mask = DLGC_WANTTAB;
    return true;
  case VK_LEFT:
  case VK_RIGHT:
  case VK_UP:
  case VK_DOWN:
    mask = DLGC_WANTARROWS;
    return true;
  default:
    return false;
  }
}

} // namespace

bool TWinControl::IsMenuKey(TWMKey& message) {
  for (TControl* control = this; control; control = control->Parent()) {
    if (control->PopupMenu() && control->PopupMenu()->IsShortCut(message)) {
      return true;
    }
  }
  TFormLink* form = ParentForm();
  if (form && form->IsShortCut(message)) {
    return true;
  }
  HWND application = ApplicationWindow();
  return application &&
         SendMessageA(application, XM_APPKEYDOWN, message.CharCode(), message.KeyData()) != 0;
}

bool TWinControl::IsDialogKeyFor(WORD key, TWMKey& message) {
  UINT mask = 0;
  if (!IsDialogNavigationKey(key, mask)) {
    return false;
  }
  if (Deliver(XM_WANTSPECIALKEY, key, message.KeyData()) != 0) {
    return false;
  }
  if (handle_ && (static_cast<UINT>(SendMessageA(handle_, WM_GETDLGCODE, 0, 0)) & mask)) {
    return false;
  }
  TFormLink* form = ParentForm();
  return form && form->FormControl().Deliver(XM_DIALOGKEY, key, message.KeyData()) != 0;
}

void TWinControl::XNKeyDown(TWMKey& message) {
  message.SetResult(1);
  if (IsMenuKey(message)) {
    return;
  }
  if (Deliver(XM_CHILDKEY, message.CharCode(), reinterpret_cast<LPARAM>(this)) != 0) {
    return;
  }
  if (IsDialogKeyFor(message.CharCode(), message)) {
    return;
  }
  message.SetResult(0);
}

bool TWinControl::DoKeyDown(TWMKey& message) {
  TFormLink* form = HostForm();
  if (form && form->PreviewKeyDown(message)) {
    return true;
  }
  WORD key = message.CharCode();
  KeyDown(key, KeyShiftState(message));
  if (key == 0) {
    return true;
  }
  message.SetCharCode(key);
  return false;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) {
    OnKeyDown(this, key, shift);
  }
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) {
    OnKeyUp(this, key, shift);
  }
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) {
    OnKeyPress(this, key);
  }
}

void TWinControl::WMKeyDown(TWMKey& message) {
  if (!DoKeyDown(message)) {
    DefaultHandler(message);
  }
}

void TWinControl::WMKeyUp(TWMKey& message) {
  WORD key = message.CharCode();
  KeyUp(key, KeyShiftState(message));
  if (key != 0) {
    message.SetCharCode(key);
    DefaultHandler(message);
  }
}

void TWinControl::WMChar(TWMKey& message) {
  char key = static_cast<char>(message.CharCode());
  KeyPress(key);
  if (key != 0) {
    message.SetCharCode(static_cast<unsigned char>(key));
    DefaultHandler(message);
  }
}

void TWinControl::OfferToChildren(TMessage& message) {
  for (TControl* child : controls_) {
    message.Result = child->Deliver(message.Msg, message.WParam, message.LParam);
    if (message.Result != 0) {
      return;
    }
  }
}

void TWinControl::XMDialogKey(TWMKey& message) { OfferToChildren(message); }

void TWinControl::XMDialogChar(TWMKey& message) { OfferToChildren(message); }

// A character typed into a control that does not take characters itself is offered to the
// form as an accelerator of its controls; one taken is used up.
void TWinControl::XNChar(TWMKey& message) {
  if (handle_ && (SendMessageA(handle_, WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS)) {
    return;
  }
  TFormLink* form = ParentForm();
  if (form && form->FormControl().Deliver(XM_DIALOGCHAR, message.CharCode(), message.KeyData())) {
    message.SetResult(1);
  }
}

// Alt with a character: an accelerator of the form's controls first; what none of them takes
// goes on to the window system (the menu bar's access keys).
void TWinControl::XNSysChar(TWMKey& message) {
  if (message.CharCode() == VK_SPACE) {
    return;
  }
  TFormLink* form = ParentForm();
  if (form && form->FormControl().Deliver(XM_DIALOGCHAR, message.CharCode(), message.KeyData())) {
    message.SetResult(1);
  }
}
