#include "TCanvas.h"

namespace {

// A memory context holding a bitmap, released together.
class MemoryBitmap {
public:
  MemoryBitmap(HDC compatible, HBITMAP bitmap)
      : dc_(CreateCompatibleDC(compatible)), old_(SelectObject(dc_, bitmap)) {}
  ~MemoryBitmap() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MemoryBitmap(const MemoryBitmap&) = delete;
  MemoryBitmap& operator=(const MemoryBitmap&) = delete;

  HDC Dc() const { return dc_; }

private:
  HDC dc_;
  HGDIOBJ old_;
};

int RectWidth(const RECT& r) { return r.right - r.left; }
int RectHeight(const RECT& r) { return r.bottom - r.top; }

} // namespace

TCanvas::TCanvas() {
  font_.OnChange = [this] { SelectFont(); };
  brush_.OnChange = [this] { SelectBrush(); };
  pen_.OnChange = [this] { SelectPen(); };
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC TCanvas::Handle() {
  if (!dc_) {
    CreateHandle();
  }
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc_ == dc) {
    return;
  }
  Deselect();
  dc_ = dc;
  if (dc_) {
    oldFont_ = SelectObject(dc_, font_.Handle());
    oldBrush_ = SelectObject(dc_, brush_.Handle());
    oldPen_ = SelectObject(dc_, pen_.Handle());
    SelectFont();
    SelectBrush();
  }
}

void TCanvas::Deselect() {
  if (!dc_) {
    return;
  }
  SelectObject(dc_, oldFont_);
  SelectObject(dc_, oldBrush_);
  SelectObject(dc_, oldPen_);
  dc_ = nullptr;
}

void TCanvas::SelectFont() {
  if (dc_) {
    SelectObject(dc_, font_.Handle());
    SetTextColor(dc_, ColorToRGB(font_.Color()));
  }
}

void TCanvas::SelectBrush() {
  if (!dc_) {
    return;
  }
  SelectObject(dc_, brush_.Handle());
  if (brush_.Style() == TBrushStyle::bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
    SetBkMode(dc_, OPAQUE);
  }
}

void TCanvas::SelectPen() {
  if (dc_) {
    SelectObject(dc_, pen_.Handle());
  }
}

void TCanvas::FillRect(const RECT& rect) { ::FillRect(Handle(), &rect, brush_.Handle()); }

void TCanvas::FrameRect(const RECT& rect) { ::FrameRect(Handle(), &rect, brush_.Handle()); }

void TCanvas::MoveTo(int x, int y) { MoveToEx(Handle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) { ::LineTo(Handle(), x, y); }

void TCanvas::Polyline(std::span<const POINT> points) {
  ::Polyline(Handle(), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Rectangle(const RECT& rect) {
  ::Rectangle(Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::TextAt(int x, int y, const String& text) {
  ::TextOutA(Handle(), x, y, text.data(), static_cast<int>(text.size()));
}

int TCanvas::DrawTextIn(RECT& rect, const String& text, UINT flags) {
  return ::DrawTextA(Handle(), text.data(), static_cast<int>(text.size()), &rect, flags);
}

SIZE TCanvas::TextExtent(const String& text) {
  SIZE size{};
  GetTextExtentPoint32A(Handle(), text.data(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::DrawFocusRect(const RECT& rect) { ::DrawFocusRect(Handle(), &rect); }

void TCanvas::BrushCopy(const RECT& dest, HBITMAP bitmap, const RECT& source, TColor transparent) {
  HDC target = Handle();
  MemoryBitmap image(target, bitmap);
  HBITMAP maskBitmap = CreateBitmap(RectWidth(source), RectHeight(source), 1, 1, nullptr);
  {
    MemoryBitmap mask(target, maskBitmap);
    SetBkColor(image.Dc(), ColorToRGB(transparent));
    BitBlt(mask.Dc(), 0, 0, RectWidth(source), RectHeight(source), image.Dc(), source.left,
           source.top, SRCCOPY);
    COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
    COLORREF oldBack = SetBkColor(target, RGB(255, 255, 255));
    StretchBlt(target, dest.left, dest.top, RectWidth(dest), RectHeight(dest), image.Dc(),
               source.left, source.top, RectWidth(source), RectHeight(source), SRCINVERT);
    StretchBlt(target, dest.left, dest.top, RectWidth(dest), RectHeight(dest), mask.Dc(), 0, 0,
               RectWidth(source), RectHeight(source), SRCAND);
    StretchBlt(target, dest.left, dest.top, RectWidth(dest), RectHeight(dest), image.Dc(),
               source.left, source.top, RectWidth(source), RectHeight(source), SRCINVERT);
    SetTextColor(target, oldText);
    SetBkColor(target, oldBack);
  }
  DeleteObject(maskBitmap);
}
