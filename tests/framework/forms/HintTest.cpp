#include "ApplicationPump.h"
#include "KeyInput.h"
#include "MouseMoves.h"
#include "OwnedForm.h"
#include "TCustomControl.h"
#include "THintWindow.h"
#include "TScreen.h"
#include "TestForms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// The application's hints as the user meets them: the real mouse rests on a control, the
// hint window shows its short hint under the pointer, and keys, moves and the forms' end
// take it away.

namespace {

// A windowed control that counts the mouse moves it gets.
class THintPad : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  int moves = 0;

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_MOUSEMOVE) {
      ++moves;
    }
    TCustomControl::WndProc(message);
  }
};

class HintNotes : public TObject {
public:
  int changes = 0;
  void HintChanged(TObject*) { ++changes; }
};

// One idle turn of the loop: a message is queued first so that the wait ends at once.
void IdleOnce() {
  PostMessageA(Application->Handle(), WM_NULL, 0, 0);
  Application->WaitIdle();
  while (Application->TakeMessage()) {
  }
}

POINT CentreOf(const TControl& control) {
  return control.ClientToScreen(POINT{control.Width() / 2, control.Height() / 2});
}

HWND HintHandle() {
  THintWindow* window = Application->HintWindow();
  return window && window->HandleAllocated() ? window->Handle() : nullptr;
}

bool HintShowing() {
  HWND window = HintHandle();
  return window && IsWindowVisible(window);
}

String WindowText(HWND window) {
  char text[256] = {};
  int length = GetWindowTextA(window, text, sizeof text);
  return String(text, static_cast<std::size_t>(std::max(length, 0)));
}

struct Hints : ::testing::Test {
  TOwnedForm<TButtonForm> form;
  THintPad* hinted = nullptr;
  THintPad* plain = nullptr;

  void SetUp() override {
    // A hint stays until something takes it away, unless a case says otherwise.
    Application->HintHidePause = 60000;
    form = AddOwnedForm<TButtonForm>();
    hinted = Place(10, 70);
    hinted->SetShowHint(true);
    hinted->SetHint("再生|ファイルを再生します");
    plain = Place(120, 70);
    plain->SetHint("停止|再生を止めます");
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPending();
  }

  void TearDown() override {
    form.reset();
    Application->HintPause = 500;
    Application->HintHidePause = 2500;
    Application->OnHint = {};
    Application->CancelHint();
  }

  THintPad* Place(int left, int top) {
    auto* pad = new THintPad(form.get());
    pad->SetBounds(left, top, 80, 40);
    pad->SetParent(form.get());
    return pad;
  }

  // Moves the mouse onto pad and handles the move it makes. A pointer already at the centre
  // (left there by an earlier case) goes a little aside, so that it does move.
  void Hover(THintPad& pad) {
    const int before = pad.moves;
    POINT target = CentreOf(pad);
    POINT pointer{};
    GetCursorPos(&pointer);
    if (std::abs(pointer.x - target.x) <= 2 && std::abs(pointer.y - target.y) <= 2) {
      target.x += 5;
    }
    MoveMouseTo(target);
    ASSERT_TRUE(PumpUntil([&] { return pad.moves > before; }));
  }

  void ShowTheHint() {
    Hover(*hinted);
    ASSERT_TRUE(PumpUntil(HintShowing));
  }
};

} // namespace

TEST_F(Hints, RestingOnAControlWithAHintShowsItsShortHintUnderThePointer) {
  ShowTheHint();
  HWND window = HintHandle();
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  EXPECT_STREQ(name, "THintWindow");
  EXPECT_EQ(WindowText(window), "再生");
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(window, GW_OWNER), Application->Handle());
  POINT pointer = CentreOf(*hinted);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  EXPECT_GT(bounds.top, pointer.y) << "below the pointer";
  EXPECT_LE(bounds.top, pointer.y + 40);
  EXPECT_LE(std::abs(bounds.left - pointer.x), 2);
  EXPECT_NE(GetForegroundWindow(), window) << "the hint never takes the activation";
}

TEST_F(Hints, AKeyPressTakesTheHintAway) {
  ShowTheHint();
  PressKey(VK_SHIFT);
  EXPECT_TRUE(PumpUntil([] { return !HintShowing(); }));
}

TEST_F(Hints, TheHintGoesAfterTheHidePauseAndComesBackOnlyAfterTheMouseLeft) {
  Application->HintHidePause = 50;
  ShowTheHint();
  ASSERT_TRUE(PumpUntil([] { return !HintShowing(); }));
  Hover(*plain);
  Hover(*hinted);
  EXPECT_TRUE(PumpUntil(HintShowing));
}

