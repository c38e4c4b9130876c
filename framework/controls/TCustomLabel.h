#pragma once

#include "ControlTypes.h"
#include "TGraphicControl.h"

class TWinControl;

// A text painted on its parent's surface. With AutoSize it takes the size of its text (a
// right-aligned one keeps its right edge); the accelerator of its caption ("&" before a
// letter) focuses FocusControl.
class TCustomLabel : public TGraphicControl {
public:
  SORVANE_CLASS(TCustomLabel, TGraphicControl)
  SORVANE_MESSAGES

  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  // A transparent label paints only its text, over whatever its parent shows.
  bool Transparent() const { return !(ControlStyle() & csOpaque); }
  void SetTransparent(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);

protected:
  void Paint() override;
  void FontChanged() override;
  void FinishLoading() override;
  void ComponentNotice(TComponent* component, TOperation operation) override;
  // Takes the size of the text (AutoSize); nothing while loading or without AutoSize.
  void AdjustBounds();

private:
  // The text as DrawTextA sees it: a space added to an empty caption (or a lone accelerator
  // mark) when measuring, so that an empty label measures one line.
  String DrawnText(UINT flags) const;
  // Draws the caption in rect with flags, in the disabled look when the label is disabled.
  void DrawLabelText(TCanvas& canvas, RECT& rect, UINT flags);
  UINT TextFlags() const;
  void RepaintWith(bool changed);

  void XMTextChanged(TMessage& message);
  void XMDialogChar(TWMKey& message);

  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = tlTop;
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
  TWinControl* focusControl_ = nullptr;
};
