#include "ApplicationPump.h"
#include "FrameworkMessages.h"
#include "OwnedForm.h"
#include "TApplication.h"
#include "TGraphicControl.h"
#include "TestForms.h"

#include <gtest/gtest.h>

namespace {

// A control without a window that counts its paintings and paints itself red.
class TPaintBox : public TGraphicControl {
public:
  explicit TPaintBox(TComponent* owner) : TGraphicControl(owner) {}
  int paints = 0;

protected:
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect(ClientRect());
  }
};

// A control without a window that counts the mouse entering and leaving it.
class TMouseBox : public TGraphicControl {
public:
  SORVANE_CLASS(TMouseBox, TGraphicControl)
  SORVANE_MESSAGES

  explicit TMouseBox(TComponent* owner) : TGraphicControl(owner) {}
  int enters = 0;
  int leaves = 0;

private:
  void MouseEnter(TMessage&) { ++enters; }
  void MouseLeave(TMessage&) { ++leaves; }
};

SORVANE_MESSAGE_ROWS(TMouseBox){
    SORVANE_ON(XM_MOUSEENTER, MouseEnter),
    SORVANE_ON(XM_MOUSELEAVE, MouseLeave),
};
SORVANE_MESSAGE_TABLE(TMouseBox)

// One idle turn of the loop: a message is queued first so that the wait ends at once.
void IdleOnce() {
  PostMessageA(Application->Handle(), WM_NULL, 0, 0);
  Application->WaitIdle();
  while (Application->TakeMessage()) {
  }
}

class Clicks : public TObject {
public:
  int count = 0;
  void Click(TObject*) { ++count; }
};

// Takes every message of a control before its own window procedure does.
class Interceptor {
public:
  TWndMethod previous;
  int seen = 0;
  void Route(TMessage& message) {
    if (message.Msg == WM_USER + 3) {
      ++seen;
      message.Result = 42;
      return;
    }
    previous.Call(previous.Object, message);
  }
};

struct FormFixture : ::testing::Test {
  TOwnedForm<TButtonForm> form;
  void SetUp() override { form = AddOwnedForm<TButtonForm>(); }
  void TearDown() override { form.reset(); }
};

} // namespace

TEST_F(FormFixture, ControlWithoutWindowPaintsOnItsParent) {
  auto* box = new TPaintBox(form.get());
  box->SetBounds(150, 10, 40, 30);
  box->SetParent(form.get());
  form->Show();
  UpdateWindow(form->Handle());
  EXPECT_TRUE(PumpUntil([&] { return box->paints > 0; }));
  HDC dc = GetDC(form->Handle());
  EXPECT_EQ(GetPixel(dc, 160, 20), RGB(255, 0, 0));
  ReleaseDC(form->Handle(), dc);
}

TEST_F(FormFixture, MouseClickOnAControlWithoutWindowReachesIt) {
  auto* box = new TPaintBox(form.get());
  box->SetBounds(150, 10, 40, 30);
  box->SetParent(form.get());
  Clicks clicks;
  box->OnClick = TNotifyEvent::Bind<&Clicks::Click>(clicks);
  form->Show();
  SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(160, 20));
  EXPECT_TRUE(box->MouseCapture());
  SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(161, 21));
  EXPECT_FALSE(box->MouseCapture());
  EXPECT_EQ(clicks.count, 1);
  SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(160, 20));
  SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 100));
  EXPECT_EQ(clicks.count, 1);
}

TEST_F(FormFixture, MessageRouteCanBeReplacedToIntercept) {
  Interceptor interceptor;
  interceptor.previous = form->Edit1->MessageRoute;
  form->Edit1->MessageRoute = BindWndMethod<&Interceptor::Route>(&interceptor);
  EXPECT_EQ(SendMessageA(form->Edit1->Handle(), WM_USER + 3, 0, 0), 42);
  EXPECT_EQ(form->Edit1->Deliver(WM_USER + 3), 42);
  EXPECT_EQ(interceptor.seen, 2);
  form->Edit1->SetText("still works");
  EXPECT_EQ(form->Edit1->Text(), "still works");
  form->Edit1->MessageRoute = interceptor.previous;
}

TEST_F(FormFixture, BoundsWritesMoveTheWindowAtOnce) {
  form->Show();
  form->Button1->SetLeft(30);
  form->Button1->SetWidth(90);
  RECT bounds{};
  GetWindowRect(form->Button1->Handle(), &bounds);
  MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, 30);
  EXPECT_EQ(bounds.right - bounds.left, 90);
  form->SetTop(77);
  GetWindowRect(form->Handle(), &bounds);
  EXPECT_EQ(bounds.top, 77);
}

