#include "TestForms.h"

#include "Exception.h"

const TClassInfo& TVisibleForm::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TVisibleForm, TForm>("TVisibleForm");
  return info;
}

const TClassInfo& TIconlessForm::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TIconlessForm, TForm>("TIconlessForm");
  return info;
}

const TClassInfo& TNoResourceForm::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TNoResourceForm, TForm>("TNoResourceForm");
  return info;
}

const TClassInfo& TLoadedForm::StaticClassInfo() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TLoadedForm::FormCreate>("FormCreate"),
      PublishedMethod<&TLoadedForm::FormShow>("FormShow"),
      PublishedMethod<&TLoadedForm::Box1Click>("Box1Click"),
      PublishedMethod<&TLoadedForm::Timer1Timer>("Timer1Timer"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TLoadedForm::Box1>("Box1"),
      PublishedField<&TLoadedForm::Box2>("Box2"),
      PublishedField<&TLoadedForm::Timer1>("Timer1"),
  };
  static const TClassInfo info =
      DescribeClass<TLoadedForm, TForm>("TLoadedForm", {}, methods, fields);
  return info;
}

void TLoadedForm::Constructed() { constructedAfterLoading = Box1 != nullptr && created == 0; }

void TLoadedForm::FormCreate(TObject*) { ++created; }

void TLoadedForm::FormShow(TObject*) { ++shown; }

void TLoadedForm::Box1Click(TObject*) { ++clicks; }

void TLoadedForm::Timer1Timer(TObject*) { ++ticks; }

const TClassInfo& TScaledForm::StaticClassInfo() {
  static const TFieldInfo fields[] = {
      PublishedField<&TScaledForm::Box1>("Box1"),
  };
  static const TClassInfo info = DescribeClass<TScaledForm, TForm>("TScaledForm", {}, {}, fields);
  return info;
}

const TClassInfo& TButtonForm::StaticClassInfo() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TButtonForm::Button1Click>("Button1Click"),
      PublishedMethod<&TButtonForm::Edit1KeyDown>("Edit1KeyDown"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TButtonForm::Button1>("Button1"),
      PublishedField<&TButtonForm::Edit1>("Edit1"),
  };
  static const TClassInfo info =
      DescribeClass<TButtonForm, TForm>("TButtonForm", {}, methods, fields);
  return info;
}

void TButtonForm::Button1Click(TObject*) {
  ++clicks;
  if (raiseOnClick) {
    throw Exception("abc");
  }
}

void TButtonForm::Edit1KeyDown(TObject*, WORD& key, TShiftState) {
  ++keyDowns;
  if (swallowKeys) {
    key = 0;
  }
}
