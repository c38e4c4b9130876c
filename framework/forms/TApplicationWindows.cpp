#include "TApplication.h"

#include "TForm.h"
#include "TScreen.h"
#include "ThreadWindows.h"

// Minimizing and restoring all windows, top-most windows, and the taskbar button.

namespace {

constexpr UINT showButton = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

// The state of the taskbar button the application last set.
bool taskbarButtonShown = false;

} // namespace

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
