#include "KeyInput.h"

#include <vector>

namespace {

INPUT KeyEvent(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

} // namespace

void PressKey(WORD key) { PressKeyWith({}, key); }

void PressKeyWith(std::initializer_list<WORD> modifiers, WORD key) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) {
    inputs.push_back(KeyEvent(modifier, false));
  }
  inputs.push_back(KeyEvent(key, false));
  inputs.push_back(KeyEvent(key, true));
  for (auto it = modifiers.end(); it != modifiers.begin();) {
    inputs.push_back(KeyEvent(*--it, true));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PostAltAlone(HWND window) {
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(VK_MENU, 0));
  PostMessageA(window, WM_SYSKEYDOWN, VK_MENU, 1 | (KF_ALTDOWN | scan) << 16);
  PostMessageA(window, WM_SYSKEYUP, VK_MENU, 1 | (KF_REPEAT | KF_UP | scan) << 16);
}
