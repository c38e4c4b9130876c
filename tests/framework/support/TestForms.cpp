#include "TestForms.h"

#include "Exception.h"

#include <algorithm>

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

TPublishedTables TSimpleForm::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TSimpleForm::NameEditChange>("NameEditChange"),
      PublishedMethod<&TSimpleForm::NameEditEnter>("NameEditEnter"),
      PublishedMethod<&TSimpleForm::NameEditExit>("NameEditExit"),
      PublishedMethod<&TSimpleForm::OkButtonClick>("OkButtonClick"),
      PublishedMethod<&TSimpleForm::OkButtonEnter>("OkButtonEnter"),
      PublishedMethod<&TSimpleForm::CancelButtonClick>("CancelButtonClick"),
      PublishedMethod<&TSimpleForm::PlayButtonClick>("PlayButtonClick"),
  };
  return {{}, methods, {}};
}

int TSimpleForm::Count(const String& event) const {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

void TSimpleForm::NameEditChange(TObject*) { events.push_back("NameEdit.Change"); }

void TSimpleForm::NameEditEnter(TObject*) { events.push_back("NameEdit.Enter"); }

void TSimpleForm::NameEditExit(TObject*) {
  events.push_back("NameEdit.Exit");
  if (keepFocusInEdit) {
    Find<TWinControl>("NameEdit").SetFocus();
  }
}

void TSimpleForm::OkButtonClick(TObject*) { events.push_back("OkButton.Click"); }

void TSimpleForm::OkButtonEnter(TObject*) { events.push_back("OkButton.Enter"); }

void TSimpleForm::CancelButtonClick(TObject*) { events.push_back("CancelButton.Click"); }

void TSimpleForm::PlayButtonClick(TObject*) { events.push_back("PlayButton.Click"); }
