#include "Bitmap32.h"
#include "Colors.h"
#include "SimpleFormFixture.h"

// What a user sees of the simple controls: the form as the screen shows it, kept as
// SimpleControls.bmp beside the test program in the build tree.

namespace {

using ScreenshotTest = SimpleFormTest;

RECT Inside(const TControl& control) { return control.BoundsRect(); }

// The leftmost column of area that holds color, or -1.
int LeftmostColumn(const TBitmap32& picture, const RECT& area, COLORREF color) {
  for (int x = area.left; x < area.right; ++x) {
    RECT column{x, area.top, x + 1, area.bottom};
    if (picture.CountColor(column, color) > 0) {
      return x;
    }
  }
  return -1;
}

} // namespace

TEST_F(ScreenshotTest, TheFormShowsItsControlsInTheirColours) {
  TimeLabel().SetCaption("3:05");
  NameEdit().SetText("");
  form->Repaint();
  PumpPending();
  POINT origin = form->ClientOrigin();
  TBitmap32 picture(form->ClientWidth(), form->ClientHeight());
  picture.CopyScreen(origin.x, origin.y);
  EXPECT_TRUE(picture.Save("SimpleControls.bmp"));

  const COLORREF lime = RGB(0, 255, 0);
  const COLORREF black = RGB(0, 0, 0);
  RECT time = Inside(TimeLabel());
  EXPECT_EQ(picture.Pixel(time.left + 2, time.top + 2), black) << "the label's own colour";
  EXPECT_GT(picture.CountColor(time, lime), 40) << "large lime digits";
  int firstLime = LeftmostColumn(picture, time, lime);
  EXPECT_GT(firstLime, time.left + (time.right - time.left) / 3) << "against the right edge";

  RECT panel = Inside(BlackPanel());
  EXPECT_EQ(picture.CountColor(panel, black),
            (panel.right - panel.left) * (panel.bottom - panel.top));

  RECT edit = Inside(NameEdit());
  EXPECT_EQ(picture.Pixel(edit.right - 8, (edit.top + edit.bottom) / 2), lime) << "lime field";

  EXPECT_EQ(picture.Pixel(form->ClientWidth() - 4, form->ClientHeight() - 4),
            ColorToRGB(clBtnFace));
  RECT cancel = Inside(CancelButton());
  InflateRect(&cancel, -4, -4);
  EXPECT_GT(picture.CountColor(cancel, ColorToRGB(clBtnText)), 10) << "a Japanese caption";
  RECT name = Inside(NameLabel());
  EXPECT_GT(picture.CountColor(name, ColorToRGB(clWindowText)), 10) << "the label's text";
}

TEST_F(ScreenshotTest, ADisabledLabelIsDrawnRaisedInTheSystemColours) {
  NameLabel().SetEnabled(false);
  form->Repaint();
  PumpPending();
  POINT origin = form->ClientOrigin();
  TBitmap32 picture(form->ClientWidth(), form->ClientHeight());
  picture.CopyScreen(origin.x, origin.y);
  RECT name = Inside(NameLabel());
  name.right += 1;
  name.bottom += 1;
  EXPECT_GT(picture.CountColor(name, ColorToRGB(clBtnHighlight)), 5);
  EXPECT_GT(picture.CountColor(name, ColorToRGB(clBtnShadow)), 5);
  EXPECT_EQ(picture.CountColor(name, ColorToRGB(clWindowText)), 0);
}
