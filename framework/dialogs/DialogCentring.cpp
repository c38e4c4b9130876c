#include "DialogCentring.h"

#include "TApplication.h"
#include "TForm.h"

namespace {

HMONITOR MainMonitor() {
  TForm* mainForm = Application ? Application->MainForm() : nullptr;
  if (mainForm && mainForm->HandleAllocated()) {
    return MonitorFromWindow(mainForm->Handle(), MONITOR_DEFAULTTOPRIMARY);
  }
  return MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
}

} // namespace

void CentreOnMainMonitor(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  RECT bounds{};
  if (!GetMonitorInfoA(MainMonitor(), &monitor) || !GetWindowRect(window, &bounds)) {
    return;
  }
  const RECT& area = monitor.rcMonitor;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const int left = area.left + (area.right - area.left - width) / 2;
  const int top = area.top + (area.bottom - area.top - height) / 3;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOZORDER);
}
