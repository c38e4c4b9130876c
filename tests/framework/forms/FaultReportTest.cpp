#include "ShiftJis.h"
#include "String.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

struct ProcessBox {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindProcessBox(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<ProcessBox*>(data);
  wchar_t className[32] = {};
  GetClassNameW(window, className, 32);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search.process && std::wstring(className) == L"#32770") {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// The text of another process's window, through the W functions, in the ANSI code page.
String ForeignText(HWND window) {
  wchar_t wide[1024] = {};
  SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
  char narrow[2048] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
  return narrow;
}

String SiblingProgram(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  String program(path);
  program.erase(LastDelimiter("\\", program));
  return program + name;
}

} // namespace

TEST(FaultReport, UnhandledFaultIsShownInTheFallbackBoxAndEndsTheProgram) {
  String command = "\"" + SiblingProgram("framework_fault_child.exe") + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &child));
  ProcessBox search{child.dwProcessId, nullptr};
  for (int i = 0; i < 500 && !search.found; ++i) {
    Sleep(20);
    EnumWindows(FindProcessBox, reinterpret_cast<LPARAM>(&search));
  }
  ASSERT_NE(search.found, nullptr);
  String caption = ForeignText(search.found);
  String text = ForeignText(GetDlgItem(search.found, 0xFFFF));
  PostMessageA(search.found, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(WaitForSingleObject(child.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  GetExitCodeProcess(child.hProcess, &exitCode);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_EQ(caption, "アプリケーション エラー");
  EXPECT_EQ(text.rfind("EAccessViolationがモジュール framework_fault_child.exe の ", 0), 0u);
  EXPECT_NE(text.find("書き込み違反"), String::npos);
  EXPECT_EQ(exitCode, 0xC0000005u);
}
