#pragma once

#include "Colors.h"
#include "TGraphicsObject.h"

#include <windows.h>

// A solid line: colour and width; the Windows pen is made on demand.
class TPen : public TGraphicsObject {
public:
  TPen() = default;
  ~TPen() override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Width() const { return width_; }
  void SetWidth(int value);

  // The Windows pen (CreatePen, PS_SOLID).
  HPEN Handle() const;

private:
  void Modified();

  TColor color_ = clBlack;
  int width_ = 1;
  mutable HPEN handle_ = nullptr;
};
