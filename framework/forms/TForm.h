#pragma once

#include "TCustomForm.h"

// The form class the designed windows derive from: TCustomForm with its properties
// published for the form resources.
class TForm : public TCustomForm {
public:
  SORVANE_CLASS(TForm, TCustomForm)
  SORVANE_PUBLISHED

  explicit TForm(TComponent* owner);
};
