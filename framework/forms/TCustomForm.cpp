#include "TCustomForm.h"

#include "ExceptionReport.h"
#include "Format.h"
#include "FrameworkMessages.h"
#include "MessageCrackers.h"
#include "Messages.h"
#include "NameSpaceLock.h"
#include "ResourceLoading.h"
#include "TApplication.h"
#include "TForm.h"
#include "TReader.h"
#include "TScreen.h"
#include "ThreadWindows.h"

#include <algorithm>

const MessageHandler TCustomForm::handlers_[] = {
    {WM_CLOSE, CallHandler<&TCustomForm::WMClose>},
    {WM_QUERYENDSESSION, CallHandler<&TCustomForm::WMQueryEndSession>},
    {WM_COMMAND, CallHandler<&TCustomForm::WMCommand>},
    {WM_SYSCOMMAND, CallHandler<&TCustomForm::WMSysCommand>},
    {WM_SHOWWINDOW, CallHandler<&TCustomForm::WMShowWindow>},
    {WM_ACTIVATE, CallHandler<&TCustomForm::WMActivate>},
    {WM_SETFOCUS, CallHandler<&TCustomForm::WMSetFocus>},
    {WM_NCCREATE, CallHandler<&TCustomForm::WMNCCreate>},
    {XM_RELEASE, CallHandler<&TCustomForm::XMRelease>},
    {XM_SHOWINGCHANGED, CallHandler<&TCustomForm::XMShowingChanged>},
    {XM_ACTIVATE, CallHandler<&TCustomForm::XMActivate>},
    {XM_DEACTIVATE, CallHandler<&TCustomForm::XMDeactivate>},
    {XM_DIALOGKEY, CallHandler<&TCustomForm::XMDialogKey>},
};

const MessageTable TCustomForm::messageTable_{&TScrollingWinControl::messageTable_, handlers_,
                                              std::size(handlers_)};

const MessageTable& TCustomForm::Messages() const { return messageTable_; }

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption |
                  csDoubleClicks);
  StoreBounds(0, 0, 320, 240);
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
    DestroyHandle();
  } catch (...) {
    ReportEscapedException(this);
  }
  if (Screen) {
    Screen->RemoveForm(this);
  }
  if (Application) {
    Application->FormDestroyed(this);
    Application->UpdateTaskbarButton();
  }
  if (holdsDestroyLock_) {
    TNameSpaceLock::EndWrite();
  }
}

// --- Construction ----------------------------------------------------------------------------

void TCustomForm::Build() {
  TNameSpaceWriteGuard lock;
  if (&ClassInfo() != &TForm::StaticClassInfo() && !IsDesigning()) {
    creating_ = true;
    try {
      if (!LoadFromClassResources(*this, TForm::StaticClassInfo())) {
        throw EResNotFound(Format(LoadMessage(Msg::ResourceNotFound), {ClassName()}));
      }
    } catch (...) {
      creating_ = false;
      throw;
    }
    creating_ = false;
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

void TCustomForm::RunCreateNotice() {
  DoCreate();
  if (visiblePending_) {
    visiblePending_ = false;
    SetVisible(true);
  }
}

void TCustomForm::DoCreate() {
  try {
    if (OnCreate) {
      OnCreate(this);
    }
  } catch (...) {
    ReportEscapedException(this);
  }
}

void TCustomForm::DoDestroy() {
  destroyNoticeDone_ = true;
  try {
    if (OnDestroy) {
      OnDestroy(this);
    }
  } catch (...) {
    ReportEscapedException(this);
  }
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
  int screenPpi = pixelsPerInch_;
  pixelsPerInch_ = 0;
  oldCreateOrder_ = false;
  TScrollingWinControl::ReadOwnData(reader);
  int resourcePpi = pixelsPerInch_;
  pixelsPerInch_ = screenPpi;
  if (resourcePpi > 0 && textHeight_ > 0 && resourcePpi != screenPpi) {
    ScaleToScreen(resourcePpi, screenPpi);
  }
  Deliver(XM_PARENTBIDIMODECHANGED);
}

void TCustomForm::ScaleToScreen(int resourcePpi, int screenPpi) {
  Font().SetHeight(MulDiv(Font().Height(), screenPpi, resourcePpi));
  int newTextHeight = TextHeightOf(Font());
  if (newTextHeight == textHeight_) {
    return;
  }
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

// --- Size and styles -------------------------------------------------------------------------

void TCustomForm::SetClientWidth(int value) {
  if (IsReading()) {
    storedClientWidth_ = value;
    return;
  }
  SetBounds(Left(), Top(), Width() + value - ClientWidth(), Height());
}

void TCustomForm::SetClientHeight(int value) {
  if (IsReading()) {
    storedClientHeight_ = value;
    return;
  }
  SetBounds(Left(), Top(), Width(), Height() + value - ClientHeight());
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated()) {
    return TScrollingWinControl::ClientRect();
  }
  TCreateParams params;
  const_cast<TCustomForm*>(this)->CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return RECT{0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top)};
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (borderIcons_ != value) {
    borderIcons_ = value;
    RecreateWnd();
  }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ != value) {
    borderStyle_ = value;
    RecreateWnd();
  }
}

