#include "TWinControl.h"

#include "ControlTags.h"
#include "Exception.h"
#include "FormLink.h"
#include "Format.h"
#include "FrameworkMessages.h"
#include "Messages.h"
#include "ScopeGuard.h"
#include "Win32Error.h"
#include "WindowBinding.h"

#include <algorithm>

// The window of a windowed control: its creation and destruction, and showing it.

void TWinControl::BindWindow(HWND window) {
  handle_ = window;
  SetControlTags(window, this);
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
  if (TWinControl* owner = ReadingOwner()) {
    return owner->Handle();
  }
  throw EInvalidOperation(Format(LoadMessage(Msg::ParentRequired), {Name()}));
}

void TWinControl::RegisterWindowClass(TCreateParams& params) {
  defWndProc_ = params.WindowClass.lpfnWndProc;
  Win32Check(RegisterBoundClass(params));
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
  HWND window = CreateBoundWindow(params, entry_, [this](HWND bound) { BindWindow(bound); });
  if (!window) {
    RaiseLastWin32Error();
  }
  handle_ = window;
}

void TWinControl::CreateHandle() {
  if (handle_) {
    return;
  }
  CreateContainerWindow();
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

// The window this one goes into is made first. Making it makes the windows of its children,
// this control's among them, so the caller looks again before making one of its own.
void TWinControl::CreateContainerWindow() {
  if (Parent()) {
    Parent()->HandleNeeded();
    return;
  }
  TWinControl* owner = ReadingOwner();
  if (!parentWindow_ && owner) {
    owner->HandleNeeded();
  }
}

// A windowed owner whose resource is being read: the window a child without a parent yet
// goes into.
TWinControl* TWinControl::ReadingOwner() const {
  auto* owner = dynamic_cast<TWinControl*>(Owner());
  return owner && owner->IsReading() ? owner : nullptr;
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

void TWinControl::WMNCDestroy(TWMNoParams& message) {
  DefaultHandler(message);
  RemoveControlTags(handle_);
  handle_ = nullptr;
  showing_ = false;
}

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
    TScopeGuard undo([this, show] { showing_ = !show; });
    Deliver(XM_SHOWINGCHANGED);
    undo.Dismiss();
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
