#include "TUtilityWindow.h"

#include "Win32Error.h"
#include "WindowBinding.h"

namespace {

TCreateParams UtilityWindowParams() {
  TCreateParams params;
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.WindowClass.lpfnWndProc = DefWindowProcA;
  params.WindowClass.hInstance = GetModuleHandleA(nullptr);
  params.WinClassName = "TPUtilWindow";
  return params;
}

} // namespace

TUtilityWindow::TUtilityWindow(TWndMethod method) : entry_(method) {
  TCreateParams params = UtilityWindowParams();
  Win32Check(RegisterBoundClass(params));
  HWND window = CreateBoundWindow(params, entry_, [this](HWND bound) { handle_ = bound; });
  Win32Check(window != nullptr);
  handle_ = window;
}

TUtilityWindow::~TUtilityWindow() { DestroyWindow(handle_); }
