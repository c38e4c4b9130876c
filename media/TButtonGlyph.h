#pragma once

#include "String.h"

#include <windows.h>

class TCanvas;

// The picture on one face of a bar button: the bitmap resource of the program's module of a
// given name, or nothing (0 x 0, draws nothing) when the module has none of that name.
class TButtonGlyph {
public:
  TButtonGlyph() = default;
  ~TButtonGlyph();
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  // Takes the bitmap resource of that name (LoadBitmapA); an empty glyph when there is none.
  void Load(const String& resourceName);

  int Width() const { return size_.cx; }
  int Height() const { return size_.cy; }

  // Copies the whole glyph to (x, y), leaving the olive pixels out.
  void Draw(TCanvas& canvas, int x, int y) const;

private:
  void Release();

  HBITMAP bitmap_ = nullptr;
  SIZE size_{0, 0};
};
