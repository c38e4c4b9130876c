#include "DesignScale.h"
#include "PlayerFixture.h"

#include "ApplicationPump.h"
#include "MouseMoves.h"
#include "TApplication.h"
#include "THintWindow.h"
#include "TScreen.h"

#include <gtest/gtest.h>

// The five form resources read into the real form classes, as the program builds them: every
// component's class, owner, parent and place, and the handlers its events are bound to.

namespace {

struct Placed {
  const char* name;
  const char* className;
  RECT bounds; // left, top, width, height, as designed
  // A control that sizes itself to its text and font (auto size) or to its buttons keeps
  // only its place: the size it takes depends on the fonts of the machine.
  bool sizesItself = false;
};

void ExpectControls(TForm& form, std::initializer_list<Placed> expected) {
  for (const Placed& row : expected) {
    SCOPED_TRACE(row.name);
    auto* control = dynamic_cast<TControl*>(form.FindComponent(row.name));
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->ClassName(), row.className);
    EXPECT_EQ(control->Owner(), &form);
    EXPECT_EQ(control->Parent(), &form);
    EXPECT_EQ(control->Left(), Scaled(row.bounds.left));
    EXPECT_EQ(control->Top(), Scaled(row.bounds.top));
    if (!row.sizesItself) {
      EXPECT_EQ(control->Width(), ScaledSpan(row.bounds.left, row.bounds.right));
      EXPECT_EQ(control->Height(), ScaledSpan(row.bounds.top, row.bounds.bottom));
    }
  }
}

void ExpectOwned(TForm& form, int count) { EXPECT_EQ(form.ComponentCount(), count); }

template <class T> void ExpectBounds(T& form, int left, int top) {
  EXPECT_EQ(form.Left(), left);
  EXPECT_EQ(form.Top(), top);
}

using PlayerForms = PlayerTest;

} // namespace

TEST_F(PlayerForms, PlayerWindowHoldsItsControlsMenuAndTimer) {
  EXPECT_STREQ(Form1->ClassName(), "TForm1");
  EXPECT_EQ(Form1->Owner(), Application);
  EXPECT_EQ(Application->MainForm(), Form1);
  EXPECT_EQ(Form1->Caption(), "Sorvane");
  ExpectControls(*Form1, {{"START", "TButton", {0, 32, 65, 25}},
                          {"STOP", "TButton", {72, 32, 65, 25}},
                          {"Prev", "TButton", {160, 32, 25, 25}},
                          {"Button4", "TButton", {197, 32, 25, 25}},
                          {"Edit1", "TEdit", {0, 0, 220, 20}, true},
                          {"MediaPlayer1", "TMediaPlayer", {0, 104, 253, 30}, true}});
  ExpectOwned(*Form1, 17);
  EXPECT_EQ(Form1->START->Caption(), "START");
  EXPECT_EQ(Form1->Prev->Caption(), "<");
  EXPECT_EQ(Form1->Button4->Caption(), ">");
  EXPECT_EQ(Form1->Edit1->Text(), "");
  EXPECT_EQ(Form1->Edit1->Width(), Scaled(220));
  EXPECT_FALSE(Form1->MediaPlayer1->Visible());
  EXPECT_EQ(Form1->ActiveControl(), Form1->START);

  EXPECT_EQ(Form1->START->OnClick, TNotifyEvent::Bind<&TForm1::STARTClick>(*Form1));
  EXPECT_EQ(Form1->STOP->OnClick, TNotifyEvent::Bind<&TForm1::STOPClick>(*Form1));
  EXPECT_EQ(Form1->Prev->OnClick, TNotifyEvent::Bind<&TForm1::PrevClick>(*Form1));
  EXPECT_EQ(Form1->Button4->OnClick, TNotifyEvent::Bind<&TForm1::Button4Click>(*Form1));

  EXPECT_EQ(Form1->OpenDialog1->Owner(), Form1);
  EXPECT_EQ(Form1->OpenDialog1->Filter(),
            "ALL|*.WAV;*.MP3;*.CDA;*.MPG;*.MPEG;*.MPE;*.MPA;*.M1V;*.M2V;*.MOV;*.AVI|wave|*.WAV|"
            "mp3|*.MP3|cda|*.CDA|mpeg|*.MPG;*.MPEG;*.MPE;*.MPA;*.M1V;*.M2V|mov|*.MOV|avi|*.AVI");
  EXPECT_EQ(Form1->Timer1->Owner(), Form1);
  EXPECT_FALSE(Form1->Timer1->Enabled());
  EXPECT_EQ(Form1->Timer1->Interval(), 100u);
  EXPECT_EQ(Form1->Timer1->OnTimerEvent(), TNotifyEvent::Bind<&TForm1::Timer1Timer>(*Form1));
}

