#include "EventFiring.h"
#include "Exception.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

int reports = 0;
TObject* reportedSender = nullptr;

void CountReport(TObject* sender) {
  ++reports;
  reportedSender = sender;
}

class Listener : public TObject {
public:
  int calls = 0;
  void Raise(TObject*) {
    ++calls;
    throw Exception("handler failed");
  }
  void Clear(TObject*, WORD& key) {
    ++calls;
    key = 0;
  }
};

} // namespace

TEST(EventFiring, FailureIsReportedAndTheCallerGoesOn) {
  TExceptionReporter previous = SetExceptionReporter(CountReport);
  reports = 0;
  Listener listener;
  TObject sender;
  TNotifyEvent event = TNotifyEvent::Bind<&Listener::Raise>(listener);
  FireReporting(&sender, event, &sender);
  FireReporting(&sender, event, &sender);
  SetExceptionReporter(previous);
  EXPECT_EQ(listener.calls, 2);
  EXPECT_EQ(reports, 2);
  EXPECT_EQ(reportedSender, &sender);
}

TEST(EventFiring, UnsetEventCallsNothingAndArgumentsReachTheHandler) {
  TExceptionReporter previous = SetExceptionReporter(CountReport);
  reports = 0;
  FireReporting(nullptr, TNotifyEvent(), nullptr);
  Listener listener;
  WORD key = 'A';
  FireReporting(nullptr, TEvent<TObject*, WORD&>::Bind<&Listener::Clear>(listener), nullptr, key);
  SetExceptionReporter(previous);
  EXPECT_EQ(reports, 0);
  EXPECT_EQ(key, 0);
}