TEST_F(FormFixture, TextOfAWindowedControlSurvivesRecreation) {
  form->Edit1->SetText("残る");
  form->Edit1->RecreateWnd();
  EXPECT_EQ(form->Edit1->Text(), "残る");
  form->Edit1->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(form->Edit1->Handle()));
}

TEST_F(FormFixture, ColourAndFontFollowTheParentUntilSetOwn) {
  form->SetColor(clYellow);
  EXPECT_EQ(form->Button1->Color(), clYellow);
  form->Button1->SetColor(clAqua);
  form->SetColor(clWhite);
  EXPECT_EQ(form->Button1->Color(), clAqua);
  EXPECT_EQ(form->Edit1->Color(), clWhite);
  form->Font().SetHeight(-20);
  EXPECT_EQ(form->Edit1->Font().Height(), -20);
  EXPECT_TRUE(form->Edit1->ParentFont());
  auto sent = reinterpret_cast<HFONT>(SendMessageA(form->Edit1->Handle(), WM_GETFONT, 0, 0));
  EXPECT_EQ(sent, form->Edit1->Font().Handle());
}

TEST_F(FormFixture, ShowHintFollowsTheParentUntilSetOwn) {
  EXPECT_FALSE(form->Button1->ShowHint());
  form->SetShowHint(true);
  EXPECT_TRUE(form->Button1->ShowHint());
  EXPECT_TRUE(form->Button1->ParentShowHint());
  form->Edit1->SetShowHint(false);
  EXPECT_FALSE(form->Edit1->ParentShowHint());
  form->SetShowHint(false);
  form->SetShowHint(true);
  EXPECT_FALSE(form->Edit1->ShowHint()) << "its own setting stays";
  form->Edit1->SetParentShowHint(true);
  EXPECT_TRUE(form->Edit1->ShowHint());
}

TEST_F(FormFixture, FreedChildLeavesTheTabOrder) {
  form->Show();
  form->Button1->Free();
  form->Button1 = nullptr;
  EXPECT_EQ(form->ControlCount(), 1);
  EXPECT_EQ(form->Edit1->TabOrder(), 0);
  EXPECT_EQ(form->FindNextControl(nullptr, tdForward, tsTabStopsOnly, drAnyDescendant),
            form->Edit1);
}

TEST_F(FormFixture, IdleTurnTellsControlsTheMouseEnteredAndLeft) {
  auto* box = new TMouseBox(form.get());
  box->SetBounds(150, 10, 40, 30);
  box->SetParent(form.get());
  form->Show();
  PumpPending();
  POINT inside = box->ClientToScreen(POINT{5, 5});
  SetCursorPos(inside.x, inside.y);
  IdleOnce();
  EXPECT_EQ(box->enters, 1);
  POINT outside = box->ClientToScreen(POINT{-100, 80});
  SetCursorPos(outside.x, outside.y);
  IdleOnce();
  EXPECT_EQ(box->leaves, 1);
}

namespace {

void PutMouseOn(const TControl& control) {
  POINT center = control.ClientToScreen(POINT{control.Width() / 2, control.Height() / 2});
  SetCursorPos(center.x, center.y);
}

} // namespace

TEST_F(FormFixture, ControlUnderTheMouseIsFollowedWhileAnotherHasTheCapture) {
  auto* first = new TMouseBox(form.get());
  first->SetBounds(150, 20, 60, 40);
  first->SetParent(form.get());
  auto* second = new TMouseBox(form.get());
  second->SetBounds(150, 90, 60, 40);
  second->SetParent(form.get());
  form->Show();
  PumpPending();
  PutMouseOn(*first);
  IdleOnce();
  ASSERT_EQ(first->enters, 1);
  first->SetMouseCapture(true);
  PutMouseOn(*second);
  IdleOnce();
  EXPECT_EQ(first->leaves, 1) << "the capturing control hears that the mouse left it";
  EXPECT_EQ(second->enters, 0) << "no other control hears of the mouse while one has the capture";
  first->SetMouseCapture(false);
  IdleOnce();
  EXPECT_EQ(second->enters, 0) << "the mouse was already known to be there";
  PutMouseOn(*first);
  IdleOnce();
  EXPECT_EQ(second->leaves, 1);
  EXPECT_EQ(first->enters, 2);
}
