#include "TCustomForm.h"

#include "EventFiring.h"
#include "ExceptionReport.h"
#include "Format.h"
#include "FrameworkMessages.h"
#include "Messages.h"
#include "NameSpaceLock.h"
#include "ResourceLoading.h"
#include "TApplication.h"
#include "TForm.h"
#include "TReader.h"
#include "TScreen.h"
#include "TemporaryChange.h"

SORVANE_MESSAGE_ROWS(TCustomForm){
    SORVANE_ON(WM_CLOSE, WMClose),
    SORVANE_ON(WM_QUERYENDSESSION, WMQueryEndSession),
    SORVANE_ON(WM_COMMAND, WMCommand),
    SORVANE_ON(WM_SYSCOMMAND, WMSysCommand),
    SORVANE_ON(WM_SHOWWINDOW, WMShowWindow),
    SORVANE_ON(WM_ACTIVATE, WMActivate),
    SORVANE_ON(WM_SETFOCUS, WMSetFocus),
    SORVANE_ON(WM_KILLFOCUS, WMKillFocus),
    SORVANE_ON(WM_NCCREATE, WMNCCreate),
    SORVANE_ON(XM_RELEASE, XMRelease),
    SORVANE_ON(XM_SHOWINGCHANGED, XMShowingChanged),
    SORVANE_ON(XM_ACTIVATE, XMActivate),
    SORVANE_ON(XM_DEACTIVATE, XMDeactivate),
    SORVANE_ON(XM_DIALOGKEY, XMDialogKey),
    SORVANE_ON(WM_INITMENUPOPUP, WMInitMenuPopup),
    SORVANE_ON(WM_MENUCHAR, WMMenuChar),
    SORVANE_ON(WM_MENUSELECT, WMMenuSelect),
    SORVANE_ON(XM_MENUCHANGED, XMMenuChanged),
};
SORVANE_MESSAGE_TABLE(TCustomForm)

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption |
                  csDoubleClicks);
  StoreBounds(0, 0, defaultFormWidth, defaultFormHeight);
  StoreVisible(false);
  SetColor(clBtnFace);
  SetParentColor(false);
  SetParentFont(false);
  if (Screen) {
    pixelsPerInch_ = Screen->PixelsPerInch();
    Screen->AddCustomForm(this);
  }
  if (Application) {
    Application->UpdateTaskbarButton();
  }
}

TCustomForm::~TCustomForm() {
  if (oldCreateOrder_ && !destroyNoticeDone_) {
    DoDestroy();
  }
  try {
    UnmergeMenu();
    DestroyHandle();
  } catch (...) {
    ReportEscapedException(this);
  }
  if (Screen) {
    Screen->RemoveForm(this);
  }
  // The child controls go while the form is still the main form and its name space is still
  // locked, as the owned components did before.
  DestroyChildControls();
  if (Application) {
    Application->FormDestroyed(this);
    Application->UpdateTaskbarButton();
  }
  if (holdsDestroyLock_) {
    TNameSpaceLock::EndWrite();
  }
}

void TCustomForm::Build() {
  TNameSpaceWriteGuard lock;
  if (&ClassInfo() != &TForm::StaticClassInfo() && !IsDesigning()) {
    LoadResources();
    if (oldCreateOrder_) {
      RunCreateNotice();
    }
  }
  Constructed();
  if (!oldCreateOrder_) {
    RunCreateNotice();
  }
  if (activatedPending_) {
    activatedPending_ = false;
    Activate();
  }
}

void TCustomForm::LoadResources() {
  TTemporaryChange creating(creating_, true);
  if (!LoadFromClassResources(*this, TForm::StaticClassInfo())) {
    throw EResNotFound(Format(LoadMessage(Msg::ResourceNotFound), {ClassName()}));
  }
}

void TCustomForm::RunCreateNotice() {
  DoCreate();
  if (visiblePending_) {
    visiblePending_ = false;
    SetVisible(true);
  }
}

void TCustomForm::DoCreate() { FireReporting(this, OnCreate, this); }

void TCustomForm::DoDestroy() {
  destroyNoticeDone_ = true;
  FireReporting(this, OnDestroy, this);
}

