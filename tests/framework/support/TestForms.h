#pragma once

#include "TCustomControl.h"
#include "TForm.h"
#include "TTimer.h"
#include "TestControls.h"

// Forms whose resources (forms/*.form) the tests load.

class TVisibleForm : public TForm {
public:
  SORVANE_CLASS(TVisibleForm, TForm)
  using TForm::TForm;
};

class TIconlessForm : public TForm {
public:
  SORVANE_CLASS(TIconlessForm, TForm)
  using TForm::TForm;
};

// A form class with no resource at all.
class TNoResourceForm : public TForm {
public:
  SORVANE_CLASS(TNoResourceForm, TForm)
  using TForm::TForm;
};

class TLoadedForm : public TForm {
public:
  SORVANE_CLASS(TLoadedForm, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;

  TCustomControl* Box1 = nullptr;
  TCustomControl* Box2 = nullptr;
  TTimer* Timer1 = nullptr;

  int created = 0;
  int shown = 0;
  int clicks = 0;
  int ticks = 0;
  bool constructedAfterLoading = false;

  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void Box1Click(TObject* sender);
  void Timer1Timer(TObject* sender);

protected:
  void Constructed() override;
};

class TScaledForm : public TForm {
public:
  SORVANE_CLASS(TScaledForm, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;

  TCustomControl* Box1 = nullptr;
};

class TButtonForm : public TForm {
public:
  SORVANE_CLASS(TButtonForm, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;

  TTestButton* Button1 = nullptr;
  TTestEdit* Edit1 = nullptr;

  int clicks = 0;
  bool raiseOnClick = false;
  bool swallowKeys = false;
  int keyDowns = 0;

  void Button1Click(TObject* sender);
  void Edit1KeyDown(TObject* sender, WORD& key, TShiftState shift);
};
