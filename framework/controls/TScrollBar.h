#pragma once

#include "PublishedEnum.h"
#include "TWinControl.h"

#include <cstdint>

#define SORVANE_TScrollBarKind(X) X(sbHorizontal) X(sbVertical)
SORVANE_ENUM(TScrollBarKind, SORVANE_TScrollBarKind)

// What a scroll notification asks for; the values are the window system's SB_ codes.
enum TScrollCode : std::uint8_t {
  ScrollLineUp,
  ScrollLineDown,
  ScrollPageUp,
  ScrollPageDown,
  ScrollThumbPosition,
  ScrollThumbTrack,
  ScrollTop,
  ScrollBottom,
  ScrollEnd
};

// Sender, what the user did, the position the bar is about to take (may be changed).
using TScrollEvent = TEvent<TObject*, TScrollCode, int&>;

// A step of the arrows or the shaft: 1 to 32767.
using TScrollBarInc = std::int16_t;

// A scroll bar control on the standard "SCROLLBAR" window class. The range and the position
// live here, as full 32-bit values, and the native window mirrors them. A scroll
// notification becomes OnScroll with the position the bar is about to take, while Position
// still holds the old one; then the bar takes the (possibly changed) new position, and a
// change of Position calls OnChange.
class TScrollBar : public TWinControl {
public:
  SORVANE_CLASS(TScrollBar, TWinControl)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  // Swaps width and height (except while the bar is loading) and makes the window anew.
  void SetKind(TScrollBarKind value);
  int Position() const { return position_; }
  void SetPosition(int value) { ApplyRange(value, min_, max_); }
  int Min() const { return min_; }
  void SetMin(int value) { ApplyRange(position_, value, max_); }
  int Max() const { return max_; }
  void SetMax(int value) { ApplyRange(position_, min_, value); }
  // Sets the range and the position at once; the position is clamped into the range. A
  // maximum below the minimum fails with EInvalidOperation and changes nothing.
  void ApplyRange(int position, int min, int max);
  int PageSize() const { return pageSize_; }
  // A page larger than the range, or a negative one, is ignored.
  void SetPageSize(int value);
  TScrollBarInc SmallChange() const { return smallChange_; }
  // Steps outside 1..32767 (a form resource may hold any integer) are taken as the nearest
  // of the two.
  void SetSmallChange(int value);
  TScrollBarInc LargeChange() const { return largeChange_; }
  void SetLargeChange(int value);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // After Position changed: tells the parent and calls OnChange.
  virtual void Change();
  // Calls OnScroll.
  virtual void Scroll(TScrollCode code, int& position);

private:
  long long NewPosition(TScrollCode code);
  int TrackPosition();

  void XNScroll(TWMScroll& message);
  void XNCtlColorScrollBar(TWMCtlColor& message);
  void WMEraseBkgnd(TWMEraseBkgnd& message);

  TScrollBarKind kind_ = sbHorizontal;
  int position_ = 0;
  int min_ = 0;
  int max_ = 100;
  int pageSize_ = 0;
  TScrollBarInc smallChange_ = 1;
  TScrollBarInc largeChange_ = 1;
};