TEST_F(PlayerForms, MenuBarHasTheFileOptionsAndVersionItems) {
  EXPECT_EQ(Form1->Menu(), Form1->MainMenu1);
  struct Item {
    TMenuItem* item;
    TMenuItem* parent;
    const char* caption;
    TNotifyEvent click;
  };
  const Item items[] = {
      {Form1->File1, nullptr, "ファイル(&F)", {}},
      {Form1->O1, Form1->File1, "開く(&O)", TNotifyEvent::Bind<&TForm1::O1Click>(*Form1)},
      {Form1->S1, Form1->File1, "リストに追加(&S)", TNotifyEvent::Bind<&TForm1::S1Click>(*Form1)},
      {Form1->Close1, Form1->File1, "閉じる(&C)", TNotifyEvent::Bind<&TForm1::Close1Click>(*Form1)},
      {Form1->O2, nullptr, "オプション(&O)", {}},
      {Form1->renzoku, Form1->O2, "連続再生(&S)",
       TNotifyEvent::Bind<&TForm1::renzokuClick>(*Form1)},
      {Form1->repeat, Form1->O2, "リピート(&R)", TNotifyEvent::Bind<&TForm1::repeatClick>(*Form1)},
      {Form1->N3, nullptr, "バージョン(&V)", TNotifyEvent::Bind<&TForm1::N3Click>(*Form1)},
  };
  for (const Item& row : items) {
    ASSERT_NE(row.item, nullptr) << row.caption;
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(row.item->Owner(), Form1);
    EXPECT_EQ(row.item->Parent(), row.parent ? row.parent : Form1->MainMenu1->Items());
    EXPECT_EQ(row.item->Caption(), row.caption);
    EXPECT_EQ(row.item->OnClick, row.click);
    EXPECT_FALSE(row.item->Checked());
    EXPECT_TRUE(row.item->Enabled());
  }
}

// The menu bar's three entries take two lines in the 230-pixel window where the menu font
// is wide (Wine's); the window grows by the second line, so the buttons stay in view.
TEST_F(PlayerForms, PlayerWindowShowsItsButtonsWhateverLinesTheMenuBarTakes) {
  RECT client{};
  GetClientRect(Form1->Handle(), &client);
  EXPECT_GE(client.bottom, Form1->START->Top() + Form1->START->Height());
  EXPECT_GE(client.right, Form1->Button4->Left() + Form1->Button4->Width());
  const auto style = GetWindowLongPtrA(Form1->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL)) << "no scroll bar hides a button";
  EXPECT_EQ(client.right, Scaled(222));
  EXPECT_GE(Form1->Height(), 105);
}

