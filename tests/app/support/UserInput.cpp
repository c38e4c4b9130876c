#include "UserInput.h"

#include "ApplicationPump.h"
#include "TMenuItem.h"
#include "TWinControl.h"

#include <shlobj.h>

#include <cstring>

namespace {

void Post(HWND window, UINT message, WPARAM wParam, POINT at) {
  PostMessageA(window, message, wParam, MAKELPARAM(at.x, at.y));
}

HGLOBAL MakeDrop(const std::vector<String>& paths) {
  std::size_t bytes = sizeof(DROPFILES) + 1;
  for (const String& path : paths) {
    bytes += path.size() + 1;
  }
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  char* text = reinterpret_cast<char*>(header + 1);
  for (const String& path : paths) {
    std::memcpy(text, path.c_str(), path.size() + 1);
    text += path.size() + 1;
  }
  GlobalUnlock(memory);
  return memory;
}

} // namespace

void ClickAt(HWND window, POINT at) {
  Post(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  Post(window, WM_LBUTTONUP, 0, at);
  PumpPending();
}

void Click(TWinControl& control) {
  ClickAt(control.Handle(), POINT{control.Width() / 2, control.Height() / 2});
}

void DoubleClickAt(HWND window, POINT at) {
  Post(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  Post(window, WM_LBUTTONUP, 0, at);
  Post(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  Post(window, WM_LBUTTONUP, 0, at);
  PumpPending();
}

void PressKey(HWND window, WORD key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  PumpPending();
}

void Choose(HWND form, const TMenuItem& item) {
  PostMessageA(form, WM_COMMAND, MAKEWPARAM(item.Command(), 0), 0);
  PumpPending();
}

void DropFiles(HWND window, const std::vector<String>& paths) {
  PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
  PumpPending();
}
