#pragma once

#include "String.h"

class TObject;

// Reports the exception being handled through the application object, or, before it
// exists or after it is gone, in the fallback box. Call only inside a catch block.
void ReportEscapedException(TObject* sender = nullptr) noexcept;

// The runtime's box for what is not an Exception: "%sがモジュール %s の %p で発生しました。
// \n%s%s" with the class name, the file name of the module that holds address (the program
// for C++ objects, which carry no address), the address relative to that module, the message
// and its missing final period; captioned "アプリケーション エラー", task-modal with the
// error icon and no owner; the text at most 1024 bytes, the caption 63.
void ShowFallbackBox(const String& className, const String& message,
                     const void* address = nullptr) noexcept;
