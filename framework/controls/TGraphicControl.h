#pragma once

#include "TControl.h"
#include "TControlCanvas.h"

// A control without a window of its own: it paints on its parent's surface, at its place.
class TGraphicControl : public TControl {
public:
  SORVANE_CLASS(TGraphicControl, TControl)
  SORVANE_MESSAGES

  explicit TGraphicControl(TComponent* owner);

  TCanvas& Canvas() { return canvas_; }

protected:
  // Draws the control on Canvas; the base draws nothing.
  virtual void Paint() {}

private:
  void WMPaint(TWMPaint& message);

  TControlCanvas canvas_;
};
