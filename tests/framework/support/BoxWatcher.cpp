#include "BoxWatcher.h"

namespace {

struct BoxSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<BoxSearch*>(data);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search.process && String(className) == "#32770" && IsWindowVisible(window)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

String WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

} // namespace

BoxWatcher::BoxWatcher(HWND watched) : watched_(watched), thread_([this] { Watch(); }) {}

BoxWatcher::~BoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<SeenBox> BoxWatcher::Boxes() {
  std::lock_guard lock(mutex_);
  return boxes_;
}

void BoxWatcher::Watch() {
  while (!stop_) {
    BoxSearch search{GetCurrentProcessId(), nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      SeenBox box{WindowText(search.found), WindowText(GetDlgItem(search.found, 0xFFFF)),
                  watched_ && IsWindowEnabled(watched_)};
      {
        std::lock_guard lock(mutex_);
        boxes_.push_back(box);
      }
      PostMessageA(search.found, WM_COMMAND, IDOK, 0);
      // A closed box is hidden at once but destroyed only when its modal loop returns,
      // which waits for any box shown inside it (an error raised while the first is up).
      while (IsWindow(search.found) && IsWindowVisible(search.found) && !stop_) {
        Sleep(10);
      }
    }
    Sleep(20);
  }
}
