#include "TestForms.h"

#include "Exception.h"

TPublishedTables TLoadedForm::Published() {
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
  return {{}, methods, fields};
}

void TLoadedForm::Constructed() { constructedAfterLoading = Box1 != nullptr && created == 0; }

void TLoadedForm::FormCreate(TObject*) { ++created; }

void TLoadedForm::FormShow(TObject*) { ++shown; }

void TLoadedForm::Box1Click(TObject*) { ++clicks; }

void TLoadedForm::Timer1Timer(TObject*) { ++ticks; }

TPublishedTables TScaledForm::Published() {
  static const TFieldInfo fields[] = {
      PublishedField<&TScaledForm::Box1>("Box1"),
  };
  return {{}, {}, fields};
}

TPublishedTables TButtonForm::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TButtonForm::Button1Click>("Button1Click"),
      PublishedMethod<&TButtonForm::Edit1KeyDown>("Edit1KeyDown"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TButtonForm::Button1>("Button1"),
      PublishedField<&TButtonForm::Edit1>("Edit1"),
  };
  return {{}, methods, fields};
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
