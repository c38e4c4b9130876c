#pragma once

#include "ScrollBarsFit.h"
#include "TWinControl.h"

// A windowed control that shows scroll bars when its children reach beyond its client area
// (AutoScroll). Scrolling moves the children; the ranges follow the children whenever they
// move, change size, come or go, and whenever the control's own size changes.
class TScrollingWinControl : public TWinControl {
public:
  SORVANE_CLASS(TScrollingWinControl, TWinControl)
  SORVANE_MESSAGES

  explicit TScrollingWinControl(TComponent* owner) : TWinControl(owner) {}

  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value);
  // Recomputes the scroll ranges from the visible children and shows or hides the bars.
  void UpdateScrollBars();
  // How far the content is scrolled: the amount the children are moved left and up.
  POINT ScrollPosition() const { return position_; }
  // Scrolls the content to position (kept within the ranges).
  void ScrollTo(POINT position);

protected:
  void CreateWnd() override;
  void AlignControls() override;

private:
  void WMSize(TWMSize& message);
  void WMHScroll(TWMScroll& message);
  void WMVScroll(TWMScroll& message);
  // The extent of the visible children, counted from the scrolled origin.
  SIZE ContentRange() const;
  // The client area as it would be without the bars shown now.
  SIZE ClientWithoutBars() const;
  // The position a scroll code leads to in one direction.
  int ScrolledPosition(int bar, const TWMScroll& message) const;
  // Moves the children by the difference between the old position and to.
  void MoveContent(POINT to);
  void ApplyBar(int bar, bool shown, int range, int page, int position);

  bool autoScroll_ = true;
  bool updating_ = false;
  POINT position_{0, 0};
};
