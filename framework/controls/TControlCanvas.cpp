#include "TControlCanvas.h"

#include "TWinControl.h"

bool TControlCanvas::Place(TCanvasPlace& place) const {
  if (auto* windowed = dynamic_cast<TWinControl*>(&control_)) {
    place.Window = windowed->Handle();
    return true;
  }
  if (!control_.Parent()) {
    return false;
  }
  place.Window = control_.Parent()->Handle();
  place.Part = true;
  place.Area = control_.BoundsRect();
  return true;
}