void TCustomForm::SetFormStyle(TFormStyle value) {
  if (formStyle_ != value) {
    formStyle_ = value;
    RecreateWnd();
  }
}

void TCustomForm::SetPosition(TPosition value) {
  if (position_ != value) {
    position_ = value;
    RecreateWnd();
  }
}

int TCustomForm::ShowCommand() const {
  switch (windowState_) {
  case wsMinimized:
    return SW_SHOWMINNOACTIVE;
  case wsMaximized:
    return SW_SHOWMAXIMIZED;
  case wsNormal:
    break;
  }
  return SW_SHOWNORMAL;
}

void TCustomForm::SetWindowState(TWindowState value) {
  if (windowState_ != value) {
    windowState_ = value;
    if (Showing()) {
      ShowWindow(Handle(), ShowCommand());
    }
  }
}

namespace {

TBorderIcons OnlyIcons(TBorderIcons icons, TBorderIcons allowed) {
  return TBorderIcons::FromBits(icons.Bits() & allowed.Bits());
}

bool IsToolStyle(TFormBorderStyle style) { return style == bsToolWindow || style == bsSizeToolWin; }

} // namespace

void TCustomForm::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  bool topLevel = !Parent() && !ParentWindow();
  if (topLevel) {
    params.WndParent = Application ? Application->Handle() : nullptr;
    params.Style &= ~static_cast<DWORD>(WS_CHILD | WS_GROUP | WS_TABSTOP);
    params.WindowClass.style = CS_DBLCLKS;
  }
  if (position_ == poDefault || position_ == poDefaultPosOnly) {
    params.X = params.Y = CW_USEDEFAULT;
  }
  ApplyBorderIcons(params, ApplyBorderStyle(params, topLevel));
}

TBorderIcons TCustomForm::ApplyBorderStyle(TCreateParams& params, bool topLevel) const {
  TBorderIcons icons = borderIcons_;
  switch (borderStyle_) {
  case bsNone:
    if (topLevel) {
      params.Style |= WS_POPUP;
    }
    icons = TBorderIcons{};
    break;
  case bsSizeable:
  case bsSizeToolWin:
    params.Style |= WS_CAPTION | WS_THICKFRAME;
    if (position_ == poDefault || position_ == poDefaultSizeOnly) {
      params.Width = params.Height = CW_USEDEFAULT;
    }
    break;
  case bsDialog:
    params.Style |= WS_POPUP | WS_CAPTION;
    params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    params.WindowClass.style = CS_DBLCLKS | CS_SAVEBITS | CS_BYTEALIGNWINDOW;
    icons = OnlyIcons(icons, {biSystemMenu, biHelp});
    break;
  case bsSingle:
  case bsToolWindow:
    params.Style |= WS_CAPTION;
    break;
  }
  if (IsToolStyle(borderStyle_)) {
    params.ExStyle |= WS_EX_TOOLWINDOW;
    icons = OnlyIcons(icons, {biSystemMenu});
  }
  return icons;
}

