#pragma once

#include "String.h"
#include "TBrush.h"
#include "TFont.h"
#include "TPen.h"

#include <windows.h>

#include <span>

// Drawing on a device context with a font, a brush and a pen. The canvas selects its objects
// into the context when it gets one and puts the context's own objects back when it lets it
// go; a change of font, brush or pen is selected at once.
class TCanvas {
public:
  TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  virtual ~TCanvas();

  // The device context, asked for (CreateHandle) when there is none; drawing without one
  // does nothing.
  HDC Handle();
  // Draws on dc from now on (none lets the current one go).
  void SetHandle(HDC dc);
  bool HasHandle() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  // FillRect with the brush.
  void FillRect(const RECT& rect);
  // FrameRect with the brush.
  void FrameRect(const RECT& rect);
  // MoveToEx.
  void MoveTo(int x, int y);
  // LineTo with the pen.
  void LineTo(int x, int y);
  // Polyline with the pen.
  void Polyline(std::span<const POINT> points);
  // Rectangle: outlined with the pen, filled with the brush.
  void Rectangle(const RECT& rect);
  // TextOutA at (x, y) in the font; the background is filled unless the brush is clear.
  void TextAt(int x, int y, const String& text);
  // DrawTextA in rect with the flags; DT_CALCRECT writes the measured rectangle back.
  // Returns the height of the text.
  int DrawTextIn(RECT& rect, const String& text, UINT flags);
  // The size of a one-line text in the font (GetTextExtentPoint32A).
  SIZE TextExtent(const String& text);
  int TextWidth(const String& text) { return TextExtent(text).cx; }
  int TextHeight(const String& text) { return TextExtent(text).cy; }
  // DrawFocusRect.
  void DrawFocusRect(const RECT& rect);
  // Copies source (a rectangle of a bitmap) to dest, stretching it, with every pixel of the
  // transparent colour left out so that the destination shows through.
  void BrushCopy(const RECT& dest, HBITMAP bitmap, const RECT& source, TColor transparent);

protected:
  // Called when a drawing operation needs a context and there is none.
  virtual void CreateHandle() {}

private:
  void SelectFont();
  void SelectBrush();
  void SelectPen();
  void Deselect();

  HDC dc_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
};

// Lends a device context to a canvas for one scope (a paint) and takes it back at its end,
// also when the drawing raises.
class TCanvasLoan {
public:
  TCanvasLoan(TCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
  TCanvasLoan(const TCanvasLoan&) = delete;
  TCanvasLoan& operator=(const TCanvasLoan&) = delete;
  ~TCanvasLoan() { canvas_.SetHandle(nullptr); }

private:
  TCanvas& canvas_;
};
