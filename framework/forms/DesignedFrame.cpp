#include "DesignedFrame.h"

namespace {

constexpr int kSizingBorder = 4;
constexpr int kFixedBorder = 3;
constexpr int kCaption = 19;
constexpr int kToolCaption = 15;
constexpr int kMenuBar = 19;

} // namespace

SIZE DesignedFrame(TFormBorderStyle style, bool menuBar) {
  const int menu = menuBar ? kMenuBar : 0;
  switch (style) {
  case bsNone:
    return SIZE{0, menu};
  case bsSingle:
  case bsDialog:
    return SIZE{2 * kFixedBorder, 2 * kFixedBorder + kCaption + menu};
  case bsToolWindow:
    return SIZE{2 * kFixedBorder, 2 * kFixedBorder + kToolCaption + menu};
  case bsSizeToolWin:
    return SIZE{2 * kSizingBorder, 2 * kSizingBorder + kToolCaption + menu};
  case bsSizeable:
    break;
  }
  return SIZE{2 * kSizingBorder, 2 * kSizingBorder + kCaption + menu};
}

SIZE CurrentFrame(HWND window) {
  RECT outer{};
  RECT client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  SIZE frame{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
  const auto style = GetWindowLongPtrA(window, GWL_STYLE);
  if (style & WS_VSCROLL) {
    frame.cx -= GetSystemMetrics(SM_CXVSCROLL);
  }
  if (style & WS_HSCROLL) {
    frame.cy -= GetSystemMetrics(SM_CYHSCROLL);
  }
  return frame;
}
