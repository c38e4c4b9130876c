#include "DeviceContexts.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<TWindowCanvas*>& CanvasesWithContexts() {
  static std::vector<TWindowCanvas*> canvases;
  return canvases;
}

} // namespace

TWindowCanvas::~TWindowCanvas() { FreeHandle(); }

void TWindowCanvas::CreateHandle() {
  TCanvasPlace place;
  if (!Place(place) || !place.Window) {
    return;
  }
  window_ = place.Window;
  ownDc_ = GetDCEx(window_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!ownDc_) {
    return;
  }
  if (place.Part) {
    SetViewportOrgEx(ownDc_, place.Area.left, place.Area.top, nullptr);
    IntersectClipRect(ownDc_, 0, 0, place.Area.right - place.Area.left,
                      place.Area.bottom - place.Area.top);
  }
  SetHandle(ownDc_);
  CanvasesWithContexts().push_back(this);
}

void TWindowCanvas::FreeHandle() {
  if (!ownDc_) {
    return;
  }
  SetHandle(nullptr);
  ReleaseDC(window_, ownDc_);
  ownDc_ = nullptr;
  std::erase(CanvasesWithContexts(), this);
}

void FreeDeviceContexts() {
  auto& canvases = CanvasesWithContexts();
  while (!canvases.empty()) {
    canvases.back()->FreeHandle();
  }
}