void TCustomForm::BeforeDestruction() {
  TNameSpaceLock::BeginWrite();
  holdsDestroyLock_ = true;
  TScrollingWinControl::BeforeDestruction();
  if (formStyle_ != fsMDIChild) {
    try {
      Hide();
    } catch (...) {
      ReportEscapedException(this);
    }
  }
  if (!oldCreateOrder_) {
    DoDestroy();
  }
}

void TCustomForm::ReadOwnData(TReader& reader) {
  storedClientWidth_ = 0;
  storedClientHeight_ = 0;
  textHeight_ = 0;
  designTextHeight_ = 0;
  int screenPpi = pixelsPerInch_;
  pixelsPerInch_ = 0;
  oldCreateOrder_ = false;
  TScrollingWinControl::ReadOwnData(reader);
  int resourcePpi = pixelsPerInch_;
  pixelsPerInch_ = screenPpi;
  if (resourcePpi > 0 && textHeight_ > 0) {
    ScaleToScreen(resourcePpi, screenPpi);
  }
  Deliver(XM_PARENTBIDIMODECHANGED);
}

void TCustomForm::ScaleToScreen(int resourcePpi, int screenPpi) {
  if (resourcePpi != screenPpi) {
    Font().SetHeight(MulDiv(Font().Height(), screenPpi, resourcePpi));
  }
  int newTextHeight = TextHeightOf(Font());
  if (newTextHeight == textHeight_) {
    return;
  }
  designTextHeight_ = textHeight_;
  ScaleControls(newTextHeight, textHeight_);
  storedClientWidth_ = MulDiv(storedClientWidth_, newTextHeight, textHeight_);
  storedClientHeight_ = MulDiv(storedClientHeight_, newTextHeight, textHeight_);
  textHeight_ = newTextHeight;
}

void TCustomForm::DeclareExtraProperties(TFiler& filer) {
  TScrollingWinControl::DeclareExtraProperties(filer);
  filer.OfferProperty("TextHeight",
                      [this](TReader& reader) { textHeight_ = reader.ReadInteger(); });
  filer.OfferProperty("IgnoreFontProperty", [this](TReader& reader) {
    if (reader.ReadBoolean()) {
      SetParentFont(true);
    }
  });
}

void TCustomForm::FinishLoading() {
  TScrollingWinControl::FinishLoading();
  keepDesignedClient_ = storedClientWidth_ == 0 && storedClientHeight_ == 0;
  if (keepDesignedClient_ && HandleAllocated()) {
    keepDesignedClient_ = false;
    KeepDesignedClientArea();
  }
  if (storedClientWidth_ > 0) {
    SetClientWidth(storedClientWidth_);
  }
  if (storedClientHeight_ > 0) {
    SetClientHeight(storedClientHeight_);
  }
  storedClientWidth_ = storedClientHeight_ = 0;
  if (TWinControl* control = activeControl_) {
    activeControl_ = nullptr;
    if (control->CanFocus()) {
      SetActiveControl(control);
    }
  }
}

void TCustomForm::SetPixelsPerInch(int value) {
  if (value > 0) {
    pixelsPerInch_ = value;
  }
}

void TCustomForm::WMCommand(TWMCommand& message) {
  if (!message.Ctl() && MenuCommand(message)) {
    return;
  }
  TScrollingWinControl::WMCommand(message);
}

void TCustomForm::WMSysCommand(TWMSysCommand& message) {
  if (message.CmdType() == SC_MINIMIZE && Application &&
      static_cast<TCustomForm*>(Application->MainForm()) == this) {
    const TMessage& raw = message;
    SendMessageA(Application->Handle(), WM_SYSCOMMAND, raw.WParam, raw.LParam);
    return;
  }
  DefaultHandler(message);
}

void TCustomForm::WMShowWindow(TWMShowWindow& message) {
  switch (message.Status()) {
  case SW_PARENTCLOSING:
    savedShowCommand_ = IsIconic(Handle())   ? SW_SHOWMINNOACTIVE
                        : IsZoomed(Handle()) ? SW_SHOWMAXIMIZED
                                             : SW_SHOWNOACTIVATE;
    DefaultHandler(message);
    break;
  case SW_PARENTOPENING:
    if (savedShowCommand_ != 0) {
      ShowWindow(Handle(), savedShowCommand_);
      savedShowCommand_ = 0;
    }
    break;
  default:
    DefaultHandler(message);
    break;
  }
}

