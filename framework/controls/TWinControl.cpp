#include "TWinControl.h"

#include "ApplicationWindow.h"
#include "ControlTags.h"
#include "DeviceContexts.h"
#include "Exception.h"
#include "ExceptionReport.h"
#include "FormLink.h"
#include "Format.h"
#include "FrameworkMessages.h"
#include "MessageCrackers.h"
#include "Messages.h"
#include "MouseCapture.h"
#include "Win32Error.h"

#include <algorithm>

namespace {

// The control whose window is being created: valid from just before CreateWindowExA to the
// window's first message, which arrives on the same thread inside that call.
TWinControl* creationControl = nullptr;

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

const MessageHandler TWinControl::handlers_[] = {
    {WM_PAINT, CallHandler<&TWinControl::WMPaint>},
    {WM_ERASEBKGND, CallHandler<&TWinControl::WMEraseBkgnd>},
    {WM_WINDOWPOSCHANGED, CallHandler<&TWinControl::WMWindowPosChanged>},
    {WM_NCDESTROY, CallHandler<&TWinControl::WMNCDestroy>},
    {WM_COMMAND, CallHandler<&TWinControl::WMReflect>},
    {WM_HSCROLL, CallHandler<&TWinControl::WMReflect>},
    {WM_VSCROLL, CallHandler<&TWinControl::WMReflect>},
    {WM_NOTIFY, CallHandler<&TWinControl::WMNotify>},
    {WM_KEYDOWN, CallHandler<&TWinControl::WMKeyDown>},
    {WM_SYSKEYDOWN, CallHandler<&TWinControl::WMKeyDown>},
    {WM_KEYUP, CallHandler<&TWinControl::WMKeyUp>},
    {WM_SYSKEYUP, CallHandler<&TWinControl::WMKeyUp>},
    {WM_CHAR, CallHandler<&TWinControl::WMChar>},
    {XN_KEYDOWN, CallHandler<&TWinControl::XNKeyDown>},
    {XN_SYSKEYDOWN, CallHandler<&TWinControl::XNKeyDown>},
    {XN_BASE + WM_CTLCOLORMSGBOX, CallHandler<&TWinControl::XNColor>},
    {XN_BASE + WM_CTLCOLOREDIT, CallHandler<&TWinControl::XNColor>},
    {XN_BASE + WM_CTLCOLORLISTBOX, CallHandler<&TWinControl::XNColor>},
    {XN_BASE + WM_CTLCOLORBTN, CallHandler<&TWinControl::XNColor>},
    {XN_BASE + WM_CTLCOLORDLG, CallHandler<&TWinControl::XNColor>},
    {XN_BASE + WM_CTLCOLORSCROLLBAR, CallHandler<&TWinControl::XNColor>},
    {XN_BASE + WM_CTLCOLORSTATIC, CallHandler<&TWinControl::XNColor>},
    {XM_ENABLEDCHANGED, CallHandler<&TWinControl::XMEnabledChanged>},
    {XM_VISIBLECHANGED, CallHandler<&TWinControl::XMVisibleChanged>},
    {XM_SHOWINGCHANGED, CallHandler<&TWinControl::XMShowingChanged>},
    {XM_RECREATEWND, CallHandler<&TWinControl::XMRecreateWnd>},
    {XM_FONTCHANGED, CallHandler<&TWinControl::XMFontChanged>},
    {XM_COLORCHANGED, CallHandler<&TWinControl::XMColorChanged>},
    {XM_DIALOGKEY, CallHandler<&TWinControl::XMDialogKey>},
};

const MessageTable TWinControl::messageTable_{&TControl::messageTable_, handlers_,
                                              std::size(handlers_)};

const MessageTable& TWinControl::Messages() const { return messageTable_; }

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner), entry_(BindWndMethod<&TWinControl::MainWndProc>(this)) {
  brush_.SetColor(Color());
}

