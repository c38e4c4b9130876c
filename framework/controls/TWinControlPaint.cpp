#include "TWinControl.h"

#include <algorithm>

// Painting a windowed control and the controls without windows that sit on it.

void TWinControl::Invalidate() {
  if (handle_) {
    InvalidateRect(handle_, nullptr, !(ControlStyle() & csOpaque));
  }
}

void TWinControl::Update() {
  if (handle_) {
    UpdateWindow(handle_);
  }
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::WMPaint(TWMPaint& message) {
  bool hasGraphicChildren = std::any_of(controls_.begin(), controls_.end(), [](TControl* c) {
    return dynamic_cast<TWinControl*>(c) == nullptr;
  });
  if (PaintsItself() || hasGraphicChildren || message.DC() != nullptr) {
    PaintHandler(message);
  } else {
    DefaultHandler(message);
  }
}

void TWinControl::PaintHandler(TWMPaint& message) {
  HDC dc = message.DC();
  PAINTSTRUCT paint{};
  if (!dc) {
    dc = BeginPaint(handle_, &paint);
  }
  int saved = SaveDC(dc);
  PaintWindow(dc);
  RestoreDC(dc, saved);
  PaintControls(dc);
  if (!message.DC()) {
    EndPaint(handle_, &paint);
  }
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(paint);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* control : controls_) {
    if (dynamic_cast<TWinControl*>(control) || !control->Visible()) {
      continue;
    }
    RECT bounds = control->BoundsRect();
    if (!RectVisible(dc, &bounds)) {
      continue;
    }
    int saved = SaveDC(dc);
    SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Deliver(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    RestoreDC(dc, saved);
  }
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& message) {
  if (defWndProc_ != DefWindowProcA) {
    DefaultHandler(message);
    return;
  }
  RECT client{};
  GetClientRect(handle_, &client);
  FillRect(message.DC(), &client, brush_.Handle());
  message.SetResult(1);
}
