#include "TCustomPanel.h"

SORVANE_MESSAGE_ROWS(TCustomPanel){
    SORVANE_ON(WM_SIZE, WMSize),
};
SORVANE_MESSAGE_TABLE(TCustomPanel)

namespace {

// Draws a frame of lines lines inside rect, top and left in topLeft, right and bottom in
// bottomRight, and leaves rect shrunk by the lines drawn. It stops early when nothing of
// rect is left, so a width beyond the panel costs nothing.
void Frame(TCanvas& canvas, RECT& rect, int lines, TColor topLeft, TColor bottomRight) {
  canvas.Pen().SetWidth(1);
  --rect.right;
  --rect.bottom;
  for (int line = 0; line < lines && rect.left <= rect.right && rect.top <= rect.bottom; ++line) {
    canvas.Pen().SetColor(topLeft);
    const POINT upper[] = {{rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}};
    canvas.Polyline(upper);
    canvas.Pen().SetColor(bottomRight);
    const POINT lower[] = {
        {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left - 1, rect.bottom}};
    canvas.Polyline(lower);
    InflateRect(&rect, -1, -1);
  }
  ++rect.right;
  ++rect.bottom;
}

} // namespace

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                  csDoubleClicks);
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ != value) {
    borderStyle_ = value;
    RecreateWnd();
  }
}

// The panel paints all of itself on a size change when FullRepaint asks, so the class does
// not ask the system to.
void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  AddBorderStyles(borderStyle_, Ctl3D(), params.Style, params.ExStyle);
  params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::WMSize(TWMSize& message) {
  DefaultHandler(message);
  if (fullRepaint_) {
    Invalidate();
  }
}

void TCustomPanel::PaintBevel(RECT& rect, TBevelCut cut) {
  if (cut == bvNone) {
    return;
  }
  TColor highlight = cut == bvLowered ? clBtnShadow : clBtnHighlight;
  TColor shadow = cut == bvLowered ? clBtnHighlight : clBtnShadow;
  Frame(Canvas(), rect, bevelWidth_, highlight, shadow);
}

void TCustomPanel::PaintCaption(RECT rect) {
  TCanvas& canvas = Canvas();
  int height = canvas.TextHeight("W");
  rect.top = (rect.top + rect.bottom - height) / 2;
  rect.bottom = rect.top + height;
  canvas.DrawTextIn(rect, Caption(), DT_EXPANDTABS | DT_VCENTER | AlignmentFlag(alignment_));
}

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  RECT rect = ClientRect();
  PaintBevel(rect, bevelOuter_);
  Frame(canvas, rect, borderWidth_, Color(), Color());
  PaintBevel(rect, bevelInner_);
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.FillRect(rect);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  PaintCaption(rect);
}
