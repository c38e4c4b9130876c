#pragma once

#include "TEvent.h"

class TControl;

// How a mouse move over a control reaches the application's hint tracking without the
// controls knowing the application: the application installs its tracker while its hints are
// on, and every control passes its WM_MOUSEMOVE to it. Nothing is tracked while none is set.
using THintTracker = TEvent<TControl&>;

void SetHintTracker(THintTracker tracker);
void TrackHintMouseMove(TControl& control);
