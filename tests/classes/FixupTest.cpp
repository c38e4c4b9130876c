// Pending component references: those of collection items stay in step with the items,
// and a reference that cannot be stored fails with the name of its property, like any
// other failure inside a property.

#include "LoaderFixture.h"

#include "ClassRegistry.h"
#include "Exception.h"
#include "Fixups.h"
#include "TReader.h"

namespace {

// Form1, whose Button1 holds one item with a reference to Form2's Button1.
FormBytes FormWithCrossFormItem() {
  return FormWithButton([](FormBytes& b) {
    b.Prop("Items").Byte(14).Byte(1).Prop("Partner").Ident("Form2.Button1").End().End();
  });
}

FormBytes SecondForm(std::string_view buttonClass = "TTestControl") {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form2").End();
  bytes.Object(buttonClass, "Button1").End().End().End();
  return bytes;
}

TTestItem& FirstItem(const TTestControl& control) {
  return static_cast<TTestItem&>(control.Items()->Items(0));
}

} // namespace

TEST_F(Loader, AnItemsReferenceIntoAFormReadLaterIsStoredThen) {
  TFormPtr form1 = LoadForm(FormWithCrossFormItem());
  EXPECT_EQ(GlobalFixupCount(), 1u);
  TFormPtr form2 = LoadForm(SecondForm());
  EXPECT_EQ(FirstItem(*form1->Button1).Partner(), form2->Button1);
  EXPECT_EQ(GlobalFixupCount(), 0u);
}

// Each of these wrote into the freed item when Form2 was read (AddressSanitizer:
// heap-use-after-free in the fix-up store).
TEST_F(Loader, AnItemsPendingReferenceGoesWithItsComponent) {
  TFormPtr form1 = LoadForm(FormWithCrossFormItem());
  form1->Button1->Free();
  EXPECT_EQ(GlobalFixupCount(), 0u);
  TFormPtr form2 = LoadForm(SecondForm());
  EXPECT_NE(form2->Button1, nullptr);
}

TEST_F(Loader, AnItemsPendingReferenceGoesWithItsCollection) {
  TFormPtr form1 = LoadForm(FormWithCrossFormItem());
  form1->Button1->Items()->Clear();
  EXPECT_EQ(GlobalFixupCount(), 0u);
  TFormPtr form2 = LoadForm(SecondForm());
  EXPECT_EQ(form1->Button1->Items()->Count(), 0);
}

TEST_F(Loader, AnItemsPendingReferenceGoesWithItsForm) {
  TFormPtr form1 = LoadForm(FormWithCrossFormItem());
  FreeForm(form1);
  EXPECT_EQ(GlobalFixupCount(), 0u);
  TFormPtr form2 = LoadForm(SecondForm());
  EXPECT_EQ(LiveTestObjects(), liveBefore_ + 3);
}

TEST_F(Loader, ItemsReadAgainTakeTheReferencesOfTheFormerOnesAlong) {
  TFormPtr form = LoadForm(FormWithButton([](FormBytes& b) {
    b.Prop("Items").Byte(14).Byte(1).Prop("Partner").Ident("Button1").End();
    b.Byte(1).Prop("Partner").Ident("Form2.Button1").End().End();
    b.Prop("Items").Byte(14).Byte(1).Prop("Caption").Str("kept").End().End();
  }));
  ASSERT_EQ(form->Button1->Items()->Count(), 1);
  EXPECT_EQ(FirstItem(*form->Button1).Caption(), "kept");
  EXPECT_EQ(FirstItem(*form->Button1).Partner(), nullptr);
  EXPECT_EQ(GlobalFixupCount(), 0u);
}

TEST_F(Loader, AnItemsReferenceOfTheWrongClassNamesTheItemsProperty) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestControl", "Button1").Prop("Items").Byte(14);
  bytes.Byte(1).Prop("Partner").Ident("Timer1").End().End().End().End();
  bytes.Object("TTestTimer", "Timer1").End().End();
  bytes.End();
  EXPECT_EQ(FailureOf(bytes), "Button1.Items の読み込み中のエラー : "
                              "TTestItem.Partner の読み込み中のエラー : 不正なプロパティの値です");
}

TEST_F(Loader, AReferenceOfTheWrongClassIntoAnotherFormFailsWhenThatFormIsRead) {
  FormBytes first;
  first.Signature().Object("TTestForm", "Form1").Prop("ActiveControl").Ident("Form2.Button1");
  first.End().End();
  TFormPtr form1 = LoadForm(first);
  TFormPtr form2(new TTestForm(nullptr));
  TopLevel().push_back(form2.get());
  try {
    Read(*form2, SecondForm("TTestTimer"));
    FAIL();
  } catch (const EReadError& failure) {
    EXPECT_EQ(failure.Message(),
              "Form1.ActiveControl の読み込み中のエラー : 不正なプロパティの値です");
  }
  EXPECT_EQ(form1->ActiveControl(), nullptr);
  EXPECT_EQ(GlobalFixupCount(), 0u);
  FreeForm(form2);
}

TEST_F(Loader, AFailedReadOfANewRootLeavesOtherFormsReferencesWaiting) {
  RegisterPersistentClass(TTestForm::StaticClassInfo());
  FormBytes first;
  first.Signature().Object("TTestForm", "Form1").Prop("Other").Ident("Form2.Button1").End().End();
  TFormPtr form1 = LoadForm(first);
  FormBytes broken;
  broken.Signature().Object("TTestForm", "Made").Prop("Nothing").Int(1).End().End();
  TMemoryStream stream(broken.Data());
  TReader reader(stream);
  EXPECT_THROW(reader.LoadRoot(nullptr), EReadError);
  EXPECT_EQ(GlobalFixupCount(), 1u);
  TFormPtr form2 = LoadForm(SecondForm());
  EXPECT_EQ(form1->Other(), form2->Button1);
  UnregisterPersistentClass(TTestForm::StaticClassInfo());
}
