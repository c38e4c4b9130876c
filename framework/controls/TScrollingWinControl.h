#pragma once

#include "TWinControl.h"

// A windowed control that shows scroll bars when its children reach beyond its client area
// (AutoScroll).
class TScrollingWinControl : public TWinControl {
public:
  SORVANE_CLASS(TScrollingWinControl, TWinControl)
  SORVANE_MESSAGES

  explicit TScrollingWinControl(TComponent* owner) : TWinControl(owner) {}

  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value);
  // Recomputes the scroll ranges from the visible children and shows or hides the bars.
  void UpdateScrollBars();

protected:
  void CreateWnd() override;

private:
  void WMSize(TWMSize& message);
  SIZE ChildrenExtent() const;

  bool autoScroll_ = true;
};
