#include "TWinControl.h"

#include "ControlTags.h"
#include "DeviceContexts.h"
#include "ExceptionReport.h"
#include "FormLink.h"
#include "FrameworkMessages.h"
#include "MouseCapture.h"

#include <algorithm>

TPublishedTables TWinControl::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TWinControl::Ctl3D, &TWinControl::SetCtl3D>("Ctl3D"),
      PublishedProperty<&TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder"),
      PublishedProperty<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop"),
      PublishedProperty<&TWinControl::OnEnter>("OnEnter"),
      PublishedProperty<&TWinControl::OnExit>("OnExit"),
      PublishedProperty<&TWinControl::OnKeyDown>("OnKeyDown"),
      PublishedProperty<&TWinControl::OnKeyPress>("OnKeyPress"),
      PublishedProperty<&TWinControl::OnKeyUp>("OnKeyUp"),
  };
  return {properties};
}

SORVANE_MESSAGE_ROWS(TWinControl){
    SORVANE_ON(WM_PAINT, WMPaint),
    SORVANE_ON(WM_ERASEBKGND, WMEraseBkgnd),
    SORVANE_ON(WM_WINDOWPOSCHANGED, WMWindowPosChanged),
    SORVANE_ON(WM_NCDESTROY, WMNCDestroy),
    SORVANE_ON(WM_SETFOCUS, WMSetFocus),
    SORVANE_ON(WM_CANCELMODE, WMCancelMode),
    SORVANE_ON(WM_COMMAND, WMCommand),
    SORVANE_ON(WM_HSCROLL, WMScroll),
    SORVANE_ON(WM_VSCROLL, WMScroll),
    SORVANE_ON(WM_NOTIFY, WMNotify),
    SORVANE_ON(WM_KEYDOWN, WMKeyDown),
    SORVANE_ON(WM_SYSKEYDOWN, WMKeyDown),
    SORVANE_ON(WM_KEYUP, WMKeyUp),
    SORVANE_ON(WM_SYSKEYUP, WMKeyUp),
    SORVANE_ON(WM_CHAR, WMChar),
    SORVANE_ON(XN_KEYDOWN, XNKeyDown),
    SORVANE_ON(XN_SYSKEYDOWN, XNKeyDown),
    SORVANE_ON(XN_CHAR, XNChar),
    SORVANE_ON(XN_SYSCHAR, XNSysChar),
    SORVANE_ON(XN_BASE + WM_CTLCOLORMSGBOX, XNColor),
    SORVANE_ON(XN_BASE + WM_CTLCOLOREDIT, XNColor),
    SORVANE_ON(XN_BASE + WM_CTLCOLORLISTBOX, XNColor),
    SORVANE_ON(XN_BASE + WM_CTLCOLORBTN, XNColor),
    SORVANE_ON(XN_BASE + WM_CTLCOLORDLG, XNColor),
    SORVANE_ON(XN_BASE + WM_CTLCOLORSCROLLBAR, XNColor),
    SORVANE_ON(XN_BASE + WM_CTLCOLORSTATIC, XNColor),
    SORVANE_ON(XM_ENABLEDCHANGED, XMEnabledChanged),
    SORVANE_ON(XM_VISIBLECHANGED, XMVisibleChanged),
    SORVANE_ON(XM_SHOWINGCHANGED, XMShowingChanged),
    SORVANE_ON(XM_RECREATEWND, XMRecreateWnd),
    SORVANE_ON(XM_FONTCHANGED, XMFontChanged),
    SORVANE_ON(XM_COLORCHANGED, XMColorChanged),
    SORVANE_ON(XM_DIALOGKEY, XMDialogKey),
    SORVANE_ON(XM_DIALOGCHAR, XMDialogChar),
    SORVANE_ON(XM_FOCUSCHANGED, XMFocusChanged),
    SORVANE_ON(XM_SHOWHINTCHANGED, XMShowHintChanged),
};
SORVANE_MESSAGE_TABLE(TWinControl)

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner), entry_(BindWndMethod<&TWinControl::MainWndProc>(this)) {
  brush_.SetColor(Color());
}

