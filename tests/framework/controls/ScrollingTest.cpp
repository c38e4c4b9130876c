#include "ApplicationPump.h"
#include "OwnedForm.h"
#include "ScrollBarsFit.h"
#include "TCustomControl.h"
#include "TestForms.h"

#include <gtest/gtest.h>

// Automatic scroll bars of a form: when they show, and what scrolling does to the children.

TEST(ScrollBarsFit, ContentThatFitsExactlyNeedsNoBar) {
  EXPECT_EQ(DecideScrollBars({222, 59}, {222, 59}, {17, 17}), (TScrollBarsShown{false, false}));
  EXPECT_EQ(DecideScrollBars({222, 59}, {0, 0}, {17, 17}), (TScrollBarsShown{false, false}));
}

TEST(ScrollBarsFit, VerticalIsDecidedFirstAndNarrowsTheWidth) {
  EXPECT_EQ(DecideScrollBars({222, 59}, {210, 80}, {17, 17}), (TScrollBarsShown{true, true}))
      << "the vertical bar leaves 205 for content 210 wide";
  EXPECT_EQ(DecideScrollBars({222, 59}, {205, 80}, {17, 17}), (TScrollBarsShown{false, true}));
}

TEST(ScrollBarsFit, HorizontalBarCanMakeTheVerticalOneNeeded) {
  EXPECT_EQ(DecideScrollBars({222, 59}, {300, 50}, {17, 17}), (TScrollBarsShown{true, true}))
      << "the horizontal bar leaves 42 for content 50 high";
  EXPECT_EQ(DecideScrollBars({222, 59}, {300, 40}, {17, 17}), (TScrollBarsShown{true, false}));
}

namespace {

bool HasStyle(HWND window, LONG_PTR style) {
  return (GetWindowLongPtrA(window, GWL_STYLE) & style) != 0;
}

struct Scrolling : ::testing::Test {
  TOwnedForm<TIconlessForm> form;
  TCustomControl* box = nullptr;

  void SetUp() override {
    form = AddOwnedForm<TIconlessForm>();
    box = new TCustomControl(form.get());
    box->SetBounds(10, 10, 50, 30);
    box->SetParent(form.get());
    form->Show();
    PumpPending();
  }
  void TearDown() override { form.reset(); }

  RECT Client() const {
    RECT client{};
    GetClientRect(form->Handle(), &client);
    return client;
  }
};

} // namespace

TEST_F(Scrolling, BarsFollowTheChildrenAsTheyMoveAndChangeSize) {
  HWND window = form->Handle();
  EXPECT_FALSE(HasStyle(window, WS_VSCROLL | WS_HSCROLL));
  box->SetTop(Client().bottom + 40);
  EXPECT_TRUE(HasStyle(window, WS_VSCROLL)) << "a child moved below the client area";
  EXPECT_FALSE(HasStyle(window, WS_HSCROLL));
  box->SetTop(10);
  EXPECT_FALSE(HasStyle(window, WS_VSCROLL)) << "the child came back";
  box->SetWidth(Client().right + 30);
  EXPECT_TRUE(HasStyle(window, WS_HSCROLL)) << "a child grew wider than the client area";
  box->SetVisible(false);
  EXPECT_FALSE(HasStyle(window, WS_HSCROLL)) << "hidden children never count";
}

TEST_F(Scrolling, ScrollingMovesTheChildrenAndKeepsTheRange) {
  HWND window = form->Handle();
  int bottom = Client().bottom;
  box->SetTop(bottom + 100);
  ASSERT_TRUE(HasStyle(window, WS_VSCROLL));
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(window, SB_VERT, &info);
  EXPECT_EQ(info.nMax + 1, bottom + 130);
  PostMessageA(window, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  PumpPending();
  int scrolled = form->ScrollPosition().y;
  EXPECT_EQ(scrolled, bottom + 130 - Client().bottom);
  EXPECT_EQ(box->Top(), bottom + 100 - scrolled) << "the child moved up by the amount scrolled";
  RECT boxRect{};
  GetWindowRect(box->Handle(), &boxRect);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(boxRect.top - origin.y, box->Top()) << "its window moved with it";
  GetScrollInfo(window, SB_VERT, &info);
  EXPECT_EQ(info.nMax + 1, bottom + 130) << "the range is counted from the scrolled origin";
  EXPECT_EQ(info.nPos, scrolled);
  PostMessageA(window, WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
  PumpPending();
  EXPECT_EQ(form->ScrollPosition().y, 0);
  EXPECT_EQ(box->Top(), bottom + 100);
}

TEST_F(Scrolling, ContentThatFitsAgainScrollsBackToTheOrigin) {
  box->SetTop(Client().bottom + 100);
  PostMessageA(form->Handle(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  PumpPending();
  int scrolled = form->ScrollPosition().y;
  ASSERT_GT(scrolled, 0);
  box->SetTop(10 - scrolled);
  EXPECT_EQ(form->ScrollPosition().y, 0);
  EXPECT_EQ(box->Top(), 10) << "the children moved back with the origin";
  EXPECT_FALSE(HasStyle(form->Handle(), WS_VSCROLL));
}
