#include "TApplication.h"

#include "ExceptionReport.h"
#include "ShiftJis.h"
#include "ThreadWindows.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

// Reporting exceptions that escaped handlers, and message boxes.

namespace {

// Where a message box goes when the active window is on another monitor: the application
// window moves there and back without being sized, activated, redrawn or reordered.
constexpr UINT moveQuietly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;

String DemangledName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> name(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  return status == 0 && name ? String(name.get()) : String(type.name());
}

} // namespace

void TApplication::ReportCurrentException(TObject* sender) {
  if (HWND capture = GetCapture()) {
    SendMessageA(capture, WM_CANCELMODE, 0, 0);
  }
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const Exception& error) {
    if (OnException) {
      OnException(sender, error);
    } else {
      ShowErrorBox(error);
    }
  } catch (const std::exception& error) {
    ShowFallbackBox(DemangledName(typeid(error)), String());
  } catch (...) {
    ShowFallbackBox(String(), String());
  }
}

void TApplication::ShowErrorBox(const Exception& error) {
  ShowMessageBox(WithFinalPeriod(error.Message()), Title(), MB_ICONERROR);
}

int TApplication::ShowMessageBox(const String& text, const String& caption, UINT flags) {
  HWND active = GetActiveWindow();
  RECT saved{};
  bool moved = false;
  if (active && MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST) !=
                    MonitorFromWindow(handle_, MONITOR_DEFAULTTONEAREST)) {
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoA(MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST), &monitor);
    GetWindowRect(handle_, &saved);
    SetWindowPos(handle_, nullptr, (monitor.rcMonitor.left + monitor.rcMonitor.right) / 2,
                 (monitor.rcMonitor.top + monitor.rcMonitor.bottom) / 2, 0, 0, moveQuietly);
    moved = true;
  }
  std::vector<HWND> disabled = DisableThreadWindows(handle_);
  int result = MessageBoxA(handle_, text.c_str(), caption.c_str(), flags);
  if (moved) {
    SetWindowPos(handle_, nullptr, (saved.left + saved.right) / 2, (saved.top + saved.bottom) / 2,
                 0, 0, moveQuietly);
  }
  EnableWindows(disabled);
  if (active && IsWindow(active)) {
    SetActiveWindow(active);
  }
  return result;
}
