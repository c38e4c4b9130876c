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

void SetCaptureControl(TControl* control) {
  captureControl = nullptr;
  ReleaseCapture();
  if (control) {
    if (HWND window = CaptureWindow(control)) {
      SetCapture(window);
      captureControl = control;
    }
  }
}
