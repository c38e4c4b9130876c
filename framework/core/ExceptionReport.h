#pragma once

#include "String.h"

class TObject;

// Who reports an exception that escaped a handler: called inside the catch block with the
// object whose handler raised it. The application object installs itself at start-up; the
// layers below it know no application.
using TExceptionReporter = void (*)(TObject* sender);

// Installs reporter (none removes it) and gives the previous one.
TExceptionReporter SetExceptionReporter(TExceptionReporter reporter);

// Reports the exception being handled through the installed reporter or, when there is none
// (before the application exists or after it is gone) or the reporter itself fails, in the
// fallback box. Call only inside a catch block.
void ReportEscapedException(TObject* sender = nullptr) noexcept;

// The runtime's box for what is not an Exception: "%sがモジュール %s の %p で発生しました。
// \n%s%s" with the class name, the file name of the module that holds address (the program
// for C++ objects, which carry no address), the address relative to that module, the message
// and its missing final period; captioned "アプリケーション エラー", task-modal with the
// error icon and no owner; the text at most 1024 bytes, the caption 63.
void ShowFallbackBox(const String& className, const String& message,
                     const void* address = nullptr) noexcept;
