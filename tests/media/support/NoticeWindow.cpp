#include "NoticeWindow.h"

#include <mmsystem.h>

#include <stdexcept>

namespace {

constexpr char kClassName[] = "SorvaneNoticeWindow";

ATOM RegisterNoticeClass(WNDPROC procedure) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  return RegisterClassA(&windowClass);
}

} // namespace

TNoticeWindow::TNoticeWindow() {
  static const ATOM registered = RegisterNoticeClass(Procedure);
  if (registered == 0)
    throw std::runtime_error("the notice window class cannot be registered");
  handle_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), this);
  if (handle_ == nullptr)
    throw std::runtime_error("the notice window cannot be created");
}

TNoticeWindow::~TNoticeWindow() { DestroyWindow(handle_); }

LRESULT CALLBACK TNoticeWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TNoticeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == MM_MCINOTIFY && self != nullptr) {
    self->received_.push_back({wParam, lParam});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool PumpThreadUntil(const std::function<bool()>& done, DWORD deadlineMs) {
  ULONGLONG deadline = GetTickCount64() + deadlineMs;
  for (;;) {
    PumpThreadPending();
    if (done())
      return true;
    ULONGLONG now = GetTickCount64();
    if (now >= deadline)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}

void PumpThreadPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
