#pragma once

#include <windows.h>

// Which of a window's own scroll bars automatic scrolling shows.
struct TScrollBarsShown {
  bool Horizontal = false;
  bool Vertical = false;
  bool operator==(const TScrollBarsShown&) const = default;
};

// Decides the bars for content of the given range in a client area of the given size
// measured without any bar; bar is the width of a vertical bar and the height of a
// horizontal one. The vertical bar is decided first, on the full height; the horizontal one
// on the width the vertical bar leaves; a horizontal bar can then still make the vertical
// one needed. Content that fits exactly needs no bar.
TScrollBarsShown DecideScrollBars(SIZE client, SIZE range, SIZE bar);
