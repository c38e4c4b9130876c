#include "LoaderFixture.h"

#include "ClassRegistry.h"
#include "ComponentLookup.h"
#include "Exception.h"
#include "Fixups.h"
#include "Published.h"
#include "ResourceLoading.h"
#include "TReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Frees its partner when it finishes loading.
class TTestReaper : public TTestControl {
public:
  SORVANE_CLASS(TTestReaper, TTestControl)
  using TTestControl::TTestControl;

  void FinishLoading() override {
    TTestControl::FinishLoading();
    if (Partner() != nullptr)
      Partner()->Free();
  }
};

} // namespace

TEST_F(Loader, BuildsTheTreeOwnedByTheRoot) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").Prop("Caption").Str("再生").End();
  bytes.Object("TTestControl", "Panel1").End();
  bytes.Object("TTestControl", "Button1").Prop("Left").Int(192).End().End();
  bytes.End();
  bytes.Object("TTestTimer", "Timer1").Prop("Left").Int(8).Prop("Top").Int(32).End().End();
  bytes.End();
  TFormPtr form = LoadForm(bytes);

  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->Caption(), "再生");
  ASSERT_EQ(form->ComponentCount(), 3);
  ASSERT_NE(form->Button1, nullptr);
  EXPECT_EQ(form->Button1->Owner(), form.get()) << "children of children belong to the root";
  EXPECT_EQ(form->Button1->ParentControl(), form->Panel1);
  EXPECT_EQ(form->Panel1->ParentControl(), form.get());
  EXPECT_EQ(form->Button1->Left(), 192);
  EXPECT_EQ(form->Timer1->DesignLeft(), 8) << "a non-visual component keeps Left and Top";
  EXPECT_EQ(form->Timer1->DesignTop(), 32);
  EXPECT_FALSE(form->IsLoading());
  EXPECT_FALSE(form->Button1->IsLoading());
}

TEST_F(Loader, FinishesRootFirstThenEachChildAfterItsChildren) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestControl", "Panel1").End();
  bytes.Object("TTestControl", "Button1").End().End();
  bytes.End();
  bytes.Object("TTestTimer", "Timer1").End().End();
  bytes.End();
  TFormPtr form = LoadForm(bytes);
  EXPECT_EQ(FinishLog(), (std::vector<String>{"Form1", "Button1", "Panel1", "Timer1"}));
}

TEST_F(Loader, AComponentFreedWhileFinishingLeavesTheListInStep) {
  RegisterPersistentClass(TTestReaper::StaticClassInfo());
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestControl", "Early").End().End();
  bytes.Object("TTestReaper", "Reaper").Prop("Partner").Ident("Early").End().End();
  bytes.Object("TTestReaper", "Reaper2").Prop("Partner").Ident("Late").End().End();
  bytes.Object("TTestControl", "Late").End().End();
  bytes.Object("TTestControl", "Last").End().End();
  bytes.End();
  TFormPtr form = LoadForm(bytes);
  EXPECT_EQ(FinishLog(), (std::vector<String>{"Form1", "Early", "Reaper", "Reaper2", "Last"}));
  EXPECT_EQ(form->ComponentCount(), 3);
  UnregisterPersistentClass(TTestReaper::StaticClassInfo());
}

TEST_F(Loader, WithoutAGlobalLookupTheRootNameIsEmpty) {
  SetGlobalComponentLookup(nullptr);
  TTestForm form(nullptr);
  Read(form, FormBytes().Signature().Object("TTestForm", "Form1").End().End());
  EXPECT_EQ(form.Name(), "");
}

TEST_F(Loader, ASecondRootOfTheSameNameIsNumbered) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End().End();
  TFormPtr first = LoadForm(bytes);
  TFormPtr second = LoadForm(bytes);
  TFormPtr third = LoadForm(bytes);
  EXPECT_EQ(first->Name(), "Form1");
  EXPECT_EQ(second->Name(), "Form1_1");
  EXPECT_EQ(third->Name(), "Form1_2");
}

TEST_F(Loader, SetsIntegersFromIdentifierMaps) {
  TFormPtr form = LoadForm(FormWithButton([](FormBytes& b) {
    b.Prop("Color").Ident("clBtnFace").Prop("Cursor").Ident("CRHOURGLASS");
    b.Prop("Font.Charset").Ident("SHIFTJIS_CHARSET");
  }));
  EXPECT_EQ(static_cast<std::uint32_t>(form->Button1->Color()), 0x8000000Fu);
  EXPECT_EQ(form->Button1->Cursor(), crHourGlass);
  EXPECT_EQ(form->Button1->Font()->Charset(), 128);
  TFormPtr lime = LoadForm(FormWithButton([](FormBytes& b) { b.Prop("Color").Ident("clLime"); }));
  EXPECT_EQ(lime->Button1->Color(), 0x00FF00);
}

