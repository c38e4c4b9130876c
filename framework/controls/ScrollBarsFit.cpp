#include "ScrollBarsFit.h"

TScrollBarsShown DecideScrollBars(SIZE client, SIZE range, SIZE bar) {
  TScrollBarsShown shown;
  shown.Vertical = client.cy < range.cy;
  shown.Horizontal = client.cx - (shown.Vertical ? bar.cx : 0) < range.cx;
  if (shown.Horizontal && !shown.Vertical) {
    shown.Vertical = client.cy - bar.cy < range.cy;
  }
  return shown;
}
