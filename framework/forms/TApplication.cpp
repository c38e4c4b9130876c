#include "TApplication.h"

#include "ApplicationWindow.h"
#include "ComponentLookup.h"
#include "ControlTags.h"
#include "ExceptionReport.h"
#include "FaultReport.h"
#include "Format.h"
#include "FrameworkMessages.h"
#include "MessageCrackers.h"
#include "Messages.h"
#include "MouseCapture.h"
#include "ShiftJis.h"
#include "TForm.h"
#include "TScreen.h"
#include "ThreadWindows.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <typeinfo>

TApplication* Application = nullptr;
void (*StartUpHook)() = nullptr;

namespace {

constexpr DWORD applicationStyle = 0x84CA0000;
constexpr UINT showButton = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

// The state of the taskbar button the application last set.
bool taskbarButtonShown = false;

String InitialTitle() {
  char path[256] = {};
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

String DemangledName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> name(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  return status == 0 && name ? String(name.get()) : String(type.name());
}

} // namespace

std::vector<std::function<bool()>>& QuitChecks() {
  static std::vector<std::function<bool()>> checks;
  return checks;
}

bool QuitChecksAgree() {
  return std::all_of(QuitChecks().begin(), QuitChecks().end(), [](auto& check) { return check(); });
}

// --- Construction ----------------------------------------------------------------------------

const MessageHandler TApplication::handlers_[] = {
    {WM_SETFOCUS, CallHandler<&TApplication::WMSetFocus>},
    {WM_ENABLE, CallHandler<&TApplication::WMEnable>},
    {WM_PAINT, CallHandler<&TApplication::WMPaint>},
    {WM_CLOSE, CallHandler<&TApplication::WMClose>},
    {WM_ERASEBKGND, CallHandler<&TApplication::WMEraseBkgnd>},
    {WM_ENDSESSION, CallHandler<&TApplication::WMEndSession>},
    {WM_ACTIVATEAPP, CallHandler<&TApplication::WMActivateApp>},
    {WM_QUERYDRAGICON, CallHandler<&TApplication::WMQueryDragIcon>},
    {WM_SYSCOMMAND, CallHandler<&TApplication::WMSysCommand>},
    {WM_CTLCOLORMSGBOX, CallHandler<&TApplication::WMCtlColor>},
    {WM_CTLCOLOREDIT, CallHandler<&TApplication::WMCtlColor>},
    {WM_CTLCOLORLISTBOX, CallHandler<&TApplication::WMCtlColor>},
    {WM_CTLCOLORBTN, CallHandler<&TApplication::WMCtlColor>},
    {WM_CTLCOLORDLG, CallHandler<&TApplication::WMCtlColor>},
    {WM_CTLCOLORSCROLLBAR, CallHandler<&TApplication::WMCtlColor>},
    {WM_CTLCOLORSTATIC, CallHandler<&TApplication::WMCtlColor>},
    {XM_ACTIVATE, CallHandler<&TApplication::XMActivate>},
    {XM_DEACTIVATE, CallHandler<&TApplication::XMDeactivate>},
    {XM_APPKEYDOWN, CallHandler<&TApplication::XMAppKeyDown>},
    {XM_APPSYSCOMMAND, CallHandler<&TApplication::XMAppSysCommand>},
    {XM_FOCUSTOP, CallHandler<&TApplication::XMFocusTop>},
    {XM_HOOKWINDOW, CallHandler<&TApplication::XMHookWindow>},
    {XM_DIALOGHANDLE, CallHandler<&TApplication::XMDialogHandle>},
};

const MessageTable TApplication::messageTable_{&TDispatcher::messageTable_, handlers_,
                                               std::size(handlers_)};

const MessageTable& TApplication::Messages() const { return messageTable_; }

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), entry_(BindWndMethod<&TApplication::WndProc>(this)),
      storedTitle_(InitialTitle()) {
  icon_ = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
  CreateHandle();
}

