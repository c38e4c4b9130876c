#include "TScrollingWinControl.h"

#include <algorithm>

SORVANE_MESSAGE_ROWS(TScrollingWinControl){
    SORVANE_ON(WM_SIZE, WMSize),
};
SORVANE_MESSAGE_TABLE(TScrollingWinControl)

void TScrollingWinControl::SetAutoScroll(bool value) {
  if (autoScroll_ != value) {
    autoScroll_ = value;
    UpdateScrollBars();
  }
}

void TScrollingWinControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollBars();
}

void TScrollingWinControl::WMSize(TWMSize& message) {
  DefaultHandler(message);
  UpdateScrollBars();
}

SIZE TScrollingWinControl::ChildrenExtent() const {
  SIZE extent{0, 0};
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (child->Visible()) {
      extent.cx = std::max(extent.cx, static_cast<LONG>(child->Left() + child->Width()));
      extent.cy = std::max(extent.cy, static_cast<LONG>(child->Top() + child->Height()));
    }
  }
  return extent;
}

void TScrollingWinControl::UpdateScrollBars() {
  if (!autoScroll_ || !HandleAllocated()) {
    return;
  }
  HWND window = Handle();
  RECT client{};
  GetClientRect(window, &client);
  LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  int fullWidth = client.right + ((style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  int fullHeight = client.bottom + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
  SIZE extent = ChildrenExtent();
  bool vertical = fullHeight < extent.cy;
  bool horizontal = fullWidth - (vertical ? GetSystemMetrics(SM_CXVSCROLL) : 0) < extent.cx;
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  info.nMax = extent.cy;
  info.nPage = static_cast<UINT>(std::max(client.bottom, LONG{0}));
  if (vertical) {
    SetScrollInfo(window, SB_VERT, &info, TRUE);
  }
  info.nMax = extent.cx;
  info.nPage = static_cast<UINT>(std::max(client.right, LONG{0}));
  if (horizontal) {
    SetScrollInfo(window, SB_HORZ, &info, TRUE);
  }
  if (vertical != ((style & WS_VSCROLL) != 0)) {
    ShowScrollBar(window, SB_VERT, vertical);
  }
  if (horizontal != ((style & WS_HSCROLL) != 0)) {
    ShowScrollBar(window, SB_HORZ, horizontal);
  }
}
