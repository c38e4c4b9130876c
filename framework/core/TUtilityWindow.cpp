#include "TUtilityWindow.h"

#include "Win32Error.h"

namespace {

const char className[] = "TPUtilWindow";

void RegisterUtilityClass(HINSTANCE instance) {
  WNDCLASSA existing{};
  bool registered = GetClassInfoA(instance, className, &existing) != 0;
  if (registered && existing.lpfnWndProc == DefWindowProcA) {
    return;
  }
  if (registered) {
    UnregisterClassA(className, instance);
  }
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className;
  Win32Check(RegisterClassA(&windowClass) != 0);
}

} // namespace

TUtilityWindow::TUtilityWindow(TWndMethod method) : entry_(method) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterUtilityClass(instance);
  handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, className, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            instance, nullptr);
  Win32Check(handle_ != nullptr);
  entry_.Attach(handle_);
  SetWindowLongPtrA(handle_, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(TWindowProcEntry::Procedure()));
}

TUtilityWindow::~TUtilityWindow() {
  auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle_, GWLP_WNDPROC));
  DestroyWindow(handle_);
  if (procedure != DefWindowProcA) {
    TWindowProcEntry::Detach(handle_);
  }
}
