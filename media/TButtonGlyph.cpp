#include "TButtonGlyph.h"

#include "IntegerTypes.h"
#include "TCanvas.h"

TButtonGlyph::~TButtonGlyph() { Release(); }

void TButtonGlyph::Release() {
  if (bitmap_) {
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }
  size_ = SIZE{0, 0};
}

void TButtonGlyph::Load(const String& resourceName) {
  Release();
  bitmap_ = LoadBitmapA(GetModuleHandleA(nullptr), resourceName.c_str());
  BITMAP info{};
  if (bitmap_ && GetObjectA(bitmap_, sizeof info, &info) != 0) {
    size_ = SIZE{info.bmWidth, info.bmHeight};
  }
}

void TButtonGlyph::Draw(TCanvas& canvas, int x, int y) const {
  if (!bitmap_ || size_.cx <= 0 || size_.cy <= 0) {
    return;
  }
  RECT dest{x, y, x + size_.cx, y + size_.cy};
  RECT source{0, 0, size_.cx, size_.cy};
  canvas.BrushCopy(dest, bitmap_, source, clOlive);
}
