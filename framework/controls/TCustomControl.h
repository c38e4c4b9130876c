#pragma once

#include "TControlCanvas.h"
#include "TWinControl.h"

// A windowed control that paints itself on its own canvas.
class TCustomControl : public TWinControl {
public:
  SORVANE_CLASS(TCustomControl, TWinControl)

  explicit TCustomControl(TComponent* owner);

  TCanvas& Canvas() { return canvas_; }

protected:
  // Draws the control on Canvas; the base draws nothing.
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;
  bool PaintsItself() const override { return true; }

private:
  TControlCanvas canvas_;
};