TWinControl::~TWinControl() {
  if (Parent()) {
    Parent()->RemoveControl(this);
  }
  try {
    DestroyHandle();
  } catch (...) {
    ReportEscapedException(this);
  }
  while (!controls_.empty()) {
    controls_.back()->Free();
  }
}

// --- Window creation and destruction ---------------------------------------------------------

LRESULT CALLBACK InitialWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = creationControl;
  if (!control) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  creationControl = nullptr;
  control->BindWindow(window);
  return CallWindowProcA(TWindowProcEntry::Procedure(), window, message, wParam, lParam);
}

void TWinControl::BindWindow(HWND window) {
  handle_ = window;
  SetWindowLongPtrA(window, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(TWindowProcEntry::Procedure()));
  entry_.Attach(window);
  if ((GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) &&
      GetWindowLongPtrA(window, GWLP_ID) == 0) {
    SetWindowLongPtrA(window, GWLP_ID, reinterpret_cast<LONG_PTR>(window));
  }
  SetControlTags(window, this);
}

HWND TWinControl::Handle() {
  if (!handle_) {
    CreateHandle();
  }
  return handle_;
}

void TWinControl::SetParentWindow(HWND window) {
  if (parentWindow_ != window && !Parent()) {
    DestroyHandle();
    parentWindow_ = window;
    UpdateShowing();
  }
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = StoredText();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle() & csAcceptsControls) {
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!Enabled()) {
    params.Style |= WS_DISABLED;
  }
  if (tabStop_) {
    params.Style |= WS_TABSTOP;
  }
  if (Visible() && Parent()) {
    params.Style |= WS_VISIBLE;
  }
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() ? Parent()->Handle() : parentWindow_;
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  params.WindowClass.lpfnWndProc = DefWindowProcA;
  params.WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  params.WindowClass.hInstance = GetModuleHandleA(nullptr);
  params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* className) {
  WNDCLASSA standard{};
  if (GetClassInfoA(nullptr, className, &standard)) {
    standard.hInstance = GetModuleHandleA(nullptr);
    standard.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    params.WindowClass = standard;
  }
}

HWND TWinControl::ResolveParentWindow(const TCreateParams& params) const {
  if (!(params.Style & WS_CHILD) || params.WndParent) {
    return params.WndParent;
  }
  auto* owner = dynamic_cast<TWinControl*>(Owner());
  if (owner && owner->IsReading()) {
    return owner->Handle();
  }
  throw EInvalidOperation(Format(LoadMessage(Msg::ParentRequired), {Name()}));
}

void TWinControl::RegisterWindowClass(TCreateParams& params) {
  defWndProc_ = params.WindowClass.lpfnWndProc;
  WNDCLASSA existing{};
  HINSTANCE instance = params.WindowClass.hInstance;
  bool registered = GetClassInfoA(instance, params.WinClassName.c_str(), &existing) != 0;
  if (registered && existing.lpfnWndProc == InitialWindowProc) {
    return;
  }
  if (registered) {
    UnregisterClassA(params.WinClassName.c_str(), instance);
  }
  params.WindowClass.lpfnWndProc = InitialWindowProc;
  params.WindowClass.lpszClassName = params.WinClassName.c_str();
  Win32Check(RegisterClassA(&params.WindowClass) != 0);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  params.WndParent = ResolveParentWindow(params);
  RegisterWindowClass(params);
  CreateWindowHandle(params);
  StoreText(String());
  UpdateBounds();
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 1);
  AdjustSize();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  creationControl = this;
  HWND window =
      CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                      params.Style, params.X, params.Y, params.Width, params.Height,
                      params.WndParent, nullptr, params.WindowClass.hInstance, params.Param);
  creationControl = nullptr;
  if (!window) {
    RaiseLastWin32Error();
  }
  handle_ = window;
}

void TWinControl::CreateHandle() {
  if (handle_) {
    return;
  }
  CreateWnd();
  SetControlTags(handle_, this);
  PlaceInZOrder();
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      windowed->CreateHandle();
    }
  }
}

