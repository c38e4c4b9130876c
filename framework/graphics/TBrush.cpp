#include "TBrush.h"

TBrush::~TBrush() {
  if (handle_) {
    DeleteObject(handle_);
  }
}

void TBrush::Modified() {
  if (handle_) {
    DeleteObject(handle_);
    handle_ = nullptr;
  }
  Changed();
}

void TBrush::SetColor(TColor value) {
  if (color_ != value || style_ == TBrushStyle::bsClear) {
    color_ = value;
    style_ = TBrushStyle::bsSolid;
    Modified();
  }
}

void TBrush::SetStyle(TBrushStyle value) {
  if (style_ != value) {
    style_ = value;
    Modified();
  }
}

HBRUSH TBrush::Handle() const {
  if (style_ == TBrushStyle::bsClear) {
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
  }
  if (!handle_) {
    handle_ = CreateSolidBrush(ColorToRGB(color_));
  }
  return handle_;
}