TApplication::~TApplication() {
  if (handle_) {
    if (ApplicationWindow() == handle_) {
      SetApplicationWindow(nullptr);
    }
    SendMessageA(handle_, WM_SETICON, ICON_BIG, 0);
    DestroyWindow(handle_);
  }
}

void TApplication::CreateHandle() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (!GetClassInfoA(instance, "TApplication", &existing)) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "TApplication";
    if (!RegisterClassA(&windowClass)) {
      throw EOutOfResources(LoadMessage(Msg::WindowClassError));
    }
  }
  handle_ = CreateWindowExA(0, "TApplication", storedTitle_.c_str(), applicationStyle,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                            0, nullptr, nullptr, instance, nullptr);
  if (!handle_) {
    throw EOutOfResources(LoadMessage(Msg::WindowClassError));
  }
  storedTitle_.clear();
  if (!ApplicationWindow()) {
    SetApplicationWindow(handle_);
  }
  entry_.Attach(handle_);
  SetWindowLongPtrA(handle_, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(TWindowProcEntry::Procedure()));
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
  char text[256] = {};
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

// --- The loop --------------------------------------------------------------------------------

void TApplication::RunLoop() {
  running_ = true;
  struct RunningReset {
    bool& flag;
    ~RunningReset() { flag = false; }
  } reset{running_};
  static bool exitStepRegistered = false;
  if (!exitStepRegistered) {
    exitStepRegistered = true;
    std::atexit([] {
      if (Application) {
        Application->ShutDown();
      }
    });
  }
  if (!mainForm_) {
    return;
  }
  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  if (startup.dwFlags & STARTF_USESHOWWINDOW) {
    if (startup.wShowWindow == SW_SHOWMAXIMIZED) {
      mainForm_->SetWindowState(wsMaximized);
    } else if (startup.wShowWindow == SW_SHOWMINNOACTIVE) {
      mainForm_->MarkMinimized();
    }
  }
  if (AutoShowMainForm) {
    if (mainForm_->WindowState() == wsMinimized) {
      MinimizeAll();
    } else {
      mainForm_->SetVisible(true);
    }
  }
  while (!quitRequested_) {
    StepLoop();
  }
}

void TApplication::StepLoop() {
  try {
    if (!TakeMessage()) {
      WaitIdle();
    }
  } catch (...) {
    ReportCurrentException(this);
  }
}

bool TApplication::TakeMessage() {
  MSG message{};
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    return false;
  }
  if (message.message == WM_QUIT) {
    quitRequested_ = true;
    return true;
  }
  if (IsKeyMessage(message)) {
    return true;
  }
  if (DialogHandle && IsDialogMessageA(DialogHandle, &message)) {
    return true;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
  return true;
}

bool TApplication::IsKeyMessage(MSG& message) {
  if (message.message < WM_KEYDOWN || message.message > WM_KEYLAST) {
    return false;
  }
  HWND target = GetCapture();
  if (target) {
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(target, GWLP_HINSTANCE));
    if (instance != GetModuleHandleA(nullptr)) {
      return false;
    }
  } else {
    target = message.hwnd;
    while (target && !FindControl(target)) {
      target = GetParent(target);
    }
    if (!target) {
      target = message.hwnd;
    }
  }
  return target &&
         SendMessageA(target, XN_BASE + message.message, message.wParam, message.lParam) != 0;
}

void TApplication::WaitIdle() {
  TrackMouseControl();
  bool done = true;
  try {
    if (OnIdle) {
      OnIdle(this, done);
    }
  } catch (...) {
    ReportCurrentException(this);
  }
  if (done) {
    WaitMessage();
  }
}

void TApplication::TrackMouseControl() {
  POINT cursor{};
  GetCursorPos(&cursor);
  TControl* control = FindControlAtScreenPoint(cursor);
  if (control == mouseControl_) {
    return;
  }
  TControl* capture = CaptureControl();
  if (capture && capture != control) {
    return;
  }
  if (auto* old = dynamic_cast<TControl*>(mouseControl_)) {
    old->Deliver(XM_MOUSELEAVE);
  }
  mouseControl_ = control;
  if (control) {
    control->FreeNotification(this);
    control->Deliver(XM_MOUSEENTER);
  }
}

