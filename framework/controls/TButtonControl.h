#pragma once

#include "TWinControl.h"

// The base of the controls on the standard "BUTTON" window class. They report their clicks
// themselves (BN_CLICKED), so the framework's own click path and mouse capture are off. A
// left-button press on one that does not have the focus gives it the focus first, through
// the form; clicks the window reports meanwhile are not clicks of the user's.
class TButtonControl : public TWinControl {
public:
  SORVANE_CLASS(TButtonControl, TWinControl)

  explicit TButtonControl(TComponent* owner);

protected:
  // True while the press is moving the focus to the control.
  bool ClicksDisabled() const { return clicksDisabled_; }
  void WndProc(TMessage& message) override;

private:
  // Gives the control the focus for a press; false when it cannot take it (the press is
  // then swallowed).
  bool FocusForPress();

  bool clicksDisabled_ = false;
};
