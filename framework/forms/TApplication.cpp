#include "TApplication.h"

#include "ApplicationWindow.h"
#include "Messages.h"
#include "ScopeGuard.h"
#include "ShiftJis.h"
#include "TForm.h"
#include "TScreen.h"
#include "ThreadWindows.h"
#include "WindowBinding.h"

#include <algorithm>

namespace {

// A hidden pop-up with a caption, a system menu and a minimize box: what the taskbar button
// and the minimized application show.
constexpr DWORD applicationWindowStyle =
    WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
static_assert(applicationWindowStyle == 0x84CA0000);

// The title of the program file name in at most this many bytes, the closing zero included.
constexpr std::size_t titleBufferSize = 256;

String InitialTitle() {
  char path[titleBufferSize] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  OemToCharA(path, path);
  String name(path);
  if (std::size_t slash = LastDelimiter("\\", name)) {
    name.erase(0, slash);
  }
  if (std::size_t dot = name.find('.'); dot != String::npos) {
    name.resize(dot);
  }
  if (name.size() > 1) {
    CharLowerA(name.data() + 1);
  }
  return name;
}

// The hidden application window: of class "TApplication", of size 0 at the screen's centre.
TCreateParams ApplicationWindowParams(const String& title) {
  TCreateParams params;
  params.Caption = title;
  params.Style = applicationWindowStyle;
  params.X = GetSystemMetrics(SM_CXSCREEN) / 2;
  params.Y = GetSystemMetrics(SM_CYSCREEN) / 2;
  params.WindowClass.lpfnWndProc = DefWindowProcA;
  params.WindowClass.hInstance = GetModuleHandleA(nullptr);
  params.WinClassName = "TApplication";
  return params;
}

} // namespace

SORVANE_MESSAGE_ROWS(TApplication){
    SORVANE_ON(WM_SETFOCUS, WMSetFocus),
    SORVANE_ON(WM_ENABLE, WMEnable),
    SORVANE_ON(WM_PAINT, WMPaint),
    SORVANE_ON(WM_CLOSE, WMClose),
    SORVANE_ON(WM_ERASEBKGND, WMEraseBkgnd),
    SORVANE_ON(WM_ENDSESSION, WMEndSession),
    SORVANE_ON(WM_WININICHANGE, WMWinIniChange),
    SORVANE_ON(WM_FONTCHANGE, WMFontChange),
    SORVANE_ON(WM_ACTIVATEAPP, WMActivateApp),
    SORVANE_ON(WM_QUERYDRAGICON, WMQueryDragIcon),
    SORVANE_ON(WM_SYSCOMMAND, WMSysCommand),
    SORVANE_ON(WM_CTLCOLORMSGBOX, WMCtlColor),
    SORVANE_ON(WM_CTLCOLOREDIT, WMCtlColor),
    SORVANE_ON(WM_CTLCOLORLISTBOX, WMCtlColor),
    SORVANE_ON(WM_CTLCOLORBTN, WMCtlColor),
    SORVANE_ON(WM_CTLCOLORDLG, WMCtlColor),
    SORVANE_ON(WM_CTLCOLORSCROLLBAR, WMCtlColor),
    SORVANE_ON(WM_CTLCOLORSTATIC, WMCtlColor),
    SORVANE_ON(WM_TIMER, WMTimer),
    SORVANE_ON(XM_ACTIVATE, XMActivate),
    SORVANE_ON(XM_DEACTIVATE, XMDeactivate),
    SORVANE_ON(XM_APPKEYDOWN, XMAppKeyDown),
    SORVANE_ON(XM_APPSYSCOMMAND, XMAppSysCommand),
    SORVANE_ON(XM_FOCUSTOP, XMFocusTop),
    SORVANE_ON(XM_HOOKWINDOW, XMHookWindow),
    SORVANE_ON(XM_DIALOGHANDLE, XMDialogHandle),
};
SORVANE_MESSAGE_TABLE(TApplication)

void (*StartUpHook)() = nullptr;

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), entry_(BindWndMethod<&TApplication::WndProc>(this)),
      storedTitle_(InitialTitle()), outOfMemory_(LoadMessage(Msg::OutOfMemory)) {
  icon_ = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
  CreateHandle();
}