TWinControl::~TWinControl() {
  if (TFormLink* form = ParentForm()) {
    form->ForgetFocused(*this);
  }
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

HWND TWinControl::Handle() {
  if (!handle_) {
    CreateHandle();
  }
  return handle_;
}

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
    control->Deliver(XM_PARENTSHOWHINTCHANGED);
  }
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  if (TFormLink* form = ParentForm()) {
    form->ForgetFocused(*control);
  }
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

void TWinControl::WMWindowPosChanged(TWMWindowPosChanged& message) {
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

void TWinControl::XMShowHintChanged(TMessage&) {
  for (TControl* child : controls_) {
    child->Deliver(XM_PARENTSHOWHINTCHANGED);
  }
}

void TWinControl::SetCtl3D(bool value) {
  if (ctl3D_ != value) {
    ctl3D_ = value;
    RecreateWnd();
  }
}

void TWinControl::XNColor(TWMCtlColor& message) {
  HDC dc = message.ChildDC();
  SetTextColor(dc, ColorToRGB(Font().Color()));
  SetBkColor(dc, ColorToRGB(brush_.Color()));
  message.SetResult(reinterpret_cast<LRESULT>(brush_.Handle()));
}

void TWinControl::MainWndProc(TMessage& message) {
  try {
    MessageRoute.Call(MessageRoute.Object, message);
  } catch (...) {
    ReportEscapedException(this);
  }
  FreeDeviceContexts();
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
  TWMMouse mouse(message);
  TControl* target = CaptureControl();
  if (target && target->Parent() != this) {
    target = nullptr;
  }
  if (!target && message.Msg != WM_MOUSEWHEEL) {
    target = ControlAtPos(mouse.Pos(), false);
    if (dynamic_cast<TWinControl*>(target)) {
      target = nullptr;
    }
  }
  if (!target) {
    return false;
  }
  RECT bounds = target->BoundsRect();
  LPARAM local = TWMMouse::PosParam(POINT{mouse.XPos() - bounds.left, mouse.YPos() - bounds.top});
  message.Result = target->Deliver(message.Msg, message.WParam, local);
  if (message.Result == 0) {
    message.Result = DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
  }
  return true;
}

void TWinControl::WndProc(TMessage& message) {
  if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST && RouteMouseToChild(message)) {
    return;
  }
  TControl::WndProc(message);
}

// The native control takes the focus first, so that what the notices and events do finds
// it focused.
void TWinControl::WMSetFocus(TWMSetFocus& message) {
  TFormLink* form = HostForm();
  if (form && !form->SetFocusedControl(this)) {
    return;
  }
  DefaultHandler(message);
  if (form) {
    NoteFocusMove(*form);
  }
}

void TWinControl::WMCancelMode(TWMNoParams& message) {
  if (TControl* capture = CaptureControl(); capture && capture->Parent() == this) {
    capture->Deliver(WM_CANCELMODE);
  }
  TControl::WMCancelMode(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_) {
    TControl::DefaultHandler(message);
    return;
  }
  if (message.Msg == WM_CONTEXTMENU && Parent()) {
    message.Result = Parent()->Deliver(message.Msg, message.WParam, message.LParam);
    if (message.Result != 0) {
      return;
    }
  }
  if (message.Msg >= WM_CTLCOLORMSGBOX && message.Msg <= WM_CTLCOLORSTATIC) {
    message.Result = SendMessageA(TWMCtlColor(message).ChildWnd(), XN_BASE + message.Msg,
                                  message.WParam, message.LParam);
    return;
  }
  message.Result =
      CallWindowProcA(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMNotify(TWMNotify& message) {
  const NMHDR* header = message.NMHdr();
  if (TWinControl* control = header ? FindControl(header->hwndFrom) : nullptr) {
    const TMessage& raw = message;
    message.SetResult(control->Deliver(XN_NOTIFY, raw.WParam, raw.LParam));
    return;
  }
  DefaultHandler(message);
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

void TWinControl::WMCommand(TWMCommand& message) { Reflect(message, message.Ctl()); }

void TWinControl::WMScroll(TWMScroll& message) { Reflect(message, message.ScrollBar()); }

void TWinControl::Reflect(TMessage& message, HWND child) {
  if (TWinControl* control = FindControl(child); control && child != handle_) {
    message.Result = control->Deliver(XN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}
