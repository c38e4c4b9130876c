#pragma once

class TControl;

// The control that holds the mouse capture: a windowed control captures with its own window,
// a control without one with its parent's, which then passes the mouse messages on to it.
TControl* CaptureControl();
void SetCaptureControl(TControl* control);
