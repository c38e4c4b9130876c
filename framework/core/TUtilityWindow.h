#pragma once

#include "TWindowProcEntry.h"

// A hidden window of class "TPUtilWindow" that passes every message, from its first on, to
// the message method of a non-visual component (the timer's ticks, for one). Never shown.
class TUtilityWindow {
public:
  explicit TUtilityWindow(TWndMethod method);
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;

  // The window; already set while the window's first messages arrive.
  HWND Handle() const { return handle_; }

private:
  TWindowProcEntry entry_;
  HWND handle_ = nullptr;
};
