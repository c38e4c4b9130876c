#include "Colors.h"
#include "TCanvas.h"

#include <gtest/gtest.h>

namespace {

// A 32 × 32 bitmap selected into a memory context, for drawing and reading back pixels.
class Surface {
public:
  Surface() : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 32;
    info.bmiHeader.biHeight = 32;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Surface() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC Dc() const { return dc_; }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

// A 32 × 32 bitmap: red on the left half, fuchsia on the right.
HBITMAP TwoColourImage(HDC compatible) {
  HBITMAP image = CreateCompatibleBitmap(compatible, 32, 32);
  HDC dc = CreateCompatibleDC(compatible);
  HGDIOBJ old = SelectObject(dc, image);
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Brush().SetColor(clFuchsia);
  canvas.FillRect(RECT{0, 0, 32, 32});
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(RECT{0, 0, 16, 32});
  canvas.SetHandle(nullptr);
  SelectObject(dc, old);
  DeleteDC(dc);
  return image;
}

} // namespace

TEST(Graphics, SystemColoursAreReadFromTheSystem) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
}

TEST(Graphics, CanvasFillsFramesAndDrawsLines) {
  Surface surface;
  TCanvas canvas;
  canvas.SetHandle(surface.Dc());
  canvas.Brush().SetColor(clLime);
  canvas.FillRect(RECT{0, 0, 32, 32});
  EXPECT_EQ(surface.Pixel(5, 5), RGB(0, 255, 0));
  canvas.Brush().SetColor(clBlue);
  canvas.FrameRect(RECT{0, 0, 10, 10});
  EXPECT_EQ(surface.Pixel(0, 5), RGB(0, 0, 255));
  EXPECT_EQ(surface.Pixel(5, 5), RGB(0, 255, 0));
  canvas.Pen().SetColor(clRed);
  canvas.MoveTo(0, 20);
  canvas.LineTo(31, 20);
  EXPECT_EQ(surface.Pixel(15, 20), RGB(255, 0, 0));
  const POINT line[] = {{20, 0}, {20, 15}};
  canvas.Pen().SetColor(clBlack);
  canvas.Polyline(line);
  EXPECT_EQ(surface.Pixel(20, 10), RGB(0, 0, 0));
  canvas.SetHandle(nullptr);
}

TEST(Graphics, TextIsMeasuredInTheCanvasFont) {
  Surface surface;
  TCanvas canvas;
  canvas.SetHandle(surface.Dc());
  canvas.Font().SetHeight(-12);
  int small = canvas.TextHeight("W");
  canvas.Font().SetHeight(-24);
  EXPECT_GT(canvas.TextHeight("W"), small);
  RECT rect{0, 0, 0, 0};
  canvas.DrawTextIn(rect, "", DT_CALCRECT);
  RECT measured{0, 0, 100, 0};
  EXPECT_GT(canvas.DrawTextIn(measured, "Wide text", DT_CALCRECT), 0);
  EXPECT_GT(measured.right, 0);
  canvas.SetHandle(nullptr);
}

TEST(Graphics, BrushCopyLeavesTheTransparentColourOut) {
  Surface target;
  HBITMAP image = TwoColourImage(target.Dc());
  TCanvas canvas;
  canvas.SetHandle(target.Dc());
  canvas.Brush().SetColor(clLime);
  canvas.FillRect(RECT{0, 0, 32, 32});
  canvas.BrushCopy(RECT{0, 0, 32, 32}, image, RECT{0, 0, 32, 32}, clFuchsia);
  EXPECT_EQ(target.Pixel(4, 4), RGB(255, 0, 0));
  EXPECT_EQ(target.Pixel(24, 4), RGB(0, 255, 0));
  canvas.SetHandle(nullptr);
  DeleteObject(image);
}

TEST(Graphics, FontMakesAWindowsFontOfItsDescription) {
  TFont font;
  font.SetName("ＭＳ Ｐゴシック");
  font.SetHeight(-16);
  font.SetStyle(TFontStyles{fsBold});
  LOGFONTA description{};
  ASSERT_NE(GetObjectA(font.Handle(), sizeof description, &description), 0);
  EXPECT_EQ(description.lfHeight, -16);
  EXPECT_EQ(description.lfWeight, FW_BOLD);
  EXPECT_STREQ(description.lfFaceName, "ＭＳ Ｐゴシック");
}