void TApplication::ComponentNotice(TComponent* component, TOperation operation) {
  TComponent::ComponentNotice(component, operation);
  if (operation == opRemove && component == mouseControl_) {
    mouseControl_ = nullptr;
  }
}

void TApplication::Quit() {
  if (QuitChecksAgree()) {
    PostQuitMessage(0);
  }
}

// --- Reporting -------------------------------------------------------------------------------

void TApplication::ReportCurrentException(TObject* sender) {
  if (HWND capture = GetCapture()) {
    SendMessageA(capture, WM_CANCELMODE, 0, 0);
  }
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const Exception& error) {
    if (OnException) {
      OnException(sender, error);
    } else {
      ShowErrorBox(error);
    }
  } catch (const std::exception& error) {
    ShowFallbackBox(DemangledName(typeid(error)), String());
  } catch (...) {
    ShowFallbackBox(String(), String());
  }
}

void TApplication::ShowErrorBox(const Exception& error) {
  ShowMessageBox(WithFinalPeriod(error.Message()), Title(), MB_ICONERROR);
}

int TApplication::ShowMessageBox(const String& text, const String& caption, UINT flags) {
  HWND active = GetActiveWindow();
  RECT saved{};
  bool moved = false;
  if (active && MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST) !=
                    MonitorFromWindow(handle_, MONITOR_DEFAULTTONEAREST)) {
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoA(MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST), &monitor);
    GetWindowRect(handle_, &saved);
    SetWindowPos(handle_, nullptr, (monitor.rcMonitor.left + monitor.rcMonitor.right) / 2,
                 (monitor.rcMonitor.top + monitor.rcMonitor.bottom) / 2, 0, 0, 0x1D);
    moved = true;
  }
  std::vector<HWND> disabled = DisableThreadWindows(handle_);
  int result = MessageBoxA(handle_, text.c_str(), caption.c_str(), flags);
  if (moved) {
    SetWindowPos(handle_, nullptr, (saved.left + saved.right) / 2, (saved.top + saved.bottom) / 2,
                 0, 0, 0x1D);
  }
  EnableWindows(disabled);
  if (active && IsWindow(active)) {
    SetActiveWindow(active);
  }
  return result;
}

// --- Minimizing and top-most windows ---------------------------------------------------------

