#include "Bitmap32.h"

#include <cstdio>
#include <memory>

namespace {

BITMAPINFOHEADER TopDownHeader(int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  return header;
}

struct FileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

TBitmap32::TBitmap32(int width, int height)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader = TopDownHeader(width, height);
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_);
}

TBitmap32::~TBitmap32() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF TBitmap32::Pixel(int x, int y) const {
  GdiFlush();
  std::uint32_t value = bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                              static_cast<std::size_t>(x)];
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

int TBitmap32::CountColor(const RECT& area, COLORREF color) const {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      count += Pixel(x, y) == color ? 1 : 0;
    }
  }
  return count;
}

void TBitmap32::CopyScreen(int left, int top) {
  HDC screen = GetDC(nullptr);
  BitBlt(dc_, 0, 0, width_, height_, screen, left, top, SRCCOPY);
  ReleaseDC(nullptr, screen);
}

bool TBitmap32::Save(const String& path) const {
  GdiFlush();
  std::unique_ptr<std::FILE, FileClose> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    return false;
  }
  BITMAPINFOHEADER header = TopDownHeader(width_, height_);
  auto pixels = static_cast<DWORD>(width_ * height_ * 4);
  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = 0x4D42;
  fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
  fileHeader.bfSize = fileHeader.bfOffBits + pixels;
  return std::fwrite(&fileHeader, sizeof fileHeader, 1, file.get()) == 1 &&
         std::fwrite(&header, sizeof header, 1, file.get()) == 1 &&
         std::fwrite(bits_, pixels, 1, file.get()) == 1;
}