TApplication::~TApplication() {
  SetShowHint(false);
  if (handle_) {
    if (ApplicationWindow() == handle_) {
      SetApplicationWindow(nullptr);
    }
    SendMessageA(handle_, WM_SETICON, ICON_BIG, 0);
    DestroyWindow(handle_);
  }
}

void TApplication::CreateHandle() {
  TCreateParams params = ApplicationWindowParams(storedTitle_);
  if (!RegisterBoundClass(params)) {
    throw EOutOfResources(LoadMessage(Msg::WindowClassError));
  }
  HWND window = CreateBoundWindow(params, entry_, [this](HWND bound) { handle_ = bound; });
  if (!window) {
    throw EOutOfResources(LoadMessage(Msg::WindowClassError));
  }
  handle_ = window;
  storedTitle_.clear();
  if (!ApplicationWindow()) {
    SetApplicationWindow(handle_);
  }
  SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(AppIcon()));
  SetClassLongPtrA(handle_, GCLP_HICON, reinterpret_cast<LONG_PTR>(AppIcon()));
  RemoveSystemMenuItems();
}

void TApplication::RemoveSystemMenuItems() {
  HMENU menu = GetSystemMenu(handle_, FALSE);
  DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
}

HICON TApplication::AppIcon() const { return icon_ ? icon_ : LoadIconA(nullptr, IDI_APPLICATION); }

String TApplication::Title() const {
  if (!handle_) {
    return storedTitle_;
  }
  char text[titleBufferSize] = {};
  int length = GetWindowTextA(handle_, text, sizeof text);
  return String(text, static_cast<std::size_t>(std::max(length, 0)));
}

void TApplication::SetTitle(const String& value) {
  if (!handle_) {
    storedTitle_ = value;
    return;
  }
  if (Title() != value || !storedTitle_.empty()) {
    SetWindowTextA(handle_, value.c_str());
    storedTitle_.clear();
  }
}

void TApplication::StartUp() {
  if (StartUpHook) {
    StartUpHook();
  }
}

void TApplication::SetMainForm(TForm* form) {
  if (form) {
    form->HandleNeeded();
    mainForm_ = form;
  }
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (form == mainForm_) {
    mainForm_ = nullptr;
  }
}

void TApplication::HookMainWindow(TWindowHook hook) {
  SendMessageA(handle_, XM_HOOKWINDOW, hookAdd, reinterpret_cast<LPARAM>(&hook));
}

void TApplication::UnhookMainWindow(TWindowHook hook) {
  SendMessageA(handle_, XM_HOOKWINDOW, hookRemove, reinterpret_cast<LPARAM>(&hook));
}

void TApplication::WndProc(TMessage& message) {
  try {
    if (!CallWindowHooks(message)) {
      Dispatch(message);
    }
  } catch (...) {
    ReportCurrentException(this);
  }
}

bool TApplication::CallWindowHooks(TMessage& message) {
  // A hook may unhook itself or others, or add hooks, while the list is walked: walk a copy,
  // and skip a hook removed meanwhile. A hook added meanwhile sees the next message.
  const std::vector<TWindowHook> hooks = windowHooks_;
  for (const TWindowHook& hook : hooks) {
    if (std::find(windowHooks_.begin(), windowHooks_.end(), hook) != windowHooks_.end() &&
        hook.Function(hook.Object, message)) {
      return true;
    }
  }
  return false;
}

void TApplication::DefaultHandler(TMessage& message) {
  message.Result = DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
}

void TApplication::WMSetFocus(TWMSetFocus& message) {
  PostMessageA(handle_, XM_FOCUSTOP, 0, 0);
  DefaultHandler(message);
}

void TApplication::WMEnable(TWMEnable& message) {
  if (message.Enabled()) {
    RestoreTopMosts();
    if (holdsDisabledList_) {
      EnableWindows(disabledWindows_);
      disabledWindows_.clear();
      holdsDisabledList_ = false;
    }
    DefaultHandler(message);
    return;
  }
  DefaultHandler(message);
  if (!holdsDisabledList_) {
    disabledWindows_ = DisableThreadWindows(handle_);
    holdsDisabledList_ = true;
  }
  NormalizeAllTopMosts();
}

void TApplication::WMPaint(TWMPaint& message) {
  if (!IsIconic(handle_)) {
    DefaultHandler(message);
    return;
  }
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(handle_, &paint);
  DrawIcon(dc, 0, 0, AppIcon());
  EndPaint(handle_, &paint);
}

