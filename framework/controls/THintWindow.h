#pragma once

#include "TCustomControl.h"

// The small window that shows a control's short hint: a top-most pop-up with a thin border
// owned by the application window, drawn in its colour (the application's hint colour) with
// the system's status-line font, and never activated. Its window is made when a hint is
// first shown and kept hidden between hints until ReleaseHandle.
class THintWindow : public TCustomControl {
public:
  SORVANE_CLASS(THintWindow, TCustomControl)

  explicit THintWindow(TComponent* owner);

  // The window bounds text needs, at (0, 0): lines broken at maxWidth pixels, a margin of
  // two pixels and the border around them.
  RECT CalcHintRect(int maxWidth, const String& text);
  // Shows text in bounds (screen coordinates) above every other window.
  void ActivateHint(const RECT& bounds, const String& text);
  // Hides the window, keeping it for the next hint.
  void HideHint();
  // Destroys the window; the next hint makes it again.
  void ReleaseHandle();

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

private:
  void UseStatusFont();
};
