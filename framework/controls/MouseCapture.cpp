#include "MouseCapture.h"

#include "TWinControl.h"

namespace {

TControl* captureControl = nullptr;

HWND CaptureWindow(TControl* control) {
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    return windowed->Handle();
  }
  return control->Parent() ? control->Parent()->Handle() : nullptr;
}

} // namespace

TControl* CaptureControl() {
  if (captureControl && GetCapture() == nullptr) {
    captureControl = nullptr;
  }
  return captureControl;
}

// A window that holds the capture already keeps it: releasing it first would tell a native
// control (an edit box selecting with the mouse) that it lost the capture in mid-press.
void SetCaptureControl(TControl* control) {
  captureControl = nullptr;
  HWND window = control ? CaptureWindow(control) : nullptr;
  if (!window) {
    ReleaseCapture();
    return;
  }
  if (GetCapture() != window) {
    SetCapture(window);
  }
  captureControl = control;
}
