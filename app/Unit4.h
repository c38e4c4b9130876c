#pragma once

#include "TButton.h"
#include "TForm.h"
#include "TLabel.h"

// The version window: the program's name, version and date, the home-page and producer
// lines, and a button that hides it again.
class TForm4 : public TForm {
public:
  SORVANE_CLASS(TForm4, TForm)
  SORVANE_PUBLISHED

  explicit TForm4(TComponent* owner);

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TButton* Button1 = nullptr;
  TLabel* Label4 = nullptr;

  void Button1Click(TObject* sender);
};

extern TForm4* Form4;
