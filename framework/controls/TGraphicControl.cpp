#include "TGraphicControl.h"

SORVANE_MESSAGE_ROWS(TGraphicControl){
    SORVANE_ON(WM_PAINT, WMPaint),
};
SORVANE_MESSAGE_TABLE(TGraphicControl)

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(*this) {}

void TGraphicControl::WMPaint(TWMPaint& message) {
  HDC dc = message.DC();
  if (!dc) {
    return;
  }
  canvas_.FreeHandle();
  TCanvasLoan loan(canvas_, dc);
  canvas_.Font().Assign(Font());
  Paint();
}
