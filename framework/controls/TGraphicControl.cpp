#include "TGraphicControl.h"

#include "MessageCrackers.h"

const MessageHandler TGraphicControl::handlers_[] = {
    {WM_PAINT, CallHandler<&TGraphicControl::WMPaint>},
};

const MessageTable TGraphicControl::messageTable_{&TControl::messageTable_, handlers_,
                                                  std::size(handlers_)};

const MessageTable& TGraphicControl::Messages() const { return messageTable_; }

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(*this) {}

void TGraphicControl::WMPaint(TMessage& message) {
  HDC dc = MessageDC(message);
  if (!dc) {
    return;
  }
  canvas_.FreeHandle();
  TCanvasLoan loan(canvas_, dc);
  canvas_.Font().Assign(Font());
  Paint();
}