void TApplication::WMClose(TWMNoParams&) {
  if (mainForm_) {
    mainForm_->Close();
  }
}

void TApplication::WMEraseBkgnd(TWMEraseBkgnd& message) {
  const TMessage& raw = message;
  message.SetResult(DefWindowProcA(handle_, WM_ICONERASEBKGND, raw.WParam, raw.LParam));
}

void TApplication::WMEndSession(TWMEndSession& message) {
  if (message.EndSession()) {
    quitRequested_ = true;
  }
}

void TApplication::WMActivateApp(TWMActivateApp& message) {
  DefaultHandler(message);
  active_ = message.Active();
  if (active_) {
    RestoreTopMosts();
    PostMessageA(handle_, XM_ACTIVATE, 0, 0);
  } else {
    CancelHint();
    NormalizeTopMosts();
    PostMessageA(handle_, XM_DEACTIVATE, 0, 0);
  }
}

void TApplication::WMQueryDragIcon(TWMNoParams& message) {
  message.SetResult(reinterpret_cast<LRESULT>(AppIcon()));
}

void TApplication::WMSysCommand(TWMSysCommand& message) {
  switch (message.CmdType()) {
  case SC_MINIMIZE:
    MinimizeAll();
    break;
  case SC_RESTORE:
    RestoreAll();
    break;
  default:
    DefaultHandler(message);
    break;
  }
}

void TApplication::WMCtlColor(TWMCtlColor& message) {
  const TMessage& raw = message;
  message.SetResult(SendMessageA(message.ChildWnd(), XN_BASE + raw.Msg, raw.WParam, raw.LParam));
}

void TApplication::WMWinIniChange(TWMWinIniChange& message) {
  if (UpdateFormatSettings) {
    SetThreadLocale(LOCALE_USER_DEFAULT);
  }
  if (UpdateMetricSettings && Screen) {
    Screen->UpdateMetrics();
    if (ShowHint()) {
      SetShowHint(false);
      SetShowHint(true);
    }
  }
  DefaultHandler(message);
}

void TApplication::WMFontChange(TWMNoParams& message) {
  if (Screen) {
    Screen->ResetFonts();
  }
  DefaultHandler(message);
}

void TApplication::XMActivate(TMessage&) {
  if (OnActivate) {
    OnActivate(this);
  }
}

void TApplication::XMDeactivate(TMessage&) {
  if (OnDeactivate) {
    OnDeactivate(this);
  }
}

void TApplication::XMAppKeyDown(TWMKey& message) {
  if (mainForm_ && mainForm_->HandleAllocated() && IsWindowEnabled(mainForm_->Handle())) {
    TMessage keyDown{WM_KEYDOWN, message.CharCode(), message.KeyData(), 0};
    TWMKey key(keyDown);
    message.SetResult(mainForm_->IsShortCut(key) ? 1 : 0);
  }
}

void TApplication::XMAppSysCommand(TMessage& message) {
  if (!mainForm_ || !mainForm_->HandleAllocated() || !IsWindowEnabled(mainForm_->Handle()) ||
      !IsWindowVisible(mainForm_->Handle())) {
    return;
  }
  TForm* form = mainForm_;
  HWND focus = GetFocus();
  form->SuspendFocusNotices(true);
  TScopeGuard resume([form, focus] {
    ::SetFocus(focus);
    form->SuspendFocusNotices(false);
  });
  ::SetFocus(form->Handle());
  form->Deliver(WM_SYSCOMMAND, message.WParam, message.LParam);
  message.Result = 1;
}

void TApplication::XMFocusTop(TMessage&) { FocusTopWindow(); }

void TApplication::FocusTopWindow() {
  if (IsIconic(handle_) || GetFocus() != handle_) {
    return;
  }
  if (HWND window = FindWindowToActivate(handle_)) {
    ::SetFocus(window);
  }
}

void TApplication::XMHookWindow(TXMHookWindow& message) {
  if (message.Removes()) {
    std::erase(windowHooks_, message.Hook());
  } else {
    windowHooks_.push_back(message.Hook());
  }
}

void TApplication::XMDialogHandle(TXMDialogHandle& message) {
  if (message.Queries()) {
    message.SetResult(reinterpret_cast<LRESULT>(DialogHandle));
  } else {
    DialogHandle = message.Window();
  }
}
