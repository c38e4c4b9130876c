#include "ApplicationPump.h"
#include "Exception.h"
#include "OwnedForm.h"
#include "TScrollBar.h"
#include "TestForms.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <imm.h>

#include <vector>

// The scroll bar on a form: its range rules, and the notices of the native bar under posted
// mouse presses becoming OnScroll before the position changes.

namespace {

struct ScrollStep {
  TScrollCode code;
  int scrollPos;
  int positionDuring;
  int trackPos;
};

class Events : public TObject {
public:
  std::vector<ScrollStep> steps;
  int changes = 0;
  bool pullToMin = false;

  void Scroll(TObject* sender, TScrollCode code, int& scrollPos) {
    auto* bar = static_cast<TScrollBar*>(sender);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(bar->Handle(), SB_CTL, &info);
    steps.push_back(ScrollStep{code, scrollPos, bar->Position(), info.nTrackPos});
    if (pullToMin) {
      scrollPos = bar->Min();
    }
  }
  void Change(TObject*) { ++changes; }

  bool Saw(TScrollCode code) const {
    for (const ScrollStep& step : steps) {
      if (step.code == code) {
        return true;
      }
    }
    return false;
  }
};

struct ScrollBar : ::testing::Test {
  TOwnedForm<TButtonForm> form;
  TScrollBar* bar = nullptr;
  Events events;

  void SetUp() override {
    form = AddOwnedForm<TButtonForm>();
    bar = new TScrollBar(form.get());
    bar->SetBounds(8, 80, 220, 17);
    bar->SetParent(form.get());
    bar->OnScroll = TScrollEvent::Bind<&Events::Scroll>(events);
    bar->OnChange = TNotifyEvent::Bind<&Events::Change>(events);
  }
  void TearDown() override { form.reset(); }

  void Show() {
    form->Show();
    PumpPending();
  }

  SCROLLBARINFO BarInfo() {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(bar->Handle(), OBJID_CLIENT, &info);
    return info;
  }

  // A point in the shaft right of the thumb.
  POINT RightShaft() {
    SCROLLBARINFO info = BarInfo();
    return POINT{(info.xyThumbBottom + bar->ClientWidth() - info.dxyLineButton) / 2,
                 bar->ClientHeight() / 2};
  }

  int NativePosition() { return GetScrollPos(bar->Handle(), SB_CTL); }
};

} // namespace

TEST_F(ScrollBar, AClickInTheShaftMovesByLargeChange) {
  bar->SetLargeChange(10);
  Show();
  Click(bar->Handle(), RightShaft());
  ASSERT_FALSE(events.steps.empty());
  EXPECT_EQ(events.steps.front().code, ScrollPageDown);
  EXPECT_EQ(events.steps.back().code, ScrollEnd);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(NativePosition(), 10);
  EXPECT_EQ(events.changes, 1);
}

TEST_F(ScrollBar, OnScrollSeesTheOldPositionAndTheNewScrollPos) {
  bar->SetPosition(10);
  Show();
  events.changes = 0;
  Click(bar->Handle(), RightShaft());
  ASSERT_GE(events.steps.size(), 2u);
  const ScrollStep& page = events.steps.front();
  EXPECT_EQ(page.code, ScrollPageDown);
  EXPECT_EQ(page.positionDuring, 10);
  EXPECT_EQ(page.scrollPos, 11);
  EXPECT_EQ(events.steps.back().positionDuring, 11) << "the end of the gesture sees the result";
  EXPECT_EQ(events.steps.back().scrollPos, 11);
  EXPECT_EQ(bar->Position(), 11);
  EXPECT_EQ(events.changes, 1);
}

TEST_F(ScrollBar, AnArrowClickAtTheEndScrollsToTheEndAndChangesNothing) {
  bar->SetPosition(100);
  Show();
  events.changes = 0;
  SCROLLBARINFO info = BarInfo();
  Click(bar->Handle(), POINT{bar->ClientWidth() - info.dxyLineButton / 2, bar->ClientHeight() / 2});
  ASSERT_FALSE(events.steps.empty());
  EXPECT_EQ(events.steps.front().code, ScrollLineDown);
  EXPECT_EQ(events.steps.front().scrollPos, 100);
  EXPECT_EQ(bar->Position(), 100);
  EXPECT_EQ(events.changes, 0);
}

TEST_F(ScrollBar, AHandlerThatSetsScrollPosToMinMovesTheBarThere) {
  bar->SetPosition(50);
  Show();
  events.pullToMin = true;
  Click(bar->Handle(), RightShaft());
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(NativePosition(), 0);
}

