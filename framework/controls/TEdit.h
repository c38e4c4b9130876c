#pragma once

#include "TCustomEdit.h"

// The edit box as form resources name it, with its properties published.
class TEdit : public TCustomEdit {
public:
  SORVANE_CLASS(TEdit, TCustomEdit)
  SORVANE_PUBLISHED

  using TCustomEdit::TCustomEdit;
};
