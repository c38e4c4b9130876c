#include "SimpleFormFixture.h"

#include "FrameworkMessages.h"

// Edit boxes: their styles, what a text write sends, typing and the focus events.

namespace {

using EditTest = SimpleFormTest;

// Counts the text writes that reach a control, then lets them through; puts the control's
// route back when it goes.
class SetTextCounter {
public:
  explicit SetTextCounter(TControl& control) : control_(control), through_(control.MessageRoute) {
    control.MessageRoute = BindWndMethod<&SetTextCounter::Route>(this);
  }
  ~SetTextCounter() { control_.MessageRoute = through_; }
  SetTextCounter(const SetTextCounter&) = delete;
  SetTextCounter& operator=(const SetTextCounter&) = delete;

  int writes = 0;

private:
  void Route(TMessage& message) {
    if (message.Msg == WM_SETTEXT) {
      ++writes;
    }
    through_.Call(through_.Object, message);
  }

  TControl& control_;
  TWndMethod through_;
};

// Where the edit box's text starts (EM_GETRECT): inside the border the edit draws itself.
int TextLeft(TEdit& edit) {
  RECT text{};
  SendMessageA(edit.Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  return text.left;
}

class ChangeCounter : public TObject {
public:
  int changes = 0;
  void Changed(TObject*) { ++changes; }
};

} // namespace

TEST_F(EditTest, TakesItsDefaultsWhenMadeInCode) {
  auto* edit = new TEdit(form.get());
  EXPECT_EQ(edit->Width(), 121);
  EXPECT_TRUE(edit->TabStop());
  EXPECT_FALSE(edit->ParentColor());
  EXPECT_EQ(edit->BorderStyle(), bsSingle);
  EXPECT_TRUE(edit->AutoSize());
  EXPECT_TRUE(edit->AutoSelect());
  EXPECT_TRUE(edit->HideSelection());
  EXPECT_GT(edit->Height(), 12) << "the height follows the font";
  EXPECT_LT(edit->Height(), 40);
}

TEST_F(EditTest, WritingTheSameTextTwiceSendsNothingTheSecondTime) {
  SetTextCounter counter(NameEdit());
  NameEdit().SetText("準備中");
  NameEdit().SetText("準備中");
  EXPECT_EQ(counter.writes, 1);
  EXPECT_EQ(form->Count("NameEdit.Change"), 1) << "the window reports the one change";
  char text[32] = {};
  GetWindowTextA(NameEdit().Handle(), text, sizeof text);
  EXPECT_STREQ(text, "準備中");
  NameEdit().SetText("");
  EXPECT_EQ(counter.writes, 2);
  EXPECT_EQ(form->Count("NameEdit.Change"), 2);
}

TEST_F(EditTest, ATextWrittenBeforeTheWindowExistsIsReportedByTheNotice) {
  ChangeCounter counter;
  auto* edit = new TEdit(form.get());
  edit->OnChange = TNotifyEvent::Bind<&ChangeCounter::Changed>(counter);
  edit->SetText("abc");
  EXPECT_EQ(counter.changes, 1);
  EXPECT_FALSE(edit->HandleAllocated());
  edit->SetParent(form.get());
  PumpPending();
  ASSERT_TRUE(edit->HandleAllocated());
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(counter.changes, 1) << "making the window reports no change";
  edit->Free();
}

TEST_F(EditTest, TypingChangesTheTextAndReportsEachCharacter) {
  ClickOn(NameEdit());
  ASSERT_TRUE(Focused(NameEdit()));
  Press({}, 'A', [&] { return NameEdit().Text() == "a"; });
  EXPECT_TRUE(Press({}, 'B', [&] { return NameEdit().Text() == "ab"; }));
  EXPECT_EQ(form->Count("NameEdit.Change"), 2);
  EXPECT_TRUE(NameEdit().Modified());
}

TEST_F(EditTest, StylesFollowTheProperties) {
  TEdit& edit = NameEdit();
  EXPECT_EQ(Style(edit) & (ES_AUTOHSCROLL | ES_AUTOVSCROLL), ES_AUTOHSCROLL | ES_AUTOVSCROLL);
  EXPECT_TRUE(GetWindowLongPtrA(edit.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_FALSE(Style(edit) & WS_BORDER);
  edit.SetCtl3D(false);
  EXPECT_FALSE(GetWindowLongPtrA(edit.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  int plainBorder = TextLeft(edit);
  edit.SetReadOnly(true);
  EXPECT_TRUE(Style(edit) & ES_READONLY);
  edit.SetCharCase(ecUpperCase);
  EXPECT_TRUE(Style(edit) & ES_UPPERCASE);
  edit.SetHideSelection(false);
  EXPECT_TRUE(Style(edit) & ES_NOHIDESEL);
  edit.SetPasswordChar('*');
  EXPECT_TRUE(Style(edit) & ES_PASSWORD);
  edit.SetBorderStyle(bsNone);
  EXPECT_EQ(edit.ClientWidth(), edit.Width()) << "no border at all";
  EXPECT_LT(TextLeft(edit), plainBorder) << "the edit draws a plain border itself";
}

TEST_F(EditTest, ARecreatedWindowKeepsTheTextAndReportsNoChange) {
  NameEdit().SetText("保存");
  int before = form->Count("NameEdit.Change");
  NameEdit().SetCharCase(ecLowerCase);
  EXPECT_EQ(NameEdit().Text(), "保存");
  EXPECT_EQ(form->Count("NameEdit.Change"), before);
}

TEST_F(EditTest, TheHeightFollowsABiggerFont) {
  int before = NameEdit().Height();
  NameEdit().Font().SetHeight(-30);
  EXPECT_GT(NameEdit().Height(), before + 12);
  NameEdit().SetAutoSize(false);
  NameEdit().Font().SetHeight(-12);
  EXPECT_GT(NameEdit().Height(), before + 12) << "without AutoSize the height stays";
}

TEST_F(EditTest, TabMovesTheFocusWithExitThenEnterAndSelectsTheWholeText) {
  NameEdit().SetText("abc");
  ClickOn(NameEdit());
  form->events.clear();
  EXPECT_TRUE(Press({}, VK_TAB, [&] { return Focused(OkButton()); }));
  EXPECT_EQ(form->events, (std::vector<String>{"NameEdit.Exit", "OkButton.Enter"}));
  EXPECT_TRUE(Press({VK_SHIFT}, VK_TAB, [&] { return Focused(NameEdit()); }));
  EXPECT_EQ(form->Count("NameEdit.Enter"), 1);
  EXPECT_EQ(NameEdit().SelStart(), 0);
  EXPECT_EQ(NameEdit().SelLength(), 3) << "the keyboard brings the focus with AutoSelect";
}
