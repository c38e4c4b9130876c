#pragma once

#include "ControlTypes.h"
#include "TCustomControl.h"

// A container that paints itself: an outer bevel, a border of its colour, an inner bevel,
// its colour inside, and its caption in a one-line band across the middle.
class TCustomPanel : public TCustomControl {
public:
  SORVANE_CLASS(TCustomPanel, TCustomControl)
  SORVANE_MESSAGES

  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { Store(alignment_, value); }
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value) { Store(bevelInner_, value); }
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value) { Store(bevelOuter_, value); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value) { Store(bevelWidth_, value); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value) { Store(borderWidth_, value); }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // Whether the whole panel is painted again when its size changes.
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool value) { fullRepaint_ = value; }

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

private:
  // Stores a painting setting and repaints when it changed.
  template <typename T> void Store(T& setting, T value) {
    if (setting != value) {
      setting = value;
      Invalidate();
    }
  }
  void PaintBevel(RECT& rect, TBevelCut cut);
  void PaintCaption(RECT rect);

  void WMSize(TWMSize& message);

  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = bsNone;
  bool fullRepaint_ = true;
};
