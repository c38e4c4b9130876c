#include "SimpleFormFixture.h"

// Buttons under a user's mouse and keyboard.

namespace {

using ButtonTest = SimpleFormTest;

bool WearsDefaultFrame(TButton& button) {
  return (SimpleFormTest::Style(button) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

} // namespace

TEST_F(ButtonTest, TakesItsDefaultsWhenMadeInCode) {
  auto* button = new TButton(form.get());
  EXPECT_EQ(button->Width(), 75);
  EXPECT_EQ(button->Height(), 25);
  EXPECT_TRUE(button->TabStop());
  EXPECT_FALSE(button->Default());
  EXPECT_FALSE(button->Cancel());
  EXPECT_EQ(button->ModalResult(), mrNone);
}

TEST_F(ButtonTest, PressAndReleaseClickItOnceFocusItAndSetTheModalResult) {
  ClickOn(CancelButton());
  EXPECT_EQ(form->Count("CancelButton.Click"), 1);
  EXPECT_TRUE(Focused(CancelButton()));
  EXPECT_EQ(form->ModalResult(), mrCancel);
  EXPECT_EQ(form->Count("OkButton.Click"), 0);
}

TEST_F(ButtonTest, EnterClicksTheDefaultButtonWhileNoButtonHasTheFocus) {
  ClickOn(NameEdit());
  ASSERT_TRUE(Focused(NameEdit()));
  EXPECT_TRUE(WearsDefaultFrame(OkButton()));
  EXPECT_TRUE(Press({}, VK_RETURN, [&] { return form->Count("OkButton.Click") == 1; }));
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_TRUE(Focused(NameEdit())) << "Enter clicks without moving the focus";
}

TEST_F(ButtonTest, EnterClicksTheFocusedButtonWhichTakesTheDefaultFrame) {
  ClickOn(PlayButton());
  ASSERT_EQ(form->Count("PlayButton.Click"), 1);
  EXPECT_TRUE(WearsDefaultFrame(PlayButton()));
  EXPECT_FALSE(WearsDefaultFrame(OkButton()));
  EXPECT_TRUE(Press({}, VK_RETURN, [&] { return form->Count("PlayButton.Click") == 2; }));
  EXPECT_EQ(form->Count("OkButton.Click"), 0);
  ClickOn(NameEdit());
  EXPECT_TRUE(WearsDefaultFrame(OkButton())) << "the default button is active again";
  EXPECT_FALSE(WearsDefaultFrame(PlayButton()));
}

TEST_F(ButtonTest, EscapeClicksTheCancelButton) {
  ClickOn(NameEdit());
  EXPECT_TRUE(Press({}, VK_ESCAPE, [&] { return form->Count("CancelButton.Click") == 1; }));
  EXPECT_EQ(form->ModalResult(), mrCancel);
  EXPECT_EQ(form->Count("OkButton.Click"), 0);
}

TEST_F(ButtonTest, EnterWithShiftOrCtrlClicksNothing) {
  ClickOn(NameEdit());
  PressKeyWith({VK_SHIFT}, VK_RETURN);
  PressKeyWith({VK_CONTROL}, VK_RETURN);
  EXPECT_TRUE(Press({}, VK_ESCAPE, [&] { return form->Count("CancelButton.Click") == 1; }));
  EXPECT_EQ(form->Count("OkButton.Click"), 0);
}

TEST_F(ButtonTest, TheAcceleratorOfItsCaptionClicksIt) {
  ClickOn(NameEdit());
  EXPECT_TRUE(Press({VK_MENU}, 'P', [&] { return form->Count("PlayButton.Click") == 1; }));
  EXPECT_EQ(form->Count("OkButton.Click"), 0);
}

TEST_F(ButtonTest, AnUnsetDefaultGivesUpTheDefaultFrame) {
  ClickOn(NameEdit());
  OkButton().SetDefault(false);
  EXPECT_FALSE(WearsDefaultFrame(OkButton()));
  PlayButton().SetDefault(true);
  EXPECT_TRUE(WearsDefaultFrame(PlayButton()));
  EXPECT_TRUE(Press({}, VK_RETURN, [&] { return form->Count("PlayButton.Click") == 1; }));
}

TEST_F(ButtonTest, APressIsSwallowedWhenTheFocusCannotMoveToTheButton) {
  ClickOn(NameEdit());
  form->keepFocusInEdit = true;
  ClickOn(OkButton());
  EXPECT_EQ(form->Count("OkButton.Click"), 0);
  EXPECT_EQ(form->Count("OkButton.Enter"), 0);
  EXPECT_TRUE(Focused(NameEdit()));
  form->keepFocusInEdit = false;
  ClickOn(OkButton());
  EXPECT_EQ(form->Count("OkButton.Click"), 1);
}

TEST_F(ButtonTest, ADisabledButtonIgnoresItsKeys) {
  ClickOn(NameEdit());
  OkButton().SetEnabled(false);
  PressKey(VK_RETURN);
  EXPECT_TRUE(Press({}, VK_ESCAPE, [&] { return form->Count("CancelButton.Click") == 1; }));
  EXPECT_EQ(form->Count("OkButton.Click"), 0);
}
