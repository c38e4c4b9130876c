#include "WindowBinding.h"

#include "TemporaryChange.h"

#include <utility>

namespace {

// The window being made on this thread: set just before CreateWindowExA and taken by the
// window's first message, which arrives on the same thread inside that call.
struct TPendingTie {
  TWindowProcEntry& Entry;
  const TBoundNotice& Bound;
};

thread_local const TPendingTie* pendingTie = nullptr;

void Tie(HWND window, const TPendingTie& tie) {
  SetWindowLongPtrA(window, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(TWindowProcEntry::Procedure()));
  tie.Entry.Attach(window);
  if ((GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) &&
      GetWindowLongPtrA(window, GWLP_ID) == 0) {
    SetWindowLongPtrA(window, GWLP_ID, reinterpret_cast<LONG_PTR>(window));
  }
  if (tie.Bound) {
    tie.Bound(window);
  }
}

} // namespace

bool RegisterBoundClass(TCreateParams& params) {
  WNDCLASSA existing{};
  HINSTANCE instance = params.WindowClass.hInstance;
  const char* name = params.WinClassName.c_str();
  bool registered = GetClassInfoA(instance, name, &existing) != 0;
  if (registered && existing.lpfnWndProc == StartUpWindowProc) {
    return true;
  }
  if (registered) {
    UnregisterClassA(name, instance);
  }
  WNDCLASSA windowClass = params.WindowClass;
  windowClass.lpfnWndProc = StartUpWindowProc;
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0;
}

HWND CreateBoundWindow(const TCreateParams& params, TWindowProcEntry& entry,
                       const TBoundNotice& bound) {
  TPendingTie tie{entry, bound};
  TTemporaryChange pending(pendingTie, &tie);
  return CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                         params.Style, params.X, params.Y, params.Width, params.Height,
                         params.WndParent, nullptr, params.WindowClass.hInstance, params.Param);
}

LRESULT CALLBACK StartUpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const TPendingTie* tie = std::exchange(pendingTie, nullptr);
  if (!tie) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  Tie(window, *tie);
  return CallWindowProcA(TWindowProcEntry::Procedure(), window, message, wParam, lParam);
}
