#include "Win32Error.h"

#include "Exception.h"
#include "Format.h"
#include "Messages.h"

#include <windows.h>

namespace {

String SystemErrorText(DWORD code) {
  char buffer[256] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                                    FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                nullptr, code, 0, buffer, sizeof buffer, nullptr);
  while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r' ||
                        buffer[length - 1] == ' ' || buffer[length - 1] == '.')) {
    --length;
  }
  return String(buffer, length);
}

} // namespace

void RaiseLastWin32Error() {
  DWORD code = GetLastError();
  if (code == 0) {
    throw EWin32Error(LoadMessage(Msg::UnknownWin32Error), 0);
  }
  throw EWin32Error(Format(LoadMessage(Msg::Win32Error), {code, SystemErrorText(code)}), code);
}

void Win32Check(bool ok) {
  if (!ok) {
    RaiseLastWin32Error();
  }
}
