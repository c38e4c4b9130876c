#pragma once

#include "TCustomLabel.h"

// The label as form resources name it, with its properties published.
class TLabel : public TCustomLabel {
public:
  SORVANE_CLASS(TLabel, TCustomLabel)
  SORVANE_PUBLISHED

  using TCustomLabel::TCustomLabel;
};
