#include "TestForms.h"

#include "Exception.h"
#include "FrameworkMessages.h"

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

bool IsParentNotice(UINT message) {
  switch (message) {
  case XM_PARENTCOLORCHANGED:
  case XM_PARENTFONTCHANGED:
  case XM_PARENTSHOWHINTCHANGED:
  case XM_ICONFONTCHANGED:
  case XM_PARENTBIDIMODECHANGED:
  case XM_PARENTCTL3DCHANGED:
    return true;
  default:
    return false;
  }
}

void TReadProbe::ReadOwnData(TReader& reader) {
  TCustomControl::ReadOwnData(reader);
  trace.color = Color();
  trace.fontHeight = Font().Height();
}

void TReadProbe::WndProc(TMessage& message) {
  if (IsReading() && IsParentNotice(message.Msg)) {
    trace.notices.push_back(message.Msg);
  }
  TCustomControl::WndProc(message);
}

void TReadSpot::ReadOwnData(TReader& reader) {
  TGraphicControl::ReadOwnData(reader);
  trace.color = Color();
  trace.fontHeight = Font().Height();
}

void TReadSpot::WndProc(TMessage& message) {
  if (IsReading() && IsParentNotice(message.Msg)) {
    trace.notices.push_back(message.Msg);
  }
  TGraphicControl::WndProc(message);
}

TPublishedTables TReadingForm::Published() {
  static const TFieldInfo fields[] = {
      PublishedField<&TReadingForm::Probe1>("Probe1"),
      PublishedField<&TReadingForm::Probe2>("Probe2"),
      PublishedField<&TReadingForm::Probe3>("Probe3"),
      PublishedField<&TReadingForm::Spot1>("Spot1"),
  };
  return {{}, {}, fields};
}

void TReadingForm::ReadOwnData(TReader& reader) {
  TForm::ReadOwnData(reader);
  tabOrdersAfterReading = {Probe1->TabOrder(), Probe2->TabOrder(), Probe3->TabOrder()};
}
