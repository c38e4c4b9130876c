#include "FormFrame.h"

SIZE FrameExtent(TFormBorderStyle style, bool menuBar, const TFrameMetrics& metrics) {
  int border = 0;
  int caption = 0;
  switch (style) {
  case bsNone:
    return SIZE{0, menuBar ? metrics.Menu : 0};
  case bsSingle:
  case bsDialog:
    border = metrics.FixedFrame;
    caption = metrics.Caption;
    break;
  case bsSizeable:
    border = metrics.SizingFrame;
    caption = metrics.Caption;
    break;
  case bsToolWindow:
    border = metrics.FixedFrame;
    caption = metrics.SmallCaption;
    break;
  case bsSizeToolWin:
    border = metrics.SizingFrame;
    caption = metrics.SmallCaption;
    break;
  }
  return SIZE{2 * border, 2 * border + caption + (menuBar ? metrics.Menu : 0)};
}
