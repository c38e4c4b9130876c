#pragma once

#include "TCanvas.h"

class TControl;

// A canvas on a control's own window or, for a control without one, on its parent's window
// at the control's place. The device context is taken when drawing starts and given back
// after the message being handled (FreeDeviceContexts).
class TControlCanvas : public TCanvas {
public:
  explicit TControlCanvas(TControl& control) : control_(control) {}
  ~TControlCanvas() override;

  // Gives the device context back (ReleaseDC); the next drawing takes a new one.
  void FreeHandle();

protected:
  void CreateHandle() override;

private:
  TControl& control_;
  HWND window_ = nullptr;
  HDC ownDc_ = nullptr;
};

// Releases the device contexts that canvases took during the message just handled.
void FreeDeviceContexts();
