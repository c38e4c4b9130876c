#include "TCustomForm.h"

#include "EventFiring.h"
#include "Messages.h"
#include "TApplication.h"
#include "TForm.h"
#include "TScreen.h"
#include "TemporaryChange.h"
#include "ThreadWindows.h"

#include <algorithm>

// Showing and hiding a form, and where it appears.

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
  TTemporaryChange inProgress(showingInProgress_, true);
  if (Showing()) {
    DoShow();
    ApplyPosition();
    ShowWindow(Handle(), ShowCommand());
  } else {
    DoHide();
    UnmergeMenu();
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

void TCustomForm::DoShow() { FireReporting(this, OnShow, this); }

void TCustomForm::DoHide() { FireReporting(this, OnHide, this); }

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
  case poDefault:
  case poDefaultPosOnly:
  case poDefaultSizeOnly:
    // The window system chose the place when the window was made; it is kept from now on.
    break;
  case poDesigned:
    return;
  }
  position_ = poDesigned;
}
