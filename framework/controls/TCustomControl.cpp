#include "TCustomControl.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(*this) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.FreeHandle();
  TCanvasLoan loan(canvas_, dc);
  canvas_.Font().Assign(Font());
  canvas_.Brush().SetColor(Color());
  Paint();
}
