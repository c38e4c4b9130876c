#include "TestClasses.h"

#include "ClassRegistry.h"
#include "Exception.h"
#include "IdentMaps.h"
#include "Published.h"

#include <gtest/gtest.h>

TEST(ClassRecords, ChainUpToTObject) {
  const TClassInfo& form = TTestDerivedForm::StaticClassInfo();
  EXPECT_STREQ(form.name, "TTestDerivedForm");
  EXPECT_TRUE(form.InheritsFrom(TComponent::StaticClassInfo()));
  EXPECT_TRUE(form.InheritsFrom(TObject::StaticClassInfo()));
  EXPECT_FALSE(TComponent::StaticClassInfo().InheritsFrom(form));
  TTestDerivedForm instance(nullptr);
  const TObject& object = instance;
  EXPECT_STREQ(object.ClassName(), "TTestDerivedForm");
}

TEST(ClassRecords, NameAndParentComeFromTheClassDeclaration) {
  const TClassInfo& broken = TTestBroken::StaticClassInfo();
  EXPECT_STREQ(broken.name, "TTestBroken");
  EXPECT_EQ(broken.parent, &TComponent::StaticClassInfo());
  EXPECT_TRUE(broken.properties.empty());
  const TClassInfo& derived = TTestDerivedForm::StaticClassInfo();
  EXPECT_EQ(derived.parent, &TTestForm::StaticClassInfo());
  EXPECT_TRUE(derived.properties.empty()) << "the ancestor's tables stay in its own record";
  EXPECT_TRUE(derived.methods.empty());
  ASSERT_EQ(derived.fields.size(), 1u);
  EXPECT_STREQ(derived.fields[0].name, "Extra");
}

TEST(ClassRecords, EnumerationNamesComeFromTheirMemberList) {
  const TEnumType& align = EnumTypeOf(TTestAlign{});
  EXPECT_STREQ(align.name, "TTestAlign");
  ASSERT_EQ(align.members.size(), EnumCount(TTestAlign{}));
  EXPECT_STREQ(align.members[alNone], "alNone");
  EXPECT_STREQ(align.members[alClient], "alClient");
  EXPECT_EQ(align.Find("alleft"), alLeft);
}

TEST(ClassRecords, FactoriesExistOnlyForComponents) {
  EXPECT_NE(TTestControl::StaticClassInfo().create, nullptr);
  EXPECT_EQ(TTestFont::StaticClassInfo().create, nullptr);
  TComponent owner(nullptr);
  TComponent* made = TTestTimer::StaticClassInfo().create(&owner);
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_STREQ(made->ClassName(), "TTestTimer");
}

TEST(ClassRecords, PropertiesAreFoundIgnoringCaseThroughAncestors) {
  const TClassInfo& control = TTestControl::StaticClassInfo();
  const TPropInfo* caption = control.FindProperty("CAPTION");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->kind, TPropKind::Text);
  const TPropInfo* tag = control.FindProperty("tag");
  ASSERT_NE(tag, nullptr) << "inherited from TComponent";
  EXPECT_EQ(tag->kind, TPropKind::Integer);
  EXPECT_EQ(control.FindProperty("Nothing"), nullptr);
}

TEST(ClassRecords, PropertyKindsFollowTheirTypes) {
  const TClassInfo& control = TTestControl::StaticClassInfo();
  auto kind = [&](const char* name) { return control.FindProperty(name)->kind; };
  EXPECT_EQ(kind("Color"), TPropKind::Integer);
  EXPECT_EQ(control.FindProperty("Color")->integerType, &ColorType());
  EXPECT_EQ(control.FindProperty("Width")->integerType, nullptr);
  EXPECT_EQ(kind("Enabled"), TPropKind::Enumeration);
  EXPECT_EQ(kind("Align"), TPropKind::Enumeration);
  EXPECT_EQ(kind("Accelerator"), TPropKind::Char);
  EXPECT_EQ(kind("Ratio"), TPropKind::Float);
  EXPECT_EQ(kind("Big"), TPropKind::Int64);
  EXPECT_EQ(kind("Data"), TPropKind::Variant);
  EXPECT_EQ(kind("Wide"), TPropKind::Set);
  EXPECT_EQ(kind("Font"), TPropKind::Class);
  EXPECT_EQ(control.FindProperty("Font")->write, nullptr) << "no setter: read-only";
  EXPECT_EQ(&control.FindProperty("Font")->classType(), &TTestFont::StaticClassInfo());
  EXPECT_EQ(kind("OnClick"), TPropKind::Method);
  EXPECT_NE(control.FindProperty("OnClick")->signature, control.FindProperty("OnKey")->signature);
}

TEST(ClassRecords, PropertiesReadAndWriteThroughTheirAccessors) {
  TTestControl control(nullptr);
  const TClassInfo& info = TTestControl::StaticClassInfo();
  info.FindProperty("Width")->write(control, std::int32_t{42});
  EXPECT_EQ(control.Width(), 42);
  EXPECT_EQ(std::get<std::int32_t>(info.FindProperty("Width")->read(control)), 42);
  info.FindProperty("Ratio")->write(control, 1e300L * 1e300L);
  EXPECT_TRUE(std::isinf(control.Ratio())) << "out of range narrows to infinity";
}

