#pragma once

#include "TCustomListBox.h"

// The list box as forms describe it: TCustomListBox with its settings published.
class TListBox : public TCustomListBox {
public:
  SORVANE_CLASS(TListBox, TCustomListBox)
  SORVANE_PUBLISHED

  using TCustomListBox::TCustomListBox;
};