TEST_F(PlayerForms, PlayListWindowSitsUnderThePlayerWindow) {
  EXPECT_STREQ(Form2->ClassName(), "TForm2");
  EXPECT_EQ(Form2->Owner(), Application);
  EXPECT_EQ(Form2->Caption(), "再生リスト");
  ExpectBounds(*Form1, 192, 106);
  ExpectBounds(*Form2, 192, Form1->Top() + Form1->Height());
  EXPECT_TRUE(Form2->Visible());
  EXPECT_TRUE(IsWindowVisible(Form2->Handle()));
  ExpectControls(*Form2, {{"ListBox1", "TListBox", {0, 0, 222, 169}}});
  ExpectOwned(*Form2, 1);
  EXPECT_TRUE(Form2->ListBox1->MultiSelect());
  EXPECT_EQ(Form2->ListBox1->OnDblClick, TNotifyEvent::Bind<&TForm2::ListBox1DblClick>(*Form2));
  EXPECT_EQ(Form2->ListBox1->OnKeyDown, TKeyEvent::Bind<&TForm2::ListBox1KeyDown>(*Form2));
  EXPECT_EQ(Form2->EntryCount, 0);
  EXPECT_EQ(Form2->ListBox1->Items().ItemCount(), 0);
  EXPECT_EQ(GetWindowLongPtrA(Form2->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, WS_EX_ACCEPTFILES);
  EXPECT_EQ(GetWindowLongPtrA(Form2->ListBox1->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES,
            WS_EX_ACCEPTFILES);
}

TEST_F(PlayerForms, DisplayWindowSitsRightOfThePlayerWindowHidden) {
  EXPECT_STREQ(Form3->ClassName(), "TForm3");
  EXPECT_EQ(Form3->Caption(), "ディスプレイ");
  ExpectBounds(*Form3, Form1->Left() + Form1->Width(), Form1->Top());
  EXPECT_FALSE(Form3->Visible());
  EXPECT_EQ(Form3->ClientWidth(), Scaled(266));
  EXPECT_EQ(Form3->ClientHeight(), Scaled(256));
  ExpectControls(*Form3, {{"Panel1", "TPanel", {0, 0, 265, 241}},
                          {"ScrollBar1", "TScrollBar", {0, 240, 265, 16}}});
  ExpectOwned(*Form3, 2);
  EXPECT_EQ(Form3->ScrollBar1->Max(), 100);
  EXPECT_EQ(Form3->ScrollBar1->OnScroll, TScrollEvent::Bind<&TForm3::ScrollBar1Scroll>(*Form3));
}

TEST_F(PlayerForms, VersionWindowKeepsItsResourcePlaceHidden) {
  EXPECT_STREQ(Form4->ClassName(), "TForm4");
  EXPECT_EQ(Form4->Caption(), "バージョン情報");
  ExpectBounds(*Form4, 296, 181);
  EXPECT_FALSE(Form4->Visible());
  ExpectControls(*Form4, {{"Label1", "TLabel", {104, 8, 68, 20}, true},
                          {"Label2", "TLabel", {56, 32, 187, 15}, true},
                          {"Button1", "TButton", {112, 96, 75, 17}}});
  ExpectOwned(*Form4, 5);
  EXPECT_EQ(Form4->Label2->Caption(), "Sorvane ver2.0.0  10/2/2002");
  EXPECT_EQ(Form4->Button1->Caption(), "CLOSE");
  EXPECT_EQ(Form4->Label3->Owner(), Form4);
  EXPECT_EQ(Form4->Label4->Parent(), Form4);
  EXPECT_EQ(Form4->Button1->OnClick, TNotifyEvent::Bind<&TForm4::Button1Click>(*Form4));
}

// One pixel right of the player window (423 where the player window keeps its 230 pixels).
TEST_F(PlayerForms, TimeWindowSitsRightOfThePlayerWindowHidden) {
  EXPECT_STREQ(Form5->ClassName(), "TForm5");
  EXPECT_EQ(Form5->Caption(), "TIME");
  ExpectBounds(*Form5, Form1->Left() + Form1->Width() + 1, 106);
  EXPECT_FALSE(Form5->Visible());
  ExpectControls(*Form5, {{"Label1", "TLabel", {88, 0, 132, 49}},
                          {"Label2", "TLabel", {0, 0, 89, 49}},
                          {"ScrollBar1", "TScrollBar", {0, 56, 220, 21}}});
  ExpectOwned(*Form5, 3);
  EXPECT_EQ(Form5->Label1->Caption(), "Label1");
  EXPECT_EQ(Form5->Label2->Caption(), "Time");
  EXPECT_EQ(Form5->ScrollBar1->OnScroll, TScrollEvent::Bind<&TForm5::ScrollBar1Scroll>(*Form5));
}

TEST_F(PlayerForms, WindowsAreOfTheirFormClassesWithTheApplicationWindow) {
  char name[64] = {};
  GetClassNameA(Application->Handle(), name, sizeof name);
  EXPECT_STREQ(name, "TApplication");
  const TCustomForm* forms[] = {Form1, Form2, Form3, Form4, Form5};
  const char* classes[] = {"TForm1", "TForm2", "TForm3", "TForm4", "TForm5"};
  for (std::size_t i = 0; i < std::size(forms); ++i) {
    GetClassNameA(const_cast<TCustomForm*>(forms[i])->Handle(), name, sizeof name);
    EXPECT_STREQ(name, classes[i]);
  }
  EXPECT_EQ(Main::ExtensionCount, 22);
  EXPECT_EQ(List::ExtensionCount, 22);
  EXPECT_EQ(Main::Extensions, List::Extensions);
  EXPECT_EQ(Main::Extensions[21], "AVI");
}

namespace {

// A desktop whose frames are those of a current theme: a caption of 23 pixels, a menu bar
// of 20, sizing borders of 8. Set for the thread's desktop while the forms are made, and put
// back after.
class OtherDesktopTheme : public PlayerTest {
protected:
  void SetUp() override {
    saved_.cbSize = sizeof saved_;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0));
    NONCLIENTMETRICSA theme = saved_;
    theme.iCaptionHeight = 22;
    theme.iMenuHeight = 19;
    theme.iBorderWidth = 4;
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof theme, &theme, 0));
    PlayerTest::SetUp();
  }
  void TearDown() override {
    PlayerTest::TearDown();
    SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
  }