void TWinControl::PlaceInZOrder() {
  if (!Parent()) {
    return;
  }
  const auto& siblings = Parent()->controls_;
  auto self = std::find(siblings.begin(), siblings.end(), this);
  for (auto next = self == siblings.end() ? self : self + 1; next != siblings.end(); ++next) {
    auto* windowed = dynamic_cast<TWinControl*>(*next);
    if (windowed && windowed->handle_) {
      SetWindowPos(handle_, windowed->handle_, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      return;
    }
  }
}

void TWinControl::DestroyWnd() {
  int length = GetWindowTextLengthA(handle_);
  String text(static_cast<std::size_t>(length) + 1, '\0');
  length = GetWindowTextA(handle_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  StoreText(text);
  Win32Check(DestroyWindow(handle_) != 0);
}

void TWinControl::DestroyHandle() {
  if (!handle_) {
    return;
  }
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      windowed->DestroyHandle();
    }
  }
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (handle_) {
    Deliver(XM_RECREATEWND);
  }
}

void TWinControl::XMRecreateWnd(TMessage&) {
  bool focused = Focused();
  bool wasShowing = showing_;
  DestroyHandle();
  if (!wasShowing) {
    return;
  }
  CreateHandle();
  showing_ = true;
  ShowNative();
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      windowed->UpdateShowing();
    }
  }
  if (focused) {
    ::SetFocus(handle_);
  }
}

void TWinControl::WMNCDestroy(TMessage& message) {
  DefaultHandler(message);
  RemoveControlTags(handle_);
  handle_ = nullptr;
  showing_ = false;
}

// --- Showing ---------------------------------------------------------------------------------

bool TWinControl::ShouldShow() const {
  if (!Visible() || IsReading()) {
    return false;
  }
  return Parent() ? Parent()->showing_ : parentWindow_ != nullptr;
}

void TWinControl::UpdateShowing() {
  bool show = ShouldShow();
  if (show && !handle_) {
    CreateHandle();
  }
  if (show != showing_) {
    showing_ = show;
    try {
      Deliver(XM_SHOWINGCHANGED);
    } catch (...) {
      showing_ = !show;
      throw;
    }
  }
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      windowed->UpdateShowing();
    }
  }
}

void TWinControl::ShowNative() {
  if (!handle_) {
    return;
  }
  UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0, flags | (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::XMShowingChanged(TMessage&) { ShowNative(); }

void TWinControl::XMVisibleChanged(TMessage&) {
  if (!Visible() && handle_ && Focused()) {
    if (TFormLink* form = HostForm()) {
      form->SetFocusedControl(nullptr);
    }
  }
  UpdateShowing();
}

void TWinControl::XMEnabledChanged(TMessage&) {
  if (handle_) {
    EnableWindow(handle_, Enabled());
  }
}

// --- Children --------------------------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
  control->SetParentSilently(this);
  controls_.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(windowed);
    if (handle_) {
      windowed->UpdateShowing();
    }
  }
  if (!control->IsReading()) {
    control->Deliver(XM_PARENTCOLORCHANGED);
    control->Deliver(XM_PARENTFONTCHANGED);
  }
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  control->Invalidate();
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    try {
      windowed->DestroyHandle();
    } catch (...) {
      ReportEscapedException(this);
    }
    std::erase(tabList_, windowed);
  }
  std::erase(controls_, control);
  control->SetParentSilently(nullptr);
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    RECT bounds = control->BoundsRect();
    if (control->Visible() && (allowDisabled || control->Enabled()) && PtInRect(&bounds, point)) {
      return control;
    }
  }
  return nullptr;
}

// --- Bounds and painting ---------------------------------------------------------------------

