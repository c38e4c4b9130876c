#include "DialogDriver.h"

#include "Pump.h"

#include <commdlg.h>

#include <dlgs.h>

namespace {

struct WindowSearch {
  bool messageBox;
  HWND found;
};

bool HasControl(HWND dialog, int id) { return GetDlgItem(dialog, id) != nullptr; }

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (String(className) != "#32770" || !IsWindowVisible(window)) {
    return TRUE;
  }
  const bool isMessageBox = HasControl(window, 0xFFFF);
  const bool isFileDialog = HasControl(window, cmb13) || HasControl(window, edt1);
  if (search.messageBox ? isMessageBox : isFileDialog) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseInput(DWORD flags, POINT at) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

// The key presses that type one character on the current keyboard layout.
std::vector<INPUT> KeysFor(char character) {
  const SHORT scan = VkKeyScanA(character);
  const auto key = static_cast<WORD>(LOBYTE(scan));
  const bool shift = (HIBYTE(scan) & 1) != 0;
  std::vector<INPUT> inputs;
  if (shift) {
    inputs.push_back(KeyInput(VK_SHIFT, false));
  }
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  if (shift) {
    inputs.push_back(KeyInput(VK_SHIFT, true));
  }
  return inputs;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

DialogDriver::DialogDriver(Script script)
    : testThread_(GetCurrentThreadId()), thread_([this, script] { Run(script); }) {}

DialogDriver::~DialogDriver() { Finish(); }

void DialogDriver::Finish() {
  if (thread_.joinable()) {
    thread_.join();
  }
}

std::vector<String> DialogDriver::Problems() {
  std::lock_guard lock(mutex_);
  return problems_;
}

void DialogDriver::Note(const String& problem) {
  std::lock_guard lock(mutex_);
  problems_.push_back(problem);
}

void DialogDriver::Run(const Script& script) {
  script(*this);
  CancelOpenDialog();
}

void DialogDriver::CancelOpenDialog() {
  // The last key or press of the script may still be on its way.
  if (!WaitUntil([this] { return FindWindowOfTest(false) == nullptr; }, "the dialog to close")) {
    PostMessageA(FindWindowOfTest(false), WM_COMMAND, IDCANCEL, 0);
  }
}

HWND DialogDriver::FindWindowOfTest(bool messageBox) const {
  WindowSearch search{messageBox, nullptr};
  EnumThreadWindows(testThread_, FindDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool DialogDriver::WaitUntil(const std::function<bool()>& condition, const char* what) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > pumpDeadline) {
      Note(String("timed out waiting for ") + what);
      return false;
    }
    Sleep(10);
  }
  return true;
}

HWND DialogDriver::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(testThread_, &info);
  return info.hwndFocus;
}

HWND DialogDriver::WaitForDialog() {
  HWND dialog = nullptr;
  WaitUntil(
      [&] {
        dialog = FindWindowOfTest(false);
        return dialog && GetForegroundWindow() == dialog && IsChild(dialog, Focus());
      },
      "the open dialog");
  return dialog;
}

HWND DialogDriver::WaitForMessageBox() {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        box = FindWindowOfTest(true);
        return box != nullptr && GetForegroundWindow() == box;
      },
      "a message box");
  return box;
}

void DialogDriver::Type(std::string_view text) {
  HWND box = Focus();
  for (char character : text) {
    Send(KeysFor(character));
  }
  WaitUntil([&] { return TextOf(box) == text; }, "the typed text");
}

void DialogDriver::Press(WORD key) { Send({KeyInput(key, false), KeyInput(key, true)}); }

void DialogDriver::PressWith(WORD modifier, WORD key) {
  Send({KeyInput(modifier, false), KeyInput(key, false), KeyInput(key, true),
        KeyInput(modifier, true)});
}

void DialogDriver::ClearBox() {
  HWND box = Focus();
  Send({KeyInput(VK_END, false), KeyInput(VK_END, true), KeyInput(VK_SHIFT, false),
        KeyInput(VK_HOME, false), KeyInput(VK_HOME, true), KeyInput(VK_SHIFT, true),
        KeyInput(VK_DELETE, false), KeyInput(VK_DELETE, true)});
  WaitUntil([&] { return TextOf(box).empty(); }, "the box to empty");
}

void DialogDriver::Click(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const POINT middle{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  Send({MouseInput(MOUSEEVENTF_MOVE, middle), MouseInput(MOUSEEVENTF_LEFTDOWN, middle),
        MouseInput(MOUSEEVENTF_LEFTUP, middle)});
}

String DialogDriver::TextOf(HWND window) {
  const auto length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
  String text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(window, text.data(), length + 1);
  text.resize(text.find('\0'));
  return text;
}
