#include "TCustomForm.h"

#include "FrameworkMessages.h"
#include "Messages.h"
#include "ScopeGuard.h"
#include "TApplication.h"
#include "TForm.h"
#include "TemporaryChange.h"
#include "ThreadWindows.h"

// Closing a form, and its modal loop.

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) {
    OnCloseQuery(this, canClose);
  }
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) {
    OnClose(this, action);
  }
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) {
    return;
  }
  TCloseAction action = DefaultCloseAction();
  DoClose(action);
  if (action == caNone) {
    return;
  }
  if (Application && static_cast<TCustomForm*>(Application->MainForm()) == this) {
    Application->Quit();
    return;
  }
  ApplyCloseAction(action);
}

TCloseAction TCustomForm::DefaultCloseAction() const {
  if (formStyle_ != fsMDIChild) {
    return caHide;
  }
  return borderIcons_.Contains(biMinimize) ? caMinimize : caNone;
}

void TCustomForm::ApplyCloseAction(TCloseAction action) {
  switch (action) {
  case caHide:
    Hide();
    break;
  case caMinimize:
    SetWindowState(wsMinimized);
    break;
  case caFree:
    Release();
    break;
  case caNone:
    break;
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_ || formStyle_ == fsMDIChild) {
    throw EInvalidOperation(LoadMessage(Msg::CannotShowModal));
  }
  if (HWND capture = GetCapture()) {
    SendMessageA(capture, WM_CANCELMODE, 0, 0);
  }
  std::vector<HWND> disabled = DisableThreadWindows(Application->Handle());
  TScopeGuard enable([&disabled] { EnableWindows(disabled); });
  TTemporaryChange modal(modal_, true);
  modalResult_ = mrNone;
  Show();
  while (modalResult_ == mrNone && !Application->QuitRequested()) {
    Application->StepLoop();
  }
  Hide();
  return modalResult_;
}

void TCustomForm::Release() { PostMessageA(Handle(), XM_RELEASE, 0, 0); }

void TCustomForm::XMRelease(TMessage&) { Free(); }

void TCustomForm::WMClose(TWMNoParams&) { Close(); }

void TCustomForm::WMQueryEndSession(TWMQueryEndSession& message) {
  message.SetResult(CloseQuery() && QuitChecksAgree());
}
