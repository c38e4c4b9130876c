#pragma once

#include "Colors.h"
#include "TGraphicsObject.h"

#include <windows.h>

enum class TBrushStyle { bsSolid, bsClear };

// A fill: a colour and whether areas are filled at all; the Windows brush is made on demand.
class TBrush : public TGraphicsObject {
public:
  TBrush() = default;
  ~TBrush() override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value);

  // The Windows brush (CreateSolidBrush, or the hollow stock brush for bsClear).
  HBRUSH Handle() const;

private:
  void Modified();

  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable HBRUSH handle_ = nullptr;
};