void TCustomForm::WMActivate(TWMActivate& message) {
  if (focusNoticesSuspended_) {
    return;
  }
  DefaultHandler(message);
  active_ = message.Active() != WA_INACTIVE;
  if (!active_) {
    Deliver(XM_DEACTIVATE);
    return;
  }
  if (!activeControl_) {
    activeControl_ = FindNextControl(nullptr, tdForward, tsTabStopsOnly, drAnyDescendant);
  }
  if (Screen) {
    Screen->SetActive(this, activeControl_);
  }
  MergeMenu();
  if (activeControl_ && activeControl_->HandleAllocated()) {
    MoveFocusTo(activeControl_->Handle());
  }
  Deliver(XM_ACTIVATE);
}

void TCustomForm::WMSetFocus(TWMSetFocus& message) {
  if (focusNoticesSuspended_) {
    return;
  }
  DefaultHandler(message);
  if (activeControl_ && activeControl_->HandleAllocated()) {
    MoveFocusTo(activeControl_->Handle());
  }
}

void TCustomForm::WMKillFocus(TWMKillFocus& message) {
  if (!focusNoticesSuspended_) {
    TScrollingWinControl::WMKillFocus(message);
  }
}

void TCustomForm::XMActivate(TMessage&) {
  if (creating_) {
    activatedPending_ = true;
    return;
  }
  Activate();
}

void TCustomForm::XMDeactivate(TMessage&) {
  if (creating_) {
    activatedPending_ = false;
    return;
  }
  Deactivate();
}

void TCustomForm::Activate() {
  if (OnActivate) {
    OnActivate(this);
  }
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) {
    OnDeactivate(this);
  }
}

void TCustomForm::XMDialogKey(TWMKey& message) {
  if (GetKeyState(VK_MENU) < 0) {
    return;
  }
  if (MoveFocusByKey(message.CharCode())) {
    message.SetResult(1);
    return;
  }
  TScrollingWinControl::XMDialogKey(message);
}

bool TCustomForm::MoveFocusByKey(WORD key) {
  if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
    TTabDirection direction = GetKeyState(VK_SHIFT) < 0 ? tdBackward : tdForward;
    SelectNext(activeControl_, direction, tsTabStopsOnly);
    return true;
  }
  if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN) {
    return false;
  }
  if (activeControl_ && activeControl_->Parent()) {
    TTabDirection direction = key == VK_RIGHT || key == VK_DOWN ? tdForward : tdBackward;
    activeControl_->Parent()->SelectNext(activeControl_, direction, tsAnyControl);
  }
  return true;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (activeControl_ == control) {
    return;
  }
  if (control && !IsLoading() && !control->CanFocus()) {
    throw EInvalidOperation(LoadMessage(Msg::CannotFocus));
  }
  activeControl_ = control;
  if (active_ && control && control->HandleAllocated()) {
    MoveFocusTo(control->Handle());
  }
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control != this) {
    activeControl_ = control;
  }
  if (active_ && Screen) {
    Screen->SetActive(this, activeControl_);
  }
  return true;
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (!control->CanFocus()) {
    throw EInvalidOperation(LoadMessage(Msg::CannotFocus));
  }
  activeControl_ = control;
  if (control->Showing()) {
    MoveFocusTo(control->Handle());
  }
}

void TCustomForm::SetFocus() {
  if (active_) {
    return;
  }
  if (!Visible() || !Enabled()) {
    throw EInvalidOperation(LoadMessage(Msg::CannotFocus));
  }
  TWinControl* target = activeControl_ ? activeControl_ : this;
  MoveFocusTo(target->Handle());
}

bool TCustomForm::WantChildKey(TControl&, TMessage&) { return false; }

bool TCustomForm::IsShortCut(TWMKey& message) {
  bool handled = false;
  if (OnShortCut) {
    OnShortCut(message, handled);
  }
  return handled || MenuShortCut(message);
}

bool TCustomForm::PreviewKeyDown(TWMKey& message) { return keyPreview_ && DoKeyDown(message); }
