#include "HintTracking.h"

namespace {

THintTracker& CurrentTracker() {
  static THintTracker tracker;
  return tracker;
}

} // namespace

void SetHintTracker(THintTracker tracker) { CurrentTracker() = tracker; }

void TrackHintMouseMove(TControl& control) { CurrentTracker()(control); }