void TCustomForm::ApplyBorderIcons(TCreateParams& params, TBorderIcons icons) const {
  if (borderStyle_ != bsDialog && !IsToolStyle(borderStyle_)) {
    if (icons.Contains(biMinimize)) {
      params.Style |= WS_MINIMIZEBOX;
    }
    if (icons.Contains(biMaximize)) {
      params.Style |= WS_MAXIMIZEBOX;
    }
    if (windowState_ == wsMinimized) {
      params.Style |= WS_MINIMIZE;
    } else if (windowState_ == wsMaximized) {
      params.Style |= WS_MAXIMIZE;
    }
  }
  if (icons.Contains(biSystemMenu)) {
    params.Style |= WS_SYSMENU;
  }
  if (icons.Contains(biHelp)) {
    params.ExStyle |= WS_EX_CONTEXTHELP;
  }
}

void TCustomForm::CreateWnd() {
  TForm* main = Application ? Application->MainForm() : nullptr;
  if (formStyle_ == fsMDIChild && (!main || main->FormStyle() != fsMDIForm)) {
    throw EInvalidOperation(LoadMessage(Msg::NoMDIForm));
  }
  if (borderStyle_ == bsDialog || IsToolStyle(borderStyle_)) {
    windowState_ = wsNormal;
  }
  TScrollingWinControl::CreateWnd();
  if (formStyle_ == fsStayOnTop) {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TCustomForm::WMNCCreate(TMessage& message) {
  DefaultHandler(message);
  AttachMenu();
  AdjustSystemMenu();
}

void TCustomForm::AdjustSystemMenu() {
  if (borderStyle_ == bsNone || !borderIcons_.Contains(biSystemMenu) || formStyle_ == fsMDIChild) {
    return;
  }
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) {
    return;
  }
  if (borderStyle_ == bsDialog) {
    DeleteMenu(menu, SC_TASKLIST, MF_BYCOMMAND);
    DeleteMenu(menu, 7, MF_BYPOSITION);
    DeleteMenu(menu, 5, MF_BYPOSITION);
    for (UINT command : {UINT{SC_MAXIMIZE}, UINT{SC_MINIMIZE}, UINT{SC_SIZE}, UINT{SC_RESTORE}}) {
      DeleteMenu(menu, command, MF_BYCOMMAND);
    }
    return;
  }
  if (!borderIcons_.Contains(biMinimize)) {
    EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | MF_GRAYED);
  }
  if (!borderIcons_.Contains(biMaximize)) {
    EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
  }
}

// --- Showing and hiding ----------------------------------------------------------------------

