#include "TApplication.h"

#include "FaultTranslation.h"
#include "FrameworkMessages.h"
#include "MouseCapture.h"
#include "TForm.h"
#include "TemporaryChange.h"

#include <algorithm>
#include <cstdlib>

// The message loop of the application object, its idle work and its end.

namespace {

// The forms go down when the process ends, after the entry point returned.
void RegisterShutDownAtExit() {
  static bool registered = false;
  if (!registered) {
    registered = true;
    std::atexit([] {
      if (Application) {
        Application->ShutDown();
      }
    });
  }
}

// The show command the process was started with: maximized, or minimized without applying it.
void ApplyStartShowCommand(TForm& mainForm) {
  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  if (!(startup.dwFlags & STARTF_USESHOWWINDOW)) {
    return;
  }
  if (startup.wShowWindow == SW_SHOWMAXIMIZED) {
    mainForm.SetWindowState(wsMaximized);
  } else if (startup.wShowWindow == SW_SHOWMINNOACTIVE) {
    mainForm.MarkMinimized();
  }
}

} // namespace

std::vector<std::function<bool()>>& QuitChecks() {
  static std::vector<std::function<bool()>> checks;
  return checks;
}

bool QuitChecksAgree() {
  return std::all_of(QuitChecks().begin(), QuitChecks().end(), [](auto& check) { return check(); });
}

void TApplication::RunLoop() {
  TTemporaryChange running(running_, true);
  RegisterShutDownAtExit();
  if (!mainForm_) {
    return;
  }
  ApplyStartShowCommand(*mainForm_);
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
  TFaultScope faults;
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
  CheckHintMessage(message);
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
  UpdateHint();
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
  // While a control has the capture, only that control hears of the mouse leaving or
  // entering it; the control under the mouse is remembered all the same.
  TControl* capture = CaptureControl();
  auto* old = dynamic_cast<TControl*>(mouseControl_);
  if (old && (!capture || capture == old)) {
    old->Deliver(XM_MOUSELEAVE);
  }
  mouseControl_ = control;
  if (control) {
    control->FreeNotification(this);
    if (!capture || capture == control) {
      control->Deliver(XM_MOUSEENTER);
    }
  }
}

void TApplication::ComponentNotice(TComponent* component, TOperation operation) {
  TComponent::ComponentNotice(component, operation);
  if (operation == opRemove && component == mouseControl_) {
    mouseControl_ = nullptr;
  }
  if (operation == opRemove && component == hintControl_) {
    CancelHint();
  }
}

void TApplication::Quit() {
  if (QuitChecksAgree()) {
    PostQuitMessage(0);
  }
}

void TApplication::ShutDown() {
  if (handle_) {
    ShowOwnedPopups(handle_, FALSE);
  }
  SetShowHint(false);
  while (ComponentCount() > 0) {
    Components(ComponentCount() - 1)->Free();
  }
}
