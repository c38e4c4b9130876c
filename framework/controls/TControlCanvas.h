#pragma once

#include "DeviceContexts.h"

class TControl;

// A canvas on a control's own window or, for a control without one, on its parent's window
// at the control's place.
class TControlCanvas : public TWindowCanvas {
public:
  explicit TControlCanvas(TControl& control) : control_(control) {}

protected:
  bool Place(TCanvasPlace& place) const override;

private:
  TControl& control_;
};
