#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "Exception.h"
#include "TApplication.h"
#include "TTimer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Ticks : public TObject {
public:
  int count = 0;
  bool raise = false;
  // When each tick arrived (GetTickCount).
  std::vector<DWORD> times;
  void Tick(TObject*) {
    ++count;
    times.push_back(GetTickCount());
    if (raise) {
      raise = false;
      throw Exception("tick");
    }
  }
};

// A WM_TIMER never comes before its interval has passed, but the system's clock may step
// this much coarser than a millisecond.
constexpr DWORD clockStep = 20;

struct TimerFixture : ::testing::Test {
  TTimer timer{nullptr};
  Ticks ticks;
  TNotifyEvent Event() { return TNotifyEvent::Bind<&Ticks::Tick>(ticks); }
  // Whether the timer has a system timer running (KillTimer takes it away).
  bool HasSystemTimer() { return KillTimer(timer.WindowHandle(), 1) != 0; }
  // Pumps until milliseconds have passed since start.
  void PumpUntilPassed(DWORD start, DWORD milliseconds) {
    EXPECT_TRUE(PumpUntil([&] { return GetTickCount() - start >= milliseconds; },
                          milliseconds + pumpDeadline));
  }
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
  EXPECT_FALSE(HasSystemTimer());
  PumpPending();
  EXPECT_EQ(ticks.count, 0);
}

TEST_F(TimerFixture, EnabledWithoutEventRunsNothingUntilTheEventIsSet) {
  timer.SetInterval(20);
  EXPECT_FALSE(HasSystemTimer());
  timer.SetOnTimer(Event());
  EXPECT_TRUE(PumpUntil([&] { return ticks.count > 0; }));
}

TEST_F(TimerFixture, DisabledTimerDoesNotTick) {
  timer.SetInterval(20);
  timer.SetEnabled(false);
  timer.SetOnTimer(Event());
  EXPECT_FALSE(HasSystemTimer());
  PumpPending();
  EXPECT_EQ(ticks.count, 0);
}

TEST_F(TimerFixture, ReEnablingRestartsTheInterval) {
  constexpr DWORD interval = 1000;
  timer.SetInterval(interval);
  timer.SetOnTimer(Event());
  PumpUntilPassed(GetTickCount(), interval / 2);
  timer.SetEnabled(false);
  timer.SetEnabled(true);
  DWORD restarted = GetTickCount();
  std::size_t before = ticks.times.size();
  EXPECT_TRUE(PumpUntil([&] { return ticks.times.size() > before; }, interval + pumpDeadline));
  ASSERT_GT(ticks.times.size(), before);
  EXPECT_GE(ticks.times[before] - restarted, interval - clockStep);
}

TEST_F(TimerFixture, WritingTheSameValuesDoesNotRestart) {
  constexpr DWORD interval = 2000;
  DWORD started = GetTickCount();
  timer.SetInterval(interval);
  timer.SetOnTimer(Event());
  PumpUntilPassed(started, interval / 2);
  timer.SetEnabled(true);
  timer.SetInterval(interval);
  DWORD rewritten = GetTickCount();
  EXPECT_TRUE(PumpUntil([&] { return ticks.count > 0; }, interval + pumpDeadline));
  ASSERT_FALSE(ticks.times.empty());
  // A restart would tick a whole interval after the rewrite; the timer that kept running
  // ticks about half an interval earlier, however late the loaded machine delivers it.
  EXPECT_LT(static_cast<LONG>(ticks.times[0] - rewritten), static_cast<LONG>(interval - clockStep))
      << "the timer was restarted";
}

TEST_F(TimerFixture, ExceptionInOnTimerIsReportedAndTheTimerGoesOn) {
  timer.SetInterval(50);
  ticks.raise = true;
  std::vector<SeenBox> boxes;
  {
    BoxWatcher watcher;
    timer.SetOnTimer(Event());
    EXPECT_TRUE(PumpUntil([&] { return ticks.count >= 3; }));
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
  EXPECT_FALSE(KillTimer(window, 1));
  PumpPending();
  EXPECT_EQ(ticks.count, 0);
}
