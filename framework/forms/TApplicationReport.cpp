#include "TApplication.h"

#include "ExceptionReport.h"
#include "ScopeGuard.h"
#include "ShiftJis.h"
#include "ThreadWindows.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <typeinfo>

// Reporting exceptions that escaped handlers, and message boxes.

namespace {

// Where a message box goes when the active window is on another monitor: the application
// window moves there and back without being sized, activated, redrawn or reordered.
constexpr UINT moveQuietly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;

POINT CenterOf(const RECT& rect) {
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void MoveQuietly(HWND window, POINT to) {
  SetWindowPos(window, nullptr, to.x, to.y, 0, 0, moveQuietly);
}

// Moves window to the centre of the monitor of active when that is another monitor than
// window's; true when it moved, with its rectangle before in saved.
bool MoveToMonitorOf(HWND window, HWND active, RECT& saved) {
  if (!active) {
    return false;
  }
  HMONITOR target = MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST);
  if (target == MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)) {
    return false;
  }
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  GetMonitorInfoA(target, &monitor);
  GetWindowRect(window, &saved);
  MoveQuietly(window, CenterOf(monitor.rcMonitor));
  return true;
}

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
    ReportException(sender, error);
  } catch (const std::bad_alloc&) {
    ReportException(sender, outOfMemory_);
  } catch (const std::exception& error) {
    ShowFallbackBox(DemangledName(typeid(error)), String());
  } catch (...) {
    ShowFallbackBox(String(), String());
  }
}

void TApplication::ReportException(TObject* sender, const Exception& error) {
  if (OnException) {
    OnException(sender, error);
  } else {
    ShowErrorBox(error);
  }
}

void TApplication::ShowErrorBox(const Exception& error) {
  ShowMessageBox(WithFinalPeriod(error.Message()), Title(), MB_ICONERROR);
}

int TApplication::ShowMessageBox(const String& text, const String& caption, UINT flags) {
  HWND active = GetActiveWindow();
  RECT saved{};
  bool moved = MoveToMonitorOf(handle_, active, saved);
  std::vector<HWND> disabled = DisableThreadWindows(handle_);
  TScopeGuard restore([&] {
    if (moved) {
      MoveQuietly(handle_, CenterOf(saved));
    }
    EnableWindows(disabled);
    if (active && IsWindow(active)) {
      SetActiveWindow(active);
    }
  });
  return MessageBoxA(handle_, text.c_str(), caption.c_str(), flags);
}
