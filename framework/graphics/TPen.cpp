#include "TPen.h"

TPen::~TPen() {
  if (handle_) {
    DeleteObject(handle_);
  }
}

void TPen::Modified() {
  if (handle_) {
    DeleteObject(handle_);
    handle_ = nullptr;
  }
  Changed();
}

void TPen::SetColor(TColor value) {
  if (color_ != value) {
    color_ = value;
    Modified();
  }
}

void TPen::SetWidth(int value) {
  if (width_ != value && value >= 0) {
    width_ = value;
    Modified();
  }
}

HPEN TPen::Handle() const {
  if (!handle_) {
    handle_ = CreatePen(PS_SOLID, width_, ColorToRGB(color_));
  }
  return handle_;
}
