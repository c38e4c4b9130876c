#pragma once

#include "Published.h"
#include "TPersistent.h"

#include <functional>

// The common part of fonts, brushes and pens: a change notice for the object that uses them
// (a control re-sends its font, a canvas re-selects it).
class TGraphicsObject : public TPersistent {
public:
  SORVANE_CLASS(TGraphicsObject, TPersistent)

  std::function<void()> OnChange;

protected:
  void Changed() const {
    if (OnChange) {
      OnChange();
    }
  }
};
