#pragma once

#include "TForm.h"
#include "TLabel.h"
#include "TScrollBar.h"

// The time window: the playing time of audio in large digits, and a scroll bar that plays
// from the chosen point.
class TForm5 : public TForm {
public:
  SORVANE_CLASS(TForm5, TForm)
  SORVANE_PUBLISHED

  explicit TForm5(TComponent* owner);

  TScrollBar* ScrollBar1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;

  void ScrollBar1Scroll(TObject* sender, TScrollCode scrollCode, int& scrollPos);

protected:
  void Constructed() override;
};

extern TForm5* Form5;
