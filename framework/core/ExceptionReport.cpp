#include "ExceptionReport.h"

#include "Format.h"
#include "Messages.h"
#include "Modules.h"
#include "ShiftJis.h"

#include <windows.h>

#include <atomic>

namespace {

constexpr std::size_t maxFallbackText = 1024;
constexpr std::size_t maxFallbackCaption = 63;

std::atomic<TExceptionReporter>& Reporter() {
  static std::atomic<TExceptionReporter> reporter{nullptr};
  return reporter;
}

String Limited(String text, std::size_t limit) {
  if (text.size() > limit) {
    std::size_t cut = limit;
    if (IsTrailByteAt(text, cut)) {
      --cut;
    }
    text.resize(cut);
  }
  return text;
}

} // namespace

void ShowFallbackBox(const String& className, const String& message, const void* address) noexcept {
  try {
    HMODULE module = ModuleOfAddress(address);
    const void* relative = address && module
                               ? reinterpret_cast<const void*>(reinterpret_cast<UINT_PTR>(address) -
                                                               reinterpret_cast<UINT_PTR>(module))
                               : address;
    String period = !message.empty() && message.back() != '.' ? String(".") : String();
    String text = Format(LoadMessage(Msg::ExceptionInModule),
                         {className, ModuleFileName(module), relative, message, period});
    String caption = LoadMessage(Msg::ApplicationError);
    MessageBoxA(nullptr, Limited(text, maxFallbackText).c_str(),
                Limited(caption, maxFallbackCaption).c_str(), MB_TASKMODAL | MB_ICONERROR);
  } catch (...) {
    MessageBoxA(nullptr, "", "", MB_TASKMODAL | MB_ICONERROR);
  }
}

TExceptionReporter SetExceptionReporter(TExceptionReporter reporter) {
  return Reporter().exchange(reporter);
}

void ReportEscapedException(TObject* sender) noexcept {
  try {
    if (TExceptionReporter reporter = Reporter().load()) {
      reporter(sender);
      return;
    }
    throw;
  } catch (...) {
    ShowFallbackBox(String(), String());
  }
}
