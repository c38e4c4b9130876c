#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "OwnedForm.h"
#include "TCustomControl.h"
#include "TTimer.h"
#include "TestForms.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <utility>

// What a handler's fault or failed allocation shows the user, and that the program goes on.

namespace {

[[gnu::noinline]] int ReadThroughNull() {
  volatile UINT_PTR nowhere = 0;
  return *reinterpret_cast<volatile int*>(nowhere);
}

volatile int quotient = 0;

[[gnu::noinline]] int DivideByZero() {
  volatile int numerator = 7;
  volatile int zero = 0;
  quotient = numerator / zero;
  return quotient;
}

void* volatile allocated = nullptr;

[[gnu::noinline]] void AllocateTooMuch() {
  volatile std::size_t size = ~std::size_t{0} / 4;
  allocated = ::operator new(size);
  ::operator delete(allocated);
}

// A C runtime function that faults inside the runtime's module, not the program's.
[[gnu::noinline]] std::size_t LengthOfNull() {
  std::size_t (*volatile length)(const char*) = &std::strlen;
  return length(nullptr);
}

// Fails the first time it is called, the way it was told to; counts every call.
class FailingHandler : public TObject {
public:
  void (*failure)() = nullptr;
  int calls = 0;
  void Run(TObject*) {
    ++calls;
    if (auto fail = std::exchange(failure, nullptr)) {
      fail();
    }
  }
};

void PostClick(HWND window, POINT at) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// A shown form with a pad whose clicks run handler.
struct ClickFault : ::testing::Test {
  TOwnedForm<TButtonForm> form;
  TCustomControl* pad = nullptr;
  FailingHandler handler;

  void SetUp() override {
    form = AddOwnedForm<TButtonForm>();
    pad = new TCustomControl(form.get());
    pad->SetBounds(150, 100, 60, 40);
    pad->SetParent(form.get());
    pad->OnClick = TNotifyEvent::Bind<&FailingHandler::Run>(handler);
    form->Show();
    PumpPending();
  }
  void TearDown() override { form.reset(); }

  // Clicks the pad twice: the first click's handler fails; gives the boxes shown.
  std::vector<SeenBox> ClickTwice(void (*failure)()) {
    handler.failure = failure;
    BoxWatcher watcher;
    PostClick(pad->Handle(), {10, 10});
    EXPECT_TRUE(PumpUntil([&] { return handler.calls == 1; }));
    PumpPending();
    PostClick(pad->Handle(), {10, 10});
    EXPECT_TRUE(PumpUntil([&] { return handler.calls == 2; })) << "the loop went on";
    return watcher.Boxes();
  }
};

bool Contains(const String& text, const char* part) { return text.find(part) != String::npos; }

} // namespace

TEST_F(ClickFault, NullReadInAClickShowsTheAccessViolationAndTheNextClickIsHandled) {
  auto boxes = ClickTwice([] { ReadThroughNull(); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, Application->Title());
  EXPECT_EQ(boxes[0].text.rfind("モジュール 'framework_forms_tests.exe' のアドレス ", 0), 0u)
      << boxes[0].text;
  EXPECT_TRUE(Contains(boxes[0].text, "に対する読み込み違反がおきました。")) << boxes[0].text;
}

TEST_F(ClickFault, DivisionByZeroInAClickShowsItsMessage) {
  auto boxes = ClickTwice([] { DivideByZero(); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "ゼロによる除算.");
}

TEST_F(ClickFault, FaultInsideTheRuntimeLibraryIsReportedToo) {
#if defined(__i386__)
  GTEST_SKIP() << "32-bit code cannot unwind through the runtime library; such a fault ends "
                  "the program after the fallback box";
#endif
  auto boxes = ClickTwice([] { LengthOfNull(); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(Contains(boxes[0].text, "読み込み違反がおきました。")) << boxes[0].text;
  EXPECT_FALSE(Contains(boxes[0].text, "framework_forms_tests.exe")) << boxes[0].text;
}

TEST_F(ClickFault, FailedAllocationShowsOutOfMemoryUnderTheTitle) {
  auto boxes = ClickTwice([] { AllocateTooMuch(); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, Application->Title());
  EXPECT_EQ(boxes[0].text, "メモリが足りません.");
}

TEST(TimerFault, FaultInATimerHandlerIsReportedAndTheTimerTicksOn) {
  TTimer timer(nullptr);
  FailingHandler handler;
  handler.failure = [] { ReadThroughNull(); };
  std::vector<SeenBox> boxes;
  {
    BoxWatcher watcher;
    timer.SetInterval(10);
    timer.SetOnTimer(TNotifyEvent::Bind<&FailingHandler::Run>(handler));
    EXPECT_TRUE(PumpUntil([&] { return handler.calls >= 3; }));
    timer.SetEnabled(false);
    boxes = watcher.Boxes();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(Contains(boxes[0].text, "読み込み違反")) << boxes[0].text;
}

TEST(TimerFault, FailedAllocationInATimerHandlerIsOutOfMemory) {
  TTimer timer(nullptr);
  FailingHandler handler;
  handler.failure = [] { AllocateTooMuch(); };
  std::vector<SeenBox> boxes;
  {
    BoxWatcher watcher;
    timer.SetInterval(10);
    timer.SetOnTimer(TNotifyEvent::Bind<&FailingHandler::Run>(handler));
    EXPECT_TRUE(PumpUntil([&] { return handler.calls >= 2; }));
    timer.SetEnabled(false);
    boxes = watcher.Boxes();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "メモリが足りません.");
}