TEST_F(Loader, RefusesIdentifiersOfOtherMapsOrPlainIntegers) {
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("Color").Ident("crArrow"); })),
            "Button1.Color の読み込み中のエラー : 不正なプロパティの値です");
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("Width").Ident("clRed"); })),
            "Button1.Width の読み込み中のエラー : 不正なプロパティの値です");
}

TEST_F(Loader, SetsPropertiesOfEveryKind) {
  TFormPtr form = LoadForm(FormWithButton([](FormBytes& b) {
    b.Prop("Enabled").Bool(false).Prop("Align").Ident("ALCLIENT");
    b.Prop("Accelerator").Str("S").Prop("Ratio").Int(3);
    b.Prop("Big").Bytes({19, 0, 0, 0, 0, 1, 0, 0, 0}).Prop("Data").Str("v");
    b.Prop("Wide").Set({"w1", "w40"}).Prop("Caption").LongStr("停止");
    b.Prop("Font.Name").Str("ＭＳ Ｐゴシック").Prop("Font.Style").Set({"fsBold"});
  }));
  TTestControl& button = *form->Button1;
  EXPECT_FALSE(button.Enabled());
  EXPECT_EQ(button.Align(), alClient);
  EXPECT_EQ(button.Accelerator(), 'S');
  EXPECT_EQ(button.Ratio(), 3.0);
  EXPECT_EQ(button.Big(), std::int64_t{1} << 32);
  EXPECT_EQ(button.Data().Text(), "v");
  EXPECT_EQ(button.Wide().Bits(), 0b10u);
  EXPECT_EQ(button.Caption(), "停止");
  EXPECT_EQ(button.Font()->Name(), "ＭＳ Ｐゴシック");
  EXPECT_TRUE(button.Font()->Style().Contains(fsBold));
}

TEST_F(Loader, StoresTheEmptySet) {
  TFormPtr form = LoadForm(FormWithButton(
      [](FormBytes& b) { b.Prop("Font.Style").Set({"fsItalic"}).Prop("Font.Style").Set({}); }));
  EXPECT_TRUE(form->Button1->Font()->Style().Empty());
}

TEST_F(Loader, ReadsCollectionItems) {
  TFormPtr form = LoadForm(FormWithButton([](FormBytes& b) {
    b.Prop("Items").Byte(14).Byte(1).Prop("Caption").Str("a").End();
    b.Byte(1).Prop("Value").Int(9).End().End();
  }));
  ASSERT_EQ(form->Button1->Items()->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem&>(form->Button1->Items()->Items(1)).Value(), 9);
}

TEST_F(Loader, BindsEventsByMethodNameToTheRoot) {
  TFormPtr form = LoadForm(FormWithButton([](FormBytes& b) {
    b.Prop("OnClick").Ident("BUTTONCLICK").Prop("OnKey").Ident("KeyPressed");
  }));
  TTestControl& button = *form->Button1;
  button.OnClick(&button);
  EXPECT_EQ(form->clicks, std::vector<TObject*>{&button});
  EXPECT_EQ(button.OnClick.Data(), form.get());
  int key = 13;
  button.OnKey(&button, key);
  EXPECT_EQ(key, 0);
}

TEST_F(Loader, NilClearsAnEvent) {
  TFormPtr form = LoadForm(FormWithButton(
      [](FormBytes& b) { b.Prop("OnClick").Ident("ButtonClick").Prop("OnClick").Nil(); }));
  EXPECT_FALSE(form->Button1->OnClick);
}

TEST_F(Loader, AnUnknownOrMismatchedHandlerFailsWithTheComposedMessage) {
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("OnClick").Ident("Missing"); })),
            "Button1.OnClick の読み込み中のエラー : 不正なプロパティの値です");
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("OnKey").Ident("ButtonClick"); })),
            "Button1.OnKey の読み込み中のエラー : 不正なプロパティの値です");
}

TEST_F(Loader, UnknownPropertiesAndPathsFail) {
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("Foo").Int(1); })),
            "Button1.Foo の読み込み中のエラー : プロパティが存在しません");
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("Nope.Name").Str("x"); })),
            "Button1.Nope.Name の読み込み中のエラー : プロパティが存在しません");
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("Caption.Name").Str("x"); })),
            "Button1.Caption.Name の読み込み中のエラー : 不正なプロパティのパスです");
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("Font.Size").Int(1); })),
            "Button1.Font.Size の読み込み中のエラー : プロパティが存在しません");
}

