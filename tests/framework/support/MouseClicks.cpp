#include "MouseClicks.h"

void PostClick(HWND window, POINT at) {
  LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageA(window, WM_LBUTTONUP, 0, where);
}
