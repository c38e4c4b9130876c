#include "TApplication.h"

#include "HintText.h"
#include "HintTracking.h"
#include "THintWindow.h"
#include "TWinControl.h"

#include <algorithm>
#include <utility>

// The application's hints: the hint window shown over a control that asks for it, the timer
// that shows and hides it, the messages that cancel it, and the current hint of the control
// under the mouse.

namespace {

// The hint timer of the application window.
constexpr UINT_PTR hintTimerId = 1;
// How far below the mouse the hint window's top edge goes.
constexpr int hintCursorGap = 20;
// The widest a hint line gets before it is broken.
constexpr int hintMaxWidth = 300;

bool CancelsHint(UINT message) {
  switch (message) {
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDOWN:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDOWN:
  case WM_MBUTTONDBLCLK:
  case WM_MOUSEWHEEL:
  case WM_NCMOUSEMOVE:
  case WM_ACTIVATE:
  case WM_ACTIVATEAPP:
    return true;
  default:
    return false;
  }
}

// A control that shows a hint: ShowHint on and a short hint to show.
bool HasHintToShow(const TControl& control) {
  return control.ShowHint() && !ShortHint(control.Hint()).empty();
}

// The hint of control, or of the nearest of its parents that has one.
String InheritedHint(const TControl* control) {
  for (; control; control = control->Parent()) {
    if (!control->Hint().empty()) {
      return control->Hint();
    }
  }
  return String();
}

// Moves bounds into the work area of the monitor the point is on, as far as it fits.
void KeepInWorkArea(RECT& bounds, POINT point) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return;
  }
  const RECT& area = monitor.rcWork;
  int dx = 0;
  int dy = 0;
  if (bounds.right > area.right) {
    dx = area.right - bounds.right;
  }
  if (bounds.left + dx < area.left) {
    dx = area.left - bounds.left;
  }
  if (bounds.bottom > area.bottom) {
    // No room below the mouse: above it instead.
    dy = point.y - bounds.bottom;
  }
  if (bounds.top + dy < area.top) {
    dy = area.top - bounds.top;
  }
  OffsetRect(&bounds, dx, dy);
}

} // namespace

void TApplication::SetHint(const String& value) {
  if (hint_ != value) {
    hint_ = value;
    if (OnHint) {
      OnHint(this);
    }
  }
}

void TApplication::SetShowHint(bool value) {
  if (ShowHint() == value) {
    return;
  }
  if (value) {
    hintWindow_ = new THintWindow(nullptr);
    SetHintTracker(THintTracker::Bind<&TApplication::HintMouseMove>(*this));
    return;
  }
  CancelHint();
  SetHintTracker(THintTracker());
  std::exchange(hintWindow_, nullptr)->Free();
}

void TApplication::CancelHint() {
  if (handle_) {
    KillTimer(handle_, hintTimerId);
  }
  hintStep_ = THintStep::none;
  hintControl_ = nullptr;
  hintShown_ = false;
  if (hintWindow_) {
    hintWindow_->HideHint();
  }
}

void TApplication::CheckHintMessage(const MSG& message) {
  if (hintWindow_ && CancelsHint(message.message)) {
    CancelHint();
  }
}

// A mouse move over control: a new control with a hint is waited for (shortly, while a
// hint is up); moving onto the hint window, or onto a control without a hint, ends the hint.
void TApplication::HintMouseMove(TControl& control) {
  if (!hintWindow_ || !active_ || &control == hintControl_) {
    return;
  }
  const bool shown = hintShown_;
  CancelHint();
  if (&control == hintWindow_ || !HasHintToShow(control)) {
    return;
  }
  hintControl_ = &control;
  control.FreeNotification(this);
  hintStep_ = THintStep::show;
  StartHintTimer(shown ? HintShortPause : HintPause);
}

void TApplication::StartHintTimer(int pause) {
  SetTimer(handle_, hintTimerId, static_cast<UINT>(std::max(pause, 0)), nullptr);
}

void TApplication::WMTimer(TWMTimer& message) {
  if (message.TimerID() != hintTimerId) {
    DefaultHandler(message);
    return;
  }
  KillTimer(handle_, hintTimerId);
  switch (std::exchange(hintStep_, THintStep::none)) {
  case THintStep::show:
    ShowHintNow();
    break;
  case THintStep::hide:
    // The control stays the hinted one, so its hint shows again only once the mouse has
    // been somewhere else.
    hintWindow_->HideHint();
    hintShown_ = false;
    break;
  case THintStep::none:
    break;
  }
}

// The hint of the control waited for, when the mouse is still on it and the application
// still active; a tick that comes too late for that cancels instead.
void TApplication::ShowHintNow() {
  POINT cursor{};
  GetCursorPos(&cursor);
  if (!hintWindow_ || !hintControl_ || !active_ ||
      FindControlAtScreenPoint(cursor) != hintControl_) {
    CancelHint();
    return;
  }
  const String text = ShortHint(hintControl_->Hint());
  hintWindow_->SetColor(HintColor);
  hintWindow_->ActivateHint(HintBounds(text), text);
  hintShown_ = true;
  hintStep_ = THintStep::hide;
  StartHintTimer(HintHidePause);
}

RECT TApplication::HintBounds(const String& text) const {
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT bounds = hintWindow_->CalcHintRect(hintMaxWidth, text);
  OffsetRect(&bounds, cursor.x, cursor.y + hintCursorGap);
  KeepInWorkArea(bounds, cursor);
  return bounds;
}

void TApplication::UpdateHint() {
  if (ShowHint() && !mouseControl_) {
    CancelHint();
  }
  SetHint(LongHint(InheritedHint(dynamic_cast<TControl*>(mouseControl_))));
}
