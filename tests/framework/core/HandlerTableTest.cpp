#include "FrameworkMessages.h"
#include "MessageRecords.h"
#include "Published.h"
#include "TDispatcher.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT probeMessage = WM_USER + 7;

class TProbeBase : public TObject, public TDispatcher {
public:
  SORVANE_CLASS(TProbeBase, TObject)
  SORVANE_MESSAGES

  int defaults = 0;
  TMessage command{};
  WORD commandItem = 0;
  WORD commandCode = 0;
  HWND commandControl = nullptr;

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    TMessage record{message, wParam, lParam, 0};
    Dispatch(record);
    return record.Result;
  }
  void DefaultHandler(TMessage&) override { ++defaults; }

private:
  void Probe(TWMNoParams& message) { message.SetResult(1); }
  void Registered(TMessage& message) { message.Result = 5; }
  void Command(TWMCommand& message) {
    commandItem = message.ItemID();
    commandCode = message.NotifyCode();
    commandControl = message.Ctl();
    message.SetResult(3);
  }
};

SORVANE_MESSAGE_ROWS(TProbeBase){
    SORVANE_ON(probeMessage, Probe),
    SORVANE_ON(probeMessage + 1, Probe),
    SORVANE_ON(0xC000, Registered),
    SORVANE_ON(WM_COMMAND, Command),
};
SORVANE_MESSAGE_TABLE(TProbeBase)

// A class between the two with no table of its own.
class TProbeMiddle : public TProbeBase {
public:
  SORVANE_CLASS(TProbeMiddle, TProbeBase)
};

class TProbeDerived : public TProbeMiddle {
public:
  SORVANE_CLASS(TProbeDerived, TProbeMiddle)
  SORVANE_MESSAGES

private:
  void Probe(TWMNoParams& message) { message.SetResult(2); }
};

SORVANE_MESSAGE_ROWS(TProbeDerived){
    SORVANE_ON(probeMessage, Probe),
};
SORVANE_MESSAGE_TABLE(TProbeDerived)

} // namespace

TEST(Dispatch, DerivedHandlerHidesTheBaseOne) {
  TProbeBase base;
  TProbeDerived derived;
  EXPECT_EQ(base.Send(probeMessage), 1);
  EXPECT_EQ(derived.Send(probeMessage), 2);
  EXPECT_EQ(derived.Send(probeMessage + 1), 1);
  EXPECT_EQ(derived.defaults, 0);
}

TEST(Dispatch, TableChainsToTheNearestAncestorWithATable) {
  EXPECT_EQ(TProbeDerived::StaticMessages().Base, &TProbeBase::StaticMessages());
  EXPECT_EQ(&TProbeMiddle::StaticMessages(), &TProbeBase::StaticMessages());
  EXPECT_EQ(TProbeBase::StaticMessages().Base, nullptr) << "TObject has no table";
  TProbeMiddle middle;
  EXPECT_EQ(middle.Send(probeMessage), 1);
}

TEST(Dispatch, RegisteredMessagesAndZeroGoToDefaultHandling) {
  TProbeBase probe;
  EXPECT_EQ(probe.Send(0xC000), 0);
  EXPECT_EQ(probe.Send(0), 0);
  EXPECT_EQ(probe.Send(WM_USER + 99), 0);
  EXPECT_EQ(probe.defaults, 3);
}

TEST(Dispatch, HandlerGetsItsRecordCrackedFromTheMessage) {
  TProbeBase probe;
  HWND control = reinterpret_cast<HWND>(static_cast<UINT_PTR>(~UINT_PTR{0} - 0xF0));
  EXPECT_EQ(probe.Send(WM_COMMAND, MAKEWPARAM(77, BN_CLICKED), reinterpret_cast<LPARAM>(control)),
            3);
  EXPECT_EQ(probe.commandItem, 77);
  EXPECT_EQ(probe.commandCode, BN_CLICKED);
  EXPECT_EQ(probe.commandControl, control) << "the handle keeps its full width";
}