TEST_F(ScrollBar, ADraggedThumbGivesTrackPositionsBeyondSixteenBits) {
  bar->ApplyRange(0, 0, 100000);
  Show();
  SCROLLBARINFO info = BarInfo();
  int thumbMiddle = (info.xyThumbTop + info.xyThumbBottom) / 2;
  int shaftEnd = bar->ClientWidth() - info.dxyLineButton;
  int y = bar->ClientHeight() / 2;
  Drag(bar->Handle(), POINT{thumbMiddle, y},
       POINT{thumbMiddle + (shaftEnd - thumbMiddle) * 3 / 4, y});
  ASSERT_TRUE(events.Saw(ScrollThumbTrack));
  ASSERT_TRUE(events.Saw(ScrollThumbPosition));
  const ScrollStep* last = nullptr;
  for (const ScrollStep& step : events.steps) {
    if (step.code == ScrollThumbTrack || step.code == ScrollThumbPosition) {
      EXPECT_EQ(step.scrollPos, step.trackPos) << "the whole 32-bit track position";
      last = &step;
    }
  }
  ASSERT_NE(last, nullptr);
  EXPECT_GT(last->scrollPos, 65535);
  EXPECT_EQ(events.steps.back().code, ScrollEnd);
  EXPECT_EQ(bar->Position(), last->scrollPos);
  EXPECT_EQ(NativePosition(), bar->Position());
}

TEST_F(ScrollBar, LoweringMaxBelowThePositionMovesItAndReportsOneChange) {
  bar->SetPosition(50);
  events.changes = 0;
  bar->SetMax(30);
  EXPECT_EQ(bar->Position(), 30);
  EXPECT_EQ(events.changes, 1);
  bar->ApplyRange(30, 0, 30);
  EXPECT_EQ(events.changes, 1) << "the same values again change nothing";
  Show();
  int low = 0;
  int high = 0;
  GetScrollRange(bar->Handle(), SB_CTL, &low, &high);
  EXPECT_EQ(high, 30);
  EXPECT_EQ(NativePosition(), 30);
}

TEST_F(ScrollBar, AMaximumBelowTheMinimumIsRefusedAndChangesNothing) {
  try {
    bar->SetMin(200);
    FAIL() << "no failure";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), "スクロールバー プロパティが範囲を越えました");
  }
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_THROW(bar->ApplyRange(5, 10, 9), EInvalidOperation);
  EXPECT_EQ(bar->Max(), 100);
  EXPECT_EQ(events.changes, 0);
  bar->SetPosition(-7);
  EXPECT_EQ(bar->Position(), 0) << "positions are clamped, never refused";
  bar->SetPosition(1000);
  EXPECT_EQ(bar->Position(), 100);
}

TEST_F(ScrollBar, PageSizesOutsideTheRangeAreIgnored) {
  Show();
  bar->SetPageSize(0);
  bar->SetPageSize(20);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_PAGE;
  GetScrollInfo(bar->Handle(), SB_CTL, &info);
  EXPECT_EQ(info.nPage, 20u);
  bar->SetPageSize(500);
  bar->SetPageSize(-1);
  EXPECT_EQ(bar->PageSize(), 20);
  bar->SetMax(10);
  bar->SetPageSize(5);
  EXPECT_EQ(bar->PageSize(), 5) << "a page larger than a shrunken range does not stick";
}

TEST_F(ScrollBar, StepsStayWithinTheirRange) {
  bar->SetSmallChange(0);
  EXPECT_EQ(bar->SmallChange(), 1);
  bar->SetLargeChange(-5);
  EXPECT_EQ(bar->LargeChange(), 1);
  bar->SetLargeChange(32767);
  EXPECT_EQ(bar->LargeChange(), 32767);
  bar->SetSmallChange(40000);
  EXPECT_EQ(bar->SmallChange(), 32767);
}

TEST_F(ScrollBar, ChangingTheKindTurnsTheBar) {
  Show();
  HWND before = bar->Handle();
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->Height(), 220);
  EXPECT_EQ(bar->Left() + bar->Width(), 8 + 17)
      << "the window system's width, aligned to the right edge";
  EXPECT_NE(bar->Handle(), before);
  EXPECT_TRUE(GetWindowLongPtrA(bar->Handle(), GWL_STYLE) & SBS_VERT);
  int low = 0;
  int high = 0;
  GetScrollRange(bar->Handle(), SB_CTL, &low, &high);
  EXPECT_EQ(high, 100) << "the new window takes the stored range";
}

TEST_F(ScrollBar, TakesNoInputMethodWhereTheSystemHasDoubleByteInput) {
  ASSERT_TRUE(GetSystemMetrics(SM_DBCSENABLED)) << "the tests run in the Japanese locale";
  HIMC context = ImmGetContext(bar->Handle());
  EXPECT_EQ(context, nullptr);
  if (context) {
    ImmReleaseContext(bar->Handle(), context);
  }
}

TEST_F(ScrollBar, ArrowKeysOnTheFocusedBarStepBySmallChange) {
  bar->SetSmallChange(5);
  Show();
  SetForegroundWindow(form->Handle());
  Click(bar->Handle(), RightShaft());
  ASSERT_EQ(GetFocus(), bar->Handle());
  events.steps.clear();
  PressKey(bar->Handle(), VK_RIGHT);
  EXPECT_EQ(bar->Position(), 6);
  ASSERT_FALSE(events.steps.empty());
  EXPECT_EQ(events.steps.front().code, ScrollLineDown);
  PressKey(bar->Handle(), VK_HOME);
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(GetFocus(), bar->Handle()) << "the arrows stay with the bar";
}