void TCustomForm::Show() {
  SetVisible(true);
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TCustomForm::SetVisible(bool value) {
  if (creating_) {
    visiblePending_ = value;
    return;
  }
  if (value == Visible()) {
    return;
  }
  if (!value && formStyle_ == fsMDIChild) {
    throw EInvalidOperation(LoadMessage(Msg::CannotHideMDIChild));
  }
  if (value) {
    MoveToMonitor();
  }
  TScrollingWinControl::SetVisible(value);
}

bool TCustomForm::ShouldShow() const {
  if (!Visible() || IsReading()) {
    return false;
  }
  return Parent() ? Parent()->Showing() : true;
}

void TCustomForm::XMShowingChanged(TMessage&) {
  if (showingInProgress_) {
    throw EInvalidOperation(LoadMessage(Msg::CannotChangeVisibleOnShowHide));
  }
  if (Application) {
    Application->UpdateTaskbarButton();
  }
  showingInProgress_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{showingInProgress_};
  if (Showing()) {
    DoShow();
    ApplyPosition();
    ShowWindow(Handle(), ShowCommand());
  } else {
    DoHide();
    if (modal_) {
      SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    } else {
      HideNative();
    }
  }
}

void TCustomForm::ShowNative() {
  if (HandleAllocated()) {
    ShowWindow(Handle(), Showing() ? ShowCommand() : SW_HIDE);
  }
}

void TCustomForm::HideNative() {
  HWND window = Handle();
  if (GetActiveWindow() == window && !IsIconic(window)) {
    if (HWND other = FindWindowToActivate(window)) {
      SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
      SetActiveWindow(other);
      return;
    }
  }
  ShowWindow(window, SW_HIDE);
}

void TCustomForm::DoShow() {
  try {
    if (OnShow) {
      OnShow(this);
    }
  } catch (...) {
    ReportEscapedException(this);
  }
}

void TCustomForm::DoHide() {
  try {
    if (OnHide) {
      OnHide(this);
    }
  } catch (...) {
    ReportEscapedException(this);
  }
}

void TCustomForm::CenterOn(const RECT& area) {
  int left = area.left + (area.right - area.left - Width()) / 2;
  int top = area.top + (area.bottom - area.top - Height()) / 2;
  SetBounds(left < 0 ? 0 : left, top < 0 ? 0 : top, Width(), Height());
}

HMONITOR TCustomForm::TargetMonitor() const {
  TForm* main = Application ? Application->MainForm() : nullptr;
  switch (defaultMonitor_) {
  case dmPrimary:
    return MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  case dmMainForm:
    return main && main->HandleAllocated()
               ? MonitorFromWindow(main->Handle(), MONITOR_DEFAULTTONEAREST)
               : nullptr;
  case dmActiveForm: {
    TCustomForm* active = Screen ? Screen->ActiveCustomForm() : nullptr;
    return active && active->HandleAllocated()
               ? MonitorFromWindow(active->Handle(), MONITOR_DEFAULTTONEAREST)
               : nullptr;
  }
  case dmDesktop:
    break;
  }
  return nullptr;
}

void TCustomForm::MoveToMonitor() {
  if (!Application || !Application->MainForm()) {
    return;
  }
  HMONITOR target = TargetMonitor();
  RECT bounds = BoundsRect();
  HMONITOR current = MonitorFromRect(&bounds, MONITOR_DEFAULTTONEAREST);
  if (!target || target == current) {
    return;
  }
  MONITORINFO from{sizeof from, {}, {}, 0};
  MONITORINFO to{sizeof to, {}, {}, 0};
  GetMonitorInfoA(current, &from);
  GetMonitorInfoA(target, &to);
  if (position_ == poScreenCenter || position_ == poMainFormCenter) {
    CenterOn(to.rcMonitor);
    return;
  }
  int left = to.rcMonitor.left + Left() - from.rcMonitor.left;
  int top = to.rcMonitor.top + Top() - from.rcMonitor.top;
  left = std::min(left, static_cast<int>(to.rcMonitor.right) - Width());
  top = std::min(top, static_cast<int>(to.rcMonitor.bottom) - Height());
  SetBounds(left, top, Width(), Height());
}

void TCustomForm::ApplyPosition() {
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  TCustomForm* reference = nullptr;
  switch (position_) {
  case poScreenCenter:
    CenterOn(screen);
    MoveToMonitor();
    break;
  case poDesktopCenter:
    CenterOn(
        RECT{0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)});
    break;
  case poOwnerFormCenter:
    reference = dynamic_cast<TCustomForm*>(Owner());
    [[fallthrough]];
  case poMainFormCenter:
    if (!reference && Application) {
      reference = Application->MainForm();
    }
    CenterOn(reference && reference != this ? reference->BoundsRect() : screen);
    MoveToMonitor();
    break;
  default:
    return;
  }
  position_ = poDesigned;
}

// --- Closing ---------------------------------------------------------------------------------

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
    modalResult_ = 2;
    return;
  }
  if (!CloseQuery()) {
    return;
  }
  TCloseAction action = caHide;
  if (formStyle_ == fsMDIChild) {
    action = borderIcons_.Contains(biMinimize) ? caMinimize : caNone;
  }
  DoClose(action);
  if (action == caNone) {
    return;
  }
  if (Application && static_cast<TCustomForm*>(Application->MainForm()) == this) {
    Application->Quit();
    return;
  }
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

int TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_ || formStyle_ == fsMDIChild) {
    throw EInvalidOperation(LoadMessage(Msg::CannotShowModal));
  }
  if (HWND capture = GetCapture()) {
    SendMessageA(capture, WM_CANCELMODE, 0, 0);
  }
  std::vector<HWND> disabled = DisableThreadWindows(Application->Handle());
  modal_ = true;
  modalResult_ = 0;
  struct Restore {
    TCustomForm& form;
    std::vector<HWND>& windows;
    ~Restore() {
      form.modal_ = false;
      EnableWindows(windows);
    }
  } restore{*this, disabled};
  Show();
  while (modalResult_ == 0 && !Application->QuitRequested()) {
    Application->StepLoop();
  }
  Hide();
  return modalResult_;
}

void TCustomForm::Release() { PostMessageA(Handle(), XM_RELEASE, 0, 0); }

void TCustomForm::XMRelease(TMessage&) { Free(); }

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMQueryEndSession(TMessage& message) {
  message.Result = CloseQuery() && QuitChecksAgree();
}

// --- Messages --------------------------------------------------------------------------------

bool TCustomForm::MenuCommand(TMessage&) { return false; }

void TCustomForm::WMCommand(TMessage& message) {
  if (message.LParam == 0 && MenuCommand(message)) {
    return;
  }
  WMReflect(message);
}

void TCustomForm::WMSysCommand(TMessage& message) {
  if (SysCommand(message) == SC_MINIMIZE && Application &&
      static_cast<TCustomForm*>(Application->MainForm()) == this) {
    SendMessageA(Application->Handle(), WM_SYSCOMMAND, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

void TCustomForm::WMShowWindow(TMessage& message) {
  switch (ShowWindowStatus(message)) {
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

void TCustomForm::WndProc(TMessage& message) {
  if (focusNoticesSuspended_ &&
      (message.Msg == WM_ACTIVATE || message.Msg == WM_SETFOCUS || message.Msg == WM_KILLFOCUS)) {
    return;
  }
  TScrollingWinControl::WndProc(message);
}

void TCustomForm::WMActivate(TMessage& message) {
  DefaultHandler(message);
  active_ = LOWORD(message.WParam) != WA_INACTIVE;
  if (!active_) {
    Deliver(XM_DEACTIVATE);
    return;
  }
  if (!activeControl_) {
    activeControl_ = FindNextControl(nullptr, true, true, false);
  }
  if (Screen) {
    Screen->SetActive(this, activeControl_);
  }
  if (activeControl_ && activeControl_->HandleAllocated()) {
    ::SetFocus(activeControl_->Handle());
  }
  Deliver(XM_ACTIVATE);
}

void TCustomForm::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (activeControl_ && activeControl_->HandleAllocated()) {
    ::SetFocus(activeControl_->Handle());
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

void TCustomForm::XMDialogKey(TMessage& message) {
  if (GetKeyState(VK_MENU) < 0) {
    return;
  }
  WORD key = KeyCode(message);
  bool shift = GetKeyState(VK_SHIFT) < 0;
  if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
    SelectNext(activeControl_, !shift, true);
    message.Result = 1;
    return;
  }
  if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
    if (activeControl_ && activeControl_->Parent()) {
      activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN,
                                           false);
    }
    message.Result = 1;
    return;
  }
  for (int i = 0; i < ControlCount(); ++i) {
    if (Controls(i)->Deliver(XM_DIALOGKEY, message.WParam, message.LParam) != 0) {
      message.Result = 1;
      return;
    }
  }
}

// --- Focus and keys --------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (activeControl_ == control) {
    return;
  }
  if (control && !IsLoading() && !control->CanFocus()) {
    throw EInvalidOperation(LoadMessage(Msg::CannotFocus));
  }
  activeControl_ = control;
  if (active_ && control && control->HandleAllocated()) {
    ::SetFocus(control->Handle());
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
    ::SetFocus(control->Handle());
  }
}

bool TCustomForm::WantChildKey(TControl&, TMessage&) { return false; }

bool TCustomForm::IsShortCut(TMessage& message) {
  bool handled = false;
  if (OnShortCut) {
    OnShortCut(message, handled);
  }
  return handled || MenuShortCut(message);
}

bool TCustomForm::MenuShortCut(TMessage&) { return false; }

bool TCustomForm::PreviewKeyDown(TMessage& message) { return keyPreview_ && DoKeyDown(message); }
