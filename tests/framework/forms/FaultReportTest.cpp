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

// What the fault child showed in its fallback box, and how it ended.
struct ChildReport {
  String caption;
  String text;
  DWORD exitCode = 0;
};

// Runs the fault child with its arguments, closes the box it shows, and waits for its end.
void RunFaultChild(const char* arguments, ChildReport& report) {
  String command = "\"" + SiblingProgram("framework_fault_child.exe") + "\" " + arguments;
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
  if (search.found) {
    report.caption = ForeignText(search.found);
    report.text = ForeignText(GetDlgItem(search.found, 0xFFFF));
    PostMessageA(search.found, WM_COMMAND, IDOK, 0);
  }
  const bool ended = WaitForSingleObject(child.hProcess, 10000) == WAIT_OBJECT_0;
  if (!ended) {
    TerminateProcess(child.hProcess, 1);
  }
  GetExitCodeProcess(child.hProcess, &report.exitCode);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  ASSERT_NE(search.found, nullptr);
  ASSERT_TRUE(ended);
}

} // namespace

TEST(FaultReport, UnhandledFaultIsShownInTheFallbackBoxAndEndsTheProgram) {
  ChildReport report;
  ASSERT_NO_FATAL_FAILURE(RunFaultChild("", report));
  EXPECT_EQ(report.caption, "アプリケーション エラー");
  EXPECT_EQ(report.text.rfind("EAccessViolationがモジュール framework_fault_child.exe の ", 0), 0u);
  EXPECT_NE(report.text.find("書き込み違反"), String::npos);
  EXPECT_EQ(report.exitCode, 0xC0000005u);
}

#if defined(__i386__)
// 32-bit code cannot unwind through the runtime library, so a fault inside it is not raised
// in the handler; it must still be shown and end the program, never end it silently.
TEST(FaultReport, AFaultInsideTheRuntimeLibraryIsShownInTheFallbackBoxIn32BitCode) {
  ChildReport report;
  ASSERT_NO_FATAL_FAILURE(RunFaultChild("library", report));
  EXPECT_EQ(report.caption, "アプリケーション エラー");
  EXPECT_EQ(report.text.rfind("EAccessViolationがモジュール msvcrt.dll の ", 0), 0u) << report.text;
  EXPECT_NE(report.text.find("読み込み違反"), String::npos);
  EXPECT_EQ(report.exitCode, 0xC0000005u);
}
#endif
