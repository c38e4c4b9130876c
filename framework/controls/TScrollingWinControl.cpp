#include "TScrollingWinControl.h"

#include "TemporaryChange.h"

#include <algorithm>

SORVANE_MESSAGE_ROWS(TScrollingWinControl){
    SORVANE_ON(WM_SIZE, WMSize),
    SORVANE_ON(WM_HSCROLL, WMHScroll),
    SORVANE_ON(WM_VSCROLL, WMVScroll),
};
SORVANE_MESSAGE_TABLE(TScrollingWinControl)

namespace {

// How far one press of a scroll arrow moves, in pixels.
constexpr int lineStep = 8;

SIZE BarSize() { return SIZE{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)}; }

} // namespace

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

void TScrollingWinControl::AlignControls() { UpdateScrollBars(); }

void TScrollingWinControl::WMSize(TWMSize& message) {
  DefaultHandler(message);
  UpdateScrollBars();
}

void TScrollingWinControl::WMHScroll(TWMScroll& message) {
  if (message.ScrollBar()) {
    Reflect(message, message.ScrollBar());
    return;
  }
  ScrollTo(POINT{ScrolledPosition(SB_HORZ, message), position_.y});
}

void TScrollingWinControl::WMVScroll(TWMScroll& message) {
  if (message.ScrollBar()) {
    Reflect(message, message.ScrollBar());
    return;
  }
  ScrollTo(POINT{position_.x, ScrolledPosition(SB_VERT, message)});
}

int TScrollingWinControl::ScrolledPosition(int bar, const TWMScroll& message) const {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(const_cast<TScrollingWinControl*>(this)->Handle(), bar, &info);
  const int page = static_cast<int>(info.nPage);
  switch (message.ScrollCode()) {
  case SB_LINEUP:
    return info.nPos - lineStep;
  case SB_LINEDOWN:
    return info.nPos + lineStep;
  case SB_PAGEUP:
    return info.nPos - page;
  case SB_PAGEDOWN:
    return info.nPos + page;
  case SB_THUMBTRACK:
  case SB_THUMBPOSITION:
    return info.nTrackPos;
  case SB_TOP:
    return info.nMin;
  case SB_BOTTOM:
    return info.nMax;
  default:
    return info.nPos;
  }
}

void TScrollingWinControl::ScrollTo(POINT position) {
  if (!HandleAllocated()) {
    return;
  }
  SIZE range = ContentRange();
  RECT page{};
  GetClientRect(Handle(), &page);
  LONG maxX = std::max(LONG{0}, range.cx - page.right);
  LONG maxY = std::max(LONG{0}, range.cy - page.bottom);
  POINT to{std::clamp(position.x, LONG{0}, maxX), std::clamp(position.y, LONG{0}, maxY)};
  if (to.x == position_.x && to.y == position_.y) {
    return;
  }
  MoveContent(to);
  SetScrollPos(Handle(), SB_HORZ, to.x, TRUE);
  SetScrollPos(Handle(), SB_VERT, to.y, TRUE);
}

void TScrollingWinControl::MoveContent(POINT to) {
  const LONG dx = position_.x - to.x;
  const LONG dy = position_.y - to.y;
  position_ = to;
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
  }
  EnableAlign();
  Invalidate();
}

SIZE TScrollingWinControl::ContentRange() const {
  SIZE range{0, 0};
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (child->Visible()) {
      range.cx = std::max(range.cx, position_.x + child->Left() + child->Width());
      range.cy = std::max(range.cy, position_.y + child->Top() + child->Height());
    }
  }
  return range;
}

SIZE TScrollingWinControl::ClientWithoutBars() const {
  HWND window = const_cast<TScrollingWinControl*>(this)->Handle();
  RECT client{};
  GetClientRect(window, &client);
  LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  SIZE bar = BarSize();
  return SIZE{client.right + ((style & WS_VSCROLL) ? bar.cx : 0),
              client.bottom + ((style & WS_HSCROLL) ? bar.cy : 0)};
}

void TScrollingWinControl::UpdateScrollBars() {
  if (!autoScroll_ || !HandleAllocated() || updating_) {
    return;
  }
  TTemporaryChange updating(updating_, true);
  SIZE client = ClientWithoutBars();
  SIZE range = ContentRange();
  SIZE bar = BarSize();
  TScrollBarsShown shown = DecideScrollBars(client, range, bar);
  SIZE page{client.cx - (shown.Vertical ? bar.cx : 0), client.cy - (shown.Horizontal ? bar.cy : 0)};
  POINT to{shown.Horizontal ? std::clamp(position_.x, LONG{0}, range.cx - page.cx) : 0,
           shown.Vertical ? std::clamp(position_.y, LONG{0}, range.cy - page.cy) : 0};
  if (to.x != position_.x || to.y != position_.y) {
    MoveContent(to);
  }
  ApplyBar(SB_VERT, shown.Vertical, range.cy, page.cy, to.y);
  ApplyBar(SB_HORZ, shown.Horizontal, range.cx, page.cx, to.x);
}

void TScrollingWinControl::ApplyBar(int bar, bool shown, int range, int page, int position) {
  HWND window = Handle();
  const LONG_PTR flag = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
  const bool visible = (GetWindowLongPtrA(window, GWL_STYLE) & flag) != 0;
  if (shown) {
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    range - 1,
                    static_cast<UINT>(std::max(page, 0)),
                    position,
                    0};
    SetScrollInfo(window, bar, &info, TRUE);
  }
  if (shown != visible) {
    ShowScrollBar(window, bar, shown);
  }
}