private:
  NONCLIENTMETRICSA saved_{};
};

void ExpectClientArea(TForm& form, int width, int height) {
  SCOPED_TRACE(form.Name());
  form.Show();
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, Scaled(width));
  EXPECT_EQ(client.bottom, Scaled(height));
  EXPECT_FALSE(GetWindowLongPtrA(form.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
}

} // namespace

// Each window keeps the client area its resource was laid out in, scaled as its controls are,
// whatever frame the desktop draws around it, so no control is cut off and no scroll bar
// appears.
TEST_F(OtherDesktopTheme, EveryWindowKeepsTheClientAreaOfItsDesign) {
  ExpectClientArea(*Form1, 222, 59);
  ExpectClientArea(*Form2, 222, 170);
  ExpectClientArea(*Form4, 292, 113);
  ExpectClientArea(*Form5, 222, 78);
  EXPECT_EQ(Form2->Top(), Form1->Top() + Form1->Height());
}

namespace {

// Whether the application's hint window shows.
bool HintShowing() {
  THintWindow* window = Application->HintWindow();
  return window && window->HandleAllocated() && IsWindowVisible(window->Handle());
}

} // namespace

// No control of the player asks for a hint, so the mouse resting on any of them shows none,
// even with no pause before a hint.
TEST_F(PlayerForms, RestingTheMouseOnThePlayersControlsShowsNoHint) {
  Application->HintPause = 0;
  Form1->Show();
  SetForegroundWindow(Form1->Handle());
  PumpPending();
  ASSERT_TRUE(Application->ShowHint());
  for (TForm* form : std::initializer_list<TForm*>{Form1, Form2}) {
    for (int i = 0; i < form->ControlCount(); ++i) {
      TControl& control = *form->Controls(i);
      if (!control.Showing()) {
        continue;
      }
      SCOPED_TRACE(control.Name());
      EXPECT_FALSE(control.ShowHint());
      MoveMouseTo(control.ClientToScreen(POINT{control.Width() / 2, control.Height() / 2}));
      EXPECT_FALSE(PumpUntil(HintShowing, 100));
    }
  }
  Application->HintPause = 500;
}
