#include "TCustomLabel.h"

#include "Accelerators.h"
#include "FrameworkMessages.h"
#include "TWinControl.h"

SORVANE_MESSAGE_ROWS(TCustomLabel){
    SORVANE_ON(XM_TEXTCHANGED, XMTextChanged),
    SORVANE_ON(XM_DIALOGCHAR, XMDialogChar),
};
SORVANE_MESSAGE_TABLE(TCustomLabel)

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::RepaintWith(bool changed) {
  if (changed) {
    Invalidate();
  }
}

void TCustomLabel::SetAlignment(TAlignment value) {
  bool changed = alignment_ != value;
  alignment_ = value;
  RepaintWith(changed);
}

void TCustomLabel::SetLayout(TTextLayout value) {
  bool changed = layout_ != value;
  layout_ = value;
  RepaintWith(changed);
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (showAccelChar_ != value) {
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
  }
}

void TCustomLabel::SetTransparent(bool value) {
  if (Transparent() == value) {
    return;
  }
  if (value) {
    SetControlStyle(ControlStyle() & ~csOpaque);
  } else {
    SetControlStyle(ControlStyle() | csOpaque);
  }
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (autoSize_ != value) {
    autoSize_ = value;
    AdjustBounds();
  }
}

void TCustomLabel::SetWordWrap(bool value) {
  if (wordWrap_ != value) {
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
  }
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
  if (focusControl_ == value) {
    return;
  }
  focusControl_ = value;
  if (value) {
    value->FreeNotification(this);
  }
}

void TCustomLabel::ComponentNotice(TComponent* component, TOperation operation) {
  TGraphicControl::ComponentNotice(component, operation);
  if (operation == opRemove && component == focusControl_) {
    focusControl_ = nullptr;
  }
}

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0);
  return showAccelChar_ ? flags : flags | DT_NOPREFIX;
}

String TCustomLabel::DrawnText(UINT flags) const {
  String text = Caption();
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) {
    text += ' ';
  }
  return text;
}

void TCustomLabel::DrawLabelText(TCanvas& canvas, RECT& rect, UINT flags) {
  String text = DrawnText(flags);
  if (Enabled() || (flags & DT_CALCRECT)) {
    canvas.DrawTextIn(rect, text, flags);
    return;
  }
  RECT raised = rect;
  OffsetRect(&raised, 1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawTextIn(raised, text, flags);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawTextIn(rect, text, flags);
}

void TCustomLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT rect = ClientRect();
  if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(rect);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  UINT flags = TextFlags() | AlignmentFlag(alignment_);
  if (layout_ != tlTop) {
    RECT measured = rect;
    DrawLabelText(canvas, measured, flags | DT_CALCRECT);
    int room = Height() - measured.bottom;
    OffsetRect(&rect, 0, layout_ == tlBottom ? room : room / 2);
  }
  DrawLabelText(canvas, rect, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || IsLoading()) {
    return;
  }
  HDC screen = GetDC(nullptr);
  RECT rect = ClientRect();
  {
    TCanvas measuring;
    TCanvasLoan loan(measuring, screen);
    measuring.Font().Assign(Font());
    DrawLabelText(measuring, rect, TextFlags() | DT_CALCRECT);
  }
  ReleaseDC(nullptr, screen);
  int width = rect.right - rect.left;
  int left = alignment_ == taRightJustify ? Left() + Width() - width : Left();
  SetBounds(left, Top(), width, rect.bottom - rect.top);
}

void TCustomLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TCustomLabel::FinishLoading() {
  TGraphicControl::FinishLoading();
  AdjustBounds();
}

void TCustomLabel::XMTextChanged(TMessage&) {
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::XMDialogChar(TWMKey& message) {
  if (focusControl_ && Enabled() && showAccelChar_ &&
      IsAccelerator(message.CharCode(), Caption()) && focusControl_->CanFocus()) {
    focusControl_->SetFocus();
    message.SetResult(1);
  }
}
