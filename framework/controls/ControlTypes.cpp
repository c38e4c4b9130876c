#include "ControlTypes.h"

SORVANE_ENUM_TYPE(TAlignment, SORVANE_TAlignment)
SORVANE_ENUM_TYPE(TTextLayout, SORVANE_TTextLayout)
SORVANE_ENUM_TYPE(TBevelCut, SORVANE_TBevelCut)
SORVANE_ENUM_TYPE(TEditCharCase, SORVANE_TEditCharCase)
SORVANE_ENUM_TYPE(TFormBorderStyle, SORVANE_TFormBorderStyle)

const TEnumType& ControlBorderStyleType() {
  static const char* const names[] = {"bsNone", "bsSingle"};
  static const TEnumType type{"TBorderStyle", names};
  return type;
}

UINT AlignmentFlag(TAlignment alignment) {
  switch (alignment) {
  case taRightJustify:
    return DT_RIGHT;
  case taCenter:
    return DT_CENTER;
  default:
    return DT_LEFT;
  }
}

void AddBorderStyles(TBorderStyle border, bool ctl3D, DWORD& style, DWORD& exStyle) {
  if (border != bsSingle) {
    return;
  }
  if (ctl3D) {
    exStyle |= WS_EX_CLIENTEDGE;
  } else {
    style |= WS_BORDER;
  }
}
