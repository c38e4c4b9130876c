#include "UserInput.h"

#include "ApplicationPump.h"

namespace {

void PostMouse(HWND window, UINT message, POINT at, WPARAM keys) {
  PostMessageA(window, message, keys, MAKELPARAM(at.x, at.y));
}

// The key data of a first press (repeat count 1, the key's scan code) and of its release.
LPARAM KeyData(WORD key, bool release) {
  auto scanCode = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  LPARAM data = 1 | (scanCode << 16);
  if (release) {
    data |= static_cast<LPARAM>(0xC0000000u);
  }
  return data;
}

} // namespace

void Click(HWND window, POINT at, WPARAM keys) {
  PostMouse(window, WM_LBUTTONDOWN, at, keys | MK_LBUTTON);
  PostMouse(window, WM_LBUTTONUP, at, keys);
  PumpPending();
}

void DoubleClick(HWND window, POINT at) {
  PostMouse(window, WM_LBUTTONDOWN, at, MK_LBUTTON);
  PostMouse(window, WM_LBUTTONUP, at, 0);
  PostMouse(window, WM_LBUTTONDBLCLK, at, MK_LBUTTON);
  PostMouse(window, WM_LBUTTONUP, at, 0);
  PumpPending();
}

void Drag(HWND window, POINT from, POINT to) {
  PostMouse(window, WM_LBUTTONDOWN, from, MK_LBUTTON);
  PostMouse(window, WM_MOUSEMOVE, POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, MK_LBUTTON);
  PostMouse(window, WM_MOUSEMOVE, to, MK_LBUTTON);
  PostMouse(window, WM_LBUTTONUP, to, 0);
  PumpPending();
}

void PressKey(HWND window, WORD key) {
  PostMessageA(window, WM_KEYDOWN, key, KeyData(key, false));
  PostMessageA(window, WM_KEYUP, key, KeyData(key, true));
  PumpPending();
}