TEST(ClassRecords, MethodAndFieldNamesCompareIgnoringBit0x20) {
  const TClassInfo& form = TTestForm::StaticClassInfo();
  EXPECT_NE(form.FindMethod("buttonclick"), nullptr);
  EXPECT_EQ(form.FindMethod("ButtonClic"), nullptr);
  EXPECT_NE(form.FindField("BUTTON1"), nullptr);
  EXPECT_TRUE(SameMemberName("a@", "A`")) << "only bit 0x20 is ignored, whatever the byte";
  EXPECT_FALSE(SameMemberName("ab", "ac"));
  EXPECT_FALSE(SameName("a@", "A`"));
}

TEST(ClassRecords, FieldClassesAreFoundByClassName) {
  const TClassInfo& derived = TTestDerivedForm::StaticClassInfo();
  EXPECT_EQ(derived.FindFieldClass("ttestcontrol"), &TTestControl::StaticClassInfo());
  EXPECT_EQ(derived.FindFieldClass("TTestTimer"), &TTestTimer::StaticClassInfo());
  EXPECT_EQ(derived.FindFieldClass("TTestFont"), nullptr);
}

TEST(Events, BindCallAndCompare) {
  TTestForm form(nullptr);
  TNotifyEvent event = TNotifyEvent::Bind<&TTestForm::ButtonClick>(form);
  EXPECT_TRUE(event);
  event(&form);
  EXPECT_EQ(form.clicks.size(), 1u);
  EXPECT_EQ(TNotifyEvent::FromMethod(event.Method()), event);
  EXPECT_FALSE((TEvent<TObject*, int&>::FromMethod(event.Method())))
      << "another signature gives an empty event";
  TNotifyEvent unset;
  EXPECT_NO_THROW(unset(&form));
}

TEST(Sets, HoldMembersUpTo31) {
  TSet<TTestStyle> style{fsBold, fsStrikeOut};
  EXPECT_EQ(style.Bits(), 0b1001u);
  style.Exclude(fsBold);
  EXPECT_FALSE(style.Contains(fsBold));
  EXPECT_TRUE(style.Contains(fsStrikeOut));
}

TEST(IdentMaps, HoldTheColoursCharsetsAndCursorsInOrder) {
  ASSERT_EQ(ColorIdents().size(), 42u);
  EXPECT_STREQ(ColorIdents()[0].name, "clBlack");
  EXPECT_STREQ(ColorIdents()[16].name, "clScrollBar");
  EXPECT_EQ(ColorIdents()[24].value, static_cast<std::int32_t>(0x80000008));
  EXPECT_STREQ(ColorIdents()[41].name, "clNone");
  EXPECT_EQ(CharsetIdents().size(), 18u);
  EXPECT_EQ(CursorIdents().size(), 22u);
  EXPECT_EQ(IdentToInt(ColorType(), "CLBTNFACE"), clBtnFace);
  EXPECT_EQ(IdentToInt(CharsetType(), "shiftjis_charset"), 128);
  EXPECT_EQ(IdentToInt(CursorType(), "crSize"), -22);
  EXPECT_EQ(IntToIdent(CursorType(), -22), "crSizeAll") << "the first row wins";
  EXPECT_EQ(IntToIdent(ColorType(), 0x123456), std::nullopt);
  EXPECT_EQ(IdentToInt(CharsetType(), "clRed"), std::nullopt);
}

TEST(IdentMaps, NewMapsCanBeRegistered) {
  static const TIntegerType sizes{"TTestSize"};
  static constexpr TIdentMapEntry map[] = {{1, "szSmall"}, {2, "szLarge"}};
  EXPECT_FALSE(HasIdentMap(sizes));
  RegisterIdentMap(sizes, map);
  EXPECT_EQ(IdentToInt(sizes, "szLarge"), 2);
}

TEST(ClassRegistry, RegistersAncestorsAndRefusesANameOfAnotherClass) {
  RegisterPersistentClass(TTestDerivedForm::StaticClassInfo());
  EXPECT_EQ(FindRegisteredClass("ttestform"), &TTestForm::StaticClassInfo());
  EXPECT_EQ(FindRegisteredClass("TComponent"), &TComponent::StaticClassInfo());
  EXPECT_EQ(FindRegisteredClass("TPersistent"), nullptr);
  EXPECT_NO_THROW(RegisterPersistentClass(TTestDerivedForm::StaticClassInfo()));

  static const TClassInfo impostor{"TTestForm", &TComponent::StaticClassInfo(), nullptr, {}, {},
                                   {}};
  try {
    RegisterPersistentClass(impostor);
    FAIL();
  } catch (const EFilerError& failure) {
    EXPECT_EQ(failure.Message(), "クラス名 TTestForm はすでに使われています");
  }
  UnregisterPersistentClass(TTestDerivedForm::StaticClassInfo());
  UnregisterPersistentClass(TTestForm::StaticClassInfo());
  UnregisterPersistentClass(TComponent::StaticClassInfo());
  EXPECT_EQ(FindRegisteredClass("TTestForm"), nullptr);
}
