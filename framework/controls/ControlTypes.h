#pragma once

#include "Published.h"
#include "PublishedEnum.h"

#include <windows.h>

// The enumerations and values the controls and the forms above them share.

// How text sits across a control.
#define SORVANE_TAlignment(X) X(taLeftJustify) X(taRightJustify) X(taCenter)
SORVANE_ENUM(TAlignment, SORVANE_TAlignment)

// How a label's text sits from top to bottom.
#define SORVANE_TTextLayout(X) X(tlTop) X(tlCenter) X(tlBottom)
SORVANE_ENUM(TTextLayout, SORVANE_TTextLayout)

// The cut of a panel's bevel.
#define SORVANE_TBevelCut(X) X(bvNone) X(bvLowered) X(bvRaised) X(bvSpace)
SORVANE_ENUM(TBevelCut, SORVANE_TBevelCut)

// The case an edit box turns typed letters into.
#define SORVANE_TEditCharCase(X) X(ecNormal) X(ecUpperCase) X(ecLowerCase)
SORVANE_ENUM(TEditCharCase, SORVANE_TEditCharCase)

// The border of a form. A control's border (TBorderStyle) takes the first two of these only.
#define SORVANE_TFormBorderStyle(X)                                                                \
  X(bsNone) X(bsSingle) X(bsSizeable) X(bsDialog) X(bsToolWindow) X(bsSizeToolWin)
SORVANE_ENUM(TFormBorderStyle, SORVANE_TFormBorderStyle)
using TBorderStyle = TFormBorderStyle;

// The names a control's border style is read from: bsNone and bsSingle.
const TEnumType& ControlBorderStyleType();

// A control's published border style: as PublishedProperty, but a resource may name only the
// two styles a control has.
template <auto Getter, auto Setter> TPropInfo BorderStyleProperty(const char* name) {
  TPropInfo info = PublishedProperty<Getter, Setter>(name);
  info.enumType = &ControlBorderStyleType();
  return info;
}

// Adds the window styles of a control's border: none for bsNone; for bsSingle the sunken
// client edge (WS_EX_CLIENTEDGE) on a 3-D control, else the plain line (WS_BORDER).
void AddBorderStyles(TBorderStyle border, bool ctl3D, DWORD& style, DWORD& exStyle);

// The DrawTextA flag of an alignment.
UINT AlignmentFlag(TAlignment alignment);

// How a modal form ended: the command of the button that closed it, none while it runs.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;
inline constexpr TModalResult mrAbort = IDABORT;
inline constexpr TModalResult mrRetry = IDRETRY;
inline constexpr TModalResult mrIgnore = IDIGNORE;
inline constexpr TModalResult mrYes = IDYES;
inline constexpr TModalResult mrNo = IDNO;
