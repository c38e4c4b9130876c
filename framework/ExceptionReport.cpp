#include "ExceptionReport.h"

#include "Format.h"
#include "Messages.h"
#include "Modules.h"
#include "ShiftJis.h"
#include "TApplication.h"

#include <windows.h>

namespace {

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
    MessageBoxA(nullptr, Limited(text, 1024).c_str(), Limited(caption, 63).c_str(),
                MB_TASKMODAL | MB_ICONERROR);
  } catch (...) {
    MessageBoxA(nullptr, "", "", MB_TASKMODAL | MB_ICONERROR);
  }
}

void ReportEscapedException(TObject* sender) noexcept {
  try {
    if (Application) {
      Application->ReportCurrentException(sender);
      return;
    }
    throw;
  } catch (...) {
    ShowFallbackBox(String(), String());
  }
}