TEST_F(Loader, ReadOnlyPropertiesFail) {
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("Font").Nil(); })),
            "Button1.Font の読み込み中のエラー : プロパティは書き込み禁止です");
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "").Prop("ReadOnlyValue").Int(1).End().End();
  EXPECT_EQ(FailureOf(bytes), "TTestForm.ReadOnlyValue の読み込み中のエラー : "
                              "プロパティは書き込み禁止です")
      << "an unnamed instance is named by its class";
}

TEST_F(Loader, HandsBinaryBlocksToTheClassesOwnRoutine) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestTimer", "Timer1").Prop("blob").Byte(10).Int32(3).Bytes({7, 8, 9});
  bytes.Prop("Interval").Int(5).End().End().End();
  TFormPtr form = LoadForm(bytes);
  EXPECT_EQ(form->Timer1->blob, (std::vector<std::uint8_t>{7, 8, 9}));
  EXPECT_EQ(form->Timer1->Interval(), 5);
}

TEST_F(Loader, ABinaryBlockOfAnotherTagIsSkippedAndFails) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestTimer", "Timer1").Prop("Blob").Str("abc").End().End().End();
  EXPECT_EQ(FailureOf(bytes), "Timer1.Blob の読み込み中のエラー : 不正なプロパティの値です");
}

TEST_F(Loader, SetsVariants) {
  TFormPtr form = LoadForm(FormWithButton([](FormBytes& b) { b.Prop("Data").Bytes({2, 0xFF}); }));
  EXPECT_EQ(form->Button1->Data().Kind(), TVariantKind::Byte);
  EXPECT_EQ(form->Button1->Data().Integer(), 255) << "the signed byte is taken as it is";
  EXPECT_EQ(FailureOf(FormWithButton([](FormBytes& b) { b.Prop("Data").Set({}); })),
            "Button1.Data の読み込み中のエラー : ストリームからの読み込みエラー");
}

TEST_F(Loader, FollowsNamePathsThroughOwnedComponents) {
  TComponent root(nullptr);
  auto* panel = new TComponent(&root);
  panel->AssignName("Panel1");
  auto* inner = new TComponent(panel);
  inner->AssignName("Inner");
  EXPECT_EQ(FindNestedComponent(&root, "panel1.INNER"), inner);
  EXPECT_EQ(FindNestedComponent(&root, "Panel1->Inner"), inner);
  EXPECT_EQ(FindNestedComponent(&root, "Owner.Panel1"), panel) << "Owner stays where it is";
  EXPECT_EQ(FindNestedComponent(&root, "Panel1.Nothing"), nullptr);
  EXPECT_EQ(FindNestedComponent(&root, ""), nullptr);
}

TEST_F(Loader, ResolvesReferencesAfterTheWholeTree) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").Prop("ActiveControl").Ident("Button1").End();
  bytes.Object("TTestControl", "Panel1").Prop("Partner").Ident("Button1").End().End();
  bytes.Object("TTestControl", "Button1").End().End();
  bytes.End();
  TFormPtr form = LoadForm(bytes);
  EXPECT_EQ(form->ActiveControl(), form->Button1);
  EXPECT_EQ(form->Panel1->Partner(), form->Button1);
}

TEST_F(Loader, AMissingReferenceLeavesThePropertyEmpty) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").Prop("ActiveControl").Ident("Nobody").End();
  bytes.End();
  TFormPtr form = LoadForm(bytes);
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_EQ(GlobalFixupCount(), 0u);
}

TEST_F(Loader, AReferenceToAComponentOfAnotherClassFails) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").Prop("ActiveControl").Ident("Timer1").End();
  bytes.Object("TTestTimer", "Timer1").End().End();
  bytes.End();
  EXPECT_EQ(FailureOf(bytes), "Form1.ActiveControl の読み込み中のエラー : 不正なプロパティの値です")
      << "named like any other failure inside a property";
}

TEST_F(Loader, ReferencesIntoAnotherRootWaitForIt) {
  FormBytes first;
  first.Signature().Object("TTestForm", "Form1").Prop("Other").Ident("Form2.Button1").End();
  first.End();
  TFormPtr form1 = LoadForm(first);
  EXPECT_EQ(form1->Other(), nullptr);
  EXPECT_EQ(GlobalFixupCount(), 1u);

  FormBytes second;
  second.Signature().Object("TTestForm", "Form2").End();
  second.Object("TTestControl", "Button1").End().End().End();
  TFormPtr form2 = LoadForm(second);
  EXPECT_EQ(form1->Other(), form2->Button1);
  EXPECT_EQ(GlobalFixupCount(), 0u);
}