void TApplication::MinimizeAll() {
  if (IsIconic(handle_)) {
    return;
  }
  NormalizeTopMosts();
  SetActiveWindow(handle_);
  if (mainForm_ && (mainForm_->Visible() || AutoShowMainForm)) {
    SetWindowPos(handle_, mainForm_->Handle(), mainForm_->Left(), mainForm_->Top(),
                 mainForm_->Width(), 0, SWP_SHOWWINDOW);
    DefWindowProcA(handle_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else {
    ShowWindow(handle_, SW_MINIMIZE);
  }
  if (OnMinimize) {
    OnMinimize(this);
  }
}

void TApplication::RestoreAll() {
  if (!IsIconic(handle_)) {
    return;
  }
  SetActiveWindow(handle_);
  if (mainForm_ && (mainForm_->Visible() || AutoShowMainForm)) {
    DefWindowProcA(handle_, WM_SYSCOMMAND, SC_RESTORE, 0);
  } else {
    ShowWindow(handle_, SW_RESTORE);
  }
  SetWindowPos(handle_, nullptr, GetSystemMetrics(SM_CXSCREEN) / 2,
               GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, SWP_SHOWWINDOW | SWP_NOZORDER);
  if (mainForm_ && mainForm_->WindowState() == wsMinimized && !mainForm_->Visible()) {
    mainForm_->SetWindowState(wsNormal);
    mainForm_->Show();
  }
  RestoreTopMosts();
  if (Screen && Screen->ActiveControl() && Screen->ActiveControl()->HandleAllocated()) {
    ::SetFocus(Screen->ActiveControl()->Handle());
  }
  if (OnRestore) {
    OnRestore(this);
  }
}

void TApplication::NormalizeTopMosts() {
  if (topMostLevel_ == 0) {
    HWND firstNormal = nullptr;
    CollectTopMosts(handle_,
                    mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr,
                    false, topMosts_, firstNormal);
    HWND after = firstNormal ? GetWindow(firstNormal, GW_HWNDPREV) : HWND_NOTOPMOST;
    if (!after || (GetWindowLongPtrA(after, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
      after = HWND_NOTOPMOST;
    }
    for (auto it = topMosts_.rbegin(); it != topMosts_.rend(); ++it) {
      SetWindowPos(*it, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  ++topMostLevel_;
}

void TApplication::NormalizeAllTopMosts() {
  if (topMostLevel_ == 0) {
    HWND firstNormal = nullptr;
    CollectTopMosts(handle_, nullptr, true, topMosts_, firstNormal);
    for (auto it = topMosts_.rbegin(); it != topMosts_.rend(); ++it) {
      SetWindowPos(*it, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  ++topMostLevel_;
}

void TApplication::RestoreTopMosts() {
  if (topMostLevel_ == 0 || --topMostLevel_ > 0) {
    return;
  }
  for (auto it = topMosts_.rbegin(); it != topMosts_.rend(); ++it) {
    if (IsWindow(*it)) {
      SetWindowPos(*it, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  topMosts_.clear();
}

void TApplication::UpdateTaskbarButton() {
  if (!handle_ || !Screen) {
    return;
  }
  if ((IsWindowVisible(handle_) != 0) != taskbarButtonShown) {
    return;
  }
  bool anyVisible = false;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TForm* form = Screen->Forms(i);
    if (form->Visible() && (!form->ParentWindow() || !form->HandleAllocated() ||
                            !(GetWindowLongPtrA(form->Handle(), GWL_STYLE) & WS_CHILD))) {
      anyVisible = true;
    }
  }
  taskbarButtonShown = anyVisible;
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               showButton | (anyVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TApplication::HookMainWindow(TWindowHook hook) {
  SendMessageA(handle_, XM_HOOKWINDOW, 0, reinterpret_cast<LPARAM>(&hook));
}

void TApplication::UnhookMainWindow(TWindowHook hook) {
  SendMessageA(handle_, XM_HOOKWINDOW, 1, reinterpret_cast<LPARAM>(&hook));
}

// --- Shut-down -------------------------------------------------------------------------------

void TApplication::ShutDown() {
  if (handle_) {
    ShowOwnedPopups(handle_, FALSE);
  }
  while (ComponentCount() > 0) {
    Components(ComponentCount() - 1)->Free();
  }
}

// --- The application window ------------------------------------------------------------------

void TApplication::WndProc(TMessage& message) {
  try {
    for (const TWindowHook& hook : windowHooks_) {
      if (hook.Function(hook.Object, message)) {
        return;
      }
    }
    if (message.Msg == WM_WININICHANGE) {
      SetThreadLocale(LOCALE_USER_DEFAULT);
    }
    Dispatch(message);
  } catch (...) {
    ReportCurrentException(this);
  }
}

void TApplication::DefaultHandler(TMessage& message) {
  message.Result = DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
}

void TApplication::WMSetFocus(TMessage& message) {
  PostMessageA(handle_, XM_FOCUSTOP, 0, 0);
  DefaultHandler(message);
}

void TApplication::WMEnable(TMessage& message) {
  if (message.WParam) {
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

void TApplication::WMPaint(TMessage& message) {
  if (!IsIconic(handle_)) {
    DefaultHandler(message);
    return;
  }
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(handle_, &paint);
  DrawIcon(dc, 0, 0, AppIcon());
  EndPaint(handle_, &paint);
}

void TApplication::WMClose(TMessage&) {
  if (mainForm_) {
    mainForm_->Close();
  }
}

void TApplication::WMEraseBkgnd(TMessage& message) {
  message.Result = DefWindowProcA(handle_, WM_ICONERASEBKGND, message.WParam, message.LParam);
}

void TApplication::WMEndSession(TMessage& message) {
  if (message.WParam) {
    quitRequested_ = true;
  }
}

void TApplication::WMActivateApp(TMessage& message) {
  DefaultHandler(message);
  active_ = message.WParam != 0;
  if (active_) {
    RestoreTopMosts();
    PostMessageA(handle_, XM_ACTIVATE, 0, 0);
  } else {
    NormalizeTopMosts();
    PostMessageA(handle_, XM_DEACTIVATE, 0, 0);
  }
}

void TApplication::WMQueryDragIcon(TMessage& message) {
  message.Result = reinterpret_cast<LRESULT>(AppIcon());
}

void TApplication::WMSysCommand(TMessage& message) {
  switch (SysCommand(message)) {
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

void TApplication::WMCtlColor(TMessage& message) {
  message.Result =
      SendMessageA(MessageChild(message), XN_BASE + message.Msg, message.WParam, message.LParam);
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

void TApplication::XMAppKeyDown(TMessage& message) {
  if (mainForm_ && mainForm_->HandleAllocated() && IsWindowEnabled(mainForm_->Handle())) {
    TMessage key{WM_KEYDOWN, message.WParam, message.LParam, 0};
    message.Result = mainForm_->IsShortCut(key) ? 1 : 0;
  }
}

void TApplication::XMAppSysCommand(TMessage& message) {
  if (!mainForm_ || !mainForm_->HandleAllocated() || !IsWindowEnabled(mainForm_->Handle()) ||
      !IsWindowVisible(mainForm_->Handle())) {
    return;
  }
  HWND focus = GetFocus();
  mainForm_->SuspendFocusNotices(true);
  ::SetFocus(mainForm_->Handle());
  mainForm_->Deliver(WM_SYSCOMMAND, message.WParam, message.LParam);
  ::SetFocus(focus);
  mainForm_->SuspendFocusNotices(false);
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

void TApplication::XMHookWindow(TMessage& message) {
  const auto* hook = reinterpret_cast<const TWindowHook*>(message.LParam);
  if (message.WParam == 0) {
    windowHooks_.push_back(*hook);
  } else {
    std::erase(windowHooks_, *hook);
  }
}

void TApplication::XMDialogHandle(TMessage& message) {
  if (message.WParam == 1) {
    message.Result = reinterpret_cast<LRESULT>(DialogHandle);
  } else {
    DialogHandle = reinterpret_cast<HWND>(message.LParam);
  }
}

// --- The framework's start-up and finalisation -----------------------------------------------

// Made before the program's entry point runs: the control tags, the screen and the
// application object; released after it returns.
namespace {

void ReportThroughApplication(TObject* sender) { Application->ReportCurrentException(sender); }

class FrameworkLifetime {
public:
  FrameworkLifetime() {
    try {
      CreateControlTags();
      Screen = new TScreen(nullptr);
      Application = new TApplication(nullptr);
      SetExceptionReporter(ReportThroughApplication);
      SetGlobalComponentLookup(FindFormByName);
      InstallFaultReport();
    } catch (...) {
      ReportEscapedException();
    }
  }

  ~FrameworkLifetime() {
    SetGlobalComponentLookup(nullptr);
    SetExceptionReporter(nullptr);
    if (Application) {
      Application->ShutDown();
      Application->Free();
      Application = nullptr;
    }
    if (Screen) {
      Screen->Free();
      Screen = nullptr;
    }
    DeleteControlTags();
  }

  FrameworkLifetime(const FrameworkLifetime&) = delete;
  FrameworkLifetime& operator=(const FrameworkLifetime&) = delete;
};

const FrameworkLifetime lifetime;

} // namespace
