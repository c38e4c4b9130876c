#include "TTimer.h"

#include "Exception.h"
#include "ExceptionReport.h"
#include "Messages.h"

namespace {

constexpr UINT_PTR timerId = 1;

} // namespace

TPublishedTables TTimer::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTimer::Enabled, &TTimer::SetEnabled>("Enabled"),
      PublishedProperty<&TTimer::Interval, &TTimer::SetInterval>("Interval"),
      PublishedProperty<&TTimer::OnTimerEvent, &TTimer::SetOnTimer>("OnTimer"),
  };
  return {properties};
}

SORVANE_MESSAGE_ROWS(TTimer){
    SORVANE_ON(WM_TIMER, WMTimer),
};
SORVANE_MESSAGE_TABLE(TTimer)

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), window_(BindWndMethod<&TTimer::WndProc>(this)) {}

TTimer::~TTimer() {
  enabled_ = false;
  KillTimer(window_.Handle(), timerId);
}

void TTimer::SetEnabled(bool value) {
  if (enabled_ != value) {
    enabled_ = value;
    UpdateTimer();
  }
}

void TTimer::SetInterval(std::uint32_t value) {
  if (interval_ != value) {
    interval_ = value;
    UpdateTimer();
  }
}

void TTimer::SetOnTimer(TNotifyEvent value) {
  onTimer_ = value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  KillTimer(window_.Handle(), timerId);
  if (interval_ != 0 && enabled_ && onTimer_) {
    if (SetTimer(window_.Handle(), timerId, interval_, nullptr) == 0) {
      throw EOutOfResources(LoadMessage(Msg::NoTimers));
    }
  }
}

void TTimer::Timer() { onTimer_(this); }

void TTimer::WndProc(TMessage& message) {
  try {
    Dispatch(message);
  } catch (...) {
    ReportEscapedException(this);
  }
}

void TTimer::WMTimer(TWMTimer&) { Timer(); }

void TTimer::DefaultHandler(TMessage& message) {
  message.Result = DefWindowProcA(window_.Handle(), message.Msg, message.WParam, message.LParam);
}