TEST_F(Loader, AFormThatGoesTakesItsPendingReferencesAlong) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").Prop("Other").Ident("Form9.X").End().End();
  TFormPtr form = LoadForm(bytes);
  EXPECT_EQ(GlobalFixupCount(), 1u);
  TopLevel().clear();
  form.reset();
  EXPECT_EQ(GlobalFixupCount(), 0u);
}

TEST_F(Loader, UnknownClassesFailAndCreateNothing) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestControl", "Button1").End().End();
  bytes.Object("TNoSuchThing", "X").End().End();
  bytes.End();
  TFormPtr form(new TTestForm(nullptr));
  try {
    Read(*form, bytes);
    FAIL();
  } catch (const EClassNotFound& failure) {
    EXPECT_EQ(failure.Message(), "クラス TNoSuchThing が見つかりません");
  }
  EXPECT_EQ(form->ComponentCount(), 1) << "only the earlier sibling is left, to its owner";
}

TEST_F(Loader, RegisteredClassesAreFoundByNameAndAlias) {
  RegisterPersistentClass(TTestBroken::StaticClassInfo());
  RegisterClassAlias(TTestTimer::StaticClassInfo(), "TOldTimer");
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TOldTimer", "Clock").End().End();
  bytes.End();
  TFormPtr form = LoadForm(bytes);
  EXPECT_STREQ(form->FindComponent("Clock")->ClassName(), "TTestTimer");
  UnregisterPersistentClass(TTestTimer::StaticClassInfo());
  UnregisterPersistentClass(TTestBroken::StaticClassInfo());
}

TEST_F(Loader, AFailedConstructorLeavesNothingBehind) {
  RegisterPersistentClass(TTestBroken::StaticClassInfo());
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestBroken", "B").End().End();
  bytes.End();
  TFormPtr form(new TTestForm(nullptr));
  EXPECT_THROW(Read(*form, bytes), EComponentError);
  EXPECT_EQ(form->ComponentCount(), 0);
  UnregisterPersistentClass(TTestBroken::StaticClassInfo());
}

TEST_F(Loader, AFailedChildIsFreedWithWhatItHeld) {
  FormBytes bytes = FormWithButton([](FormBytes& b) { b.Prop("Font.Name").Int(3); });
  TFormPtr form(new TTestForm(nullptr));
  EXPECT_THROW(Read(*form, bytes), EReadError);
  EXPECT_EQ(form->ComponentCount(), 0);
  EXPECT_EQ(form->Button1, nullptr);
  form.reset();
  EXPECT_EQ(LiveTestObjects(), liveBefore_);
}

TEST_F(Loader, AFailedReadOfANewRootFreesEverythingItCreated) {
  RegisterPersistentClass(TTestForm::StaticClassInfo());
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Made").End();
  bytes.Object("TTestControl", "Panel1").End();
  bytes.Object("TTestControl", "Button1").Prop("Font.Style").Set({"fsBold"}).End().End();
  bytes.End();
  bytes.Object("TTestControl", "Button2").Prop("Align").Ident("alNowhere").End().End();
  bytes.End();
  TMemoryStream stream(bytes.Data());
  TReader reader(stream);
  EXPECT_THROW(reader.LoadRoot(nullptr), EReadError);
  EXPECT_EQ(LiveTestObjects(), liveBefore_);
  UnregisterPersistentClass(TTestForm::StaticClassInfo());
}

TEST_F(Loader, ANewRootComesFromTheRegisteredClass) {
  RegisterPersistentClass(TTestForm::StaticClassInfo());
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Made").End().End();
  TMemoryStream stream(bytes.Data());
  TReader reader(stream);
  std::unique_ptr<TComponent, TFreeComponent> root(reader.LoadRoot(nullptr));
  EXPECT_STREQ(root->ClassName(), "TTestForm");
  EXPECT_EQ(root->Name(), "Made");
  UnregisterPersistentClass(TTestForm::StaticClassInfo());
}

TEST_F(Loader, ANewRootWithABadNameIsFreed) {
  RegisterPersistentClass(TTestForm::StaticClassInfo());
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "9lives").End().End();
  TMemoryStream stream(bytes.Data());
  TReader reader(stream);
  EXPECT_THROW(reader.LoadRoot(nullptr), EComponentError);
  EXPECT_EQ(LiveTestObjects(), liveBefore_);
  UnregisterPersistentClass(TTestForm::StaticClassInfo());
}

