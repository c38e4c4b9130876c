#pragma once

#include "String.h"

#include <windows.h>

#include <cstdint>

// A 32-bit top-down bitmap held in a memory device context, for drawing into and reading
// back pixel by pixel.
class TBitmap32 {
public:
  TBitmap32(int width, int height);
  ~TBitmap32();
  TBitmap32(const TBitmap32&) = delete;
  TBitmap32& operator=(const TBitmap32&) = delete;

  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The colour at (x, y) as an RGB value.
  COLORREF Pixel(int x, int y) const;
  // How many pixels of the rectangle have exactly that colour.
  int CountColor(const RECT& area, COLORREF color) const;
  // Copies what the screen shows at (left, top).
  void CopyScreen(int left, int top);
  // Writes the picture as a BMP file; false when the file cannot be written.
  bool Save(const String& path) const;

private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  std::uint32_t* bits_ = nullptr;
};
