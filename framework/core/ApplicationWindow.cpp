#include "ApplicationWindow.h"

#include <atomic>

namespace {

std::atomic<HWND>& Window() {
  static std::atomic<HWND> window{nullptr};
  return window;
}

} // namespace

HWND ApplicationWindow() { return Window().load(); }

void SetApplicationWindow(HWND window) { Window().store(window); }