TEST_F(Loader, ABadSignatureCreatesNothing) {
  RegisterPersistentClass(TTestForm::StaticClassInfo());
  FormBytes bytes;
  bytes.Bytes({'T', 'P', 'F', '1'}).Object("TTestForm", "Made").End().End();
  TMemoryStream stream(bytes.Data());
  TReader reader(stream);
  try {
    reader.LoadRoot(nullptr);
    FAIL();
  } catch (const EReadError& failure) {
    EXPECT_EQ(failure.Message(), "不正なストリーム フォーマット");
  }
  EXPECT_EQ(LiveTestObjects(), liveBefore_);
  UnregisterPersistentClass(TTestForm::StaticClassInfo());
}

TEST_F(Loader, DeepNestingFailsAndFreesWhatItCreated) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  for (int level = 0; level < 200; ++level)
    bytes.Object("TTestControl", "").End();
  TFormPtr form(new TTestForm(nullptr));
  try {
    Read(*form, bytes);
    FAIL();
  } catch (const EReadError& failure) {
    EXPECT_EQ(failure.Message(), "不正なストリーム フォーマット");
  }
  form.reset();
  EXPECT_EQ(LiveTestObjects(), liveBefore_);
}

TEST_F(Loader, DuplicateNamesInTheResourceFail) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestControl", "Button1").End().End();
  bytes.Object("TTestControl", "button1").End().End();
  bytes.End();
  EXPECT_EQ(FailureOf(bytes), "コンポーネント名 button1 はすでに使われています");
}

TEST_F(Loader, InheritedObjectsAreFoundNotCreated) {
  TFormPtr form(new TTestForm(nullptr));
  auto* existing = new TTestControl(form.get());
  existing->AssignName("Button1");
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Byte(0xF1).Object("TTestControl", "Button1").Prop("Width").Int(5).End().End();
  bytes.End();
  Read(*form, bytes);
  EXPECT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(existing->Width(), 5);

  FormBytes missing;
  missing.Signature().Object("TTestForm", "Form1").End();
  missing.Byte(0xF1).Object("TTestControl", "Ghost").End().End();
  missing.End();
  EXPECT_EQ(FailureOf(missing), "'Ghost' の継承元が存在しません");
}

TEST_F(Loader, AChildPositionIsGivenToTheParent) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestControl", "Panel1").End();
  bytes.Bytes({0xF2, 2, 3}).Object("TTestControl", "Button1").End().End();
  bytes.End().End();
  TFormPtr form = LoadForm(bytes);
  EXPECT_EQ(form->Button1->Position(), 3);
}

TEST_F(Loader, TheStreamStandsAfterTheRootsLastByte) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End().End();
  std::size_t end = bytes.Data().size();
  bytes.Bytes({0x42, 0x43});
  TTestForm form(nullptr);
  TMemoryStream stream(bytes.Data());
  {
    TReader reader(stream);
    reader.LoadRoot(&form);
  }
  EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(end));
}

TEST_F(Loader, ClassResourcesAreReadAncestorsFirst) {
#ifdef _WIN32
  GTEST_SKIP() << "test resources are embedded only in host builds";
#else
  FormBytes base;
  base.Signature().Object("TTestForm", "Form1").Prop("Caption").Str("base").End();
  base.Object("TTestControl", "Button1").End().End().End();
  FormBytes derived;
  derived.Signature().Object("TTestDerivedForm", "Form1").Prop("Caption").Str("derived").End();
  derived.Byte(0xF1).Object("TTestControl", "Button1").Prop("Width").Int(4).End().End();
  derived.Object("TTestControl", "Extra").End().End().End();
  SetTestResource("TTESTFORM", base.Data());
  SetTestResource("TTestDerivedForm", derived.Data());

  std::unique_ptr<TTestDerivedForm, TFreeComponent> form(new TTestDerivedForm(nullptr));
  TopLevel().push_back(form.get());
  EXPECT_TRUE(LoadFromClassResources(*form, TComponent::StaticClassInfo()));
  EXPECT_EQ(form->Caption(), "derived");
  EXPECT_EQ(form->Button1->Width(), 4);
  EXPECT_NE(form->Extra, nullptr);
  EXPECT_EQ(FinishLog(), (std::vector<String>{"Form1", "Button1", "Extra"}))
      << "each component finishes once, after the whole chain";
#endif
}

TEST_F(Loader, NoResourceInTheChainGivesFalse) {
  TTestForm form(nullptr);
  EXPECT_FALSE(LoadFromClassResources(form, TComponent::StaticClassInfo()));
  EXPECT_FALSE(ReadResourceInto("TNOTHING", nullptr, form));
}
