#pragma once

#include "TCustomPanel.h"

// The panel as form resources name it, with its properties published.
class TPanel : public TCustomPanel {
public:
  SORVANE_CLASS(TPanel, TCustomPanel)
  SORVANE_PUBLISHED

  using TCustomPanel::TCustomPanel;
};
