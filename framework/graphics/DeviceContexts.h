#pragma once

#include "TCanvas.h"

// Where a window canvas draws: a window and, for a drawing area that is only a part of its
// client area, that part (the canvas moves its origin there and clips to it).
struct TCanvasPlace {
  HWND Window = nullptr;
  bool Part = false;
  RECT Area{};
};

// A canvas on a window's device context, taken when drawing starts (GetDCEx) and given back
// after the message being handled (FreeDeviceContexts) or by FreeHandle.
class TWindowCanvas : public TCanvas {
public:
  ~TWindowCanvas() override;

  // Gives the device context back (ReleaseDC); the next drawing takes a new one.
  void FreeHandle();

protected:
  // Where to draw now; false when there is no window to draw on.
  virtual bool Place(TCanvasPlace& place) const = 0;
  void CreateHandle() override;

private:
  HWND window_ = nullptr;
  HDC ownDc_ = nullptr;
};

// Releases the device contexts that canvases took during the message just handled.
void FreeDeviceContexts();
