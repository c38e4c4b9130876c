#pragma once

// Raises EWin32Error for the code of GetLastError: "Win32 エラー。コード : %d.\n%s" with the
// system's text for it, or "Win32 API 呼び出しに失敗しました" when the code is 0.
[[noreturn]] void RaiseLastWin32Error();

// Raises the last operating-system error unless ok.
void Win32Check(bool ok);
