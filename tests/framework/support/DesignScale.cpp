#include "DesignScale.h"

#include "TFont.h"

#include <windows.h>

namespace {

constexpr int designTextHeight = 12;

} // namespace

int DesignFontTextHeight() {
  static const int height = [] {
    TFont font;
    font.SetName("ＭＳ Ｐゴシック");
    font.SetCharset(TFontCharset(SHIFTJIS_CHARSET));
    font.SetHeight(-12);
    return TextHeightOf(font);
  }();
  return height;
}

int Scaled(int length) { return MulDiv(length, DesignFontTextHeight(), designTextHeight); }

int ScaledSpan(int start, int length) { return Scaled(start + length) - Scaled(start); }
