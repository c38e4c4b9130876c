#pragma once

#include "MessageRecords.h"
#include "Published.h"
#include "TComponent.h"
#include "TDispatcher.h"
#include "TUtilityWindow.h"

#include <cstdint>

// Calls OnTimer every Interval milliseconds through the window system's timer, on the thread
// of the message loop. A system timer runs only while Enabled is true, Interval is not 0 and
// OnTimer is set; every change restarts the interval. The ticks arrive at a utility window
// and are dispatched like any window's messages.
class TTimer : public TComponent, public TDispatcher {
public:
  SORVANE_CLASS(TTimer, TComponent)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t value);
  TNotifyEvent OnTimerEvent() const { return onTimer_; }
  // Stores the event whether or not it is equal, and restarts the timer.
  void SetOnTimer(TNotifyEvent value);
  // The window that receives the ticks.
  HWND WindowHandle() const { return window_.Handle(); }

protected:
  // One tick: calls OnTimer with the timer as sender.
  virtual void Timer();
  // What the utility window does with the messages the timer does not handle.
  void DefaultHandler(TMessage& message) override;

private:
  void UpdateTimer();
  // The utility window's message method: dispatches and reports what escapes.
  void WndProc(TMessage& message);
  void WMTimer(TWMTimer& message);

  bool enabled_ = true;
  std::uint32_t interval_ = 1000;
  TNotifyEvent onTimer_;
  TUtilityWindow window_;
};