TEST_F(Hints, MovingOntoAControlWithoutShowHintTakesTheHintAwayAndShowsNone) {
  ShowTheHint();
  Application->HintPause = 0;
  Hover(*plain);
  EXPECT_FALSE(HintShowing());
  // With no pause at all a hint would come with the first timer tick; a generous bound lets
  // any such tick through.
  EXPECT_FALSE(PumpUntil(HintShowing, 500));
}

TEST_F(Hints, TheMouseOnTheHintWindowTakesItAway) {
  ShowTheHint();
  RECT bounds{};
  GetWindowRect(HintHandle(), &bounds);
  MoveMouseTo(POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
  EXPECT_TRUE(PumpUntil([] { return !HintShowing(); }));
}

TEST_F(Hints, TheControlUnderTheMouseGivesTheApplicationItsLongHintAtIdle) {
  HintNotes notes;
  Application->OnHint = TNotifyEvent::Bind<&HintNotes::HintChanged>(notes);
  Hover(*plain);
  IdleOnce();
  EXPECT_EQ(Application->Hint(), "再生を止めます") << "whether or not the control shows hints";
  EXPECT_EQ(notes.changes, 1);
  IdleOnce();
  EXPECT_EQ(notes.changes, 1) << "only a change is told";
  Hover(*hinted);
  IdleOnce();
  EXPECT_EQ(Application->Hint(), "ファイルを再生します");
  EXPECT_EQ(notes.changes, 2);
}

TEST_F(Hints, TheLastFormGoingReleasesTheHintWindowsWindow) {
  ShowTheHint();
  HWND window = HintHandle();
  ASSERT_EQ(Screen->CustomFormCount(), 1);
  form.reset();
  EXPECT_FALSE(IsWindow(window));
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_FALSE(Application->HintWindow()->HandleAllocated());
}

TEST_F(Hints, ASettingChangeMakesTheHintWindowAgain) {
  ShowTheHint();
  HWND window = HintHandle();
  SendMessageA(Application->Handle(), WM_WININICHANGE, 0, 0);
  EXPECT_FALSE(IsWindow(window)) << "the old hint window is gone";
  ASSERT_TRUE(Application->ShowHint());
  EXPECT_EQ(HintHandle(), nullptr);
  Hover(*plain);
  ShowTheHint();
}

TEST_F(Hints, SwitchingHintsOffFreesTheHintWindowObject) {
  Application->SetShowHint(false);
  EXPECT_EQ(Application->HintWindow(), nullptr);
  Application->SetShowHint(true);
  EXPECT_NE(Application->HintWindow(), nullptr);
}

TEST_F(Hints, WhileAHintIsUpTheNextHintedControlShowsItsOwnAfterTheShortPause) {
  THintPad* next = Place(140, 10);
  next->SetShowHint(true);
  next->SetHint("次へ|次のファイル");
  ShowTheHint();
  Application->HintPause = 60000;
  Hover(*next);
  ASSERT_TRUE(PumpUntil([] { return HintShowing() && WindowText(HintHandle()) == "次へ"; }));
}

TEST_F(Hints, DeactivatingTheApplicationTakesTheHintAwayAndStartsNone) {
  ShowTheHint();
  SendMessageA(Application->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(HintShowing());
  Application->HintPause = 0;
  Hover(*plain);
  Hover(*hinted);
  EXPECT_FALSE(PumpUntil(HintShowing, 500));
  SendMessageA(Application->Handle(), WM_ACTIVATEAPP, TRUE, 0);
}

TEST_F(Hints, AHintWithNoRoomBelowThePointerGoesAboveIt) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  form->SetTop(form->Top() + (work.bottom - 10) - CentreOf(*hinted).y);
  PumpPending();
  ShowTheHint();
  RECT bounds{};
  GetWindowRect(HintHandle(), &bounds);
  EXPECT_LE(bounds.bottom, work.bottom);
  EXPECT_LE(bounds.bottom, CentreOf(*hinted).y) << "above the pointer";
}

TEST(HintSettings, TheApplicationStartsWithHintsOnAndNoHintWindowYet) {
  ASSERT_TRUE(Application->ShowHint());
  EXPECT_FALSE(Application->HintWindow()->HandleAllocated()) << "made when a hint first shows";
  EXPECT_EQ(Application->HintColor, clInfoBk);
  EXPECT_EQ(static_cast<std::uint32_t>(clInfoBk), 0x80000018u);
  EXPECT_EQ(Application->HintPause, 500);
  EXPECT_EQ(Application->HintShortPause, 0);
  EXPECT_EQ(Application->HintHidePause, 2500);
  EXPECT_TRUE(Application->HintShortCuts);
}
