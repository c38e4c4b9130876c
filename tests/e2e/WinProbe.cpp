// The end-to-end tests' eyes inside Wine: a separate program that looks at the player's
// windows from outside, as any other program on the desktop may, and prints what it sees as
// JSON (texts in UTF-8). It never sends the player anything but the read-only queries every
// window answers (texts, scroll positions, list box lines).
//
//   winprobe windows      every top-level window with its child windows
//   winprobe process PID  the process's user and GDI objects, handles, memory and CPU time
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(size > 0 ? size - 1 : 0, '\0');
  if (size > 1)
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
  return result;
}

std::string Quoted(const std::string& text) {
  std::string result = "\"";
  for (const unsigned char c : text) {
    if (c == '"' || c == '\\') {
      result += '\\';
      result += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      result += escape;
    } else {
      result += static_cast<char>(c);
    }
  }
  return result + "\"";
}

std::string ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return Utf8(name);
}

std::string TextOf(HWND window) {
  wchar_t text[1024] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, nullptr);
  return Utf8(text);
}

std::string Rect(const RECT& r) {
  char text[96];
  std::snprintf(text, sizeof text, "[%ld,%ld,%ld,%ld]", r.left, r.top, r.right, r.bottom);
  return text;
}

std::string ClientOnScreen(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&client, origin.x, origin.y);
  return Rect(client);
}

std::string ListLines(HWND window) {
  std::string lines = "[";
  const LRESULT count = SendMessageW(window, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t line[1024] = {};
    if (SendMessageW(window, LB_GETTEXTLEN, i, 0) < 1024)
      SendMessageW(window, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
    lines += (i ? "," : "") + Quoted(Utf8(line));
  }
  return lines + "]";
}

std::string Common(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  char head[200];
  std::snprintf(head, sizeof head,
                "\"hwnd\":%llu,\"id\":%lld,\"visible\":%s,\"enabled\":%s,\"iconic\":%s,"
                "\"foreground\":%s,",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
                static_cast<long long>(GetDlgCtrlID(window)),
                IsWindowVisible(window) ? "true" : "false",
                IsWindowEnabled(window) ? "true" : "false", IsIconic(window) ? "true" : "false",
                GetForegroundWindow() == window ? "true" : "false");
  std::string text = head;
  text += "\"class\":" + Quoted(ClassOf(window)) + ",\"text\":" + Quoted(TextOf(window));
  text += ",\"rect\":" + Rect(bounds) + ",\"client\":" + ClientOnScreen(window);
  text += ",\"style\":" + std::to_string(static_cast<unsigned long>(style));
  return text;
}

std::string ChildJson(HWND window) {
  std::string text = "{" + Common(window);
  const std::string kind = ClassOf(window);
  if (kind == "ScrollBar" || kind == "SCROLLBAR" || kind == "TScrollBar")
    text += ",\"position\":" + std::to_string(GetScrollPos(window, SB_CTL));
  if (SendMessageW(window, LB_GETCOUNT, 0, 0) >= 0 && kind.find("ListBox") != std::string::npos)
    text += ",\"lines\":" + ListLines(window);
  return text + "}";
}

BOOL CALLBACK AddChild(HWND window, LPARAM target) {
  auto& text = *reinterpret_cast<std::string*>(target);
  text += (text.back() == '[' ? "" : ",") + ChildJson(window);
  return TRUE;
}

BOOL CALLBACK AddTopLevel(HWND window, LPARAM target) {
  auto& text = *reinterpret_cast<std::string*>(target);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  std::string children = "[";
  EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&children));
  const HWND owner = GetWindow(window, GW_OWNER);
  text += (text.back() == '[' ? "" : ",");
  text += "{" + Common(window) + ",\"pid\":" + std::to_string(process);
  text += ",\"owner\":" + std::to_string(reinterpret_cast<UINT_PTR>(owner));
  text += ",\"children\":" + children + "]}";
  return TRUE;
}

int PrintWindows() {
  std::string text = "[";
  EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&text));
  std::printf("%s]\n", text.c_str());
  return 0;
}

double Seconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;
}

int PrintProcess(DWORD id) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
  if (!process) {
    std::printf("{\"error\":%lu}\n", GetLastError());
    return 1;
  }
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process, &memory, sizeof memory);
  DWORD handles = 0;
  GetProcessHandleCount(process, &handles);
  FILETIME created, ended, kernel, user;
  GetProcessTimes(process, &created, &ended, &kernel, &user);
  std::printf("{\"user_objects\":%lu,\"gdi_objects\":%lu,\"handles\":%lu,\"working_set\":%llu,"
              "\"peak_working_set\":%llu,\"private_bytes\":%llu,\"cpu_seconds\":%.3f}\n",
              GetGuiResources(process, GR_USEROBJECTS), GetGuiResources(process, GR_GDIOBJECTS),
              handles, static_cast<unsigned long long>(memory.WorkingSetSize),
              static_cast<unsigned long long>(memory.PeakWorkingSetSize),
              static_cast<unsigned long long>(memory.PagefileUsage),
              Seconds(kernel) + Seconds(user));
  CloseHandle(process);
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "windows") == 0)
    return PrintWindows();
  if (argc == 3 && std::strcmp(argv[1], "process") == 0)
    return PrintProcess(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
  std::fprintf(stderr, "usage: winprobe windows | winprobe process PID\n");
  return 2;
}
