#pragma once

#include "Exception.h"
#include "TCustomControl.h"
#include "TForm.h"
#include "TTimer.h"
#include "TestControls.h"

#include <vector>

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

// The simple controls on a form that declares no fields for them: the loader finds their
// classes through the registry. The handlers note each event in order.
class TSimpleForm : public TForm {
public:
  SORVANE_CLASS(TSimpleForm, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;

  // The control of that name and class; an Exception when there is none.
  template <class T> T& Find(const char* name) const {
    T* found = dynamic_cast<T*>(FindComponent(name));
    if (!found) {
      throw Exception(String("no control ") + name);
    }
    return *found;
  }
  int Count(const String& event) const;

  std::vector<String> events;
  // NameEdit's OnExit takes the focus back, as a check of its text would.
  bool keepFocusInEdit = false;

  void NameEditChange(TObject* sender);
  void NameEditEnter(TObject* sender);
  void NameEditExit(TObject* sender);
  void OkButtonClick(TObject* sender);
  void OkButtonEnter(TObject* sender);
  void CancelButtonClick(TObject* sender);
  void PlayButtonClick(TObject* sender);
};
