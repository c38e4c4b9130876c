#include "TCommonDialog.h"

#include "ExceptionReport.h"
#include "TApplication.h"
#include "ThreadWindows.h"

TPublishedTables TCommonDialog::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D>("Ctl3D"),
      PublishedProperty<&TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext>("HelpContext"),
      PublishedProperty<&TCommonDialog::OnClose>("OnClose"),
      PublishedProperty<&TCommonDialog::OnShow>("OnShow"),
  };
  return {properties};
}

SORVANE_MESSAGE_ROWS(TCommonDialog){
    SORVANE_ON(WM_INITDIALOG, WMInitDialog),
    SORVANE_ON(WM_DESTROY, WMDestroy),
    SORVANE_ON(WM_NCDESTROY, WMNCDestroy),
};
SORVANE_MESSAGE_TABLE(TCommonDialog)

TCommonDialog::TCommonDialog(TComponent* owner)
    : TComponent(owner), entry_(BindWndMethod<&TCommonDialog::WndProc>(this)) {}

TCommonDialog::~TCommonDialog() {
  if (handle_) {
    TWindowProcEntry::Detach(handle_);
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProcedure_));
  }
}

UINT TCommonDialog::HelpMessage() {
  static const UINT message = RegisterWindowMessageA(HELPMSGSTRINGA);
  return message;
}

void TCommonDialog::SubclassDialog(HWND window) {
  if (handle_) {
    return;
  }
  handle_ = window;
  entry_.Attach(window);
  previousProcedure_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TWindowProcEntry::Procedure())));
}

TCommonDialog::TTaskModalState TCommonDialog::EnterTaskModal() {
  TTaskModalState state{GetActiveWindow(), DisableThreadWindows(nullptr)};
  if (Application) {
    Application->HookMainWindow(TWindowHook{&TCommonDialog::RouteHelp, this});
  }
  return state;
}

void TCommonDialog::LeaveTaskModal(const TTaskModalState& state) {
  if (Application) {
    Application->UnhookMainWindow(TWindowHook{&TCommonDialog::RouteHelp, this});
  }
  EnableWindows(state.disabled);
  if (state.active && IsWindow(state.active)) {
    SetActiveWindow(state.active);
  }
}

bool TCommonDialog::RouteHelp(void* object, TMessage& message) {
  auto* dialog = static_cast<TCommonDialog*>(object);
  if (message.Msg != HelpMessage() || !dialog->handle_) {
    return false;
  }
  message.Result = SendMessageA(dialog->handle_, message.Msg, message.WParam, message.LParam);
  return true;
}

void TCommonDialog::Help(TMessage& message) {
  if (helpContext_ != 0 && Application) {
    Application->HelpContext(helpContext_);
  }
  message.Result = 1;
}

void TCommonDialog::DoShow() { OnShow(this); }

void TCommonDialog::DoClose() { OnClose(this); }

void TCommonDialog::WndProc(TMessage& message) {
  try {
    if (message.Msg == HelpMessage()) {
      Help(message);
    } else {
      Dispatch(message);
    }
  } catch (...) {
    ReportEscapedException(this);
  }
}

void TCommonDialog::DefaultHandler(TMessage& message) {
  if (handle_ && previousProcedure_) {
    message.Result =
        CallWindowProcA(previousProcedure_, handle_, message.Msg, message.WParam, message.LParam);
  }
}

void TCommonDialog::SetDialogResult(TMessage& message, LRESULT result) {
  message.Result = result;
  if (handle_) {
    SetWindowLongPtrA(handle_, DWLP_MSGRESULT, result);
  }
}

void TCommonDialog::WMInitDialog(TWMNoParams& message) {
  message.SetResult(TRUE);
  DoShow();
}

void TCommonDialog::WMDestroy(TWMNoParams& message) {
  DefaultHandler(message);
  DoClose();
}

void TCommonDialog::WMNCDestroy(TWMNoParams& message) {
  DefaultHandler(message);
  handle_ = nullptr;
  previousProcedure_ = nullptr;
}
