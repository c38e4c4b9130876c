#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "Exception.h"
#include "TApplication.h"
#include "TTimer.h"

#include <gtest/gtest.h>

namespace {

class Ticks : public TObject {
public:
  int count = 0;
  bool raise = false;
  void Tick(TObject*) {
    ++count;
    if (raise) {
      raise = false;
      throw Exception("tick");
    }
  }
};

struct TimerFixture : ::testing::Test {
  TTimer timer{nullptr};
  Ticks ticks;
  TNotifyEvent Event() { return TNotifyEvent::Bind<&Ticks::Tick>(ticks); }
};

} // namespace

TEST_F(TimerFixture, StartsWithDefaultsAndNoSystemTimer) {
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  char className[32] = {};
  GetClassNameA(timer.WindowHandle(), className, sizeof className);
  EXPECT_STREQ(className, "TPUtilWindow");
  EXPECT_FALSE(IsWindowVisible(timer.WindowHandle()));
  EXPECT_FALSE(KillTimer(timer.WindowHandle(), 1));
}

TEST_F(TimerFixture, ZeroIntervalMeansNoTimer) {
  timer.SetInterval(0);
  timer.SetOnTimer(Event());
  PumpMessages(150);
  EXPECT_EQ(ticks.count, 0);
}

TEST_F(TimerFixture, EnabledWithoutEventRunsNothingUntilTheEventIsSet) {
  timer.SetInterval(20);
  PumpMessages(100);
  EXPECT_FALSE(KillTimer(timer.WindowHandle(), 1));
  timer.SetOnTimer(Event());
  PumpMessages(200);
  EXPECT_GT(ticks.count, 0);
}

TEST_F(TimerFixture, DisabledTimerDoesNotTick) {
  timer.SetInterval(20);
  timer.SetEnabled(false);
  timer.SetOnTimer(Event());
  PumpMessages(150);
  EXPECT_EQ(ticks.count, 0);
}

TEST_F(TimerFixture, ReEnablingRestartsTheInterval) {
  timer.SetInterval(400);
  timer.SetOnTimer(Event());
  PumpMessages(250);
  timer.SetEnabled(false);
  timer.SetEnabled(true);
  PumpMessages(250);
  EXPECT_EQ(ticks.count, 0);
  PumpMessages(300);
  EXPECT_EQ(ticks.count, 1);
}

TEST_F(TimerFixture, WritingTheSameValuesDoesNotRestart) {
  timer.SetInterval(400);
  timer.SetOnTimer(Event());
  PumpMessages(250);
  timer.SetEnabled(true);
  timer.SetInterval(400);
  PumpMessages(300);
  EXPECT_EQ(ticks.count, 1);
}

TEST_F(TimerFixture, ExceptionInOnTimerIsReportedAndTheTimerGoesOn) {
  timer.SetInterval(50);
  ticks.raise = true;
  std::vector<SeenBox> boxes;
  {
    BoxWatcher watcher;
    timer.SetOnTimer(Event());
    DWORD start = GetTickCount();
    while (ticks.count < 3 && GetTickCount() - start < 5000) {
      PumpMessages(20);
    }
    boxes = watcher.Boxes();
  }
  EXPECT_GE(ticks.count, 3);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "tick.");
}

TEST(Timer, DestroyingTheOwnerStopsTheTimerAndItsWindow) {
  auto* owner = new TComponent(nullptr);
  auto* timer = new TTimer(owner);
  HWND window = timer->WindowHandle();
  Ticks ticks;
  timer->SetInterval(20);
  timer->SetOnTimer(TNotifyEvent::Bind<&Ticks::Tick>(ticks));
  owner->Free();
  EXPECT_FALSE(IsWindow(window));
  PumpMessages(100);
  EXPECT_EQ(ticks.count, 0);
}
