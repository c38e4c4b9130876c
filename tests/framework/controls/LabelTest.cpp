#include "SimpleFormFixture.h"

// Labels: their size, their text without a window, and their accelerators.

namespace {

using LabelTest = SimpleFormTest;

// A label made in code on the form, right-aligned and sizing itself.
TLabel& PlaceLabel(TSimpleForm& form, TAlignment alignment) {
  auto* label = new TLabel(&form);
  label->SetAlignment(alignment);
  label->SetParent(&form);
  label->SetBounds(100, 60, 10, 10);
  return *label;
}

int OneLineHeight(TSimpleForm& form) {
  TLabel& label = PlaceLabel(form, taLeftJustify);
  label.SetCaption("A");
  int height = label.Height();
  label.Free();
  return height;
}

} // namespace

TEST_F(LabelTest, TakesItsDefaultsWhenMadeInCode) {
  auto* label = new TLabel(form.get());
  EXPECT_EQ(label->Width(), 65);
  EXPECT_EQ(label->Height(), 17);
  EXPECT_FALSE(label->Transparent());
  EXPECT_TRUE(label->AutoSize());
  EXPECT_TRUE(label->ShowAccelChar());
  EXPECT_EQ(label->Alignment(), taLeftJustify);
  EXPECT_EQ(label->Layout(), tlTop);
  EXPECT_FALSE(label->WordWrap());
}

TEST_F(LabelTest, ARightAlignedAutoSizeLabelKeepsItsRightEdge) {
  TLabel& label = PlaceLabel(*form, taRightJustify);
  label.SetCaption("1:00");
  int right = label.Left() + label.Width();
  int width = label.Width();
  label.SetCaption("10:00:00 長い時間");
  EXPECT_GT(label.Width(), width);
  EXPECT_EQ(label.Left() + label.Width(), right);
  label.SetCaption("1");
  EXPECT_EQ(label.Left() + label.Width(), right);
}

TEST_F(LabelTest, ALeftAlignedAutoSizeLabelKeepsItsLeftEdge) {
  TLabel& label = PlaceLabel(*form, taLeftJustify);
  label.SetCaption("短い");
  label.SetCaption("ずっと長い見出しの文字");
  EXPECT_EQ(label.Left(), 100);
}

TEST_F(LabelTest, WithoutAutoSizeTheBoxStays) {
  TLabel& time = TimeLabel();
  RECT before = time.BoundsRect();
  time.SetCaption("75:03");
  RECT after = time.BoundsRect();
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(LabelTest, AnEmptyCaptionOrALoneAmpersandMeasuresOneLine) {
  int line = OneLineHeight(*form);
  ASSERT_GT(line, 0);
  TLabel& label = PlaceLabel(*form, taLeftJustify);
  label.SetCaption("&");
  EXPECT_EQ(label.Height(), line);
  label.SetCaption("x");
  label.SetCaption("");
  EXPECT_EQ(label.Height(), line);
}

TEST_F(LabelTest, KeepsItsOwnTextWithoutAWindow) {
  NameLabel().SetCaption("題名(&T)");
  EXPECT_EQ(NameLabel().Caption(), "題名(&T)");
  char buffer[5] = {};
  auto copied = NameLabel().Deliver(WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  EXPECT_EQ(copied, 4);
  EXPECT_STREQ(buffer, "題名");
}

TEST_F(LabelTest, AltWithItsAcceleratorFocusesItsFocusControl) {
  ClickOn(OkButton());
  ASSERT_TRUE(Focused(OkButton()));
  form->events.clear();
  EXPECT_TRUE(Press({VK_MENU}, 'E', [&] { return Focused(NameEdit()); }));
  EXPECT_EQ(form->events, (std::vector<String>{"NameEdit.Enter"}));
  EXPECT_EQ(form->ActiveControl(), &NameEdit());
}

TEST_F(LabelTest, AnAcceleratorDoesNothingWhenTheLabelCannotUseIt) {
  ClickOn(OkButton());
  NameLabel().SetShowAccelChar(false);
  PressKeyWith({VK_MENU}, 'E');
  NameLabel().SetShowAccelChar(true);
  NameLabel().SetEnabled(false);
  PressKeyWith({VK_MENU}, 'E');
  EXPECT_TRUE(Press({}, VK_ESCAPE, [&] { return form->Count("CancelButton.Click") == 1; }));
  EXPECT_FALSE(Focused(NameEdit()));
}

TEST_F(LabelTest, ForgetsAFocusControlThatIsFreed) {
  auto* edit = new TEdit(form.get());
  NameLabel().SetFocusControl(edit);
  edit->Free();
  EXPECT_EQ(NameLabel().FocusControl(), nullptr);
}
