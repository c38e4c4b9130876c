#include "Bitmap32.h"
#include "Colors.h"
#include "SimpleFormFixture.h"

// Panels: their defaults, styles and painting, drawn into a bitmap through WM_PAINT.

namespace {

using PanelTest = SimpleFormTest;

TPanel& PlacePanel(TSimpleForm& form, int width, int height) {
  auto* panel = new TPanel(&form);
  panel->SetBounds(8, 100, width, height);
  panel->SetParent(&form);
  return *panel;
}

// The panel painted into a bitmap of its size.
void PaintInto(TPanel& panel, TBitmap32& bitmap) {
  SendMessageA(panel.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap.Dc()), 0);
}

} // namespace

TEST_F(PanelTest, TakesItsDefaultsWhenMadeInCode) {
  auto* panel = new TPanel(form.get());
  EXPECT_EQ(panel->Width(), 185);
  EXPECT_EQ(panel->Height(), 41);
  EXPECT_EQ(panel->Alignment(), taCenter);
  EXPECT_EQ(panel->BevelOuter(), bvRaised);
  EXPECT_EQ(panel->BevelInner(), bvNone);
  EXPECT_EQ(panel->BevelWidth(), 1);
  EXPECT_EQ(panel->BorderStyle(), bsNone);
  EXPECT_EQ(panel->Color(), clBtnFace);
  EXPECT_TRUE(panel->FullRepaint());
}

TEST_F(PanelTest, ARaisedBevelIsLightAboveAndLeftDarkBelowAndRight) {
  TPanel& panel = PlacePanel(*form, 40, 20);
  panel.SetColor(clRed);
  TBitmap32 bitmap(40, 20);
  PaintInto(panel, bitmap);
  COLORREF light = ColorToRGB(clBtnHighlight);
  COLORREF dark = ColorToRGB(clBtnShadow);
  EXPECT_EQ(bitmap.Pixel(0, 0), light);
  EXPECT_EQ(bitmap.Pixel(20, 0), light);
  EXPECT_EQ(bitmap.Pixel(0, 10), light);
  EXPECT_EQ(bitmap.Pixel(39, 0), dark);
  EXPECT_EQ(bitmap.Pixel(39, 10), dark);
  EXPECT_EQ(bitmap.Pixel(20, 19), dark);
  EXPECT_EQ(bitmap.Pixel(0, 19), dark);
  EXPECT_EQ(bitmap.Pixel(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(bitmap.Pixel(38, 18), RGB(255, 0, 0));
}

TEST_F(PanelTest, ALoweredBevelSwapsTheColoursAndTheBorderTakesThePanelsColour) {
  TPanel& panel = PlacePanel(*form, 40, 20);
  panel.SetColor(clBlue);
  panel.SetBevelOuter(bvLowered);
  panel.SetBorderWidth(2);
  panel.SetBevelInner(bvRaised);
  TBitmap32 bitmap(40, 20);
  PaintInto(panel, bitmap);
  EXPECT_EQ(bitmap.Pixel(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(bitmap.Pixel(39, 19), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(bitmap.Pixel(1, 1), RGB(0, 0, 255)) << "the border";
  EXPECT_EQ(bitmap.Pixel(2, 2), RGB(0, 0, 255));
  EXPECT_EQ(bitmap.Pixel(3, 3), ColorToRGB(clBtnHighlight)) << "the inner bevel";
  EXPECT_EQ(bitmap.Pixel(36, 16), ColorToRGB(clBtnShadow));
  EXPECT_EQ(bitmap.Pixel(20, 10), RGB(0, 0, 255));
}

TEST_F(PanelTest, APlainBlackPanelIsBlackAllOver) {
  TBitmap32 bitmap(BlackPanel().Width(), BlackPanel().Height());
  PaintInto(BlackPanel(), bitmap);
  RECT all{0, 0, bitmap.Width(), bitmap.Height()};
  EXPECT_EQ(bitmap.CountColor(all, RGB(0, 0, 0)), bitmap.Width() * bitmap.Height());
}

TEST_F(PanelTest, TheCaptionIsDrawnInABandAcrossTheMiddle) {
  TPanel& panel = PlacePanel(*form, 120, 60);
  panel.SetBevelOuter(bvNone);
  panel.SetColor(clBlack);
  panel.Font().SetColor(clWhite);
  panel.SetCaption("再生中");
  TBitmap32 bitmap(120, 60);
  PaintInto(panel, bitmap);
  RECT top{0, 0, 120, 20};
  RECT band{0, 20, 120, 40};
  EXPECT_EQ(bitmap.CountColor(top, RGB(0, 0, 0)), 120 * 20);
  EXPECT_LT(bitmap.CountColor(band, RGB(0, 0, 0)), 120 * 20) << "text in the band";
}

TEST_F(PanelTest, AHugeBorderWidthPaintsTheColourAndEnds) {
  TPanel& panel = PlacePanel(*form, 30, 30);
  panel.SetColor(clLime);
  panel.SetBevelOuter(bvNone);
  panel.SetBorderWidth(1000000000);
  TBitmap32 bitmap(30, 30);
  PaintInto(panel, bitmap);
  EXPECT_EQ(bitmap.Pixel(15, 15), RGB(0, 255, 0));
}

TEST_F(PanelTest, ASingleBorderIsASunkenEdgeOrAPlainLine) {
  TPanel& panel = PlacePanel(*form, 40, 20);
  EXPECT_FALSE(GetWindowLongPtrA(panel.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  panel.SetBorderStyle(bsSingle);
  EXPECT_TRUE(GetWindowLongPtrA(panel.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  panel.SetCtl3D(false);
  EXPECT_TRUE(Style(panel) & WS_BORDER);
  EXPECT_FALSE(GetClassLongPtrA(panel.Handle(), GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW));
}
