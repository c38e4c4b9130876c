#pragma once

#include "MessageRecords.h"

#include <mmsystem.h>

// MM_MCINOTIFY, a device's completion notice: the notice code (MCI_NOTIFY_SUCCESSFUL,
// MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_ABORTED, MCI_NOTIFY_FAILURE) and the device.
class TWMMciNotify : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  WPARAM Code() const { return WParam(); }
  MCIDEVICEID Device() const { return static_cast<MCIDEVICEID>(LParam()); }
};