void TWinControl::ScaleControls(int multiplier, int divisor) {
  for (TControl* control : controls_) {
    int left = MulDiv(control->Left(), multiplier, divisor);
    int top = MulDiv(control->Top(), multiplier, divisor);
    int right = MulDiv(control->Left() + control->Width(), multiplier, divisor);
    int bottom = MulDiv(control->Top() + control->Height(), multiplier, divisor);
    control->SetBounds(left, top, right - left, bottom - top);
    if (!control->ParentFont()) {
      control->Font().SetHeight(MulDiv(control->Font().Height(), multiplier, divisor));
    }
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      windowed->ScaleControls(multiplier, divisor);
    }
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) {
    return;
  }
  StoreBounds(left, top, width, height);
  ApplyBounds();
}

void TWinControl::ApplyBounds() {
  if (!handle_) {
    return;
  }
  if (IsIconic(handle_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(handle_, &placement);
    placement.rcNormalPosition = BoundsRect();
    SetWindowPlacement(handle_, &placement);
    return;
  }
  SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::UpdateBounds() {
  if (!handle_ || IsIconic(handle_)) {
    return;
  }
  RECT bounds{};
  GetWindowRect(handle_, &bounds);
  if (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&bounds), 2);
  }
  StoreBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void TWinControl::WMWindowPosChanged(TMessage& message) {
  DefaultHandler(message);
  UpdateBounds();
}

POINT TWinControl::ClientOrigin() const {
  if (!handle_) {
    return TControl::ClientOrigin();
  }
  POINT origin{0, 0};
  ::ClientToScreen(handle_, &origin);
  return origin;
}

RECT TWinControl::ClientRect() const {
  if (!handle_) {
    return TControl::ClientRect();
  }
  RECT client{};
  GetClientRect(handle_, &client);
  return client;
}

void TWinControl::Invalidate() {
  if (handle_) {
    InvalidateRect(handle_, nullptr, !(ControlStyle() & csOpaque));
  }
}

void TWinControl::Update() {
  if (handle_) {
    UpdateWindow(handle_);
  }
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::WMPaint(TMessage& message) {
  bool hasGraphicChildren = std::any_of(controls_.begin(), controls_.end(), [](TControl* c) {
    return dynamic_cast<TWinControl*>(c) == nullptr;
  });
  if (PaintsItself() || hasGraphicChildren || message.WParam != 0) {
    PaintHandler(message);
  } else {
    DefaultHandler(message);
  }
}

void TWinControl::PaintHandler(TMessage& message) {
  HDC dc = MessageDC(message);
  PAINTSTRUCT paint{};
  if (!dc) {
    dc = BeginPaint(handle_, &paint);
  }
  int saved = SaveDC(dc);
  PaintWindow(dc);
  RestoreDC(dc, saved);
  PaintControls(dc);
  if (!MessageDC(message)) {
    EndPaint(handle_, &paint);
  }
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(paint);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* control : controls_) {
    if (dynamic_cast<TWinControl*>(control) || !control->Visible()) {
      continue;
    }
    RECT bounds = control->BoundsRect();
    if (!RectVisible(dc, &bounds)) {
      continue;
    }
    int saved = SaveDC(dc);
    SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Deliver(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    RestoreDC(dc, saved);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  if (defWndProc_ != DefWindowProcA) {
    DefaultHandler(message);
    return;
  }
  RECT client{};
  GetClientRect(handle_, &client);
  FillRect(MessageDC(message), &client, brush_.Handle());
  message.Result = 1;
}

void TWinControl::FontChanged() {
  if (handle_) {
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
  }
  Invalidate();
}

void TWinControl::ColorChanged() {
  brush_.SetColor(Color());
  Invalidate();
}

void TWinControl::XMFontChanged(TMessage&) {
  FontChanged();
  for (TControl* child : controls_) {
    child->Deliver(XM_PARENTFONTCHANGED);
  }
}

void TWinControl::XMColorChanged(TMessage&) {
  ColorChanged();
  for (TControl* child : controls_) {
    child->Deliver(XM_PARENTCOLORCHANGED);
  }
}

void TWinControl::XNColor(TMessage& message) {
  HDC dc = MessageDC(message);
  SetTextColor(dc, ColorToRGB(Font().Color()));
  SetBkColor(dc, ColorToRGB(brush_.Color()));
  message.Result = reinterpret_cast<LRESULT>(brush_.Handle());
}

// --- Message path ----------------------------------------------------------------------------

void TWinControl::MainWndProc(TMessage& message) {
  try {
    MessageRoute.Call(MessageRoute.Object, message);
  } catch (...) {
    ReportEscapedException(this);
  }
  FreeDeviceContexts();
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
  TControl* target = CaptureControl();
  if (target && target->Parent() != this) {
    target = nullptr;
  }
  if (!target && message.Msg != WM_MOUSEWHEEL) {
    target = ControlAtPos(MousePoint(message), false);
    if (dynamic_cast<TWinControl*>(target)) {
      target = nullptr;
    }
  }
  if (!target) {
    return false;
  }
  POINT point = MousePoint(message);
  RECT bounds = target->BoundsRect();
  LPARAM local = MAKELPARAM(point.x - bounds.left, point.y - bounds.top);
  message.Result = target->Deliver(message.Msg, message.WParam, local);
  if (message.Result == 0) {
    message.Result = DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
  }
  return true;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SETFOCUS: {
    TFormLink* form = HostForm();
    if (form && !form->SetFocusedControl(this)) {
      return;
    }
    break;
  }
  case WM_CANCELMODE:
    if (TControl* capture = CaptureControl(); capture && capture->Parent() == this) {
      capture->Deliver(WM_CANCELMODE);
    }
    break;
  default:
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST && RouteMouseToChild(message)) {
      return;
    }
    break;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_) {
    TControl::DefaultHandler(message);
    return;
  }
  switch (message.Msg) {
  case WM_CONTEXTMENU:
    if (Parent()) {
      message.Result = Parent()->Deliver(message.Msg, message.WParam, message.LParam);
      if (message.Result != 0) {
        return;
      }
    }
    break;
  case WM_CTLCOLORMSGBOX:
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORLISTBOX:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLORDLG:
  case WM_CTLCOLORSCROLLBAR:
  case WM_CTLCOLORSTATIC:
    message.Result =
        SendMessageA(MessageChild(message), XN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  default:
    break;
  }
  message.Result =
      CallWindowProcA(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMReflect(TMessage& message) {
  HWND child = MessageChild(message);
  if (TWinControl* control = FindControl(child); control && child != handle_) {
    message.Result = control->Deliver(XN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

void TWinControl::WMNotify(TMessage& message) {
  const NMHDR* header = NotifyHeader(message);
  if (TWinControl* control = header ? FindControl(header->hwndFrom) : nullptr) {
    message.Result = control->Deliver(XN_NOTIFY, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

// --- Keyboard --------------------------------------------------------------------------------

bool TWinControl::IsMenuKey(TMessage& message) {
  TFormLink* form = ParentForm();
  if (form && form->IsShortCut(message)) {
    return true;
  }
  HWND application = ApplicationWindow();
  return application &&
         SendMessageA(application, XM_APPKEYDOWN, message.WParam, message.LParam) != 0;
}

bool TWinControl::IsDialogKeyFor(WORD key, TMessage& message) {
  UINT mask = 0;
  if (!IsDialogNavigationKey(key, mask)) {
    return false;
  }
  if (Deliver(XM_WANTSPECIALKEY, key, message.LParam) != 0) {
    return false;
  }
  if (handle_ && (static_cast<UINT>(SendMessageA(handle_, WM_GETDLGCODE, 0, 0)) & mask)) {
    return false;
  }
  TFormLink* form = ParentForm();
  return form && form->FormControl().Deliver(XM_DIALOGKEY, key, message.LParam) != 0;
}

void TWinControl::XNKeyDown(TMessage& message) {
  message.Result = 1;
  if (IsMenuKey(message)) {
    return;
  }
  if (Deliver(XM_CHILDKEY, message.WParam, reinterpret_cast<LPARAM>(this)) != 0) {
    return;
  }
  if (IsDialogKeyFor(KeyCode(message), message)) {
    return;
  }
  message.Result = 0;
}

bool TWinControl::DoKeyDown(TMessage& message) {
  TFormLink* form = HostForm();
  if (form && form->PreviewKeyDown(message)) {
    return true;
  }
  WORD key = KeyCode(message);
  KeyDown(key, KeyDataToShiftState(message.LParam));
  if (key == 0) {
    return true;
  }
  message.WParam = key;
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

void TWinControl::WMKeyDown(TMessage& message) {
  if (!DoKeyDown(message)) {
    DefaultHandler(message);
  }
}

void TWinControl::WMKeyUp(TMessage& message) {
  WORD key = KeyCode(message);
  KeyUp(key, KeyDataToShiftState(message.LParam));
  if (key != 0) {
    message.WParam = key;
    DefaultHandler(message);
  }
}

void TWinControl::WMChar(TMessage& message) {
  char key = static_cast<char>(KeyCode(message));
  KeyPress(key);
  if (key != 0) {
    message.WParam = static_cast<unsigned char>(key);
    DefaultHandler(message);
  }
}

void TWinControl::XMDialogKey(TMessage& message) {
  for (TControl* child : controls_) {
    if (child->Deliver(XM_DIALOGKEY, message.WParam, message.LParam) != 0) {
      message.Result = 1;
      return;
    }
  }
}

// --- Focus and tab order ---------------------------------------------------------------------

bool TWinControl::CanFocus() const {
  TFormLink* link = HostForm();
  const TWinControl* form = link ? &link->FormControl() : nullptr;
  for (const TWinControl* control = this; control && control != form; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) {
      return false;
    }
  }
  return true;
}

TWinControl* FindControl(HWND window) { return static_cast<TWinControl*>(ControlTagOf(window)); }

TControl* FindControlAtScreenPoint(POINT point) {
  TWinControl* windowed = FindControl(WindowFromPoint(point));
  if (!windowed) {
    return nullptr;
  }
  POINT client = point;
  ScreenToClient(windowed->Handle(), &client);
  TControl* child = windowed->ControlAtPos(client, true);
  return child && !dynamic_cast<TWinControl*>(child) ? child : windowed;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TFormLink* form = HostForm()) {
    form->FocusControl(this);
  } else if (Showing()) {
    ::SetFocus(Handle());
  }
}

int TWinControl::TabOrder() const {
  if (!Parent()) {
    return -1;
  }
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (IsReading()) {
    loadedTabOrder_ = value;
  }
  if (!Parent() || value < 0) {
    return;
  }
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  auto index = std::min(static_cast<std::size_t>(value), list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), this);
}

void TWinControl::FinishLoading() {
  TControl::FinishLoading();
  if (loadedTabOrder_ >= 0) {
    SetTabOrder(loadedTabOrder_);
    loadedTabOrder_ = -1;
  }
}

void TWinControl::SetTabStop(bool value) {
  if (tabStop_ != value) {
    tabStop_ = value;
    if (handle_) {
      LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
      style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
      SetWindowLongPtrA(handle_, GWL_STYLE, style);
    }
  }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : tabList_) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) {
    return nullptr;
  }
  auto count = static_cast<std::ptrdiff_t>(list.size());
  auto found = std::find(list.begin(), list.end(), current);
  std::ptrdiff_t start = found == list.end() ? (forward ? count - 1 : 0) : found - list.begin();
  std::ptrdiff_t index = start;
  do {
    index = forward ? (index + 1) % count : (index - 1 + count) % count;
    TWinControl* candidate = list[static_cast<std::size_t>(index)];
    if (candidate != current && candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
        (!checkParent || candidate->Parent() == this)) {
      return candidate;
    }
  } while (index != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop, !checkTabStop)) {
    next->SetFocus();
  }
}
