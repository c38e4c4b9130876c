#include "TScrollBar.h"

#include "Exception.h"
#include "FrameworkMessages.h"
#include "Messages.h"

#include <imm.h>

#include <algorithm>

SORVANE_ENUM_TYPE(TScrollBarKind, SORVANE_TScrollBarKind)

TPublishedTables TScrollBar::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TScrollBar::Kind, &TScrollBar::SetKind>("Kind"),
      PublishedProperty<&TScrollBar::LargeChange, &TScrollBar::SetLargeChange>("LargeChange"),
      PublishedProperty<&TScrollBar::Max, &TScrollBar::SetMax>("Max"),
      PublishedProperty<&TScrollBar::Min, &TScrollBar::SetMin>("Min"),
      PublishedProperty<&TScrollBar::PageSize, &TScrollBar::SetPageSize>("PageSize"),
      PublishedProperty<&TScrollBar::Position, &TScrollBar::SetPosition>("Position"),
      PublishedProperty<&TScrollBar::SmallChange, &TScrollBar::SetSmallChange>("SmallChange"),
      PublishedProperty<&TScrollBar::OnChange>("OnChange"),
      PublishedProperty<&TScrollBar::OnScroll>("OnScroll"),
  };
  return {properties};
}

SORVANE_MESSAGE_ROWS(TScrollBar){
    SORVANE_ON(XN_HSCROLL, XNScroll),
    SORVANE_ON(XN_VSCROLL, XNScroll),
    SORVANE_ON(XN_BASE + WM_CTLCOLORSCROLLBAR, XNCtlColorScrollBar),
    SORVANE_ON(WM_ERASEBKGND, WMEraseBkgnd),
};
SORVANE_MESSAGE_TABLE(TScrollBar)

namespace {

// The native scroll bar reports its own clicks and takes the mouse itself.
constexpr TControlStyle frameworkClicks = csClickEvents | csCaptureMouse;

constexpr TScrollBarInc largestStep = 32767;

TScrollBarInc ValidStep(int value) {
  return static_cast<TScrollBarInc>(std::clamp<int>(value, 1, largestStep));
}

} // namespace

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~frameworkClicks);
  SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (kind_ == value) {
    return;
  }
  kind_ = value;
  if (!IsLoading()) {
    SetBounds(Left(), Top(), Height(), Width());
  }
  RecreateWnd();
}

void TScrollBar::ApplyRange(int position, int min, int max) {
  if (max < min) {
    throw EInvalidOperation(LoadMessage(Msg::ScrollBarRange));
  }
  position = std::clamp(position, min, max);
  if (min != min_ || max != max_) {
    min_ = min;
    max_ = max;
    if (HandleAllocated()) {
      SetScrollRange(Handle(), SB_CTL, min_, max_, position == position_);
    }
  }
  if (position != position_) {
    position_ = position;
    if (HandleAllocated()) {
      SetScrollPos(Handle(), SB_CTL, position_, TRUE);
    }
    SetEnabled(true);
    Change();
  }
}

void TScrollBar::SetPageSize(int value) {
  if (value == pageSize_ || value < 0 || static_cast<long long>(value) > 1LL + max_ - min_) {
    return;
  }
  pageSize_ = value;
  if (HandleAllocated()) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE;
    info.nPage = static_cast<UINT>(pageSize_);
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
  }
}

void TScrollBar::SetSmallChange(int value) { smallChange_ = ValidStep(value); }

void TScrollBar::SetLargeChange(int value) { largeChange_ = ValidStep(value); }

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "SCROLLBAR");
  params.Style |= kind_ == sbHorizontal ? SBS_HORZ : SBS_VERT | SBS_RIGHTALIGN;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  HWND window = Handle();
  SetScrollRange(window, SB_CTL, min_, max_, FALSE);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_PAGE;
  info.nPage = static_cast<UINT>(pageSize_);
  SetScrollInfo(window, SB_CTL, &info, FALSE);
  SetScrollPos(window, SB_CTL, position_, TRUE);
  // A scroll bar takes no text: where the system has double-byte input, its input method is
  // switched off.
  if (GetSystemMetrics(SM_DBCSENABLED)) {
    ImmAssociateContext(window, nullptr);
  }
}

void TScrollBar::Change() {
  if (Parent()) {
    Parent()->Deliver(XM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
  }
  if (OnChange) {
    OnChange(this);
  }
}

void TScrollBar::Scroll(TScrollCode code, int& position) {
  if (OnScroll) {
    OnScroll(this, code, position);
  }
}

int TScrollBar::TrackPosition() {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(Handle(), SB_CTL, &info);
  return info.nTrackPos;
}

long long TScrollBar::NewPosition(TScrollCode code) {
  const long long position = position_;
  switch (code) {
  case ScrollLineUp:
    return position - smallChange_;
  case ScrollLineDown:
    return position + smallChange_;
  case ScrollPageUp:
    return position - largeChange_;
  case ScrollPageDown:
    return position + largeChange_;
  case ScrollThumbPosition:
  case ScrollThumbTrack:
    return TrackPosition();
  case ScrollTop:
    return min_;
  case ScrollBottom:
    return max_;
  default:
    return position;
  }
}

void TScrollBar::XNScroll(TWMScroll& message) {
  auto code = static_cast<TScrollCode>(message.ScrollCode() & 0xFF);
  // Computed wide, so that a step past the ends of the 32-bit range cannot overflow.
  int position = static_cast<int>(std::clamp<long long>(NewPosition(code), min_, max_));
  Scroll(code, position);
  SetPosition(position);
}

// The bar is drawn in the system's colours whatever its Color.
void TScrollBar::XNCtlColorScrollBar(TWMCtlColor& message) {
  const TMessage& raw = message;
  message.SetResult(DefWindowProcA(Handle(), WM_CTLCOLORSCROLLBAR, raw.WParam, raw.LParam));
}

void TScrollBar::WMEraseBkgnd(TWMEraseBkgnd& message) { DefaultHandler(message); }
