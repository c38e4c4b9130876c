#include "ApplicationPump.h"
#include "OwnedForm.h"
#include "TCustomControl.h"
#include "TGraphicControl.h"
#include "TestForms.h"

#include <gtest/gtest.h>

#include <algorithm>

// Mouse presses posted at coordinates, as the window system queues them for a user's clicks.

namespace {

class Counter : public TObject {
public:
  int count = 0;
  void Count(TObject*) { ++count; }
};

// A windowed control that paints itself and takes its clicks from the framework.
class TClickPad : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
};

// A control without a window that takes its clicks from the framework.
class TClickSpot : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
};

void PostPress(HWND window, UINT message, POINT at) {
  PostMessageA(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(at.x, at.y));
}

// What the window system queues for one click at a point of window's client area.
void Click(HWND window, POINT at) {
  PostPress(window, WM_LBUTTONDOWN, at);
  PostPress(window, WM_LBUTTONUP, at);
  PumpPending();
}

// What it queues for a double click: the second press comes as a double click.
void DoubleClick(HWND window, POINT at) {
  PostPress(window, WM_LBUTTONDOWN, at);
  PostPress(window, WM_LBUTTONUP, at);
  PostPress(window, WM_LBUTTONDBLCLK, at);
  PostPress(window, WM_LBUTTONUP, at);
  PumpPending();
}

struct MouseInput : ::testing::Test {
  TOwnedForm<TButtonForm> form;
  Counter clicks;
  Counter doubleClicks;

  void SetUp() override { form = AddOwnedForm<TButtonForm>(); }
  void TearDown() override { form.reset(); }

  template <class T> T* Place(int left, int top, int width, int height) {
    auto* control = new T(form.get());
    control->SetBounds(left, top, width, height);
    control->SetParent(form.get());
    control->OnClick = TNotifyEvent::Bind<&Counter::Count>(clicks);
    control->OnDblClick = TNotifyEvent::Bind<&Counter::Count>(doubleClicks);
    return control;
  }

  // Shows the form, active, with the focus on its button.
  void ShowWithFocusOnButton() {
    form->Show();
    SetForegroundWindow(form->Handle());
    SetFocus(form->Button1->Handle());
    PumpPending();
    ASSERT_EQ(GetFocus(), form->Button1->Handle());
  }
};

} // namespace

TEST_F(MouseInput, ClickOnAListBoxLineSelectsItAndTakesTheFocus) {
  auto* list = Place<TTestListBox>(136, 8, 100, 100);
  ShowWithFocusOnButton();
  HWND window = list->Handle();
  for (const char* line : {"一", "二", "三"}) {
    SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
  }
  auto height = static_cast<int>(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0));
  Click(window, POINT{20, height + height / 2});
  EXPECT_EQ(SendMessageA(window, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(GetFocus(), window);
  EXPECT_EQ(form->ActiveControl(), list);
  EXPECT_EQ(clicks.count, 1) << "the selection change is reported";
  EXPECT_EQ(doubleClicks.count, 0);
  DoubleClick(window, POINT{20, 2 * height + height / 2});
  EXPECT_EQ(SendMessageA(window, LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(doubleClicks.count, 1);
}

TEST_F(MouseInput, ClickInAScrollBarsPageAreaSendsAScrollNotice) {
  auto* bar = Place<TTestScrollBar>(8, 80, 121, 17);
  form->Show();
  SetScrollRange(bar->Handle(), SB_CTL, 0, 100, TRUE);
  PumpPending();
  Click(bar->Handle(), POINT{100, 8});
  EXPECT_NE(std::find(bar->scrollCodes.begin(), bar->scrollCodes.end(), SB_PAGERIGHT),
            bar->scrollCodes.end());
  EXPECT_EQ(clicks.count, 0);
}

TEST_F(MouseInput, ClickInAnEditBoxPlacesTheCaretThereAndTakesTheFocus) {
  form->Edit1->OnClick = TNotifyEvent::Bind<&Counter::Count>(clicks);
  ShowWithFocusOnButton();
  HWND edit = form->Edit1->Handle();
  form->Edit1->SetText("abc");
  Click(edit, POINT{100, 10});
  EXPECT_EQ(GetFocus(), edit);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 3u);
  EXPECT_EQ(end, 3u);
  EXPECT_EQ(clicks.count, 1);
}

TEST_F(MouseInput, ClickOnANativeButtonClicksItOnceAndFocusesIt) {
  form->Show();
  SetForegroundWindow(form->Handle());
  SetFocus(form->Edit1->Handle());
  PumpPending();
  Click(form->Button1->Handle(), POINT{10, 10});
  EXPECT_EQ(form->clicks, 1);
  EXPECT_EQ(GetFocus(), form->Button1->Handle());
  DoubleClick(form->Button1->Handle(), POINT{10, 10});
  EXPECT_EQ(form->clicks, 3) << "each press of a double click presses the button";
}

TEST_F(MouseInput, FrameworkControlsMakeOneEventPerClickAndDoubleClick) {
  auto* pad = Place<TClickPad>(136, 8, 60, 40);
  Place<TClickSpot>(136, 60, 60, 40);
  form->Show();
  PumpPending();
  Click(pad->Handle(), POINT{10, 10});
  EXPECT_EQ(clicks.count, 1);
  DoubleClick(pad->Handle(), POINT{10, 10});
  EXPECT_EQ(clicks.count, 2);
  EXPECT_EQ(doubleClicks.count, 1);
  EXPECT_FALSE(pad->MouseCapture());
  Click(form->Handle(), POINT{146, 70});
  EXPECT_EQ(clicks.count, 3);
  DoubleClick(form->Handle(), POINT{146, 70});
  EXPECT_EQ(clicks.count, 4);
  EXPECT_EQ(doubleClicks.count, 2);
}
