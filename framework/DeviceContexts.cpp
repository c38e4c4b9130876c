#include "DeviceContexts.h"

#include "TWinControl.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<TControlCanvas*>& CanvasesWithContexts() {
  static std::vector<TControlCanvas*> canvases;
  return canvases;
}

} // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::CreateHandle() {
  auto* windowed = dynamic_cast<TWinControl*>(&control_);
  if (windowed) {
    window_ = windowed->Handle();
  } else if (control_.Parent()) {
    window_ = control_.Parent()->Handle();
  } else {
    return;
  }
  ownDc_ = GetDCEx(window_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!ownDc_) {
    return;
  }
  if (!windowed) {
    SetViewportOrgEx(ownDc_, control_.Left(), control_.Top(), nullptr);
    IntersectClipRect(ownDc_, 0, 0, control_.Width(), control_.Height());
  }
  SetHandle(ownDc_);
  CanvasesWithContexts().push_back(this);
}

void TControlCanvas::FreeHandle() {
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
