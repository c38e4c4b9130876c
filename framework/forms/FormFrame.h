#pragma once

#include "FormTypes.h"

#include <windows.h>

// The sizes of a top-level window's frame, as the desktop's theme sets them.
struct TFrameMetrics {
  int Caption = 0;      // the caption bar's height (SM_CYCAPTION)
  int SmallCaption = 0; // a tool window's caption bar (SM_CYSMCAPTION)
  int SizingFrame = 0;  // a sizable border's width (SM_CXSIZEFRAME and SM_CXPADDEDBORDER)
  int FixedFrame = 0;   // a fixed border's width (SM_CXFIXEDFRAME and SM_CXPADDEDBORDER)
  int Menu = 0;         // a menu bar's height (SM_CYMENU)
};

// The frame that form resources were laid out with: a form resource that gives a form's
// outer size means the client area that is left inside this frame.
inline constexpr TFrameMetrics designFrameMetrics{19, 15, 4, 3, 19};

// What the frame of a top-level form of the border style adds to its client area, in width
// and height.
SIZE FrameExtent(TFormBorderStyle style, bool menuBar, const TFrameMetrics& metrics);
